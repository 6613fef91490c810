// The program's entry: the services over Win32, MainWindow, and the end of
// the process when MainWindow closes.
#include "app/app_context.h"
#include "app/main_window.h"
#include "platform/win32/win32_core.h"
#include "platform/win32/win32_headers.h"
#include "platform/win32/win32_network.h"
#include "platform/win32/win32_system.h"
#include "platform/win32/winsock_session.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  using namespace volmere;
  // Relative paths and the programs that RunCommand starts begin in the
  // program's folder.
  SetCurrentDirectoryA(win32_core::ProgramDir().c_str());
  WinsockSession winsock;
  Win32System system;
  Win32Network network;
  AppContext ctx(system, network);
  MainWindow mainWindow(ctx);
  mainWindow.Run();
  // Workers may still be running and using the services above; ending the
  // process here ends them first, before anything they use is destroyed.
  ExitProcess(0);
}
