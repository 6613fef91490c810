#include <vector>

#include "platform/win32/win32_core.h"
#include "platform/win32/win32_headers.h"

namespace volmere {
namespace win32_core {
namespace {

struct RegPath {
  Text key;
  Text value;  // "" is the key's default value
};

// Split at the last backslash that is a character of its own: in GBK the
// trail byte of a double-byte character can be 0x5C too.
RegPath SplitRegPath(const Text& path) {
  std::size_t split = Text::npos;
  for (std::size_t i = 0; i < path.size(); ++i) {
    if (path[i] == '\\' && IsCharacterStart(path, i)) split = i;
  }
  if (split == Text::npos) return {"", path};
  return {path.substr(0, split), path.substr(split + 1)};
}

HKEY RootKey(RegRoot root) {
  return root == RegRoot::CurrentUser ? HKEY_CURRENT_USER : HKEY_LOCAL_MACHINE;
}

class OpenKey {
 public:
  OpenKey() = default;
  OpenKey(const OpenKey&) = delete;
  OpenKey& operator=(const OpenKey&) = delete;
  ~OpenKey() {
    if (key_) RegCloseKey(key_);
  }
  bool ForReading(RegRoot root, const Text& path) {
    return RegOpenKeyExA(RootKey(root), path.c_str(), 0, KEY_QUERY_VALUE, &key_) == ERROR_SUCCESS;
  }
  // Creates the key and every missing key above it.
  bool ForWriting(RegRoot root, const Text& path) {
    return RegCreateKeyExA(RootKey(root), path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                           KEY_SET_VALUE, nullptr, &key_, nullptr) == ERROR_SUCCESS;
  }
  HKEY get() const { return key_; }

 private:
  HKEY key_ = nullptr;
};

struct RawValue {
  DWORD type = REG_NONE;
  std::vector<char> bytes;
};

bool QueryValue(RegRoot root, const Text& path, RawValue* out) {
  RegPath split = SplitRegPath(path);
  OpenKey key;
  if (!key.ForReading(root, split.key)) return false;
  DWORD size = 0;
  LONG status =
      RegQueryValueExA(key.get(), split.value.c_str(), nullptr, &out->type, nullptr, &size);
  // The value can grow between the two queries; ask again until it fits.
  while (status == ERROR_SUCCESS || status == ERROR_MORE_DATA) {
    out->bytes.assign(size + 1, '\0');
    DWORD got = size;
    status = RegQueryValueExA(key.get(), split.value.c_str(), nullptr, &out->type,
                              reinterpret_cast<BYTE*>(out->bytes.data()), &got);
    if (status == ERROR_SUCCESS) {
      out->bytes.resize(got);
      return true;
    }
    size = got;
  }
  return false;
}

// A stored text may lack its terminating zero; the text ends at the first one.
Text TextOf(const std::vector<char>& bytes) {
  Text text(bytes.begin(), bytes.end());
  return text.substr(0, text.find('\0'));
}

Text ExpandEnvironment(const Text& text) {
  std::vector<char> expanded(text.size() + 256);
  for (;;) {
    DWORD needed = ExpandEnvironmentStringsA(text.c_str(), expanded.data(),
                                             static_cast<DWORD>(expanded.size()));
    if (needed == 0) return text;
    if (needed <= expanded.size()) return Text(expanded.data());
    expanded.resize(needed);
  }
}

bool SetValue(RegRoot root, const Text& path, DWORD type, const BYTE* data, DWORD size) {
  bool ok = false;
  WorkerRegistry::PassCurrent([&] {
    RegPath split = SplitRegPath(path);
    OpenKey key;
    if (!key.ForWriting(root, split.key)) return;
    ok = RegSetValueExA(key.get(), split.value.c_str(), 0, type, data, size) == ERROR_SUCCESS;
  });
  return ok;
}

}  // namespace

Text RegReadText(RegRoot root, const Text& path) {
  RawValue value;
  if (!QueryValue(root, path, &value)) return "";
  if (value.type == REG_SZ) return TextOf(value.bytes);
  if (value.type == REG_EXPAND_SZ) return ExpandEnvironment(TextOf(value.bytes));
  return "";
}

std::uint32_t RegReadNumber(RegRoot root, const Text& path) {
  RawValue value;
  if (!QueryValue(root, path, &value) || value.type != REG_DWORD || value.bytes.size() != 4)
    return 0;
  std::uint32_t n = 0;
  for (int i = 3; i >= 0; --i) n = (n << 8) | static_cast<unsigned char>(value.bytes[i]);
  return n;
}

bool RegWriteText(RegRoot root, const Text& path, const Text& text) {
  return SetValue(root, path, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                  static_cast<DWORD>(text.size() + 1));
}

bool RegWriteNumber(RegRoot root, const Text& path, std::uint32_t n) {
  BYTE bytes[4] = {static_cast<BYTE>(n), static_cast<BYTE>(n >> 8), static_cast<BYTE>(n >> 16),
                   static_cast<BYTE>(n >> 24)};
  return SetValue(root, path, REG_DWORD, bytes, sizeof bytes);
}

bool RegValueExists(RegRoot root, const Text& path) {
  RegPath split = SplitRegPath(path);
  OpenKey key;
  if (!key.ForReading(root, split.key)) return false;
  return RegQueryValueExA(key.get(), split.value.c_str(), nullptr, nullptr, nullptr, nullptr) ==
         ERROR_SUCCESS;
}

}  // namespace win32_core
}  // namespace volmere
