target_sources(rominado_win32 PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/Clipboard.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Win32FileReader.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Win32FileSystem.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Win32NameMatching.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Win32NameLookup.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Win32Network.cpp)
target_sources(rominado_win32 PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/Controls.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MessageLoop.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SpeedButton.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Window.cpp)
target_sources(rominado_win32 PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/ProgramFolders.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Win32HelpViewer.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Win32Profile.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Win32ShellLinks.cpp)
target_sources(rominado_win32 PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/Win32CaseMapper.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Win32Collation.cpp)
target_sources(rominado_win32 PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/Dpi.cpp)
target_sources(rominado_win32 PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/DropNames.cpp
  ${CMAKE_CURRENT_LIST_DIR}/WideNames.cpp)
