#include "app/preferences.h"

namespace volmere {

bool FirstRunAnswered(SystemServices& sys) {
  return !sys.RegReadText(RegRoot::CurrentUser, kPrefFirstRun).empty();
}

void MarkFirstRunAnswered(SystemServices& sys) {
  sys.RegWriteText(RegRoot::CurrentUser, kPrefFirstRun, "不是第一次使用");
}

Text StoredCompanyName(SystemServices& sys) {
  return sys.RegReadText(RegRoot::CurrentUser, kPrefCompany);
}

bool StoreCompanyName(SystemServices& sys, const Text& company) {
  return sys.RegWriteText(RegRoot::CurrentUser, kPrefCompany, company);
}

bool AutoCloseOn(SystemServices& sys) {
  return sys.RegReadText(RegRoot::CurrentUser, kPrefAutoCloseOff) != "1";
}

void StoreAutoClose(SystemServices& sys, bool on) {
  sys.RegWriteText(RegRoot::CurrentUser, kPrefAutoCloseOff, on ? "0" : "1");
}

bool DoubleClickOpensPref(SystemServices& sys) {
  return sys.RegReadNumber(RegRoot::CurrentUser, kPrefOpenMode) == 2;
}

void StoreDoubleClickOpens(SystemServices& sys, bool doubleClick) {
  sys.RegWriteNumber(RegRoot::CurrentUser, kPrefOpenMode, doubleClick ? 2 : 1);
}

bool ShowAddressesPref(SystemServices& sys) {
  return sys.RegReadNumber(RegRoot::CurrentUser, kPrefShowAddresses) != 0;
}

void StoreShowAddresses(SystemServices& sys, bool showAddresses) {
  sys.RegWriteNumber(RegRoot::CurrentUser, kPrefShowAddresses, showAddresses ? 1 : 0);
}

}  // namespace volmere
