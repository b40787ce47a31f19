#include "tests/win32/window_fixture.h"

#include <commctrl.h>

#include "ui/win32/text_convert.h"

namespace tagwright::win32::testing {

namespace {

// A hook procedure has no user data: the catcher that is alive, if any.
MessageBoxCatcher* activeCatcher = nullptr;

std::string labelOf(const ControlDef& row) {
  return row.role != Role::none ? std::string(roleName(row.role)) : std::string(row.name);
}

constexpr UINT_PTR kCatchTimer = 0x4D42;
constexpr wchar_t kCaughtMark[] = L"TagwrightTestCaught";

}  // namespace

MessageBoxCatcher::MessageBoxCatcher() {
  activeCatcher = this;
  hook_ = SetWindowsHookExW(WH_CBT, hookProc, nullptr, GetCurrentThreadId());
}

MessageBoxCatcher::~MessageBoxCatcher() {
  if (hook_ != nullptr) UnhookWindowsHookEx(hook_);
  activeCatcher = nullptr;
}

// At the box's first activation its text is not filled in yet: a zero-delay
// timer reads it from inside the box's own loop and then presses OK.
LRESULT CALLBACK MessageBoxCatcher::hookProc(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_ACTIVATE && activeCatcher != nullptr) {
    HWND box = reinterpret_cast<HWND>(wParam);
    wchar_t className[16] = {};
    GetClassNameW(box, className, 16);
    // A box is activated more than once; the mark dies with the box, so a
    // later box that gets the same handle is caught too.
    if (std::wstring(className) == L"#32770" && GetPropW(box, kCaughtMark) == nullptr) {
      SetPropW(box, kCaughtMark, reinterpret_cast<HANDLE>(1));
      SetTimer(box, kCatchTimer, 0, timerProc);
    }
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

void CALLBACK MessageBoxCatcher::timerProc(HWND box, UINT, UINT_PTR id, DWORD) {
  KillTimer(box, id);
  if (activeCatcher != nullptr) {
    wchar_t text[4096] = {};
    GetDlgItemTextW(box, 0xFFFF, text, 4096);
    wchar_t title[256] = {};
    GetWindowTextW(box, title, 256);
    // The icon of a message box is a static control: id 20 on Windows, 0x440
    // (stc1) under Wine, present but empty when the box has no icon.
    HWND icon = GetDlgItem(box, 20);
    if (icon == nullptr) icon = GetDlgItem(box, 0x440);
    const bool hasIcon = icon != nullptr && SendMessageW(icon, STM_GETICON, 0, 0) != 0;
    activeCatcher->boxes_.push_back(Box{title, text, GetWindow(box, GW_OWNER), hasIcon});
  }
  PostMessageW(box, WM_COMMAND, IDOK, 0);
}

void MainWindowTest::SetUp() {
  desktop = std::make_unique<Win32Desktop>(GetModuleHandleW(nullptr));
  program = std::make_unique<Program>(*desktop);
  desktop->attach(*program);
  desktop->setProcessExit([this] { ++endCount; });
  desktop->setEventObserver([this](const ControlDef& row, ControlEvent event) {
    events.push_back(RaisedEvent{labelOf(row), event});
  });
  desktop->createMainWindow();
  program->onCreated();
  desktop->showMainWindow();
  pump();
}

void MainWindowTest::TearDown() {
  desktop.reset();
  program.reset();
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
  }
}

HWND MainWindowTest::control(Role role) const {
  const WindowControls* controls = desktop->controls(WindowId::MainWindow);
  const ControlInstance* found = controls != nullptr ? controls->find(role) : nullptr;
  return found != nullptr ? found->hwnd : nullptr;
}

HWND MainWindowTest::control(const char* name) const {
  const WindowControls* controls = desktop->controls(WindowId::MainWindow);
  const ControlInstance* found = controls != nullptr ? controls->findByName(name) : nullptr;
  return found != nullptr ? found->hwnd : nullptr;
}

const ControlDef& MainWindowTest::row(Role role) const {
  return *desktop->controls(WindowId::MainWindow)->find(role)->row;
}

void MainWindowTest::selectPage(int page) {
  HWND tab = control("选择夹1");
  SendMessageW(tab, TCM_SETCURSEL, page, 0);
  NMHDR header{tab, static_cast<UINT_PTR>(GetDlgCtrlID(tab)), TCN_SELCHANGE};
  SendMessageW(GetParent(tab), WM_NOTIFY, header.idFrom, reinterpret_cast<LPARAM>(&header));
}

void MainWindowTest::type(Role edit, const std::wstring& text) {
  const ControlDef& target = row(edit);
  if (target.page >= 0) selectPage(target.page);
  HWND box = control(edit);
  if (target.kind == ControlKind::comboBox) box = FindWindowExW(box, nullptr, L"Edit", nullptr);
  SendMessageW(box, EM_SETSEL, 0, -1);
  if (text.empty()) SendMessageW(box, WM_CHAR, VK_BACK, 0);
  for (wchar_t c : text) SendMessageW(box, WM_CHAR, c, 0);
}

void MainWindowTest::pressKey(HWND target, WORD key) {
  PostMessageW(target, WM_KEYDOWN, key, 1);
  PostMessageW(target, WM_KEYUP, key, 0xC0000001);
  pump();
}

void MainWindowTest::click(Role button) {
  const ControlDef& target = row(button);
  if (target.page >= 0) selectPage(target.page);
  SendMessageW(control(button), BM_CLICK, 0, 0);
}

void MainWindowTest::chooseMenuItem(const std::wstring& text) {
  const UINT id = findMenuItemId(GetMenu(window()), text);
  ASSERT_NE(id, 0u) << "no menu item " << toGbk(text);
  SendMessageW(window(), WM_COMMAND, MAKEWPARAM(id, 0), 0);
  pump();
}

std::wstring MainWindowTest::textOf(Role role) const {
  return windowTextWide(control(role));
}

std::vector<std::wstring> MainWindowTest::menuBarTexts() const {
  std::vector<std::wstring> texts;
  HMENU bar = GetMenu(window());
  for (int i = 0; bar != nullptr && i < GetMenuItemCount(bar); ++i) {
    wchar_t text[128] = {};
    GetMenuStringW(bar, i, text, 128, MF_BYPOSITION);
    texts.emplace_back(text);
  }
  return texts;
}

int MainWindowTest::eventCount(Role role, ControlEvent event) const {
  int count = 0;
  for (const RaisedEvent& raised : events) {
    if (raised.control == roleName(role) && raised.event == event) ++count;
  }
  return count;
}

UINT findMenuItemId(HMENU menu, const std::wstring& text) {
  for (int i = 0; menu != nullptr && i < GetMenuItemCount(menu); ++i) {
    if (HMENU sub = GetSubMenu(menu, i)) {
      if (const UINT id = findMenuItemId(sub, text)) return id;
      continue;
    }
    wchar_t itemText[128] = {};
    GetMenuStringW(menu, i, itemText, 128, MF_BYPOSITION);
    if (text == itemText) return GetMenuItemID(menu, i);
  }
  return 0;
}

namespace {

template <typename Char>
std::basic_string<Char> clipboardData(UINT format) {
  std::basic_string<Char> text;
  if (!OpenClipboard(nullptr)) return text;
  if (HANDLE data = GetClipboardData(format)) {
    const auto* bytes = static_cast<const Char*>(GlobalLock(data));
    if (bytes != nullptr) {
      const SIZE_T size = GlobalSize(data) / sizeof(Char);
      SIZE_T length = 0;
      while (length < size && bytes[length] != 0) ++length;
      text.assign(bytes, length);
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  return text;
}

}  // namespace

std::string clipboardAnsi() {
  return clipboardData<char>(CF_TEXT);
}

std::wstring clipboardUnicode() {
  return clipboardData<wchar_t>(CF_UNICODETEXT);
}

}  // namespace tagwright::win32::testing
