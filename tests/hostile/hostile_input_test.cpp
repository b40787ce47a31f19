// Hostile input through the whole program on the headless desktop: a 16 MiB
// text and malformed GBK in every box, a busy clipboard, and the same buttons
// pressed 10,000 times. Nothing may crash, hang or lose a byte, and the heap
// must stay flat over the repetitions.
#include <gtest/gtest.h>
#include <malloc.h>

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "core/numbers.h"
#include "ui/headless/headless_session.h"
#include "ui/layout.h"
#include "ui/roles.h"

namespace tagwright::headless {
namespace {

// "复制成功", the copy confirmation.
const Text kCopied = "\xB8\xB4\xD6\xC6\xB3\xC9\xB9\xA6";

enum class Shows { verbatim, doubled, nowhere };

// Where the text of each box goes: the button that builds from it, the box the
// result lands in and that box's copy button.
struct FieldRoute {
  std::string_view field;
  std::string_view build;  // "" when no builder reads the box
  std::string_view output;
  std::string_view copy;  // "" when the output has no copy button
  Shows shows;            // how the field's text appears in the output
};

constexpr FieldRoute kRoutes[] = {
    {"headFootEdit", "", "headFootEdit", "headFootCopyButton", Shows::verbatim},
    {"navTypeidEdit", "navBuildButton", "homeOutputEdit", "homeCopyButton", Shows::verbatim},
    {"navRowEdit", "navBuildButton", "homeOutputEdit", "homeCopyButton", Shows::verbatim},
    {"arcTypeidEdit", "arcBuildButton", "homeOutputEdit", "homeCopyButton", Shows::verbatim},
    {"arcTitleLenEdit", "arcBuildButton", "homeOutputEdit", "homeCopyButton", Shows::doubled},
    {"arcRowEdit", "arcBuildButton", "homeOutputEdit", "homeCopyButton", Shows::verbatim},
    {"arcInfoLenEdit", "arcBuildButton", "homeOutputEdit", "homeCopyButton", Shows::doubled},
    {"arcImgHeightEdit", "arcBuildButton", "homeOutputEdit", "homeCopyButton", Shows::verbatim},
    {"arcImgWidthEdit", "arcBuildButton", "homeOutputEdit", "homeCopyButton", Shows::verbatim},
    {"arcColEdit", "arcBuildButton", "homeOutputEdit", "homeCopyButton", Shows::verbatim},
    {"arcSubdayEdit", "arcBuildButton", "homeOutputEdit", "homeCopyButton", Shows::verbatim},
    {"arcKeywordEdit", "arcBuildButton", "homeOutputEdit", "homeCopyButton", Shows::verbatim},
    {"homeOutputEdit", "", "homeOutputEdit", "homeCopyButton", Shows::verbatim},
    {"listRowEdit", "listBuildButton", "listOutputEdit", "listCopyButton", Shows::verbatim},
    {"listTitleLenEdit", "listBuildButton", "listOutputEdit", "listCopyButton", Shows::doubled},
    {"listPageSizeEdit", "listBuildButton", "listOutputEdit", "listCopyButton", Shows::verbatim},
    {"softFieldEdit", "", "softFieldEdit", "", Shows::verbatim},
    {"shopFieldEdit", "", "shopFieldEdit", "", Shows::verbatim},
    {"listOutputEdit", "", "listOutputEdit", "listCopyButton", Shows::verbatim},
    {"contentOutputEdit", "", "contentOutputEdit", "contentCopyButton", Shows::verbatim},
    {"slideWidthEdit", "slideBuildButton", "slideOutputEdit", "slideCopyButton", Shows::verbatim},
    {"slideHeightEdit", "slideBuildButton", "slideOutputEdit", "slideCopyButton", Shows::verbatim},
    {"slideCountEdit", "slideBuildButton", "slideOutputEdit", "slideCopyButton", Shows::verbatim},
    {"slideOutputEdit", "", "slideOutputEdit", "slideCopyButton", Shows::verbatim},
    {"customChannelEdit", "customBuildButton", "customOutputEdit", "customCopyButton",
     Shows::verbatim},
    {"customTypeidEdit", "customBuildButton", "customOutputEdit", "customCopyButton",
     Shows::verbatim},
    {"customFieldEdit1", "customBuildButton", "customOutputEdit", "customCopyButton",
     Shows::verbatim},
    {"customFieldEdit2", "customBuildButton", "customOutputEdit", "customCopyButton",
     Shows::verbatim},
    {"customFieldEdit3", "customBuildButton", "customOutputEdit", "customCopyButton",
     Shows::verbatim},
    {"customFieldEdit4", "customBuildButton", "customOutputEdit", "customCopyButton",
     Shows::verbatim},
    {"customFieldEdit5", "customBuildButton", "customOutputEdit", "customCopyButton",
     Shows::verbatim},
    {"customRowEdit", "customBuildButton", "customOutputEdit", "customCopyButton", Shows::verbatim},
    {"customOutputEdit", "", "customOutputEdit", "customCopyButton", Shows::verbatim},
    {"sqlOutputEdit", "", "sqlOutputEdit", "sqlCopyButton", Shows::verbatim},
};

const FieldRoute* findRoute(std::string_view field) {
  for (const FieldRoute& route : kRoutes) {
    if (route.field == field) return &route;
  }
  return nullptr;
}

// Role names of every box the user can type into, from the window's table.
std::vector<std::string_view> typableBoxes() {
  std::vector<std::string_view> boxes;
  const WindowDef& window = mainWindowLayout();
  for (std::size_t i = 0; i < window.controlCount; ++i) {
    const ControlDef& control = window.controls[i];
    const bool typable =
        control.kind == ControlKind::edit || control.kind == ControlKind::outputEdit;
    if (typable && control.role != Role::none) boxes.push_back(roleName(control.role));
  }
  return boxes;
}

// Every byte value but zero (no one can type it), in an order that leaves a
// lone lead byte before an ASCII byte, a lead byte before 0x7F and 0xFF
// before 0xFF, followed by a full-width digit so that the number fields see
// a number. Repeated to `size` bytes.
Text hostileText(std::size_t size) {
  Text unit;
  for (int b = 1; b < 256; ++b) unit += static_cast<char>(b);
  unit += "\x81\x7F\xFF\xFF\x80 \xA3\xB7";
  Text text;
  text.reserve(size);
  while (text.size() + unit.size() <= size) text += unit;
  text.append(unit, 0, size - text.size());
  return text;
}

// Malformed and edge GBK: lone lead bytes, bad trail bytes, 0x80 and 0xFF.
const Text kMalformed[] = {
    "\xB8",              // a lead byte at the very end
    "\xB8\x20x",         // a lead byte before a blank
    "\xB8\x7F",          // 0x7F is no trail byte
    "\x80",              // 0x80 alone: no GBK character
    "\xFF",              // never a lead byte
    "\xFF\xFF\xFE",      // ends in a lead byte
    "\x81\r\n\x81",      // a lead byte before CR LF
    "\xA3\xB1\xA3",      // a full-width 1, then half of another
    "\xB1\xEA\xBC\xC7",  // 标记, the tail of every marker
};

class HostileInput : public ::testing::Test {
 protected:
  // Types `text` into `field`, presses its builder and copies its output: the
  // box holds exactly `text`, the output shows it, and the clipboard gets the
  // output's bytes.
  void typeBuildAndCopy(const FieldRoute& route, const Text& text) {
    SCOPED_TRACE(std::string(route.field));
    session_.desktop.type(route.field, text);
    ASSERT_TRUE(session_.desktop.control(route.field).text == text) << "the box changed the text";
    if (!route.build.empty()) session_.desktop.click(route.build);
    const Text& output = session_.desktop.control(route.output).text;
    if (route.shows == Shows::doubled) {
      // titlelen=N, infolen=N or titlelen='N' with N the doubled number.
      const Text number = numberToText(toInteger(text) * 2.0);
      const bool shown = output.find("len=" + number) != Text::npos ||
                         output.find("len='" + number + "'") != Text::npos;
      EXPECT_TRUE(shown) << "the output lacks the doubled number " << number;
    } else {
      EXPECT_NE(output.find(text), Text::npos) << "the output lost the field's text";
    }
    if (route.copy.empty()) return;
    session_.desktop.click(route.copy);
    ASSERT_TRUE(session_.desktop.clipboard().has_value());
    EXPECT_TRUE(*session_.desktop.clipboard() == output) << "the clipboard differs from the box";
    EXPECT_EQ(session_.desktop.takeMessages(), std::vector<Text>{kCopied});
  }

  HeadlessSession session_;
};

TEST_F(HostileInput, EveryBoxIsRouted) {
  for (const std::string_view box : typableBoxes()) {
    EXPECT_NE(findRoute(box), nullptr) << box << " is missing from kRoutes";
  }
}

TEST_F(HostileInput, SixteenMebibytesInEveryBoxBuildAndCopy) {
  const Text big = hostileText(16u << 20);
  for (const std::string_view box : typableBoxes()) {
    const FieldRoute* route = findRoute(box);
    ASSERT_NE(route, nullptr) << box;
    typeBuildAndCopy(*route, big);
    // Back to a short text, so that only one box holds the big one at a time.
    session_.desktop.type(box, "1");
  }
}

TEST_F(HostileInput, MalformedGbkInEveryBoxBuildAndCopy) {
  for (const std::string_view box : typableBoxes()) {
    const FieldRoute* route = findRoute(box);
    ASSERT_NE(route, nullptr) << box;
    for (const Text& text : kMalformed) typeBuildAndCopy(*route, text);
  }
}

TEST_F(HostileInput, SixteenMebibytesInEveryListEditPartChangeNoFragment) {
  const Text big = hostileText(16u << 20);
  const TagOptions before = session_.program.options();
  const WindowDef& window = mainWindowLayout();
  for (std::size_t i = 0; i < window.controlCount; ++i) {
    const ControlDef& control = window.controls[i];
    if (control.kind != ControlKind::comboBox) continue;
    const std::string_view name = roleName(control.role);
    session_.desktop.editList(name, big);
    EXPECT_TRUE(session_.desktop.control(name).text == big) << name;
    session_.desktop.editList(name, "");
  }
  const TagOptions& after = session_.program.options();
  EXPECT_EQ(after.navType, before.navType);
  EXPECT_EQ(after.arcFlag, before.arcFlag);
  EXPECT_EQ(after.arcChannelid, before.arcChannelid);
  EXPECT_EQ(after.arcOrderby, before.arcOrderby);
  EXPECT_EQ(after.arcDateStyle, before.arcDateStyle);
  EXPECT_EQ(after.customOrderby, before.customOrderby);
}

TEST_F(HostileInput, BusyClipboardKeepsItsContentAndShowsNothing) {
  session_.desktop.type("sqlOutputEdit", "before");
  session_.desktop.click("sqlCopyButton");
  session_.desktop.takeMessages();
  session_.desktop.setClipboardBusy(true);
  for (const FieldRoute& route : kRoutes) {
    if (route.copy.empty()) continue;
    session_.desktop.type(route.output, hostileText(4096));
    session_.desktop.click(route.copy);
    EXPECT_TRUE(session_.desktop.takeMessages().empty()) << route.copy;
  }
  EXPECT_EQ(session_.desktop.clipboard(), Text("before"));
  session_.desktop.setClipboardBusy(false);
  session_.desktop.click("homeCopyButton");
  EXPECT_EQ(session_.desktop.clipboard(), hostileText(4096));
  EXPECT_EQ(session_.desktop.takeMessages(), std::vector<Text>{kCopied});
}

// Bytes in use on the heap, as the C library counts them.
std::size_t heapInUse() {
  return mallinfo2().uordblks;
}

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kHeapIsCounted = false;  // AddressSanitizer has its own allocator
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kHeapIsCounted = false;
#else
constexpr bool kHeapIsCounted = true;
#endif
#else
constexpr bool kHeapIsCounted = true;
#endif

// One round of every builder, the copy buttons, the largest snippet, the
// clear and hide buttons; the user closes each message box. Returns how many
// message boxes the round showed.
std::size_t pressEveryKindOfButton(HeadlessDesktop& desktop) {
  for (const char* button :
       {"arcBuildButton", "navBuildButton", "listBuildButton", "slideBuildButton",
        "customBuildButton", "homeCopyButton", "customCopyButton", "homeClearButton"}) {
    desktop.click(button);
  }
  desktop.click("arcStyleImageInfoRadio");  // layout 4 with its auto-fill
  desktop.type("arcInfoLenEdit", "");
  desktop.click("arcBuildButton");
  desktop.click("arcStyleTypelinkRadio");
  desktop.click(
      "\xB5\xA5\xD1\xA1\xBF\xF2"
      "13");  // 单选框13, a snippet radio
  desktop.click(
      "\xB0\xB4\xC5\xA5"
      "6");                                // 按钮6 hides the window
  desktop.chooseMenu("\xCF\xD4\xCA\xBE");  // 显示 brings it back
  return desktop.takeMessages().size();
}

TEST_F(HostileInput, TenThousandPressesKeepTheHeapFlat) {
  HeadlessDesktop& desktop = session_.desktop;
  desktop.type("customFieldEdit1", hostileText(1024));
  // Two copies and the auto-fill notice in every round.
  std::size_t messages = 0;
  for (int i = 0; i < 100; ++i) messages += pressEveryKindOfButton(desktop);
  const std::size_t after100 = heapInUse();
  for (int i = 100; i < 10000; ++i) messages += pressEveryKindOfButton(desktop);
  const std::size_t after10000 = heapInUse();
  EXPECT_EQ(messages, 3u * 10000);

  // The program still answers, with the same texts as before.
  desktop.click("customBuildButton");
  EXPECT_NE(desktop.control("customOutputEdit").text.find(hostileText(1024)), Text::npos);
  EXPECT_EQ(desktop.mainState(), MainState::visible);
  if (!kHeapIsCounted) GTEST_SKIP() << "heap not countable under AddressSanitizer";
  // Growth of a few kilobytes is the allocator's own bookkeeping.
  EXPECT_LT(after10000, after100 + 64 * 1024)
      << "heap after 100 presses: " << after100 << ", after 10000: " << after10000;
}

}  // namespace
}  // namespace tagwright::headless
