# The service interfaces are headers only; their Win32 implementations are listed in win32/win32_sources.cmake.
# Beside them, the rules for names the code page cannot hold, which those implementations apply, and the
# conversions between the core's UTF-8 and UTF-16 and code page 932.
folder_sources(rominado_core Encoding NameConversion ProfileFile)
# Code page 932 itself: the system's tables on Windows, the C library's converter natively.
add_library(rominado_shiftjis STATIC)
target_include_directories(rominado_shiftjis PRIVATE ${CMAKE_SOURCE_DIR})
if(WIN32)
  target_sources(rominado_shiftjis PRIVATE ${CMAKE_CURRENT_LIST_DIR}/win32/ShiftJis.cpp)
else()
  target_sources(rominado_shiftjis PRIVATE ${CMAKE_CURRENT_LIST_DIR}/native/ShiftJis.cpp)
endif()
target_link_libraries(rominado_core PUBLIC rominado_shiftjis)
