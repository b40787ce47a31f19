// tagwright-driver: replays a script of user actions against the program on
// the headless desktop and prints what the queries ask for.
//
// Where the protocol leaves a choice, the driver does this:
// - A character of the script that GBK lacks (an emoji, say) is an error of
//   its line, as is malformed UTF-8: nothing is replaced by '?' and lost.
// - Every byte of 0x80 or above begins a two-byte character: 0x80 alone is
//   printed \x80 like any byte that begins no valid GBK character, and the
//   euro sign (code page 936's single byte 0x80) is a character GBK lacks.
// - A user action on a control activates its window; so does a menu item
//   chosen from the menu bar. `key` with no window of the program active
//   (MainWindow hidden, CopyrightWindow closed) is an error.
// - After the end, `checked` and `selected` are refused like every action
//   that is not in the list of what is still accepted.
// - `state` lists no menus once MainWindow is closed; a hidden MainWindow
//   keeps its menu bar.
// - A byte-order mark at the start of the script is skipped.
#pragma once

#include <iosfwd>
#include <memory>
#include <string_view>

#include "ui/headless/gbk_codec.h"
#include "ui/headless/headless_session.h"

namespace tagwright::headless {

class Driver {
 public:
  Driver(std::ostream& out, std::ostream& err);
  ~Driver();

  // Starts the program and runs every line of `script`. Returns the exit
  // status: 0 at the end of the input, 2 after the first line in error (its
  // message on `err`), 1 when the program cannot start.
  int run(std::istream& script);

 private:
  struct Action;
  struct Arguments;

  void runLine(std::string_view line);
  Text gbkName(std::string_view name) const;
  void print(const std::string& name, const Text& text);

  void doType(const Arguments& a);
  void doPick(const Arguments& a);
  void doEdit(const Arguments& a);
  void doClick(const Arguments& a);
  void doTab(const Arguments& a);
  void doTray(const Arguments& a);
  void doMenu(const Arguments& a);
  void doKey(const Arguments& a);
  void doClose(const Arguments& a);
  void doClipboard(const Arguments& a);
  void doPrint(const Arguments& a);
  void doChecked(const Arguments& a);
  void doSelected(const Arguments& a);
  void doOption(const Arguments& a);
  void doClip(const Arguments& a);
  void doMessages(const Arguments& a);
  void doAddresses(const Arguments& a);
  void doState(const Arguments& a);

  static const Action kActions[];

  std::ostream& out_;
  std::ostream& err_;
  GbkCodec codec_;
  std::unique_ptr<HeadlessSession> session_;
};

}  // namespace tagwright::headless
