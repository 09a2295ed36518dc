# The service interfaces are headers only; their Win32 implementations are listed in win32/win32_sources.cmake.
