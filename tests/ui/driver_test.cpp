// tagwright-driver's protocol: script reading, escapes, the GBK edge, output
// escapes, errors with line numbers and the rules after the end. Scripts and
// outputs are UTF-8, so their literals carry the u8 prefix.
#include "ui/headless/driver.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace tagwright::headless {
namespace {

struct DriverRun {
  int status;
  std::string out;
  std::string err;
};

DriverRun runScript(const std::string& script) {
  std::istringstream in(script);
  std::ostringstream out, err;
  Driver driver(out, err);
  const int status = driver.run(in);
  return {status, out.str(), err.str()};
}

TEST(Driver, SkipsCommentsAndEmptyLinesAndTakesCrLf) {
  const DriverRun run = runScript("# a comment\r\n\r\n\ntype arcRowEdit 8\r\nprint arcRowEdit\r\n");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, "arcRowEdit: 8\n");
  EXPECT_EQ(run.err, "");
  const DriverRun withMark = runScript("\xEF\xBB\xBFprint arcRowEdit\n");
  EXPECT_EQ(withMark.out, "arcRowEdit: 5\n");
}

TEST(Driver, TextKeepsBlanksAndMayBeEmpty) {
  const DriverRun run = runScript(
      "type arcKeywordEdit  two  blanks \n"
      "print arcKeywordEdit\n"
      "type arcColEdit\n"
      "option arcCol\n");
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, "arcKeywordEdit:  two  blanks \narcCol: \n");
}

// Escapes in, escapes out: a raw byte goes in unconverted, and every byte that
// is not part of a valid GBK character comes out as \xHH, nothing dropped.
TEST(Driver, EscapesAndMalformedGbkRoundTrip) {
  struct Case {
    const char* typed;
    const char* printed;
  };
  const Case cases[] = {
      {"a\\\\b\\tc\\r\\n", "a\\\\b\\tc\\r\\n"},
      {"\\xB8\\xB4\\xD6\\xC6", u8"复制"},
      {u8"复制", u8"复制"},
      {"x\\xB8", "x\\xB8"},        // a lead byte as the last byte
      {"\\xB8\\x20z", "\\xB8 z"},  // a lead byte before an invalid trail byte
      {"\\xFF\\x81\\x7F", "\\xFF\\x81\x7F"},
      {"\\x80", "\\x80"},  // begins a two-byte character, never one alone
      {"\\x80A\\xA1\\x40", "\\x80A\\xA1@"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    const DriverRun run =
        runScript(std::string("type arcKeywordEdit ") + c.typed + "\nprint arcKeywordEdit\n");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, std::string("arcKeywordEdit: ") + c.printed + "\n");
  }
}

TEST(Driver, NulByteIsKept) {
  const DriverRun run = runScript("type arcKeywordEdit a\\x00b\nprint arcKeywordEdit\n");
  EXPECT_EQ(run.out, std::string("arcKeywordEdit: a\0b\n", 20));
}

TEST(Driver, MegabyteLineIsTypedWhole) {
  std::string text;
  for (int i = 0; i < 1 << 20; ++i) text += static_cast<char>('a' + i % 26);
  const DriverRun run = runScript("type homeOutputEdit " + text + "\nprint homeOutputEdit\n");
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, "homeOutputEdit: " + text + "\n");
}

TEST(Driver, ErrorsNameTheLineAndStopWithStatusTwo) {
  struct Case {
    std::string script;
    std::string err;
  };
  const Case cases[] = {
      {"state\njump arcRowEdit\nstate\n", "error: line 2: unknown action 'jump'\n"},
      {"click noSuchButton\n", "error: line 1: noSuchButton: unknown name\n"},
      {"#\ntype arcRowEdit a\\qb\n", "error: line 2: malformed escape \\q\n"},
      {"type arcRowEdit \\x4\n", "error: line 1: malformed escape \\x: two hex digits expected\n"},
      {"type arcRowEdit a\\\n", "error: line 1: backslash at the end of the text\n"},
      {"pick arcFlagCombo 5\n", "error: line 1: arcFlagCombo: index 5 out of range\n"},
      {"pick arcFlagCombo -1\n", "error: line 1: arcFlagCombo: index -1 out of range\n"},
      {"pick arcFlagCombo two\n", "error: line 1: bad number 'two'\n"},
      {"pick arcFlagCombo 99999999999999999999\n",
       "error: line 1: number '99999999999999999999' out of range\n"},
      {"tray -\n", "error: line 1: bad number '-'\n"},
      {"pick arcRowEdit 0\n", "error: line 1: arcRowEdit: not a drop-down list\n"},
      {"type arcBuildButton x\n", "error: line 1: arcBuildButton: not an edit box\n"},
      {u8"type 编辑框25 1\n", u8"error: line 1: 编辑框25: a read-only edit box\n"},
      {u8"click 标签1\n", u8"error: line 1: 标签1: not a button\n"},
      {u8"click CopyrightWindow.标签1\n", u8"error: line 1: CopyrightWindow.标签1: not a button\n"},
      {u8"type arcRowEdit 😀\n", "error: line 1: character U+1F600 has no GBK form\n"},
      {u8"type arcRowEdit €\n", "error: line 1: character U+20AC has no GBK form\n"},
      {"type arcRowEdit \xC3\n", "error: line 1: malformed UTF-8\n"},
      {"click  arcBuildButton\n", "error: line 1: empty argument\n"},
      {"state now\n", "error: line 1: unexpected argument\n"},
      {"click\n", "error: line 1: missing argument\n"},
      {"tray 4\n", "error: line 1: tray event 4 out of range\n"},
      {"tab 7\n", "error: line 1: index 7 out of range\n"},
      {"key space\n", "error: line 1: unknown key 'space'\n"},
      {"close Other\n", "error: line 1: unknown window 'Other'\n"},
      {"close CopyrightWindow\n", "error: line 1: CopyrightWindow is closed\n"},
      {"option arcrow\n", "error: line 1: unknown option field 'arcrow'\n"},
      {u8"menu 程序菜单\n", "error: line 1: no menu item with this text is within reach\n"},
      {u8"click 按钮6\ntype arcRowEdit 1\n", "error: line 2: arcRowEdit: MainWindow is hidden\n"},
      {u8"click 按钮6\nmenu 退出程序\n",
       "error: line 2: no menu item with this text is within reach\n"},
      {"checked arcRowEdit\n", "error: line 1: arcRowEdit: not a radio button\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.script);
    const DriverRun run = runScript(c.script);
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, c.err);
  }
}

// A megabyte word in error: the message names the line and shows the word's
// start, cut before a character boundary, not the whole megabyte.
TEST(Driver, ErrorsShowTheStartOfALongWord) {
  std::string name;
  while (name.size() < (1u << 20)) name += u8"复制a";  // 7 bytes: byte 64 is inside 复
  const DriverRun unknownName = runScript("click " + name + "\n");
  EXPECT_EQ(unknownName.status, 2);
  EXPECT_EQ(unknownName.err, "error: line 1: " + name.substr(0, 63) + "...: unknown name\n");
  const DriverRun unknownAction = runScript(name + " x\n");
  EXPECT_EQ(unknownAction.err, "error: line 1: unknown action '" + name.substr(0, 63) + "...'\n");
}

TEST(Driver, OutputBeforeAnErrorStays) {
  const DriverRun run = runScript("print arcRowEdit\nfly\nprint arcRowEdit\n");
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.out, "arcRowEdit: 5\n");
}

TEST(Driver, AfterTheEndOnlyTheListedQueriesRun) {
  const DriverRun ended = runScript(
      u8"menu 退出程序\nstate\nprint arcRowEdit\noption arcRow\nclip\nmessages\naddresses\n");
  EXPECT_EQ(ended.status, 0) << ended.err;
  EXPECT_EQ(ended.out,
            "state: main=closed copyright=closed tray=off menus= popups=0 ended=0\n"
            "arcRowEdit: 5\narcRow: \nclipboard: (none)\n");
  for (const char* action : {"click arcBuildButton", "tray 1", u8"menu 显示", "key esc",
                             "clipboard busy", "checked arcStyleTitleRadio", "tab 1"}) {
    SCOPED_TRACE(action);
    const DriverRun run = runScript(std::string(u8"menu 关闭\n") + action + "\n");
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err.rfind("error: line 2: the program has ended", 0), 0u);
  }
}

TEST(Driver, QueriesReportTheDesktop) {
  const DriverRun run = runScript(
      u8"tray 1\ntray 2\nmenu 版权声明\nmenu 软件官网\nclick arcStyleTitleRadio\n"
      u8"checked arcStyleTitleRadio\nchecked 单选框8\nselected 选择夹1\nselected arcOrderCombo\n"
      "edit arcOrderCombo typed\nselected arcOrderCombo\nprint arcOrderCombo\nstate\naddresses\n"
      "addresses\n");
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out,
            u8"arcStyleTitleRadio: 1\n单选框8: 0\n选择夹1: 0\narcOrderCombo: 0\narcOrderCombo: -1\n"
            "arcOrderCombo: typed\n"
            "state: main=visible copyright=open tray=on "
            u8"menus=程序,仿站学习,帮助中心,Tagwright仿站交流群.20012345 popups=2 ended=no\n"
            "address: http://tagwright.cn/\n");
}

}  // namespace
}  // namespace tagwright::headless
