target_sources(rominado_core PRIVATE ${CMAKE_CURRENT_LIST_DIR}/Settings.cpp)
target_sources(rominado_core PRIVATE ${CMAKE_CURRENT_LIST_DIR}/OutputSettings.cpp)
target_sources(rominado_core PRIVATE ${CMAKE_CURRENT_LIST_DIR}/SaveEncoding.cpp)
