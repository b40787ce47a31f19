// The real desktop behind WindowServices: both windows built from the layout
// tables, the menu bar, the tray icon, the clipboard, message boxes and the
// shell. Every event of a control is forwarded to the Program; no handler
// lives here.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <type_traits>

#include "ui/layout.h"
#include "ui/program.h"
#include "ui/win32/gui_font.h"
#include "ui/win32/page_background.h"
#include "ui/win32/tray_icon.h"
#include "ui/win32/window_controls.h"
#include "ui/window_services.h"

namespace tagwright::win32 {

class Win32Desktop final : public WindowServices {
 public:
  // Registers the window classes and creates the program's hidden helper
  // window (clipboard owner, popup-menu owner). Throws when it cannot.
  explicit Win32Desktop(HINSTANCE instance);
  ~Win32Desktop() override;
  Win32Desktop(const Win32Desktop&) = delete;
  Win32Desktop& operator=(const Win32Desktop&) = delete;

  // The program that receives every event; its exit clean-up is registered
  // here and runs before the process ends through endProgram.
  void attach(Program& program);
  // What endProgram does after the clean-up; ExitProcess(0) unless a test
  // replaces it.
  void setProcessExit(std::function<void()> exit) { processExit_ = std::move(exit); }
  // Called with every control event just before the program gets it (for
  // tests that count events).
  using EventObserver = std::function<void(const ControlDef&, ControlEvent)>;
  void setEventObserver(EventObserver observer) { observer_ = std::move(observer); }
  // How a web address is opened (menu items, hyperlink label, web view
  // fallback); the shell's "open" verb unless a test replaces it.
  using AddressOpener = std::function<void(const std::wstring&)>;
  void setAddressOpener(AddressOpener opener) { opener_ = std::move(opener); }

  // Start: builds MainWindow (centred, page 0, not yet visible) without
  // raising events; throws when it cannot.
  void createMainWindow();
  void showMainWindow();
  // Runs until no window of the program is left.
  void runMessageLoop();
  // Dispatches what is queued now, with the same key handling as the loop.
  void pumpMessages();
  // Esc closes the active window from any control; Tab moves the focus. True
  // when the message has been dealt with.
  bool preTranslateMessage(const MSG& message);

  bool anyWindowOpen() const;
  HWND windowHandle(WindowId window) const;
  // nullptr while the window is closed.
  const WindowControls* controls(WindowId window) const;
  HWND helperWindow() const { return helper_; }
  bool trayIconShown() const { return tray_.shown(); }
  // The icon handed to the notification area; nullptr while none is shown.
  HICON trayIcon() const { return tray_.shown() ? tray_.icon() : nullptr; }

  // WindowServices
  Text readText(Role edit) override;
  void writeText(Role edit, const Text& text) override;
  bool isChecked(Role radio) override;
  int selectedIndex(Role list) override;
  void setWindowVisible(WindowId window, bool visible) override;
  void setMenuVisible(MenuRole menu, bool visible) override;
  void popupMenu(WindowId window, MenuRole menu) override;
  void openWindow(WindowId window) override;
  void showTrayIcon(WindowId window, IconId icon, const Text& tip) override;
  bool copyToClipboard(const Text& text) override;
  void showMessage(const Text& text) override;
  void openAddress(const Text& url) override;
  void endProgram() override;

 private:
  // A popup-menu choice, posted to the helper window and run from the queue.
  static constexpr UINT kRunMenuCommandMessage = WM_APP + 2;
  // Posted by a window to itself when build() left the later tab pages: the
  // window shows first, and the pages are made before any input is read.
  static constexpr UINT kBuildRestMessage = WM_APP + 3;

  struct IconDeleter {
    void operator()(HICON icon) const { DestroyIcon(icon); }
  };
  using OwnedIcon = std::unique_ptr<std::remove_pointer_t<HICON>, IconDeleter>;

  struct TopWindow {
    explicit TopWindow(WindowId window) : id(window) {}
    WindowId id;
    const WindowDef* layout = nullptr;
    HWND hwnd = nullptr;
    std::unique_ptr<GuiFont> font;
    // The window's own big and small icon (WM_SETICON), in the sizes for its DPI.
    OwnedIcon bigIcon;
    OwnedIcon smallIcon;
    std::unique_ptr<WindowControls> controls;
    std::vector<bool> hiddenMenus;
    PageBackground pageBackground;
  };

  static LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  static LRESULT CALLBACK helperProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

  LRESULT onWindowMessage(TopWindow& window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT onHelperMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  void onChildCommand(TopWindow& window, HWND child, UINT code);
  LRESULT onControlColour(TopWindow& window, UINT message, HDC dc, HWND child);
  void onDpiChanged(TopWindow& window, UINT dpi, const RECT& suggested);
  void onDestroyed(TopWindow& window);
  void runMenuCommand(UINT id);
  void raise(const ControlDef& row, ControlEvent event);

  void createWindow(TopWindow& window);
  void activate(TopWindow& window);
  TopWindow& top(WindowId window) { return window == WindowId::MainWindow ? main_ : copyright_; }
  const TopWindow& top(WindowId window) const {
    return window == WindowId::MainWindow ? main_ : copyright_;
  }
  TopWindow* topOf(HWND hwnd);
  const ControlInstance* mainControl(Role role) const;
  // The program icon at `size`, shared (standard sizes only: a shared icon is
  // never scaled again), or the system's application icon.
  HICON programIcon(int size) const;
  // Gives the window its own big and small icon in the sizes for `dpi`,
  // loaded for it and released with it.
  void setWindowIcons(TopWindow& window, UINT dpi) const;

  HINSTANCE instance_;
  Program* program_ = nullptr;
  std::function<void()> processExit_;
  EventObserver observer_;
  AddressOpener opener_;
  HWND helper_ = nullptr;
  UINT taskbarCreatedMessage_ = 0;
  TopWindow main_{WindowId::MainWindow};
  TopWindow copyright_{WindowId::CopyrightWindow};
  TopWindow* creating_ = nullptr;  // the window inside CreateWindowEx
  TrayIcon tray_;
  bool building_ = false;          // no control events while a window is built
  int suppressNotifications_ = 0;  // inside writeText's own WM_SETTEXT
};

// Shows a message box for a failure the program cannot go on after and ends
// the process with exit code -1.
[[noreturn]] void failFatally(const char* reason);

}  // namespace tagwright::win32
