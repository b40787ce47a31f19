// The handlers driven through the headless desktop as a user would drive them:
// fragments follow fields and picks, builders write their boxes, copy buttons
// confirm only a copy that worked.
#include "ui/handlers.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/headless/headless_session.h"

namespace tagwright::headless {
namespace {

class Handlers : public ::testing::Test {
 protected:
  HeadlessSession session;
  HeadlessDesktop& desktop = session.desktop;
  const TagOptions& options() const { return session.program.options(); }
  const Text& text(const char* name) const { return desktop.control(name).text; }
};

TEST_F(Handlers, TypicalRequestReachesTheClipboard) {
  desktop.type("arcRowEdit", "8");
  desktop.pick("arcFlagCombo", 2);
  desktop.click("arcBuildButton");
  desktop.click("homeCopyButton");
  const Text block =
      "{dede:arclist typeid=1 row=8 titlelen=20 flag='c' orderby='pubdate'}\r\n\r\n"
      "[field:typelink/]<a href='[field:arcurl/]'>[field:title/]</a><br/>\r\n\r\n"
      "{/dede:arclist}";
  EXPECT_EQ(text("homeOutputEdit"), block);
  ASSERT_TRUE(desktop.clipboard().has_value());
  EXPECT_EQ(*desktop.clipboard(), block);
  EXPECT_EQ(desktop.takeMessages(), std::vector<Text>{"\xB8\xB4\xD6\xC6\xB3\xC9\xB9\xA6"});
}

TEST_F(Handlers, FieldsAndListsRewriteTheirFragmentsOnly) {
  desktop.type("arcRowEdit", "");
  EXPECT_EQ(options().arcRow, "");
  desktop.type("arcTitleLenEdit", "15");
  EXPECT_EQ(options().arcTitlelen, " titlelen=30");
  desktop.type("navTypeidEdit", "3");
  EXPECT_EQ(options().navTypeid, " typeid='3'");
  desktop.pick("arcOrderCombo", 4);
  EXPECT_EQ(options().arcOrderby, " orderby='rand'");
  EXPECT_EQ(options().arcSubday, "");
  // Typing into a list's edit part drops the selection and changes no fragment.
  desktop.editList("arcOrderCombo", "click");
  EXPECT_EQ(options().arcOrderby, " orderby='rand'");
  EXPECT_EQ(desktop.selectedIndex(Role::arcOrderCombo), -1);
  EXPECT_EQ(text("arcOrderCombo"), "click");
  // Output boxes have no handler: clearing one leaves every fragment alone.
  const TagOptions before = options();
  desktop.click("homeClearButton");
  EXPECT_EQ(text("homeOutputEdit"), "");
  EXPECT_EQ(options().arcRow, before.arcRow);
  EXPECT_EQ(options().arcTitlelen, before.arcTitlelen);
}

// writeText raises the box's text-changed handler before it returns, also
// when the text does not change (the released fragment comes back).
TEST_F(Handlers, WriteTextRunsTheFieldHandlerNestedEvenForTheSameText) {
  desktop.writeText(Role::arcTitleLenEdit, "15");
  EXPECT_EQ(options().arcTitlelen, " titlelen=30");
  session.program.exitCleanup();
  ASSERT_EQ(options().arcTitlelen, "");
  desktop.writeText(Role::arcTitleLenEdit, "15");
  EXPECT_EQ(options().arcTitlelen, " titlelen=30");
}

TEST_F(Handlers, CustomOrderListShowsItsOwnStartText) {
  EXPECT_EQ(text("customOrderCombo"), "日期排序");
  EXPECT_EQ(desktop.selectedIndex(Role::customOrderCombo), 0);
  EXPECT_EQ(options().customOrderby, "orderby='pubdate'");
  desktop.pick("customOrderCombo", 1);
  EXPECT_EQ(text("customOrderCombo"), "顺序排列");
  EXPECT_EQ(options().customOrderby, "orderby='desc'");
}

TEST_F(Handlers, ChannelTagHasTwoBlanksUntilTheFirstPick) {
  desktop.click("navBuildButton");
  EXPECT_EQ(text("homeOutputEdit").rfind("{dede:channel  type='top'}", 0), 0u);
  desktop.pick("navTypeCombo", 0);
  desktop.click("navBuildButton");
  EXPECT_EQ(text("homeOutputEdit").rfind("{dede:channel type='top'}", 0), 0u);
}

TEST_F(Handlers, LayoutFourFillsTheSummaryLengthOnce) {
  desktop.click("arcStyleImageInfoRadio");
  EXPECT_FALSE(desktop.isChecked(Role::arcStyleTypelinkRadio));
  desktop.click("arcBuildButton");
  desktop.click("arcBuildButton");
  EXPECT_EQ(desktop.takeMessages(), std::vector<Text>{"摘要字数没填写!我帮你填吧"});
  EXPECT_EQ(text("arcInfoLenEdit"), "40");
  EXPECT_EQ(options().arcInfolen, " infolen=80");
  EXPECT_NE(text("homeOutputEdit").find(" titlelen=20 infolen=80 orderby='pubdate'}"), Text::npos);
}

TEST_F(Handlers, LayoutFourKeepsATypedSummaryLengthAndLayoutFiveNeverAsks) {
  desktop.click("arcStyleInfoRadio");
  desktop.click("arcBuildButton");
  EXPECT_EQ(text("homeOutputEdit").find("infolen"), Text::npos);
  desktop.type("arcInfoLenEdit", "7");
  desktop.click("arcStyleImageInfoRadio");
  desktop.click("arcBuildButton");
  EXPECT_TRUE(desktop.takeMessages().empty());
  EXPECT_NE(text("homeOutputEdit").find(" infolen=14"), Text::npos);
}

// The copy buttons with their boxes still empty: the empty text is copied
// and confirmed like any other.
TEST_F(Handlers, EveryCopyButtonCopiesAnEmptyBox) {
  const char* const buttons[] = {"headFootCopyButton", "homeCopyButton",  "listCopyButton",
                                 "contentCopyButton",  "slideCopyButton", "customCopyButton",
                                 "sqlCopyButton"};
  for (const char* button : buttons) {
    SCOPED_TRACE(button);
    desktop.copyToClipboard("old");
    desktop.click(button);
    ASSERT_TRUE(desktop.clipboard().has_value());
    EXPECT_EQ(*desktop.clipboard(), "");
    EXPECT_EQ(desktop.takeMessages(), std::vector<Text>{"复制成功"});
  }
}

TEST_F(Handlers, BusyClipboardCopiesNothingAndSaysNothing) {
  desktop.click("单选框1");
  desktop.setClipboardBusy(true);
  desktop.click("headFootCopyButton");
  EXPECT_FALSE(desktop.clipboard().has_value());
  EXPECT_TRUE(desktop.takeMessages().empty());
  EXPECT_EQ(text("headFootEdit"), "{dede:global.cfg_webname/}");
  desktop.setClipboardBusy(false);
  desktop.click("headFootCopyButton");
  EXPECT_EQ(desktop.clipboard(), Text("{dede:global.cfg_webname/}"));
}

TEST_F(Handlers, SnippetButtonsWriteTheirBoxAndGroupsStayApart) {
  desktop.click("单选框27");
  EXPECT_NE(text("listOutputEdit"), "");
  desktop.click("单选框28");
  desktop.click("单选框51");
  EXPECT_TRUE(desktop.control("单选框28").checked);  // 分组框9 and 分组框10 are separate groups
  EXPECT_TRUE(desktop.control("单选框51").checked);
  desktop.click("单选框29");
  EXPECT_FALSE(desktop.control("单选框28").checked);
  desktop.type("contentOutputEdit", "edited");
  desktop.click("单选框29");  // clicking a checked button writes its text again
  EXPECT_NE(text("contentOutputEdit"), "edited");
}

TEST_F(Handlers, PageBuildersReadTheirFields) {
  desktop.click("listBuildButton");
  EXPECT_EQ(text("listOutputEdit").rfind("{dede:list row='20' pagesize='20' titlelen='30'}", 0),
            0u);
  desktop.type("customFieldEdit2", "price");
  desktop.pick("customOrderCombo", 2);
  desktop.click("customBuildButton");
  EXPECT_EQ(text("customOutputEdit")
                .rfind("{dede:arclist addfields=',price' row='' channelid='' "
                       "orderby='asc' typeid=''}",
                       0),
            0u);
  desktop.click("slideBuildButton");
  EXPECT_NE(text("slideOutputEdit").find("var swf_width=280;\r\nvar swf_height=192;"), Text::npos);
  EXPECT_NE(text("slideOutputEdit").find("row='5'"), Text::npos);
}

}  // namespace
}  // namespace tagwright::headless
