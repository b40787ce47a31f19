#include "ui/headless/headless_desktop.h"

#include <algorithm>
#include <string>

namespace tagwright::headless {

namespace {

constexpr std::string_view kCopyrightPrefix = "CopyrightWindow.";

}  // namespace

HeadlessDesktop::HeadlessDesktop()
    : main_(mainWindowLayout()),
      copyright_(copyrightWindowLayout()),
      menuHidden_(mainWindowLayout().menuCount, false) {}

void HeadlessDesktop::start(Program& program) {
  program_ = &program;
  cleanupRegistered_ = true;
  main_.reset();
  mainState_ = MainState::hidden;  // built, not shown yet
  program_->onCreated();
  mainState_ = MainState::visible;
  activate(WindowId::MainWindow);
}

// ---- user actions ----------------------------------------------------------

void HeadlessDesktop::requireRunning() const {
  if (ended_) throw ActionError("the program has ended");
  if (program_ == nullptr) throw ActionError("the program has not started");
}

HeadlessDesktop::Located HeadlessDesktop::locate(std::string_view name) {
  if (name.substr(0, kCopyrightPrefix.size()) == kCopyrightPrefix) {
    return {WindowId::CopyrightWindow, copyright_.find(name.substr(kCopyrightPrefix.size()))};
  }
  return {WindowId::MainWindow, main_.find(name)};
}

const ControlState& HeadlessDesktop::control(std::string_view name) const {
  const ControlState* found = name.substr(0, kCopyrightPrefix.size()) == kCopyrightPrefix
                                  ? copyright_.find(name.substr(kCopyrightPrefix.size()))
                                  : main_.find(name);
  if (found == nullptr) throw ActionError("unknown name");
  return *found;
}

ControlState& HeadlessDesktop::reach(std::string_view name,
                                     std::initializer_list<ControlKind> kinds,
                                     const char* kindName) {
  requireRunning();
  const Located located = locate(name);
  if (located.control == nullptr) throw ActionError("unknown name");
  if (std::find(kinds.begin(), kinds.end(), located.control->def->kind) == kinds.end()) {
    throw ActionError(std::string("not ") + kindName);
  }
  if (located.window == WindowId::MainWindow) {
    if (mainState_ == MainState::hidden) throw ActionError("MainWindow is hidden");
    if (mainState_ == MainState::closed) throw ActionError("MainWindow is closed");
    const int page = main_.pageOf(*located.control);
    ControlState* tabs = main_.tabControl();
    if (page >= 0 && tabs != nullptr) tabs->selected = page;
  } else if (!copyrightOpen_) {
    throw ActionError("CopyrightWindow is closed");
  }
  activate(located.window);
  return *located.control;
}

void HeadlessDesktop::type(std::string_view name, const Text& text) {
  const ControlState* found = locate(name).control;
  if (found != nullptr && found->def->kind == ControlKind::readOnlyEdit) {
    throw ActionError("a read-only edit box");
  }
  ControlState& edit = reach(name, {ControlKind::edit, ControlKind::outputEdit}, "an edit box");
  edit.text = text;
  raise(edit, ControlEvent::textChanged);
}

void HeadlessDesktop::pick(std::string_view name, long index) {
  ControlState& list = reach(name, {ControlKind::comboBox}, "a drop-down list");
  if (index < 0 || static_cast<unsigned long>(index) >= list.def->itemCount) {
    throw ActionError("index " + std::to_string(index) + " out of range");
  }
  list.selected = static_cast<int>(index);
  list.text = list.def->items[index];
  raise(list, ControlEvent::itemSelected);
}

void HeadlessDesktop::editList(std::string_view name, const Text& text) {
  ControlState& list = reach(name, {ControlKind::comboBox}, "a drop-down list");
  // Typing into the edit part drops the selection, as the platform's list
  // does, and raises no item-selected event.
  list.text = text;
  list.selected = -1;
}

void HeadlessDesktop::click(std::string_view name) {
  ControlState& button =
      reach(name, {ControlKind::pushButton, ControlKind::radioButton}, "a button");
  if (button.def->kind == ControlKind::radioButton) {
    // A radio button is checked first, then its click event runs.
    HeadlessWindow& window = locate(name).window == WindowId::MainWindow ? main_ : copyright_;
    window.check(button);
  }
  raise(button, ControlEvent::click);
}

void HeadlessDesktop::selectTab(long index) {
  requireRunning();
  ControlState* tabs = main_.tabControl();
  if (tabs == nullptr) throw ActionError("MainWindow has no tab control");
  if (mainState_ == MainState::hidden) throw ActionError("MainWindow is hidden");
  if (mainState_ == MainState::closed) throw ActionError("MainWindow is closed");
  if (index < 0 || static_cast<unsigned long>(index) >= tabs->def->itemCount) {
    throw ActionError("index " + std::to_string(index) + " out of range");
  }
  tabs->selected = static_cast<int>(index);
  activate(WindowId::MainWindow);
}

void HeadlessDesktop::trayEvent(long code) {
  requireRunning();
  if (!trayShown_) throw ActionError("no tray icon is shown");
  if (code < 1 || code > 3)
    throw ActionError("tray event " + std::to_string(code) + " out of range");
  program_->onTrayEvent(static_cast<int>(code));
}

void HeadlessDesktop::chooseMenu(const Text& itemText) {
  requireRunning();
  const WindowDef& def = main_.def();
  // The menu bar while MainWindow is visible, then the tray menu while the
  // icon is shown (the tray menu is hidden from the bar but still pops up).
  for (int pass = 0; pass < 2; ++pass) {
    const bool viaBar = pass == 0;
    if (viaBar ? mainState_ != MainState::visible : !trayShown_) continue;
    for (std::size_t m = 0; m < def.menuCount; ++m) {
      const MenuDef& menu = def.menus[m];
      if (viaBar ? static_cast<bool>(menuHidden_[m]) : menu.role != MenuRole::trayMenu) continue;
      for (std::size_t i = 0; i < menu.itemCount; ++i) {
        const MenuItemDef& item = menu.items[i];
        if (item.text == nullptr || itemText != item.text) continue;
        if (viaBar) activate(WindowId::MainWindow);
        program_->onMenuCommand(item.command);
        return;
      }
    }
  }
  throw ActionError("no menu item with this text is within reach");
}

void HeadlessDesktop::pressEsc() {
  requireRunning();
  const std::optional<WindowId> active = activeWindow();
  if (!active) throw ActionError("no window of the program is active");
  close(*active);
}

void HeadlessDesktop::pressEnter() {
  requireRunning();
  if (!activeWindow()) throw ActionError("no window of the program is active");
  // Enter presses no button and moves no focus.
}

void HeadlessDesktop::close(WindowId window) {
  requireRunning();
  if (window == WindowId::MainWindow) {
    if (mainState_ == MainState::hidden) throw ActionError("MainWindow is hidden");
    if (mainState_ == MainState::closed) throw ActionError("MainWindow is closed");
    destroyMainWindow();
  } else {
    if (!copyrightOpen_) throw ActionError("CopyrightWindow is closed");
    closeCopyrightWindow();
  }
  endIfNoWindowLeft();
}

// ---- what is on the desktop ------------------------------------------------

std::vector<Text> HeadlessDesktop::takeMessages() {
  std::vector<Text> taken;
  taken.swap(messages_);
  return taken;
}

std::vector<Text> HeadlessDesktop::takeAddresses() {
  std::vector<Text> taken;
  taken.swap(addresses_);
  return taken;
}

std::vector<Text> HeadlessDesktop::menuBar() const {
  std::vector<Text> menus;
  if (mainState_ == MainState::closed) return menus;
  const WindowDef& def = main_.def();
  for (std::size_t m = 0; m < def.menuCount; ++m) {
    if (!menuHidden_[m]) menus.emplace_back(def.menus[m].text);
  }
  return menus;
}

bool HeadlessDesktop::isOpenAndVisible(WindowId window) const {
  return window == WindowId::MainWindow ? mainState_ == MainState::visible : copyrightOpen_;
}

std::optional<WindowId> HeadlessDesktop::activeWindow() const {
  for (auto it = activation_.rbegin(); it != activation_.rend(); ++it) {
    if (isOpenAndVisible(*it)) return *it;
  }
  return std::nullopt;
}

void HeadlessDesktop::activate(WindowId window) {
  activation_.erase(std::remove(activation_.begin(), activation_.end(), window), activation_.end());
  activation_.push_back(window);
}

// ---- WindowServices ----------------------------------------------------------

void HeadlessDesktop::raise(const ControlState& control, ControlEvent event) {
  if (program_ != nullptr) program_->onControlEvent(*control.def, event);
}

Text HeadlessDesktop::readText(Role edit) {
  const ControlState* control = main_.find(edit);
  return control != nullptr ? control->text : Text();
}

void HeadlessDesktop::writeText(Role edit, const Text& text) {
  ControlState* control = main_.find(edit);
  if (control == nullptr) return;
  control->text = text;
  raise(*control, ControlEvent::textChanged);
}

bool HeadlessDesktop::isChecked(Role radio) {
  const ControlState* control = main_.find(radio);
  return control != nullptr && control->checked;
}

int HeadlessDesktop::selectedIndex(Role list) {
  const ControlState* control = main_.find(list);
  return control != nullptr ? control->selected : -1;
}

void HeadlessDesktop::setWindowVisible(WindowId window, bool visible) {
  if (window == WindowId::CopyrightWindow) {
    if (visible) openWindow(window);
    return;
  }
  if (mainState_ == MainState::closed) return;
  mainState_ = visible ? MainState::visible : MainState::hidden;
  if (visible) activate(WindowId::MainWindow);
}

void HeadlessDesktop::setMenuVisible(MenuRole menu, bool visible) {
  const WindowDef& def = main_.def();
  for (std::size_t m = 0; m < def.menuCount; ++m) {
    if (menu != MenuRole::none && def.menus[m].role == menu) menuHidden_[m] = !visible;
  }
}

void HeadlessDesktop::popupMenu(WindowId, MenuRole) {
  ++popups_;
}

void HeadlessDesktop::openWindow(WindowId window) {
  if (window == WindowId::MainWindow) {
    setWindowVisible(window, true);
    return;
  }
  if (!copyrightOpen_) {
    copyright_.reset();  // each opening shows the start content, built without events
    copyrightOpen_ = true;
  }
  activate(WindowId::CopyrightWindow);
}

void HeadlessDesktop::showTrayIcon(WindowId window, IconId, const Text& tip) {
  if (window != WindowId::MainWindow || mainState_ == MainState::closed) return;
  trayShown_ = true;
  trayTip_ = tip;
}

bool HeadlessDesktop::copyToClipboard(const Text& text) {
  if (clipboardBusy_) return false;
  clipboard_ = text;
  return true;
}

void HeadlessDesktop::showMessage(const Text& text) {
  messages_.push_back(text);
}

void HeadlessDesktop::openAddress(const Text& url) {
  addresses_.push_back(url);
}

void HeadlessDesktop::endProgram() {
  if (ended_) return;
  // The windows go without raising events; the clean-up runs once.
  mainState_ = MainState::closed;
  copyrightOpen_ = false;
  trayShown_ = false;
  runExitCleanup();
  ended_ = true;
  exitCode_ = 0;
}

// ---- windows going away ------------------------------------------------------

void HeadlessDesktop::destroyMainWindow() {
  mainState_ = MainState::closed;
  trayShown_ = false;  // destroying the window removes its tray icon
}

void HeadlessDesktop::closeCopyrightWindow() {
  copyrightOpen_ = false;
}

void HeadlessDesktop::endIfNoWindowLeft() {
  if (ended_ || mainState_ != MainState::closed || copyrightOpen_) return;
  runExitCleanup();
  ended_ = true;
  exitCode_ = 0;
}

void HeadlessDesktop::runExitCleanup() {
  if (!cleanupRegistered_ || cleanupRuns_ > 0) return;
  ++cleanupRuns_;
  program_->exitCleanup();
}

}  // namespace tagwright::headless
