#pragma once

#include <cstdint>

#include "platform/system_services.h"

namespace volmere {

// "Windows 2000", "Windows XP", "Windows Server 2003", "Vista", "Windows 7"
// or the full-width "？", from GetVersion's word (only its low 16 bits count).
Text WindowsEditionName(std::uint32_t versionWord);
Text WindowsEditionName(SystemServices& sys);

}  // namespace volmere
