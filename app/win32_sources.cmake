target_sources(rominado_win32 PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/AppMessage.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FilterGrid.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MainLayout.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MainWindow.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MemoView.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SaveText.cpp
  ${CMAKE_CURRENT_LIST_DIR}/StartArguments.cpp)
