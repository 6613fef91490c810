// Files of the scenario's folders, and what the tool stand-ins recorded.
#pragma once

#include <string>
#include <vector>

namespace volmere::e2e {

bool FileExists(const std::string& path);
// The whole file as bytes; "" when it is missing.
std::string ReadFileBytes(const std::string& path);
bool WriteFileBytes(const std::string& path, const std::string& bytes);
bool RemoveFile(const std::string& path);

// Scripts the stand-in `tool` ("net", "cacls", …) of `folder`: what it
// prints (code page 936 bytes) and the exit code it ends with.
void ScriptStandin(const std::string& folder, const std::string& tool, const std::string& output,
                   int exitCode = 0);

// The command lines the stand-in `tool` of `folder` was started with, oldest
// first, exactly as the program passed them (cmd.exe may add a trailing blank
// to a command taken from a batch line).
std::vector<std::string> StandinCalls(const std::string& folder, const std::string& tool);

}  // namespace volmere::e2e
