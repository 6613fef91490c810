#include <vector>

#include "platform/win32/win32_core.h"
#include "platform/win32/win32_headers.h"
// After windows.h: wincrypt.h needs its types.
#include <wincrypt.h>

namespace volmere {
namespace win32_core {
namespace {

constexpr UINT kChineseCodePage = 936;

std::wstring WideOf(const Text& text) {
  int units = MultiByteToWideChar(kChineseCodePage, 0, text.c_str(), -1, nullptr, 0);
  if (units <= 0) return std::wstring();
  std::vector<wchar_t> wide(static_cast<std::size_t>(units));
  MultiByteToWideChar(kChineseCodePage, 0, text.c_str(), -1, wide.data(), units);
  return std::wstring(wide.data());
}

DATA_BLOB BlobOf(const std::string& bytes) {
  DATA_BLOB blob;
  blob.cbData = static_cast<DWORD>(bytes.size());
  blob.pbData = reinterpret_cast<BYTE*>(const_cast<char*>(bytes.data()));
  return blob;
}

// Takes the bytes out of a blob that the system allocated, and frees it.
std::string TakeBlob(DATA_BLOB& blob) {
  std::string bytes(reinterpret_cast<const char*>(blob.pbData), blob.cbData);
  LocalFree(blob.pbData);
  return bytes;
}

}  // namespace

std::string AnsiToUtf16(const Text& text) {
  std::wstring wide = WideOf(text);
  if (wide.empty() && !text.empty()) return "";
  std::string bytes;
  for (wchar_t unit : wide) {
    bytes += static_cast<char>(unit & 0xFF);
    bytes += static_cast<char>((unit >> 8) & 0xFF);
  }
  bytes += std::string(2, '\0');
  return bytes;
}

std::string ProtectForUser(const std::string& data, const Text& description) {
  DATA_BLOB in = BlobOf(data);
  DATA_BLOB out{};
  std::wstring wideDescription = WideOf(description);
  if (!CryptProtectData(&in, wideDescription.c_str(), nullptr, nullptr, nullptr, 0, &out))
    return "";
  return TakeBlob(out);
}

bool UnprotectForUser(const std::string& blob, std::string* data) {
  DATA_BLOB in = BlobOf(blob);
  DATA_BLOB out{};
  if (!CryptUnprotectData(&in, nullptr, nullptr, nullptr, nullptr, 0, &out)) return false;
  *data = TakeBlob(out);
  return true;
}

}  // namespace win32_core
}  // namespace volmere
