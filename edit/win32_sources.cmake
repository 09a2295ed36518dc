target_sources(rominado_win32 PRIVATE ${CMAKE_CURRENT_LIST_DIR}/EditForm.cpp)
