// Winsock for the whole test run, as the program's entry point holds it.
#include "platform/win32/winsock_session.h"

namespace volmere {
namespace {
WinsockSession winsock;
}
}  // namespace volmere
