target_sources(rominado_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/HelpCommand.cpp
  ${CMAKE_CURRENT_LIST_DIR}/OutputSamples.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Shortcuts.cpp)
