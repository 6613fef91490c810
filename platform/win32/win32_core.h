// The non-window operations of SystemServices over Win32, as free functions:
// Win32System forwards to them, and the contract tests call them directly.
//
// Every operation that changes something (a registry value, a file, a
// process, a worker) is made through the calling worker's gate, so a stopped
// worker changes nothing more.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/system_services.h"
#include "platform/worker_gate.h"

namespace volmere {
namespace win32_core {

Text RegReadText(RegRoot root, const Text& path);
std::uint32_t RegReadNumber(RegRoot root, const Text& path);
bool RegWriteText(RegRoot root, const Text& path, const Text& text);
bool RegWriteNumber(RegRoot root, const Text& path, std::uint32_t n);
bool RegValueExists(RegRoot root, const Text& path);

bool WriteTextFile(const Text& path, const Text& text);
Text ReadTextFile(const Text& path);
std::vector<Text> ReadTextLines(const Text& path);
bool DeleteFile(const Text& path);
Text TempDir();
Text WindowsDir();
Text ProgramDir();
Text NewTempFileName();

bool RunCommand(const Text& commandLine, bool wait, bool hidden, int* exitStatus);
void OpenUrl(const Text& address);

// The registry must outlive every worker it starts.
bool StartWorker(WorkerRegistry& registry, WorkerRoutine routine, int argument,
                 WorkerHandleVar* handleVar);
void StopWorker(WorkerRegistry& registry, WorkerHandle handle);
bool StopRequested();

std::uint32_t WindowsVersionWord();
std::string AnsiToUtf16(const Text& text);
std::string ProtectForUser(const std::string& data, const Text& description);
bool UnprotectForUser(const std::string& blob, std::string* data);

}  // namespace win32_core
}  // namespace volmere
