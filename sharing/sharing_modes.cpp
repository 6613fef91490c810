#include "sharing/sharing_modes.h"

#include "sharing/sharing_mode_files.h"

namespace volmere {

const char kSharingModeFailedMessage[] = "设置失败！请右击本软件，选择以管理员身份运行后再试。";

namespace {

const char kControlSet001Anonymous[] = "SYSTEM\\ControlSet001\\Control\\Lsa\\restrictanonymous";
const char kCurrentControlSetAnonymous[] =
    "SYSTEM\\CurrentControlSet\\Control\\Lsa\\restrictanonymous";

struct ModeRecipe {
  const char* registryFile;
  Text registryText;
  const char* batchFile;
  Text batchText;
  bool securityTemplate;
  std::uint32_t restrictAnonymous;  // what the batch sets in both control sets
};

bool AnonymousAccessReadsBack(SystemServices& sys, std::uint32_t expected) {
  for (const char* path : {kControlSet001Anonymous, kCurrentControlSetAnonymous}) {
    if (!sys.RegValueExists(RegRoot::LocalMachine, path)) return false;
    if (sys.RegReadNumber(RegRoot::LocalMachine, path) != expected) return false;
  }
  return true;
}

// The batch names its files without a folder, so it finds them in the
// current directory it inherits: the program's folder, where they are
// written and where Secedit leaves its database.
bool ApplyMode(SystemServices& sys, const ModeRecipe& recipe) {
  const Text folder = sys.ProgramDir() + "\\";
  sys.WriteTextFile(folder + recipe.registryFile, recipe.registryText);
  if (recipe.securityTemplate) {
    sys.WriteTextFile(folder + kSecurityTemplateFile, SecurityTemplateText());
  }
  sys.WriteTextFile(folder + recipe.batchFile, recipe.batchText);
  const bool ran = sys.RunCommand(folder + recipe.batchFile, true, true);
  sys.DeleteFile(folder + recipe.batchFile);
  sys.DeleteFile(folder + recipe.registryFile);
  if (recipe.securityTemplate) {
    sys.DeleteFile(folder + kSecurityTemplateFile);
    sys.DeleteFile(folder + kSecurityDatabaseFile);
  }
  return ran && AnonymousAccessReadsBack(sys, recipe.restrictAnonymous);
}

}  // namespace

bool EnableSharingOpen(SystemServices& sys) {
  return ApplyMode(sys, {kOpenModeRegistryFile, OpenModeRegistryText(), kOpenModeBatchFile,
                         OpenModeBatchText(), true, 0});
}

bool EnableSharingWithPassword(SystemServices& sys) {
  return ApplyMode(sys, {kPasswordModeRegistryFile, PasswordModeRegistryText(),
                         kPasswordModeBatchFile, PasswordModeBatchText(), true, 0});
}

bool DisableSharing(SystemServices& sys) {
  return ApplyMode(sys, {kOffModeRegistryFile, OffModeRegistryText(), kOffModeBatchFile,
                         OffModeBatchText(), false, 1});
}

bool SharingEnabledProbe(SystemServices& sys) {
  const std::uint32_t controlSet001 =
      sys.RegReadNumber(RegRoot::LocalMachine, kControlSet001Anonymous);
  const std::uint32_t currentControlSet =
      sys.RegReadNumber(RegRoot::LocalMachine, kCurrentControlSetAnonymous);
  return controlSet001 == 0 || currentControlSet == 0;
}

}  // namespace volmere
