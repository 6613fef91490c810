// The password as the connection file carries it, and the per-user
// protection of the password saved for each computer.
#pragma once

#include "platform/system_services.h"

namespace volmere {

// The protected block is 512 bytes, so the password's UTF-16 form with its
// terminator must fit in it: at most 255 UTF-16 units.
bool PasswordFitsBlock(SystemServices& sys, const Text& password);

// The text after "password 51:b:": the protected 512-byte block as upper-case
// hexadecimal pairs and one "0" more; just "0" when protection fails or the
// password does not fit the block.
Text ProtectPassword(SystemServices& sys, const Text& password);

// Upper-case hexadecimal pairs of every byte.
Text HexPairs(const std::string& bytes);

}  // namespace volmere
