target_sources(rominado_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/ErrorText.cpp
  ${CMAKE_CURRENT_LIST_DIR}/NumberField.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PathPieces.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TextLines.cpp)
