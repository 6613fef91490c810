// The files that switch this computer's LAN sharing: a registry file, for the
// two "on" modes a security template, and a batch file that applies them.
// Windows reads them as code page 936 text with CR LF line ends; their bytes
// are fixed, down to whether the last line has a line end.
#pragma once

#include "platform/text.h"

namespace volmere {

extern const char kOpenModeRegistryFile[];      // "开启共享.reg"
extern const char kOpenModeBatchFile[];         // "开启共享.bat"
extern const char kPasswordModeRegistryFile[];  // "开共享.reg"
extern const char kPasswordModeBatchFile[];     // "开共享.bat"
extern const char kOffModeRegistryFile[];       // "关闭共享.reg"
extern const char kOffModeBatchFile[];          // "关闭共享.bat"
extern const char kSecurityTemplateFile[];      // "security.inf"
// The database Secedit leaves behind in the batch's folder.
extern const char kSecurityDatabaseFile[];  // "secsetup.sdb"

Text OpenModeRegistryText();
Text PasswordModeRegistryText();
Text OffModeRegistryText();
Text SecurityTemplateText();
Text OpenModeBatchText();
Text PasswordModeBatchText();
Text OffModeBatchText();

}  // namespace volmere
