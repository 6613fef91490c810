// This computer's name as Windows will take it at the next start, the
// company name that heads MainWindow's caption, and the checks that keep a
// name Windows would refuse out of the registry and out of batch lines.
#pragma once

#include "app/app_context.h"

namespace volmere {

constexpr const char* kComputerNamePath =
    "SYSTEM\\CurrentControlSet\\Control\\ComputerName\\ComputerName\\ComputerName";

// The ComputerName value as the registry holds it now.
Text RegistryComputerName(SystemServices& sys);

// Writes the name to ComputerName, "NV Hostname" and "Hostname", in this
// order. True when all three writes succeeded; they fail without
// administrator rights.
bool WriteComputerName(SystemServices& sys, const Text& name);

// MainWindow's caption: company + "Volmere6.3---我的计算机名：" + the
// registry's computer name read now.
void SetCompanyCaption(AppContext& ctx, const Text& company);

// At most 15 bytes, not digits only, no blank and none of the punctuation
// Windows refuses in a computer name; Chinese characters and "-" are fine.
bool IsValidComputerName(const Text& name);

// At most 15 bytes and none of the characters that would break the quoted
// wmic batch line or that Windows refuses in a workgroup name.
bool IsValidWorkgroupName(const Text& name);

extern const char kInvalidComputerNameMessage[];
extern const char kInvalidWorkgroupMessage[];
// Shown in place of a success message when a computer name write failed.
extern const char kComputerNameWriteFailedMessage[];

}  // namespace volmere
