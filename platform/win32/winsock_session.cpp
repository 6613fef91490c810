#include "platform/win32/winsock_session.h"

#include "platform/win32/win32_headers.h"

namespace volmere {

WinsockSession::WinsockSession() {
  WSADATA data;
  started_ = WSAStartup(MAKEWORD(2, 2), &data) == 0;
}

WinsockSession::~WinsockSession() {
  if (started_) WSACleanup();
}

}  // namespace volmere
