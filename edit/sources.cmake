target_sources(rominado_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/EditOperations.cpp
  ${CMAKE_CURRENT_LIST_DIR}/HenkanJ.cpp)
