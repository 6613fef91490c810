// The user's five stored preferences. Nothing is cached: every read asks the
// registry at the moment of use and every write goes there at once.
#pragma once

#include "platform/system_services.h"

namespace volmere {

constexpr const char* kPrefFirstRun = "SOFTWARE\\Volmere\\bz";
constexpr const char* kPrefCompany = "SOFTWARE\\Volmere\\gsm";
constexpr const char* kPrefAutoCloseOff = "SOFTWARE\\Volmere\\zdgb";
constexpr const char* kPrefOpenMode = "SOFTWARE\\Volmere\\sj";
constexpr const char* kPrefShowAddresses = "SOFTWARE\\Volmere\\ckfs";

bool FirstRunAnswered(SystemServices& sys);
void MarkFirstRunAnswered(SystemServices& sys);

// The stored company name, "" when none.
Text StoredCompanyName(SystemServices& sys);
bool StoreCompanyName(SystemServices& sys, const Text& company);

// Stored inverted: only "1" switches auto-close off.
bool AutoCloseOn(SystemServices& sys);
void StoreAutoClose(SystemServices& sys, bool on);

bool DoubleClickOpensPref(SystemServices& sys);
void StoreDoubleClickOpens(SystemServices& sys, bool doubleClick);

bool ShowAddressesPref(SystemServices& sys);
void StoreShowAddresses(SystemServices& sys, bool showAddresses);

}  // namespace volmere
