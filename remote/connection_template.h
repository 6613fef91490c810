// The remote desktop client's connection file, as the program writes it for
// every launch.
#pragma once

#include "platform/text.h"

namespace volmere {

// 45 lines joined by CR LF, no CR LF after the last; five markers stand where
// the launch puts its own values.
extern const char ConnectionTemplate[];

// The template with its markers replaced. An empty protectedPassword leaves
// the password marker in place: the client then asks for the password itself.
Text FillConnectionTemplate(const Text& userName, const Text& computer,
                            const Text& protectedPassword);

}  // namespace volmere
