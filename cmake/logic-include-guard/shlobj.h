#error "Logic code must stay portable: Win32 headers belong in platform/win32/."
