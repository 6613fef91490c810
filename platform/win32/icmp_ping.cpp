#include "platform/win32/icmp_ping.h"

#include <mutex>

namespace volmere {
namespace {

// One reply record with no echoed data, and room for an ICMP error message.
constexpr DWORD kReplyBufferBytes = 36;
static_assert(sizeof(ICMP_ECHO_REPLY) + 8 <= kReplyBufferBytes, "reply buffer too small");

// Loaded once, by whichever thread pings first; many threads may arrive at
// the same moment, and all of them wait for the one load.
HMODULE IcmpModule() {
  static std::once_flag once;
  static HMODULE module = nullptr;
  std::call_once(once, [] { module = LoadLibraryA("icmp.dll"); });
  return module;
}

template <typename Fn>
Fn EntryPoint(HMODULE module, const char* name) {
  return reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

}  // namespace

bool IcmpEcho::Find() {
  HMODULE module = IcmpModule();
  if (!module) return false;
  create_ = EntryPoint<CreateFileFn>(module, "IcmpCreateFile");
  send_ = EntryPoint<SendEchoFn>(module, "IcmpSendEcho");
  close_ = EntryPoint<CloseHandleFn>(module, "IcmpCloseHandle");
  return create_ && send_ && close_;
}

int IcmpEcho::Send(std::uint32_t address, int timeoutMs) const {
  HANDLE icmp = create_();
  if (icmp == INVALID_HANDLE_VALUE) return -1;
  alignas(ICMP_ECHO_REPLY) unsigned char reply[kReplyBufferBytes] = {};
  DWORD replies = send_(icmp, address, nullptr, 0, nullptr, reply, kReplyBufferBytes,
                        static_cast<DWORD>(timeoutMs));
  close_(icmp);
  return EchoResult(replies, *reinterpret_cast<const ICMP_ECHO_REPLY*>(reply));
}

int EchoResult(DWORD replies, const ICMP_ECHO_REPLY& first) {
  // Some Windows versions count a router's "unreachable" as a reply; only a
  // real echo reply is an answer.
  if (replies == 0 || first.Status != IP_SUCCESS) return -1;
  return static_cast<int>(first.RoundTripTime);
}

}  // namespace volmere
