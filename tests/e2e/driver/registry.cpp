#include "tests/e2e/driver/registry.h"

#include <windows.h>

namespace volmere::e2e {
namespace {

HKEY RootOf(Hive hive) {
  return hive == Hive::CurrentUser ? HKEY_CURRENT_USER : HKEY_LOCAL_MACHINE;
}

// The driver's paths are ASCII or whole GBK characters, so the last
// backslash byte is the separator.
void Split(const std::string& path, std::string* key, std::string* value) {
  const size_t slash = path.rfind('\\');
  *key = slash == std::string::npos ? "" : path.substr(0, slash);
  *value = slash == std::string::npos ? path : path.substr(slash + 1);
}

bool Query(Hive hive, const std::string& path, DWORD* type, std::string* data) {
  std::string key, value;
  Split(path, &key, &value);
  HKEY handle;
  if (RegOpenKeyExA(RootOf(hive), key.c_str(), 0, KEY_QUERY_VALUE, &handle) != ERROR_SUCCESS)
    return false;
  DWORD size = 0;
  LONG status = RegQueryValueExA(handle, value.c_str(), nullptr, type, nullptr, &size);
  if (status == ERROR_SUCCESS) {
    data->assign(size, '\0');
    status = RegQueryValueExA(handle, value.c_str(), nullptr, type,
                              reinterpret_cast<BYTE*>(&(*data)[0]), &size);
    data->resize(size);
  }
  RegCloseKey(handle);
  return status == ERROR_SUCCESS;
}

bool Set(Hive hive, const std::string& path, DWORD type, const void* data, DWORD size) {
  std::string key, value;
  Split(path, &key, &value);
  HKEY handle;
  if (RegCreateKeyExA(RootOf(hive), key.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &handle,
                      nullptr) != ERROR_SUCCESS)
    return false;
  const bool ok = RegSetValueExA(handle, value.c_str(), 0, type, static_cast<const BYTE*>(data),
                                 size) == ERROR_SUCCESS;
  RegCloseKey(handle);
  return ok;
}

}  // namespace

std::optional<std::string> ReadRegText(Hive hive, const std::string& path) {
  DWORD type = 0;
  std::string data;
  if (!Query(hive, path, &type, &data) || (type != REG_SZ && type != REG_EXPAND_SZ))
    return std::nullopt;
  while (!data.empty() && data.back() == '\0') data.pop_back();
  return data;
}

std::optional<std::uint32_t> ReadRegNumber(Hive hive, const std::string& path) {
  DWORD type = 0;
  std::string data;
  if (!Query(hive, path, &type, &data) || type != REG_DWORD || data.size() != 4)
    return std::nullopt;
  std::uint32_t n = 0;
  for (int i = 3; i >= 0; --i) n = (n << 8) | static_cast<unsigned char>(data[i]);
  return n;
}

bool RegValuePresent(Hive hive, const std::string& path) {
  DWORD type = 0;
  std::string data;
  return Query(hive, path, &type, &data);
}

bool WriteRegText(Hive hive, const std::string& path, const std::string& text) {
  return Set(hive, path, REG_SZ, text.c_str(), static_cast<DWORD>(text.size() + 1));
}

bool WriteRegNumber(Hive hive, const std::string& path, std::uint32_t n) {
  return Set(hive, path, REG_DWORD, &n, sizeof n);
}

bool DeleteRegValue(Hive hive, const std::string& path) {
  std::string key, value;
  Split(path, &key, &value);
  HKEY handle;
  if (RegOpenKeyExA(RootOf(hive), key.c_str(), 0, KEY_SET_VALUE, &handle) != ERROR_SUCCESS)
    return false;
  const bool ok = RegDeleteValueA(handle, value.c_str()) == ERROR_SUCCESS;
  RegCloseKey(handle);
  return ok;
}

}  // namespace volmere::e2e
