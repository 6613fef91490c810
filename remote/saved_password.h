// The password saved for one computer (its SavedPasswordFile in the
// temporary directory), kept protected for the current Windows user.
#pragma once

#include "platform/system_services.h"

namespace volmere {

// TempDir + entry + ".txt"; the settings window deletes these files.
Text SavedPasswordFile(SystemServices& sys, const Text& entry);

struct SavedPassword {
  Text password;  // "" when none is saved
  // Saved by an older version as plain text, to be saved again protected.
  bool plainText = false;
};

SavedPassword ReadSavedPassword(SystemServices& sys, const Text& entry);

// An empty password is saved as an empty file, which means "none saved".
// False, with the file left as it was, when protection fails: the password is
// then not kept rather than kept readable.
bool SavePassword(SystemServices& sys, const Text& entry, const Text& password);

}  // namespace volmere
