#include "ui/win32/application.h"

#include <exception>
#include <new>

#include "ui/program.h"
#include "ui/win32/desktop.h"
#include "ui/win32/platform.h"
#include "ui/win32/text_convert.h"

namespace tagwright::win32 {

namespace {

void showStartFailure(const char* reason) {
  const std::wstring text = L"Tagwright cannot start: " + toWide(reason);
  MessageBoxW(nullptr, text.c_str(), L"Tagwright", MB_OK | MB_ICONERROR | MB_TASKMODAL);
}

}  // namespace

int runApplication(HINSTANCE instance) {
  PlatformScope platform;
  try {
    Win32Desktop desktop(instance);
    Program program(desktop);
    // From here on endProgram runs the program's exit clean-up.
    desktop.attach(program);
    desktop.createMainWindow();
    program.onCreated();
    desktop.showMainWindow();
    desktop.runMessageLoop();
    program.exitCleanup();
    return 0;
  } catch (const std::bad_alloc&) {
    showStartFailure("out of memory");
  } catch (const std::exception& error) {
    showStartFailure(error.what());
  }
  return -1;
}

}  // namespace tagwright::win32
