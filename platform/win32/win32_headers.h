// How the Win32 layer includes the system headers: Winsock 2 before
// windows.h (which would otherwise bring in the old winsock.h), and without
// the DeleteFile macro, which would rename SystemServices::DeleteFile.
#pragma once

#include <winsock2.h>
// Only after winsock2.h.
#include <windows.h>
#undef DeleteFile
