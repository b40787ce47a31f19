// tagwright.exe started as a user starts it: its window appears, and each way
// of ending it gives exit code 0.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "tests/win32/user_input.h"
#include "ui/layout.h"
#include "ui/win32/menu_bar.h"
#include "ui/win32/resource_ids.h"

namespace {

using tagwright::win32::sendKey;

constexpr DWORD kStartTimeoutMs = 30000;
constexpr DWORD kEndTimeoutMs = 15000;

// The built exe; a Unix path (a build under Wine) is reached through drive Z:.
std::wstring exePath() {
  std::string path = TAGWRIGHT_EXE_PATH;
  if (!path.empty() && path[0] == '/') {
    for (char& c : path) {
      if (c == '/') c = '\\';
    }
    path = "Z:" + path;
  }
  return std::wstring(path.begin(), path.end());
}

struct Search {
  DWORD processId;
  const wchar_t* titleStart;
  HWND found;
};

BOOL CALLBACK findWindow(HWND window, LPARAM data) {
  auto& search = *reinterpret_cast<Search*>(data);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  wchar_t title[128] = {};
  GetWindowTextW(window, title, 128);
  if (owner == search.processId && IsWindowVisible(window) &&
      std::wstring(title).rfind(search.titleStart, 0) == 0) {
    search.found = window;
    return FALSE;
  }
  return TRUE;
}

// A visible top-level window of `processId` whose title begins with
// `titleStart`, waited for up to `milliseconds`; nullptr when none came.
HWND waitForWindow(DWORD processId, const wchar_t* titleStart, DWORD milliseconds) {
  const DWORD start = GetTickCount();
  Search search{processId, titleStart, nullptr};
  while (search.found == nullptr && GetTickCount() - start < milliseconds) {
    EnumWindows(findWindow, reinterpret_cast<LPARAM>(&search));
    if (search.found == nullptr) Sleep(50);
  }
  return search.found;
}

class RunningExe : public ::testing::Test {
 protected:
  void SetUp() override {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    std::wstring command = L"\"" + exePath() + L"\"";
    ASSERT_TRUE(CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                               nullptr, &startup, &process_))
        << "cannot start " << TAGWRIGHT_EXE_PATH;
    WaitForInputIdle(process_.hProcess, kStartTimeoutMs);
    window_ = waitForWindow(process_.dwProcessId, L"Tagwright v1.0", kStartTimeoutMs);
    ASSERT_NE(window_, nullptr) << "no visible window titled Tagwright v1.0";
  }

  void TearDown() override {
    if (process_.hProcess == nullptr) return;
    if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) {
      TerminateProcess(process_.hProcess, 99);
    }
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
  }

  // The exit code, or STILL_ACTIVE when the process did not end in time.
  DWORD exitCode() {
    WaitForSingleObject(process_.hProcess, kEndTimeoutMs);
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(process_.hProcess, &code);
    return code;
  }

  // Menus of another process cannot be read under Wine: the id comes from
  // the same table the exe builds its menu bar from.
  static UINT menuItemIdOf(tagwright::MenuCommand command) {
    const tagwright::WindowDef& layout = tagwright::mainWindowLayout();
    for (std::size_t i = 0; i < layout.menuCount; ++i) {
      for (std::size_t j = 0; j < layout.menus[i].itemCount; ++j) {
        if (layout.menus[i].items[j].command == command) {
          return tagwright::win32::menuItemId(i, j);
        }
      }
    }
    return 0;
  }

  // Opens CopyrightWindow ("版权申明") through its menu item.
  HWND openCopyright() {
    PostMessageW(window_, WM_COMMAND,
                 MAKEWPARAM(menuItemIdOf(tagwright::MenuCommand::copyright), 0), 0);
    return waitForWindow(process_.dwProcessId, L"\u7248\u6743\u7533\u660E", kStartTimeoutMs);
  }

  PROCESS_INFORMATION process_{};
  HWND window_ = nullptr;
};

// The exe carries its icon, its pictures, its manifest and its version.
TEST(ExeResources, IconPicturesManifestAndVersionAreEmbedded) {
  HMODULE exe = LoadLibraryExW(exePath().c_str(), nullptr,
                               LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
  ASSERT_NE(exe, nullptr);
  EXPECT_NE(FindResourceW(exe, MAKEINTRESOURCEW(IDI_TAGWRIGHT), RT_GROUP_ICON), nullptr);
  for (int id = IDR_IMAGE_PREVIEW1; id <= IDR_IMAGE_BANNER; ++id) {
    EXPECT_NE(FindResourceW(exe, MAKEINTRESOURCEW(id), RT_RCDATA), nullptr) << id;
  }
  EXPECT_NE(FindResourceW(exe, MAKEINTRESOURCEW(1), RT_MANIFEST), nullptr);
  FreeLibrary(exe);

  DWORD ignored = 0;
  const DWORD size = GetFileVersionInfoSizeW(exePath().c_str(), &ignored);
  ASSERT_GT(size, 0u);
  std::vector<unsigned char> info(size);
  ASSERT_TRUE(GetFileVersionInfoW(exePath().c_str(), 0, size, info.data()));
  auto value = [&](const wchar_t* name) {
    void* text = nullptr;
    UINT length = 0;
    const std::wstring path = std::wstring(L"\\StringFileInfo\\080404B0\\") + name;
    if (!VerQueryValueW(info.data(), path.c_str(), &text, &length) || length == 0) {
      return std::wstring();
    }
    return std::wstring(static_cast<const wchar_t*>(text));
  };
  EXPECT_EQ(value(L"ProductName"), L"Tagwright");
  EXPECT_EQ(value(L"ProductVersion"), L"1.0");
  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  ASSERT_TRUE(VerQueryValueW(info.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
  EXPECT_EQ(HIWORD(fixed->dwProductVersionMS), 1u);
  EXPECT_EQ(LOWORD(fixed->dwProductVersionMS), 0u);
}

TEST_F(RunningExe, EscEndsItWithExitCodeZero) {
  PostMessageW(window_, WM_KEYDOWN, VK_ESCAPE, 1);
  EXPECT_EQ(exitCode(), 0u);
}

TEST_F(RunningExe, CloseBoxEndsItWithExitCodeZero) {
  PostMessageW(window_, WM_CLOSE, 0, 0);
  EXPECT_EQ(exitCode(), 0u);
}

TEST_F(RunningExe, ExitProgramMenuItemEndsItWithExitCodeZero) {
  const UINT id = menuItemIdOf(tagwright::MenuCommand::exitProgram);
  ASSERT_NE(id, 0u);
  PostMessageW(window_, WM_COMMAND, MAKEWPARAM(id, 0), 0);
  EXPECT_EQ(exitCode(), 0u);
}

TEST_F(RunningExe, TrayMenuCloseEndsItWithZeroWhileCopyrightIsOpen) {
  ASSERT_NE(openCopyright(), nullptr);
  // A right click on the tray icon, then the third item, 关闭, by keyboard.
  PostMessageW(window_, WM_APP + 1, 1, WM_RBUTTONUP);
  HWND menu = nullptr;
  for (int i = 0; i < 200 && menu == nullptr; ++i) {
    HWND found = FindWindowW(L"#32768", nullptr);
    if (found != nullptr && IsWindowVisible(found)) menu = found;
    Sleep(25);
  }
  ASSERT_NE(menu, nullptr) << "the tray menu did not open";
  for (int i = 0; i < 3; ++i) sendKey(VK_DOWN);
  sendKey(VK_RETURN);
  EXPECT_EQ(exitCode(), 0u);
}

TEST_F(RunningExe, RunsOnWithCopyrightAfterTheMainWindowClosesThenEndsWithZero) {
  HWND copyright = openCopyright();
  ASSERT_NE(copyright, nullptr);
  PostMessageW(window_, WM_KEYDOWN, VK_ESCAPE, 1);
  Sleep(500);
  EXPECT_FALSE(IsWindow(window_));
  EXPECT_EQ(WaitForSingleObject(process_.hProcess, 0), static_cast<DWORD>(WAIT_TIMEOUT));
  PostMessageW(copyright, WM_KEYDOWN, VK_ESCAPE, 1);
  EXPECT_EQ(exitCode(), 0u);
}

}  // namespace
