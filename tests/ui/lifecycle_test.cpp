// Start, tray, menus, windows and the end, on the headless desktop; and the
// order of the created handler's calls, seen by a recording desktop.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/headless/headless_session.h"
#include "ui/maker.h"
#include "ui/program.h"

namespace tagwright::headless {
namespace {

// Records the calls of the created handler; everything else does nothing.
class RecordingServices : public WindowServices {
 public:
  std::vector<std::string> calls;
  Text tip;
  Text arcRowAtTray;
  const TagOptions* options = nullptr;

  Text readText(Role) override { return {}; }
  void writeText(Role, const Text&) override { calls.push_back("writeText"); }
  bool isChecked(Role) override { return false; }
  int selectedIndex(Role) override { return -1; }
  void setWindowVisible(WindowId, bool) override { calls.push_back("setWindowVisible"); }
  void setMenuVisible(MenuRole menu, bool visible) override {
    calls.push_back(menu == MenuRole::trayMenu && !visible ? "hideTrayMenu" : "setMenuVisible");
  }
  void popupMenu(WindowId, MenuRole) override { calls.push_back("popupMenu"); }
  void openWindow(WindowId) override { calls.push_back("openWindow"); }
  void showTrayIcon(WindowId window, IconId, const Text& text) override {
    calls.push_back(window == WindowId::MainWindow ? "showTrayIcon" : "showTrayIcon(other)");
    tip = text;
    if (options != nullptr) arcRowAtTray = options->arcRow;
  }
  bool copyToClipboard(const Text&) override { return true; }
  void showMessage(const Text&) override { calls.push_back("showMessage"); }
  void openAddress(const Text&) override { calls.push_back("openAddress"); }
  void endProgram() override { calls.push_back("endProgram"); }
};

TEST(Lifecycle, CreatedHandlerResetsThenShowsTheTrayThenHidesItsMenu) {
  RecordingServices services;
  Program program(services);
  services.options = &program.options();
  program.onCreated();
  EXPECT_EQ(services.calls, (std::vector<std::string>{"showTrayIcon", "hideTrayMenu"}));
  EXPECT_EQ(services.tip, "Tagwright");
  EXPECT_EQ(services.arcRowAtTray, " row=5");  // the fragments had their start values already
  for (int code : {1, 2, 3}) program.onTrayEvent(code);
  EXPECT_EQ(services.calls.size(), 5u);
  EXPECT_EQ(services.calls.back(), "popupMenu");
}

class Desktop : public ::testing::Test {
 protected:
  HeadlessSession session;
  HeadlessDesktop& desktop = session.desktop;
};

TEST_F(Desktop, StartsVisibleWithTrayAndFourMenus) {
  EXPECT_EQ(desktop.mainState(), MainState::visible);
  EXPECT_TRUE(desktop.trayShown());
  EXPECT_EQ(desktop.menuBar(),
            (std::vector<Text>{"程序", "仿站学习", "帮助中心",
                               Text(maker::kChatGroupName) + "." + maker::kChatGroupNumber}));
  EXPECT_EQ(desktop.control("选择夹1").selected, 0);
  EXPECT_TRUE(desktop.control("arcStyleTypelinkRadio").checked);
  EXPECT_EQ(session.program.options().navType, " type='top'");
  EXPECT_FALSE(desktop.ended());
}

TEST_F(Desktop, HideAndShowFromTheTrayKeepEveryField) {
  desktop.type("listRowEdit", "12");  // on page 2, which it selects
  desktop.type("arcKeywordEdit", "news");
  desktop.click("按钮6");
  EXPECT_EQ(desktop.mainState(), MainState::hidden);
  EXPECT_THROW(desktop.type("arcRowEdit", "1"), ActionError);
  EXPECT_THROW(desktop.chooseMenu("版权声明"), ActionError);  // the menu bar is out of reach
  desktop.trayEvent(3);
  EXPECT_EQ(desktop.popupCount(), 1);
  desktop.chooseMenu("隐藏");
  EXPECT_EQ(desktop.mainState(), MainState::hidden);
  desktop.chooseMenu("显示");
  EXPECT_EQ(desktop.mainState(), MainState::visible);
  EXPECT_EQ(desktop.control("listRowEdit").text, "12");
  EXPECT_EQ(desktop.control("arcKeywordEdit").text, "news");
  EXPECT_EQ(session.program.options().arcKeyword, " keyword='news'");
  EXPECT_EQ(desktop.control("选择夹1").selected, 0);
}

TEST_F(Desktop, ActionsSelectTheirPageAndQueriesDoNot) {
  desktop.control("sqlOutputEdit");
  EXPECT_EQ(desktop.control("选择夹1").selected, 0);
  desktop.click("单选框84");
  EXPECT_EQ(desktop.control("选择夹1").selected, 5);
  desktop.selectTab(2);
  EXPECT_EQ(desktop.control("选择夹1").selected, 2);
  EXPECT_THROW(desktop.selectTab(7), ActionError);
}

TEST_F(Desktop, CopyrightWindowOpensOnceAndEscClosesTheActiveWindow) {
  desktop.chooseMenu("版权声明");
  desktop.click("navBuildButton");  // MainWindow comes to the front
  EXPECT_EQ(desktop.activeWindow(), WindowId::MainWindow);
  desktop.chooseMenu("版权声明");  // one window, brought to the front again
  EXPECT_TRUE(desktop.copyrightOpen());
  EXPECT_EQ(desktop.activeWindow(), WindowId::CopyrightWindow);
  // Esc on MainWindow while CopyrightWindow is open: the tray goes, the program runs on.
  desktop.click("arcBuildButton");  // acting on MainWindow activates it
  desktop.pressEsc();
  EXPECT_EQ(desktop.mainState(), MainState::closed);
  EXPECT_FALSE(desktop.trayShown());
  EXPECT_TRUE(desktop.menuBar().empty());
  EXPECT_FALSE(desktop.ended());
  EXPECT_THROW(desktop.trayEvent(1), ActionError);
  desktop.pressEsc();
  EXPECT_TRUE(desktop.ended());
  EXPECT_EQ(desktop.exitCode(), 0);
  EXPECT_EQ(desktop.cleanupRuns(), 1);
}

TEST_F(Desktop, CloseFromTheTrayEndsWhileCopyrightIsOpen) {
  desktop.chooseMenu("版权声明");
  desktop.chooseMenu("关闭");
  EXPECT_TRUE(desktop.ended());
  EXPECT_EQ(desktop.exitCode(), 0);
  EXPECT_FALSE(desktop.copyrightOpen());
  EXPECT_EQ(desktop.mainState(), MainState::closed);
  EXPECT_EQ(desktop.cleanupRuns(), 1);
  EXPECT_EQ(session.program.options().arcRow, "");  // the fragments are released
  session.program.exitCleanup();                    // a second call releases nothing twice
  EXPECT_EQ(desktop.cleanupRuns(), 1);
  EXPECT_THROW(desktop.click("arcBuildButton"), ActionError);
}

TEST_F(Desktop, MenuItemsOpenAddressesOrDoNothing) {
  desktop.chooseMenu("QQ交流群");
  desktop.chooseMenu("软件官网");
  desktop.chooseMenu(Text("点击加入 QQ群:") + maker::kChatGroupNumber);
  EXPECT_EQ(desktop.takeAddresses(),
            (std::vector<Text>{maker::kSiteAddress, maker::kChatGroupAddress}));
  EXPECT_THROW(desktop.chooseMenu("程序菜单"), ActionError);
  desktop.chooseMenu("退出程序");
  EXPECT_TRUE(desktop.ended());
  EXPECT_EQ(desktop.cleanupRuns(), 1);
}

TEST_F(Desktop, EnterDoesNothingAndClosingTheLastWindowEnds) {
  desktop.pressEnter();
  EXPECT_EQ(desktop.mainState(), MainState::visible);
  desktop.close(WindowId::MainWindow);
  EXPECT_TRUE(desktop.ended());
  EXPECT_EQ(desktop.cleanupRuns(), 1);
}

}  // namespace
}  // namespace tagwright::headless
