// ICMP echo through icmp.dll, which is loaded on first use and kept for the
// rest of the run.
#pragma once

#include <cstdint>

#include "platform/win32/win32_headers.h"
// After windows.h: the echo reply types.
#include <ipexport.h>

namespace volmere {

class IcmpEcho {
 public:
  // Looks the entry points up afresh; false when icmp.dll or one of them is
  // missing.
  bool Find();
  // Round-trip milliseconds of one echo without data to an IPv4 address
  // (network byte order), or -1 for no answer. Only after Find succeeded.
  int Send(std::uint32_t address, int timeoutMs) const;

 private:
  using CreateFileFn = HANDLE(WINAPI*)();
  using SendEchoFn = DWORD(WINAPI*)(HANDLE, IPAddr, LPVOID, WORD, PIP_OPTION_INFORMATION, LPVOID,
                                    DWORD, DWORD);
  using CloseHandleFn = BOOL(WINAPI*)(HANDLE);
  CreateFileFn create_ = nullptr;
  SendEchoFn send_ = nullptr;
  CloseHandleFn close_ = nullptr;
};

// What one echo reports: the first reply's round trip when it is a real echo
// reply, -1 otherwise.
int EchoResult(DWORD replies, const ICMP_ECHO_REPLY& first);

}  // namespace volmere
