target_sources(rominado_core PRIVATE ${CMAKE_CURRENT_LIST_DIR}/LongFileName.cpp)
target_sources(rominado_core PRIVATE ${CMAKE_CURRENT_LIST_DIR}/OutputFormat.cpp)
target_sources(rominado_core PRIVATE ${CMAKE_CURRENT_LIST_DIR}/EnvironmentForm.cpp)
