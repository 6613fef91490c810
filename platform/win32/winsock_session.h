// Winsock for the life of the process: the entry point holds one session
// from start to exit, and every network call runs inside it.
#pragma once

namespace volmere {

class WinsockSession {
 public:
  WinsockSession();
  ~WinsockSession();
  WinsockSession(const WinsockSession&) = delete;
  WinsockSession& operator=(const WinsockSession&) = delete;
  bool started() const { return started_; }

 private:
  bool started_ = false;
};

}  // namespace volmere
