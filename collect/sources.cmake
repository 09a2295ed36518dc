target_sources(rominado_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/CommandLine.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DropHandler.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ExclusionMasks.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ExtFilter.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FileContentsReader.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FileEncoding.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FileLines.cpp
  ${CMAKE_CURRENT_LIST_DIR}/NaturalKey.cpp
  ${CMAKE_CURRENT_LIST_DIR}/NetworkForm.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PathList.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PathListFeeder.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PathWalker.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TreeDrawing.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ReadAhead.cpp)
