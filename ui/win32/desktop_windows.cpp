// Win32Desktop: the two top-level windows, their window procedures and the
// hidden helper window.

// windows.h must come before the other system headers.
// clang-format off
#include <windows.h>
// clang-format on

#include <commctrl.h>
#include <shellapi.h>

#include <new>
#include <stdexcept>

#include "ui/win32/custom_controls.h"
#include "ui/win32/desktop.h"
#include "ui/win32/dpi_scale.h"
#include "ui/win32/menu_bar.h"
#include "ui/win32/resource_ids.h"
#include "ui/win32/text_convert.h"

namespace tagwright::win32 {

namespace {

constexpr wchar_t kWindowClass[] = L"TagwrightWindow";
constexpr wchar_t kHelperClass[] = L"TagwrightHelper";

struct ColourValue {
  Colour colour;
  COLORREF value;
};

constexpr ColourValue kColours[] = {
    {Colour::red, RGB(0xFF, 0x00, 0x00)},
    {Colour::magenta, RGB(0xFF, 0x00, 0xFF)},
    {Colour::blue, RGB(0x00, 0x00, 0xFF)},
    {Colour::darkRed, RGB(0x80, 0x00, 0x00)},
};

COLORREF colourValue(Colour colour) {
  for (const ColourValue& entry : kColours) {
    if (entry.colour == colour) return entry.value;
  }
  return GetSysColor(COLOR_WINDOWTEXT);
}

void registerClass(HINSTANCE instance, const wchar_t* name, WNDPROC proc, HICON icon,
                   HICON smallIcon) {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = proc;
  windowClass.hInstance = instance;
  windowClass.hIcon = icon;
  windowClass.hIconSm = smallIcon;
  windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = name;
  if (RegisterClassExW(&windowClass) == 0 && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) {
    throw std::runtime_error("cannot register a window class");
  }
}

// The window's outer rectangle centred in the primary monitor's work area.
RECT centredRect(int width, int height) {
  RECT work{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  const int left = work.left + ((work.right - work.left) - width) / 2;
  const int top = work.top + ((work.bottom - work.top) - height) / 2;
  return RECT{left, top, left + width, top + height};
}

// No control events while it lives; nests.
struct BuildingScope {
  bool& flag;
  bool before;
  explicit BuildingScope(bool& f) : flag(f), before(f) { flag = true; }
  ~BuildingScope() { flag = before; }
};

// Nothing may cross a window procedure: a failure there ends the program
// with a message, as a failure at start does.
template <typename Body>
LRESULT guarded(Body body) {
  try {
    return body();
  } catch (const std::bad_alloc&) {
    failFatally("out of memory");
  } catch (const std::exception& error) {
    failFatally(error.what());
  } catch (...) {
    failFatally("unknown failure");
  }
}

}  // namespace

void failFatally(const char* reason) {
  const std::wstring text = L"Tagwright cannot go on: " + toWide(reason != nullptr ? reason : "");
  MessageBoxW(nullptr, text.c_str(), L"Tagwright", MB_OK | MB_ICONERROR | MB_TASKMODAL);
  ExitProcess(static_cast<UINT>(-1));
}

Win32Desktop::Win32Desktop(HINSTANCE instance)
    : instance_(instance),
      processExit_([] { ExitProcess(0); }),
      opener_([](const std::wstring& address) {
        ShellExecuteW(nullptr, L"open", address.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
      }) {
  registerClass(instance_, kWindowClass, windowProc, programIcon(GetSystemMetrics(SM_CXICON)),
                programIcon(GetSystemMetrics(SM_CXSMICON)));
  registerClass(instance_, kHelperClass, helperProc, nullptr, nullptr);
  registerCustomControls(instance_);
  // A hidden top-level window (not message-only: it must be able to become
  // the foreground window for the popup menu).
  helper_ = CreateWindowExW(WS_EX_TOOLWINDOW, kHelperClass, L"", WS_POPUP, 0, 0, 0, 0, nullptr,
                            nullptr, instance_, this);
  if (helper_ == nullptr) throw std::runtime_error("cannot create the helper window");
  taskbarCreatedMessage_ = RegisterWindowMessageW(L"TaskbarCreated");
}

Win32Desktop::~Win32Desktop() {
  tray_.remove();
  bool destroyed = false;
  for (TopWindow* window : {&copyright_, &main_}) {
    if (window->hwnd != nullptr) destroyed = DestroyWindow(window->hwnd) != FALSE || destroyed;
  }
  if (helper_ != nullptr) DestroyWindow(helper_);
  // Tearing down ends no message loop: the quit message of the last window
  // would end the next one, that of the box telling why a start failed.
  MSG quit;
  if (destroyed) PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
}

void Win32Desktop::attach(Program& program) {
  program_ = &program;
}

HICON Win32Desktop::programIcon(int size) const {
  HANDLE icon = LoadImageW(instance_, MAKEINTRESOURCEW(IDI_TAGWRIGHT), IMAGE_ICON, size, size,
                           LR_DEFAULTCOLOR | LR_SHARED);
  if (icon == nullptr) {
    icon = LoadImageW(nullptr, reinterpret_cast<LPCWSTR>(IDI_APPLICATION), IMAGE_ICON, 0, 0,
                      LR_DEFAULTSIZE | LR_SHARED);
  }
  return static_cast<HICON>(icon);
}

void Win32Desktop::setWindowIcons(TopWindow& window, UINT dpi) const {
  // The class icons only serve as a fallback: WM_GETICON, the taskbar and
  // Alt+Tab ask the window for its own. Sizes between the stored ones (24 at
  // 144 DPI) are scaled, which a shared icon never is.
  auto load = [this](int size) {
    return OwnedIcon(static_cast<HICON>(LoadImageW(instance_, MAKEINTRESOURCEW(IDI_TAGWRIGHT),
                                                   IMAGE_ICON, size, size, LR_DEFAULTCOLOR)));
  };
  OwnedIcon bigIcon = load(systemMetricFor(SM_CXICON, dpi));
  OwnedIcon smallIcon = load(systemMetricFor(SM_CXSMICON, dpi));
  SendMessageW(window.hwnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(bigIcon.get()));
  SendMessageW(window.hwnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon.get()));
  // The previous icons are released only after the switch.
  window.bigIcon = std::move(bigIcon);
  window.smallIcon = std::move(smallIcon);
}

void Win32Desktop::createWindow(TopWindow& window) {
  const WindowDef& layout = *window.layout;
  const UINT systemDpi = dpiOf(nullptr);
  const RECT place = centredRect(scale(layout.width, systemDpi), scale(layout.height, systemDpi));
  DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
  if ((layout.flags & windowMinimizeBox) != 0) style |= WS_MINIMIZEBOX;
  const DWORD exStyle = (layout.flags & windowTaskbarButton) != 0 ? WS_EX_APPWINDOW : 0;

  window.hiddenMenus.assign(layout.menuCount, false);
  HMENU bar = layout.menuCount > 0 ? buildMenuBar(layout, window.hiddenMenus) : nullptr;

  BuildingScope building(building_);

  creating_ = &window;
  HWND hwnd = CreateWindowExW(exStyle, kWindowClass, toWide(layout.title).c_str(), style,
                              place.left, place.top, place.right - place.left,
                              place.bottom - place.top, nullptr, bar, instance_, this);
  creating_ = nullptr;
  if (hwnd == nullptr) {
    if (bar != nullptr) DestroyMenu(bar);
    throw std::runtime_error(std::string("cannot create the window ") + layout.name);
  }

  // The monitor the window landed on may have another DPI than the system.
  const UINT dpi = dpiOf(hwnd);
  if (dpi != systemDpi) {
    const RECT scaled = centredRect(scale(layout.width, dpi), scale(layout.height, dpi));
    SetWindowPos(hwnd, nullptr, scaled.left, scaled.top, scaled.right - scaled.left,
                 scaled.bottom - scaled.top, SWP_NOZORDER | SWP_NOACTIVATE);
  }
  setWindowIcons(window, dpi);
  window.font = std::make_unique<GuiFont>(dpi);
  SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(window.font->handle()), FALSE);
  window.controls = std::make_unique<WindowControls>();
  window.controls->build(
      layout, hwnd, instance_, dpi, window.font->handle(),
      [this](const std::wstring& address) { opener_(address); }, true);
  window.pageBackground.update(window.controls->tabControl());
  // Anything that looks a later page's control up before this arrives makes
  // the pages then.
  if (window.controls->restPending()) PostMessageW(hwnd, kBuildRestMessage, 0, 0);
}

void Win32Desktop::createMainWindow() {
  main_.layout = &mainWindowLayout();
  createWindow(main_);
}

void Win32Desktop::showMainWindow() {
  if (main_.hwnd == nullptr) return;
  main_.controls->showPage(0);
  ShowWindow(main_.hwnd, SW_SHOW);
  UpdateWindow(main_.hwnd);
  SetForegroundWindow(main_.hwnd);
}

void Win32Desktop::activate(TopWindow& window) {
  if (IsIconic(window.hwnd)) ShowWindow(window.hwnd, SW_RESTORE);
  ShowWindow(window.hwnd, SW_SHOW);
  SetForegroundWindow(window.hwnd);
}

bool Win32Desktop::anyWindowOpen() const {
  return main_.hwnd != nullptr || copyright_.hwnd != nullptr;
}

HWND Win32Desktop::windowHandle(WindowId window) const {
  return top(window).hwnd;
}

const WindowControls* Win32Desktop::controls(WindowId window) const {
  const TopWindow& found = top(window);
  return found.hwnd != nullptr ? found.controls.get() : nullptr;
}

Win32Desktop::TopWindow* Win32Desktop::topOf(HWND hwnd) {
  if (hwnd == nullptr) return nullptr;
  if (hwnd == main_.hwnd) return &main_;
  if (hwnd == copyright_.hwnd) return &copyright_;
  return nullptr;
}

LRESULT CALLBACK Win32Desktop::windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
    auto* desktop = static_cast<Win32Desktop*>(create->lpCreateParams);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(desktop));
    if (desktop->creating_ != nullptr) desktop->creating_->hwnd = hwnd;
  }
  auto* desktop = reinterpret_cast<Win32Desktop*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  TopWindow* window = desktop != nullptr ? desktop->topOf(hwnd) : nullptr;
  if (window == nullptr) return DefWindowProcW(hwnd, message, wParam, lParam);
  return guarded([&] { return desktop->onWindowMessage(*window, message, wParam, lParam); });
}

LRESULT CALLBACK Win32Desktop::helperProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* desktop = reinterpret_cast<Win32Desktop*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (desktop == nullptr) return DefWindowProcW(hwnd, message, wParam, lParam);
  return guarded([&] { return desktop->onHelperMessage(hwnd, message, wParam, lParam); });
}

LRESULT Win32Desktop::onWindowMessage(TopWindow& window, UINT message, WPARAM wParam,
                                      LPARAM lParam) {
  HWND hwnd = window.hwnd;
  switch (message) {
    case WM_COMMAND:
      if (lParam == 0) {
        if (HIWORD(wParam) == 0) runMenuCommand(LOWORD(wParam));
      } else {
        onChildCommand(window, reinterpret_cast<HWND>(lParam), HIWORD(wParam));
      }
      return 0;
    case WM_NOTIFY: {
      const auto* header = reinterpret_cast<const NMHDR*>(lParam);
      if (header->code == TCN_SELCHANGE && window.controls != nullptr) {
        window.controls->showPage(TabCtrl_GetCurSel(header->hwndFrom));
      }
      return 0;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN:
      return onControlColour(window, message, reinterpret_cast<HDC>(wParam),
                             reinterpret_cast<HWND>(lParam));
    case kTrayCallbackMessage: {
      const int code = trayEventCode(lParam);
      if (code != 0 && program_ != nullptr && window.id == WindowId::MainWindow) {
        program_->onTrayEvent(code);
      }
      return 0;
    }
    case WM_DPICHANGED:
      onDpiChanged(window, HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
      return 0;
    case WM_THEMECHANGED:
    case WM_SYSCOLORCHANGE:
      if (window.controls != nullptr) {
        window.pageBackground.update(window.controls->tabControl());
        InvalidateRect(hwnd, nullptr, TRUE);
      }
      return DefWindowProcW(hwnd, message, wParam, lParam);
    case kBuildRestMessage:
      if (window.controls != nullptr) {
        BuildingScope building(building_);
        window.controls->buildRest();
      }
      return 0;
    case WM_CLOSE:
      DestroyWindow(hwnd);
      return 0;
    case WM_DESTROY:
      if (window.id == WindowId::MainWindow) tray_.remove();
      return 0;
    case WM_NCDESTROY:
      onDestroyed(window);
      return DefWindowProcW(hwnd, message, wParam, lParam);
    default:
      if (message == taskbarCreatedMessage_ && message != 0) {
        // Every top-level window hears of the restart; a second add of the
        // same icon would fail and leave it taken for removed.
        if (hwnd == tray_.window()) tray_.restore();
        return 0;
      }
      return DefWindowProcW(hwnd, message, wParam, lParam);
  }
}

LRESULT Win32Desktop::onHelperMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == kRunMenuCommandMessage) {
    runMenuCommand(static_cast<UINT>(wParam));
    return 0;
  }
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

void Win32Desktop::onDestroyed(TopWindow& window) {
  window.hwnd = nullptr;
  window.controls.reset();
  window.font.reset();
  window.bigIcon.reset();
  window.smallIcon.reset();
  if (!anyWindowOpen()) PostQuitMessage(0);
}

void Win32Desktop::runMenuCommand(UINT id) {
  if (program_ == nullptr || main_.layout == nullptr) return;
  const MenuItemDef* item = findMenuItem(*main_.layout, id);
  if (item != nullptr) program_->onMenuCommand(item->command);
}

void Win32Desktop::raise(const ControlDef& row, ControlEvent event) {
  if (building_ || row.event != event) return;
  if (observer_) observer_(row, event);
  if (program_ != nullptr) program_->onControlEvent(row, event);
}

void Win32Desktop::onChildCommand(TopWindow& window, HWND child, UINT code) {
  if (window.controls == nullptr || window.id != WindowId::MainWindow) return;
  const ControlInstance* control = window.controls->find(child);
  if (control == nullptr) return;
  const ControlDef& row = *control->row;
  switch (row.kind) {
    case ControlKind::edit:
      // writeText raises the event itself, once; the box's own is dropped.
      if (code == EN_CHANGE && suppressNotifications_ == 0) raise(row, ControlEvent::textChanged);
      break;
    case ControlKind::comboBox:
      // Only a pick from the list: CB_SETCURSEL sends nothing, typing sends
      // CBN_EDITCHANGE.
      if (code == CBN_SELCHANGE) raise(row, ControlEvent::itemSelected);
      break;
    case ControlKind::radioButton:
      if (code == BN_CLICKED) {
        window.controls->checkExclusively(*control);
        raise(row, ControlEvent::click);
      }
      break;
    case ControlKind::pushButton:
      if (code == BN_CLICKED) raise(row, ControlEvent::click);
      break;
    default:
      break;
  }
}

LRESULT Win32Desktop::onControlColour(TopWindow& window, UINT message, HDC dc, HWND child) {
  const ControlInstance* control =
      window.controls != nullptr ? window.controls->find(child) : nullptr;
  if (control == nullptr) {
    return DefWindowProcW(window.hwnd, message, reinterpret_cast<WPARAM>(dc),
                          reinterpret_cast<LPARAM>(child));
  }
  const ControlDef& row = *control->row;
  if (row.kind == ControlKind::readOnlyEdit) {
    // Read-only boxes would be grey; they stay white with magenta text.
    SetTextColor(dc, colourValue(row.colour));
    SetBkColor(dc, GetSysColor(COLOR_WINDOW));
    return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
  }
  const bool onPage = row.page >= 0 && row.kind != ControlKind::edit &&
                      row.kind != ControlKind::outputEdit && row.kind != ControlKind::comboBox &&
                      row.kind != ControlKind::pushButton;
  HBRUSH page = onPage ? window.pageBackground.brushFor(child, dc) : nullptr;
  const bool coloured = row.kind == ControlKind::label && row.colour != Colour::standard;
  if (page != nullptr) {
    if (coloured) SetTextColor(dc, colourValue(row.colour));
    SetBkMode(dc, TRANSPARENT);
    return reinterpret_cast<LRESULT>(page);
  }
  if (coloured) {
    SetTextColor(dc, colourValue(row.colour));
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
  }
  return DefWindowProcW(window.hwnd, message, reinterpret_cast<WPARAM>(dc),
                        reinterpret_cast<LPARAM>(child));
}

void Win32Desktop::onDpiChanged(TopWindow& window, UINT dpi, const RECT& suggested) {
  SetWindowPos(window.hwnd, nullptr, suggested.left, suggested.top,
               suggested.right - suggested.left, suggested.bottom - suggested.top,
               SWP_NOZORDER | SWP_NOACTIVATE);
  setWindowIcons(window, dpi);
  if (window.controls == nullptr) return;
  auto font = std::make_unique<GuiFont>(dpi);
  window.controls->relayout(dpi, font->handle());
  window.font = std::move(font);  // the old font is released after the switch
  window.pageBackground.update(window.controls->tabControl());
}

}  // namespace tagwright::win32
