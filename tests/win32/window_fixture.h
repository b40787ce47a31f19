// The real MainWindow with the real Program behind it, and the means to act
// on it as a user does: typing, picking, clicking, keys, message boxes.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "ui/program.h"
#include "ui/win32/desktop.h"

namespace tagwright::win32::testing {

struct RaisedEvent {
  std::string control;  // role name or control name
  ControlEvent event;
};

// Closes every message box shown while it lives and records its title and text.
class MessageBoxCatcher {
 public:
  MessageBoxCatcher();
  ~MessageBoxCatcher();
  MessageBoxCatcher(const MessageBoxCatcher&) = delete;
  MessageBoxCatcher& operator=(const MessageBoxCatcher&) = delete;

  struct Box {
    std::wstring title;
    std::wstring text;
    HWND owner;  // nullptr: a box without owner
    bool hasIcon;
  };
  const std::vector<Box>& boxes() const { return boxes_; }

 private:
  static LRESULT CALLBACK hookProc(int code, WPARAM wParam, LPARAM lParam);
  static void CALLBACK timerProc(HWND box, UINT, UINT_PTR id, DWORD);

  HHOOK hook_ = nullptr;
  std::vector<Box> boxes_;
};

class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  HWND window() const { return desktop->windowHandle(WindowId::MainWindow); }
  HWND control(Role role) const;
  HWND control(const char* name) const;
  const ControlDef& row(Role role) const;

  // User actions.
  void type(Role edit, const std::wstring& text);  // replaces the text, key by key
  void pressKey(HWND target, WORD key);            // posted and dispatched by the loop
  void click(Role button);
  void selectPage(int page);
  void chooseMenuItem(const std::wstring& text);  // from the menu bar
  void pump() { desktop->pumpMessages(); }

  std::wstring textOf(Role role) const;
  std::vector<std::wstring> menuBarTexts() const;
  int eventCount(Role role, ControlEvent event) const;

  std::unique_ptr<Win32Desktop> desktop;
  std::unique_ptr<Program> program;
  std::vector<RaisedEvent> events;
  int endCount = 0;
};

// The clipboard's text in one format; empty when it holds none.
std::string clipboardAnsi();
std::wstring clipboardUnicode();

// The id of the menu item with `text` in `menu` or its popups; 0 when none.
UINT findMenuItemId(HMENU menu, const std::wstring& text);

}  // namespace tagwright::win32::testing
