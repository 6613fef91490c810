#include "remote/saved_password.h"

#include "remote/password_protection.h"

namespace volmere {
namespace {

// The protected blob holds zero bytes, which a text file cannot carry, so it
// is stored as hexadecimal behind this mark. The mark keeps a protected file
// apart from an older plain-text password made only of hexadecimal digits;
// a plain password that happens to begin with it still fails to unprotect
// and so is still read as plain text.
constexpr const char* kProtectedMark = "DPAPI:";
constexpr const char* kDescription = "Volmere";

int HexDigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

bool FromHexPairs(const Text& hex, std::string* bytes) {
  if (hex.size() % 2 != 0) return false;
  bytes->clear();
  for (std::size_t i = 0; i < hex.size(); i += 2) {
    const int high = HexDigitValue(hex[i]);
    const int low = HexDigitValue(hex[i + 1]);
    if (high < 0 || low < 0) return false;
    *bytes += static_cast<char>(high * 16 + low);
  }
  return true;
}

bool Unprotect(SystemServices& sys, const Text& content, Text* password) {
  const Text mark = kProtectedMark;
  if (content.compare(0, mark.size(), mark) != 0) return false;
  std::string blob;
  if (!FromHexPairs(content.substr(mark.size()), &blob) || blob.empty()) return false;
  std::string data;
  if (!sys.UnprotectForUser(blob, &data)) return false;
  *password = data;
  return true;
}

}  // namespace

Text SavedPasswordFile(SystemServices& sys, const Text& entry) {
  return sys.TempDir() + entry + ".txt";
}

SavedPassword ReadSavedPassword(SystemServices& sys, const Text& entry) {
  const Text content = sys.ReadTextFile(SavedPasswordFile(sys, entry));
  SavedPassword saved;
  if (content.empty()) return saved;
  if (Unprotect(sys, content, &saved.password)) return saved;
  saved.password = content;
  saved.plainText = true;
  return saved;
}

bool SavePassword(SystemServices& sys, const Text& entry, const Text& password) {
  Text content;
  if (!password.empty()) {
    const std::string blob = sys.ProtectForUser(password, kDescription);
    if (blob.empty()) return false;
    content = kProtectedMark + HexPairs(blob);
  }
  return sys.WriteTextFile(SavedPasswordFile(sys, entry), content);
}

}  // namespace volmere
