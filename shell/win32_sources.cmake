folder_sources(rominado_win32 SetForm Ver)
