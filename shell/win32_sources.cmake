target_sources(rominado_win32 PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/SetForm.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Ver.cpp)
