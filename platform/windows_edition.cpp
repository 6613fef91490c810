#include "platform/windows_edition.h"

#include <cmath>

namespace volmere {

Text WindowsEditionName(std::uint32_t versionWord) {
  struct Edition {
    double version;
    const char* name;
  };
  static const Edition kEditions[] = {
      {5.0, "Windows 2000"}, {5.1, "Windows XP"}, {5.2, "Windows Server 2003"},
      {6.0, "Vista"},        {6.1, "Windows 7"},
  };
  unsigned major = versionWord & 0xFFu;
  unsigned minor = (versionWord >> 8) & 0xFFu;
  double x = major + minor / 10.0;
  for (const Edition& edition : kEditions) {
    if (std::fabs(x - edition.version) <= 0.0000001) return edition.name;
  }
  return "？";
}

Text WindowsEditionName(SystemServices& sys) {
  return WindowsEditionName(sys.WindowsVersionWord());
}

}  // namespace volmere
