#include "ui/headless/driver.h"

#include <iostream>
#include <string>

#include "ui/headless/driver_script.h"
#include "ui/headless/option_fields.h"

namespace tagwright::headless {

struct Driver::Arguments {
  std::vector<std::string_view> words;
  std::string_view text;
};

struct Driver::Action {
  std::string_view word;
  std::size_t wordCount;
  bool withText;
  bool afterEnd;  // still accepted once the program has ended
  bool named;     // the first word names a control
  void (Driver::*run)(const Arguments&);
};

const Driver::Action Driver::kActions[] = {
    {"type", 1, true, false, true, &Driver::doType},
    {"pick", 2, false, false, true, &Driver::doPick},
    {"edit", 1, true, false, true, &Driver::doEdit},
    {"click", 1, false, false, true, &Driver::doClick},
    {"tab", 1, false, false, false, &Driver::doTab},
    {"tray", 1, false, false, false, &Driver::doTray},
    {"menu", 0, true, false, false, &Driver::doMenu},
    {"key", 1, false, false, false, &Driver::doKey},
    {"close", 1, false, false, false, &Driver::doClose},
    {"clipboard", 1, false, false, false, &Driver::doClipboard},
    {"print", 1, false, true, true, &Driver::doPrint},
    {"checked", 1, false, false, true, &Driver::doChecked},
    {"selected", 1, false, false, true, &Driver::doSelected},
    {"option", 1, false, true, false, &Driver::doOption},
    {"clip", 0, false, true, false, &Driver::doClip},
    {"messages", 0, false, true, false, &Driver::doMessages},
    {"addresses", 0, false, true, false, &Driver::doAddresses},
    {"state", 0, false, true, false, &Driver::doState},
};

namespace {

// Editors on Windows like to start UTF-8 files with one; it is no part of the first action.
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// A decimal index or code, leading zeros allowed; anything else is an error.
// No index or code reaches kNumberLimit, so a longer number is out of range
// wherever it stands.
constexpr long kNumberLimit = 100000000;

long parseNumber(std::string_view word) {
  const bool negative = word.size() > 1 && word[0] == '-';
  std::size_t i = negative ? 1 : 0;
  if (i == word.size()) throw ScriptError("bad number '" + shownWord(word) + "'");
  long value = 0;
  for (; i < word.size(); ++i) {
    if (word[i] < '0' || word[i] > '9') throw ScriptError("bad number '" + shownWord(word) + "'");
    value = value * 10 + (word[i] - '0');
    if (value >= kNumberLimit) throw ScriptError("number '" + shownWord(word) + "' out of range");
  }
  return negative ? -value : value;
}

const char* mainStateName(MainState state) {
  switch (state) {
    case MainState::visible:
      return "visible";
    case MainState::hidden:
      return "hidden";
    case MainState::closed:
      return "closed";
  }
  return "closed";
}

}  // namespace

Driver::Driver(std::ostream& out, std::ostream& err) : out_(out), err_(err) {}

Driver::~Driver() = default;

int Driver::run(std::istream& script) {
  try {
    session_ = std::make_unique<HeadlessSession>();
  } catch (const std::exception& e) {
    err_ << "error: the program cannot start: " << e.what() << '\n';
    return 1;
  }
  std::string line;
  for (long number = 1; std::getline(script, line); ++number) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (number == 1 && line.rfind(kByteOrderMark, 0) == 0) line.erase(0, kByteOrderMark.size());
    if (line.empty() || line[0] == '#') continue;
    try {
      runLine(line);
    } catch (const std::exception& e) {
      out_.flush();
      err_ << "error: line " << number << ": " << e.what() << '\n';
      return 2;
    }
  }
  out_.flush();
  return 0;
}

void Driver::runLine(std::string_view line) {
  const std::string_view word = actionWord(line);
  for (const Action& action : kActions) {
    if (action.word != word) continue;
    const ScriptLine split = splitArguments(line, action.wordCount, action.withText);
    if (session_->desktop.ended() && !action.afterEnd) {
      throw ScriptError("the program has ended; '" + shownWord(word) + "' is not accepted");
    }
    try {
      (this->*action.run)(Arguments{split.words, split.text});
    } catch (const ActionError& e) {
      if (!action.named) throw;
      throw ScriptError(shownWord(split.words[0]) + ": " + e.what());
    }
    return;
  }
  throw ScriptError("unknown action '" + shownWord(word) + "'");
}

// A name that has no GBK form names no control; the lookup then fails as
// for any unknown name.
Text Driver::gbkName(std::string_view name) const {
  Text converted;
  std::string problem;
  if (!codec_.appendUtf8(name, converted, problem)) throw ActionError("unknown name");
  return converted;
}

void Driver::print(const std::string& name, const Text& text) {
  out_ << name << ": " << codec_.toEscapedUtf8(text) << '\n';
}

void Driver::doType(const Arguments& a) {
  const Text name = gbkName(a.words[0]);
  session_->desktop.type(name, decodeText(a.text, codec_));
}

void Driver::doPick(const Arguments& a) {
  session_->desktop.pick(gbkName(a.words[0]), parseNumber(a.words[1]));
}

void Driver::doEdit(const Arguments& a) {
  const Text name = gbkName(a.words[0]);
  session_->desktop.editList(name, decodeText(a.text, codec_));
}

void Driver::doClick(const Arguments& a) {
  session_->desktop.click(gbkName(a.words[0]));
}

void Driver::doTab(const Arguments& a) {
  session_->desktop.selectTab(parseNumber(a.words[0]));
}

void Driver::doTray(const Arguments& a) {
  session_->desktop.trayEvent(parseNumber(a.words[0]));
}

void Driver::doMenu(const Arguments& a) {
  session_->desktop.chooseMenu(decodeText(a.text, codec_));
}

void Driver::doKey(const Arguments& a) {
  if (a.words[0] == "esc") {
    session_->desktop.pressEsc();
  } else if (a.words[0] == "enter") {
    session_->desktop.pressEnter();
  } else {
    throw ScriptError("unknown key '" + shownWord(a.words[0]) + "'");
  }
}

void Driver::doClose(const Arguments& a) {
  if (a.words[0] == "MainWindow") {
    session_->desktop.close(WindowId::MainWindow);
  } else if (a.words[0] == "CopyrightWindow") {
    session_->desktop.close(WindowId::CopyrightWindow);
  } else {
    throw ScriptError("unknown window '" + shownWord(a.words[0]) + "'");
  }
}

void Driver::doClipboard(const Arguments& a) {
  if (a.words[0] != "busy" && a.words[0] != "free") {
    throw ScriptError("clipboard takes busy or free, not '" + shownWord(a.words[0]) + "'");
  }
  session_->desktop.setClipboardBusy(a.words[0] == "busy");
}

void Driver::doPrint(const Arguments& a) {
  const ControlState& control = session_->desktop.control(gbkName(a.words[0]));
  switch (control.def->kind) {
    case ControlKind::tabControl:
    case ControlKind::picture:
    case ControlKind::webView:
      throw ActionError("has no text to print");
    default:
      print(std::string(a.words[0]), control.text);
  }
}

void Driver::doChecked(const Arguments& a) {
  const ControlState& control = session_->desktop.control(gbkName(a.words[0]));
  if (control.def->kind != ControlKind::radioButton) throw ActionError("not a radio button");
  out_ << a.words[0] << ": " << (control.checked ? 1 : 0) << '\n';
}

void Driver::doSelected(const Arguments& a) {
  const ControlState& control = session_->desktop.control(gbkName(a.words[0]));
  if (control.def->kind != ControlKind::comboBox && control.def->kind != ControlKind::tabControl) {
    throw ActionError("not a drop-down list");
  }
  out_ << a.words[0] << ": " << control.selected << '\n';
}

void Driver::doOption(const Arguments& a) {
  const Text* field = findOptionField(session_->program.options(), a.words[0]);
  if (field == nullptr) throw ScriptError("unknown option field '" + shownWord(a.words[0]) + "'");
  print(std::string(a.words[0]), *field);
}

void Driver::doClip(const Arguments&) {
  const std::optional<Text>& clipboard = session_->desktop.clipboard();
  if (clipboard) {
    print("clipboard", *clipboard);
  } else {
    out_ << "clipboard: (none)\n";
  }
}

void Driver::doMessages(const Arguments&) {
  for (const Text& message : session_->desktop.takeMessages()) print("message", message);
}

void Driver::doAddresses(const Arguments&) {
  for (const Text& address : session_->desktop.takeAddresses()) print("address", address);
}

void Driver::doState(const Arguments&) {
  const HeadlessDesktop& desktop = session_->desktop;
  std::string menus;
  for (const Text& menu : desktop.menuBar()) {
    if (!menus.empty()) menus += ',';
    menus += codec_.toEscapedUtf8(menu);
  }
  out_ << "state: main=" << mainStateName(desktop.mainState())
       << " copyright=" << (desktop.copyrightOpen() ? "open" : "closed")
       << " tray=" << (desktop.trayShown() ? "on" : "off") << " menus=" << menus
       << " popups=" << desktop.popupCount()
       << " ended=" << (desktop.ended() ? std::to_string(desktop.exitCode()) : std::string("no"))
       << '\n';
}

}  // namespace tagwright::headless
