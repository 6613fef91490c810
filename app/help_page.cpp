#include "app/help_page.h"

#include "resources/help_page.h"

namespace volmere {
namespace {

constexpr const char* kHelpPageFile = "Volmere帮助.html";

// A copy left by an older version is replaced, so the page always describes
// the program that opens it.
bool PageIsCurrentAt(SystemServices& sys, const Text& path) {
  return sys.ReadTextFile(path) == kHelpPageHtml || sys.WriteTextFile(path, kHelpPageHtml);
}

}  // namespace

Text HelpPageAddress(SystemServices& sys) {
  Text besideProgram = sys.ProgramDir() + "\\" + kHelpPageFile;
  if (PageIsCurrentAt(sys, besideProgram)) return besideProgram;
  Text inTemp = sys.TempDir() + kHelpPageFile;
  if (PageIsCurrentAt(sys, inTemp)) return inTemp;
  return "";
}

void OpenHelpPage(SystemServices& sys) {
  Text address = HelpPageAddress(sys);
  if (!address.empty()) sys.OpenUrl(address);
}

}  // namespace volmere
