// The registry of the scenario's prefix, which the driver shares with the
// program: a value the program writes is read here at once.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace volmere::e2e {

enum class Hive { CurrentUser, LocalMachine };

// A REG_SZ (or REG_EXPAND_SZ, unexpanded) value without its terminating
// zero; nullopt when the key or value is missing or of another type. `path`
// is the key, a backslash and the value's name.
std::optional<std::string> ReadRegText(Hive hive, const std::string& path);
std::optional<std::uint32_t> ReadRegNumber(Hive hive, const std::string& path);
bool RegValuePresent(Hive hive, const std::string& path);

bool WriteRegText(Hive hive, const std::string& path, const std::string& text);
bool WriteRegNumber(Hive hive, const std::string& path, std::uint32_t n);
bool DeleteRegValue(Hive hive, const std::string& path);

}  // namespace volmere::e2e
