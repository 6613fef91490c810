#include "remote/password_protection.h"

namespace volmere {
namespace {

constexpr std::size_t kBlockSize = 512;

}  // namespace

bool PasswordFitsBlock(SystemServices& sys, const Text& password) {
  return sys.AnsiToUtf16(password).size() <= kBlockSize;
}

Text HexPairs(const std::string& bytes) {
  static const char kDigits[] = "0123456789ABCDEF";
  Text hex;
  hex.reserve(bytes.size() * 2);
  for (char c : bytes) {
    const auto byte = static_cast<unsigned char>(c);
    hex += kDigits[byte >> 4];
    hex += kDigits[byte & 0x0F];
  }
  return hex;
}

// The client reads the block as a zero-terminated UTF-16 string; what follows
// the terminator is padding it never looks at.
Text ProtectPassword(SystemServices& sys, const Text& password) {
  std::string block = sys.AnsiToUtf16(password);
  if (block.size() > kBlockSize) return "0";
  block.resize(kBlockSize, '\0');
  return HexPairs(sys.ProtectForUser(block, "psw")) + "0";
}

}  // namespace volmere
