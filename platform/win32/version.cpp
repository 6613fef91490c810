#include "platform/win32/win32_core.h"
#include "platform/win32/win32_headers.h"

namespace volmere {
namespace win32_core {

std::uint32_t WindowsVersionWord() { return GetVersion(); }

}  // namespace win32_core
}  // namespace volmere
