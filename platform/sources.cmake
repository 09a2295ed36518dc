# The service interfaces are headers only; their Win32 implementations are listed in win32/win32_sources.cmake.
# Beside them, the rules for names the code page cannot hold, which those implementations apply.
target_sources(rominado_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/NameConversion.cpp)
