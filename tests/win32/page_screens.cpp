// Shows Tagwright's seven pages one after the other, each with a sample of
// its output, then CopyrightWindow, for take_screenshots.sh: for page N it
// writes DIR\pageN.rect ("width height left top" of the window), for the
// copyright window DIR\copyright.rect, and waits until the script has taken
// the picture and deleted the file. DIR is the command line.
// windows.h must come before the other system headers.
// clang-format off
#include <windows.h>
// clang-format on

#include <commctrl.h>

#include <cstdio>
#include <string>

#include "ui/program.h"
#include "ui/win32/desktop.h"
#include "ui/win32/platform.h"

namespace {

using tagwright::Program;
using tagwright::Role;
using tagwright::WindowId;
using tagwright::win32::Win32Desktop;

void pumpFor(Win32Desktop& desktop, DWORD milliseconds) {
  const DWORD start = GetTickCount();
  while (GetTickCount() - start < milliseconds) {
    desktop.pumpMessages();
    Sleep(20);
  }
}

HWND named(Win32Desktop& desktop, const char* name) {
  const auto* control = desktop.controls(WindowId::MainWindow)->findByName(name);
  return control != nullptr ? control->hwnd : nullptr;
}

HWND withRole(Win32Desktop& desktop, Role role) {
  const auto* control = desktop.controls(WindowId::MainWindow)->find(role);
  return control != nullptr ? control->hwnd : nullptr;
}

void selectPage(Win32Desktop& desktop, int page) {
  HWND tab = named(desktop, "选择夹1");
  SendMessageW(tab, TCM_SETCURSEL, page, 0);
  NMHDR header{tab, static_cast<UINT_PTR>(GetDlgCtrlID(tab)), TCN_SELCHANGE};
  SendMessageW(GetParent(tab), WM_NOTIFY, header.idFrom, reinterpret_cast<LPARAM>(&header));
}

// A control per page whose click fills the page's output box.
struct PageSample {
  const char* name;  // nullptr: use role
  Role role;
};

constexpr PageSample kSamples[] = {
    {nullptr, Role::arcBuildButton},
    {"单选框13", Role::none},
    {"单选框28", Role::none},
    {nullptr, Role::slideBuildButton},
    {nullptr, Role::customBuildButton},
    {"单选框84", Role::none},
    {nullptr, Role::none},
};

// Writes `window`'s place into `file` and waits until the file is gone.
void showFor(Win32Desktop& desktop, HWND window, const std::wstring& file) {
  RECT rect;
  GetWindowRect(window, &rect);
  if (FILE* out = _wfopen(file.c_str(), L"w")) {
    std::fprintf(out, "%ld %ld %ld %ld\n", rect.right - rect.left, rect.bottom - rect.top,
                 rect.left, rect.top);
    std::fclose(out);
  }
  const DWORD start = GetTickCount();
  while (GetFileAttributesW(file.c_str()) != INVALID_FILE_ATTRIBUTES &&
         GetTickCount() - start < 60000) {
    pumpFor(desktop, 50);
  }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR commandLine, int) {
  const std::wstring directory = commandLine != nullptr ? commandLine : L".";
  tagwright::win32::PlatformScope platform;
  Win32Desktop desktop(instance);
  Program program(desktop);
  desktop.attach(program);
  desktop.setProcessExit([] {});
  desktop.createMainWindow();
  program.onCreated();
  desktop.showMainWindow();
  pumpFor(desktop, 500);

  for (int page = 0; page < 7; ++page) {
    selectPage(desktop, page);
    const PageSample& sample = kSamples[page];
    HWND button =
        sample.name != nullptr ? named(desktop, sample.name) : withRole(desktop, sample.role);
    if (button != nullptr) SendMessageW(button, BM_CLICK, 0, 0);
    pumpFor(desktop, 700);

    showFor(desktop, desktop.windowHandle(WindowId::MainWindow),
            directory + L"\\page" + std::to_wstring(page + 1) + L".rect");
  }
  desktop.openWindow(WindowId::CopyrightWindow);
  pumpFor(desktop, 700);
  showFor(desktop, desktop.windowHandle(WindowId::CopyrightWindow),
          directory + L"\\copyright.rect");
  return 0;
}
