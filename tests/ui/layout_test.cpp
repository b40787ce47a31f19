// The layout tables of MainWindow, its menu bar and CopyrightWindow: the
// structure the backends rely on (unique names, real containers, every control
// inside its container), the event and role assignments the handlers rely on,
// and the cross-links to the snippet catalogue and the menu addresses.
#include "ui/layout.h"

#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "snippets/catalogue.h"
#include "ui/maker.h"
#include "ui/roles.h"

namespace tagwright {
namespace {

const std::vector<Role>& allRoles() {
  static const std::vector<Role> roles = {
#define TAGWRIGHT_ROLE_ITEM(name) Role::name,
      TAGWRIGHT_ROLES(TAGWRIGHT_ROLE_ITEM)
#undef TAGWRIGHT_ROLE_ITEM
  };
  return roles;
}

// The name handlers and the driver address a control by: its control name,
// else its role name.
std::string keyOf(const ControlDef& c) {
  return c.name ? std::string(c.name) : std::string(roleName(c.role));
}

const ControlDef* findByName(const WindowDef& w, std::string_view name) {
  for (std::size_t i = 0; i < w.controlCount; ++i) {
    const ControlDef& c = w.controls[i];
    if ((c.name && name == c.name) || (c.role != Role::none && roleName(c.role) == name)) return &c;
  }
  return nullptr;
}

const ControlDef& control(std::string_view name) {
  const ControlDef* c = findByName(mainWindowLayout(), name);
  if (!c) throw std::runtime_error("no control " + std::string(name));
  return *c;
}

bool hasFlag(const ControlDef& c, unsigned flag) {
  return (c.flags & flag) != 0;
}

std::string snippetRadioName(int number) {
  return "单选框" + std::to_string(number);
}

// 单选框1 to 单选框7 and 单选框13 to 单选框87.
std::vector<std::string> snippetRadioNames() {
  std::vector<std::string> names;
  for (int n = 1; n <= 87; ++n) {
    if (n < 8 || n > 12) names.push_back(snippetRadioName(n));
  }
  return names;
}

class BothWindows : public ::testing::TestWithParam<const WindowDef* (*)()> {
 protected:
  const WindowDef& window() const { return *GetParam()(); }
};

TEST_P(BothWindows, NamesAreUniqueAndEveryControlIsNamed) {
  const WindowDef& w = window();
  std::set<std::string> seen;
  for (std::size_t i = 0; i < w.controlCount; ++i) {
    const ControlDef& c = w.controls[i];
    ASSERT_TRUE(c.name || c.role != Role::none) << "row " << i;
    if (c.name) {
      EXPECT_TRUE(seen.insert(c.name).second) << "duplicate control name " << c.name;
    }
    if (c.role != Role::none) {
      EXPECT_TRUE(seen.insert(std::string(roleName(c.role))).second)
          << "duplicate role " << roleName(c.role);
    }
  }
}

TEST_P(BothWindows, ContainersComeFirstAndHoldTheirChildren) {
  const WindowDef& w = window();
  std::map<std::string, const ControlDef*> built;  // containers built so far
  for (std::size_t i = 0; i < w.controlCount; ++i) {
    const ControlDef& c = w.controls[i];
    const std::string key = keyOf(c);
    EXPECT_GE(c.x, 0) << key;
    EXPECT_GE(c.y, 0) << key;
    EXPECT_GT(c.width, 0) << key;
    EXPECT_GT(c.height, 0) << key;
    if (!c.container) {
      EXPECT_EQ(c.page, -1) << key;
      EXPECT_LE(c.x + c.width, w.width) << key;
      EXPECT_LE(c.y + c.height, w.height) << key;
    } else {
      auto found = built.find(c.container);
      ASSERT_NE(found, built.end()) << key << " in " << c.container << ", not built before it";
      const ControlDef& box = *found->second;
      ASSERT_TRUE(box.kind == ControlKind::groupBox || box.kind == ControlKind::tabControl)
          << key << " in " << c.container;
      if (box.kind == ControlKind::tabControl) {
        EXPECT_GE(c.page, 0) << key;
        EXPECT_LT(c.page, static_cast<int>(box.itemCount)) << key;
        // Page contents start below the row of tabs.
        EXPECT_GE(c.y, 24) << key;
      } else {
        EXPECT_EQ(c.page, box.page) << key << " is not on its group box's page";
      }
      EXPECT_LE(c.x + c.width, box.width) << key << " sticks out of " << c.container;
      EXPECT_LE(c.y + c.height, box.height) << key << " sticks out of " << c.container;
    }
    if ((c.kind == ControlKind::groupBox || c.kind == ControlKind::tabControl) && c.name) {
      built[c.name] = &c;
    }
  }
}

TEST_P(BothWindows, ListsHaveItemsAndOtherControlsNone) {
  const WindowDef& w = window();
  for (std::size_t i = 0; i < w.controlCount; ++i) {
    const ControlDef& c = w.controls[i];
    const bool hasItems = c.kind == ControlKind::comboBox || c.kind == ControlKind::tabControl;
    EXPECT_EQ(c.itemCount > 0, hasItems) << keyOf(c);
    EXPECT_EQ(c.items != nullptr, hasItems) << keyOf(c);
    ASSERT_NE(c.text, nullptr) << keyOf(c);
    for (std::size_t k = 0; k < c.itemCount; ++k) ASSERT_NE(c.items[k], nullptr) << keyOf(c);
    const bool opens = c.kind == ControlKind::hyperlink || c.kind == ControlKind::webView;
    EXPECT_EQ(c.address != nullptr, opens) << keyOf(c);
  }
}

INSTANTIATE_TEST_SUITE_P(Layout, BothWindows,
                         ::testing::Values(
                             +[] { return &mainWindowLayout(); },
                             +[] { return &copyrightWindowLayout(); }));

TEST(RoleNames, RoundTripForEveryRole) {
  for (Role role : allRoles()) {
    const std::string_view name = roleName(role);
    EXPECT_FALSE(name.empty());
    EXPECT_EQ(roleFromName(name), role) << name;
  }
  EXPECT_EQ(roleName(Role::arcRowEdit), "arcRowEdit");
  EXPECT_EQ(roleName(Role::sqlCopyButton), "sqlCopyButton");
  EXPECT_EQ(roleName(Role::none), "");
  // Not role names: empty, a prefix, a different case, a control name.
  for (std::string_view name : {"", "arcRow", "arcRowEdit ", "ArcRowEdit", "单选框8"}) {
    EXPECT_EQ(roleFromName(name), Role::none) << name;
  }
}

TEST(MainWindowLayout, EveryRoleOnceAndNoneOnCopyrightWindow) {
  std::map<Role, int> count;
  const WindowDef& w = mainWindowLayout();
  for (std::size_t i = 0; i < w.controlCount; ++i) ++count[w.controls[i].role];
  for (Role role : allRoles()) EXPECT_EQ(count[role], 1) << roleName(role);
  const WindowDef& cw = copyrightWindowLayout();
  for (std::size_t i = 0; i < cw.controlCount; ++i) EXPECT_EQ(cw.controls[i].role, Role::none);
}

TEST(MainWindowLayout, WindowAndTabControl) {
  const WindowDef& w = mainWindowLayout();
  EXPECT_EQ(w.id, WindowId::MainWindow);
  EXPECT_STREQ(w.name, "MainWindow");
  // "Tagwright v1.0   仿站QQ " in GBK, then the contact number.
  EXPECT_EQ(std::string(w.title),
            std::string("Tagwright v1.0   \xB7\xC2\xD5\xBEQQ ") + maker::kContactNumber);
  EXPECT_EQ(w.width, 620);
  EXPECT_EQ(w.height, 599);
  EXPECT_EQ(w.flags, unsigned{windowMinimizeBox | windowTaskbarButton});

  ASSERT_GT(w.controlCount, 0u);
  const ControlDef& tab = w.controls[0];
  EXPECT_EQ(tab.kind, ControlKind::tabControl);
  EXPECT_STREQ(tab.name, "选择夹1");
  EXPECT_EQ(tab.container, nullptr);
  EXPECT_EQ(tab.page, -1);
  EXPECT_EQ(tab.x + tab.y, 0);
  EXPECT_EQ(tab.width, 616);
  EXPECT_EQ(tab.height, 552);
  const std::vector<std::string> pages(tab.items, tab.items + tab.itemCount);
  EXPECT_EQ(pages, (std::vector<std::string>{"首页标签", "列表标签", "内容标签", "幻灯片",
                                             "自定义字段", "SQL调用整理", "联系作者"}));
  for (std::size_t i = 1; i < w.controlCount; ++i) {
    EXPECT_NE(w.controls[i].kind, ControlKind::tabControl) << keyOf(w.controls[i]);
    EXPECT_NE(w.controls[i].container, nullptr) << keyOf(w.controls[i]) << " is not on a page";
  }
}

TEST(MainWindowLayout, EventsAsTheHandlersExpect) {
  const std::set<std::string> optionFields = {
      "navTypeidEdit", "navRowEdit",     "arcTypeidEdit",    "arcTitleLenEdit",
      "arcRowEdit",    "arcInfoLenEdit", "arcImgHeightEdit", "arcImgWidthEdit",
      "arcColEdit",    "arcSubdayEdit",  "arcKeywordEdit"};
  const std::vector<std::string> radios = snippetRadioNames();
  const std::set<std::string> snippetRadios(radios.begin(), radios.end());
  ASSERT_EQ(snippetRadios.size(), 82u);

  std::set<std::string> textChanged, clicked;
  const WindowDef& w = mainWindowLayout();
  for (std::size_t i = 0; i < w.controlCount; ++i) {
    const ControlDef& c = w.controls[i];
    const std::string key = keyOf(c);
    switch (c.kind) {
      case ControlKind::comboBox:
        EXPECT_EQ(c.event, ControlEvent::itemSelected) << key;
        break;
      case ControlKind::pushButton:
        EXPECT_EQ(c.event, ControlEvent::click) << key;
        break;
      case ControlKind::edit:
        EXPECT_TRUE(c.event == ControlEvent::none || c.event == ControlEvent::textChanged) << key;
        break;
      case ControlKind::radioButton:
        EXPECT_TRUE(c.event == ControlEvent::none || c.event == ControlEvent::click) << key;
        break;
      default:
        EXPECT_EQ(c.event, ControlEvent::none) << key;
    }
    if (c.event == ControlEvent::textChanged) textChanged.insert(key);
    if (c.kind == ControlKind::radioButton && c.event == ControlEvent::click) clicked.insert(key);
  }
  EXPECT_EQ(textChanged, optionFields);
  EXPECT_EQ(clicked, snippetRadios);
}

TEST(MainWindowLayout, LayoutRadiosShareOneGroupWithTheFirstChecked) {
  const char* const layoutRadios[] = {"arcStyleTypelinkRadio", "arcStyleTitleRadio",
                                      "arcStyleImageRadio", "arcStyleImageInfoRadio",
                                      "arcStyleInfoRadio"};
  const char* const controlNames[] = {"单选框8", "单选框9", "单选框11", "单选框10", "单选框12"};
  for (std::size_t i = 0; i < 5; ++i) {
    const ControlDef& c = control(layoutRadios[i]);
    EXPECT_STREQ(c.name, controlNames[i]);
    EXPECT_EQ(c.kind, ControlKind::radioButton);
    EXPECT_STREQ(c.container, "分组框3");
    EXPECT_EQ(c.event, ControlEvent::none);
    EXPECT_TRUE(hasFlag(c, flagNoCaption)) << layoutRadios[i];
    EXPECT_EQ(hasFlag(c, flagChecked), i == 0) << layoutRadios[i];
  }
  // No other radio button starts checked.
  const WindowDef& w = mainWindowLayout();
  int checked = 0;
  for (std::size_t i = 0; i < w.controlCount; ++i) {
    checked += hasFlag(w.controls[i], flagChecked) ? 1 : 0;
  }
  EXPECT_EQ(checked, 1);
}

TEST(MainWindowLayout, DropDownListsItemsAndStartTexts) {
  struct Case {
    const char* role;
    std::size_t items;
    const char* firstItem;
    const char* startText;
  };
  const Case cases[] = {
      {"navTypeCombo", 3, "顶级栏目", "顶级栏目"},
      {"arcFlagCombo", 5, "无属性", "无属性"},
      {"arcChannelCombo", 4, "全部", "全部"},
      {"arcOrderCombo", 5, "发布时间", "发布时间"},
      {"arcDateStyleCombo", 9, "无属性", "无属性"},
      // The start text differs from item 0 on purpose.
      {"customOrderCombo", 3, "\xC8\xD5\xC6\xDA\xC5\xC5\xC1\xD0",
       "\xC8\xD5\xC6\xDA\xC5\xC5\xD0\xF2"},
  };
  int lists = 0;
  const WindowDef& w = mainWindowLayout();
  for (std::size_t i = 0; i < w.controlCount; ++i) {
    lists += w.controls[i].kind == ControlKind::comboBox ? 1 : 0;
  }
  EXPECT_EQ(lists, 6);
  for (const Case& k : cases) {
    const ControlDef& c = control(k.role);
    EXPECT_EQ(c.kind, ControlKind::comboBox) << k.role;
    ASSERT_EQ(c.itemCount, k.items) << k.role;
    EXPECT_STREQ(c.items[0], k.firstItem) << k.role;
    EXPECT_STREQ(c.text, k.startText) << k.role;
    std::set<std::string> distinct(c.items, c.items + c.itemCount);
    EXPECT_EQ(distinct.size(), c.itemCount) << k.role;
  }
  EXPECT_STREQ(control("arcDateStyleCombo").items[8], "Mar 30, 2011");
}

TEST(MainWindowLayout, SnippetRadiosMatchTheCatalogue) {
  // The box each snippet writes into must stand on the radio button's own page.
  const std::map<SnippetBox, const char*> boxRoles = {
      {SnippetBox::headFootEdit, "headFootEdit"},
      {SnippetBox::listOutputEdit, "listOutputEdit"},
      {SnippetBox::softFieldEdit, "softFieldEdit"},
      {SnippetBox::shopFieldEdit, "shopFieldEdit"},
      {SnippetBox::contentOutputEdit, "contentOutputEdit"},
      {SnippetBox::sqlOutputEdit, "sqlOutputEdit"},
  };
  for (const std::string& name : snippetRadioNames()) {
    const ControlDef& radio = control(name);
    EXPECT_EQ(radio.kind, ControlKind::radioButton) << name;
    const Snippet* snippet = findSnippet(name);
    ASSERT_NE(snippet, nullptr) << name << " has no snippet";
    EXPECT_EQ(std::string_view(radio.text), snippet->label) << name;
    const ControlDef& box = control(boxRoles.at(snippet->box));
    EXPECT_EQ(box.page, radio.page) << name << " writes into " << boxRoles.at(snippet->box);
  }
  EXPECT_EQ(allSnippets().size(), 82u);
}

TEST(MainWindowLayout, MakerTextsAndKindSettings) {
  EXPECT_EQ(std::string(control("编辑框15").text), std::string("QQ ") + maker::kContactNumber);
  for (const char* name : {"编辑框25", "编辑框37", "编辑框38"}) {
    EXPECT_STREQ(control(name).text, maker::kContactNumber) << name;
  }
  EXPECT_STREQ(control("编辑框39").text, maker::kChatGroupNumber);
  EXPECT_STREQ(control("标签39").text, maker::kCopyrightLine);
  EXPECT_STREQ(control("标签40").text, maker::kChatGroupName);

  const ControlDef& link = control("超级链接框1");
  EXPECT_EQ(link.kind, ControlKind::hyperlink);
  EXPECT_EQ(std::string(link.text),
            std::string("如果您觉得不错的话,点击一下送我一个IP ") + maker::kSiteHost);
  EXPECT_STREQ(link.address, maker::kSiteAddress);
  EXPECT_EQ(link.colour, Colour::blue);
  const ControlDef& web = control("超文本浏览框1");
  EXPECT_EQ(web.kind, ControlKind::webView);
  EXPECT_STREQ(web.address, maker::kBlogAddress);

  struct Coloured {
    const char* name;
    Colour colour;
  };
  for (const Coloured& k : {Coloured{"标签1", Colour::red}, Coloured{"标签23", Colour::red},
                            Coloured{"标签39", Colour::magenta}, Coloured{"标签40", Colour::red}}) {
    EXPECT_EQ(control(k.name).colour, k.colour) << k.name;
  }
  const WindowDef& w = mainWindowLayout();
  int readOnly = 0;
  for (std::size_t i = 0; i < w.controlCount; ++i) {
    const ControlDef& c = w.controls[i];
    if (c.kind != ControlKind::readOnlyEdit) continue;
    ++readOnly;
    EXPECT_EQ(c.colour, Colour::magenta) << keyOf(c);
  }
  EXPECT_EQ(readOnly, 5);

  for (const char* name : {"listRowEdit", "listTitleLenEdit", "listPageSizeEdit"}) {
    EXPECT_TRUE(hasFlag(control(name), flagSunken)) << name;
  }
  const ImageId previews[] = {ImageId::preview1, ImageId::preview2, ImageId::preview3,
                              ImageId::preview4, ImageId::preview5};
  for (int i = 0; i < 5; ++i) {
    const ControlDef& c = control("图片框" + std::to_string(i + 1));
    EXPECT_EQ(c.image, previews[i]);
    EXPECT_EQ(c.flags, unsigned{flagStretched});
  }
  EXPECT_EQ(control("图片框6").image, ImageId::banner);
  EXPECT_EQ(control("图片框6").flags, unsigned{flagNaturalSize});
}

TEST(MainWindowLayout, HideButtonsOnePerPageButTheLast) {
  const char* const hideButtons[] = {"按钮6", "按钮9", "按钮11", "按钮14", "按钮17", "按钮19"};
  for (int page = 0; page < 6; ++page) {
    const ControlDef& c = control(hideButtons[page]);
    EXPECT_EQ(c.kind, ControlKind::pushButton);
    EXPECT_EQ(c.role, Role::none);
    EXPECT_EQ(c.page, page) << hideButtons[page];
    EXPECT_STREQ(c.text, page == 0 ? "隐藏界面" : "隐藏我");
  }
  // Page 联系作者 binds no event at all.
  const WindowDef& w = mainWindowLayout();
  for (std::size_t i = 0; i < w.controlCount; ++i) {
    if (w.controls[i].page == 6) {
      EXPECT_EQ(w.controls[i].event, ControlEvent::none) << keyOf(w.controls[i]);
    }
  }
}

struct MenuCase {
  const char* text;
  MenuRole role;
  std::vector<std::pair<const char*, MenuCommand>> items;  // text nullptr: separator
};

TEST(MainWindowMenus, FiveMenusWithTheirItemsInOrder) {
  const std::string chatGroupItem = std::string("点击加入 QQ群:") + maker::kChatGroupNumber;
  const std::vector<MenuCase> expected = {
      {"程序菜单",
       MenuRole::trayMenu,
       {{"显示", MenuCommand::show}, {"隐藏", MenuCommand::hide}, {"关闭", MenuCommand::close}}},
      {"程序", MenuRole::none, {{"退出程序", MenuCommand::exitProgram}}},
      {"仿站学习",
       MenuRole::none,
       {{"QQ交流群", MenuCommand::none},
        {"学习视频", MenuCommand::none},
        {"VIP培训", MenuCommand::none}}},
      {"帮助中心",
       MenuRole::none,
       {{"版权声明", MenuCommand::copyright},
        {"意见反馈", MenuCommand::feedback},
        {"软件升级", MenuCommand::upgrade},
        {nullptr, MenuCommand::none},
        {"软件官网", MenuCommand::website},
        {"作者博客", MenuCommand::blog}}},
  };
  const WindowDef& w = mainWindowLayout();
  ASSERT_EQ(w.menuCount, 5u);
  for (std::size_t m = 0; m < expected.size(); ++m) {
    const MenuDef& menu = w.menus[m];
    EXPECT_STREQ(menu.text, expected[m].text);
    EXPECT_EQ(menu.role, expected[m].role) << expected[m].text;
    ASSERT_EQ(menu.itemCount, expected[m].items.size()) << expected[m].text;
    for (std::size_t i = 0; i < menu.itemCount; ++i) {
      const auto& [text, command] = expected[m].items[i];
      if (text) {
        EXPECT_STREQ(menu.items[i].text, text);
      } else {
        EXPECT_EQ(menu.items[i].text, nullptr);
      }
      EXPECT_EQ(menu.items[i].command, command) << expected[m].text << " item " << i;
    }
  }
  const MenuDef& chat = w.menus[4];
  EXPECT_EQ(std::string(chat.text),
            std::string(maker::kChatGroupName) + "." + maker::kChatGroupNumber);
  EXPECT_EQ(chat.role, MenuRole::none);
  ASSERT_EQ(chat.itemCount, 1u);
  EXPECT_EQ(chat.items[0].text, chatGroupItem);
  EXPECT_EQ(chat.items[0].command, MenuCommand::chatGroup);
}

TEST(MainWindowMenus, AddressesOfTheMenuCommands) {
  const MenuCommand opening[] = {MenuCommand::feedback, MenuCommand::upgrade, MenuCommand::website,
                                 MenuCommand::blog, MenuCommand::chatGroup};
  std::set<std::string> addresses;
  for (MenuCommand command : opening) {
    const char* address = menuAddress(command);
    ASSERT_NE(address, nullptr);
    EXPECT_EQ(std::strncmp(address, "http://", 7), 0) << address;
    addresses.insert(address);
  }
  EXPECT_EQ(addresses.size(), 5u);
  for (MenuCommand command :
       {MenuCommand::none, MenuCommand::show, MenuCommand::hide, MenuCommand::close,
        MenuCommand::exitProgram, MenuCommand::copyright}) {
    EXPECT_EQ(menuAddress(command), nullptr);
  }
  // The blog is the page the web view shows; the web site is the hyperlink's.
  EXPECT_STREQ(menuAddress(MenuCommand::blog), control("超文本浏览框1").address);
  EXPECT_STREQ(menuAddress(MenuCommand::website), control("超级链接框1").address);
}

TEST(CopyrightWindowLayout, TitleSizeAndTwoLabels) {
  const WindowDef& w = copyrightWindowLayout();
  EXPECT_EQ(w.id, WindowId::CopyrightWindow);
  EXPECT_STREQ(w.name, "CopyrightWindow");
  EXPECT_STREQ(w.title, "版权申明");
  EXPECT_EQ(w.width, 415);
  EXPECT_EQ(w.height, 272);
  EXPECT_EQ(w.flags, unsigned{windowTaskbarButton});
  EXPECT_EQ(w.menuCount, 0u);
  EXPECT_EQ(w.menus, nullptr);
  ASSERT_EQ(w.controlCount, 2u);
  const ControlDef& statement = w.controls[0];
  const ControlDef& host = w.controls[1];
  EXPECT_STREQ(statement.name, "标签1");
  EXPECT_STREQ(statement.text, maker::kCopyrightStatement);
  EXPECT_STREQ(host.name, "标签2");
  EXPECT_STREQ(host.text, maker::kSiteHost);
  for (const ControlDef& c : {statement, host}) {
    EXPECT_EQ(c.kind, ControlKind::label);
    EXPECT_EQ(c.colour, Colour::standard);
    EXPECT_EQ(c.event, ControlEvent::none);
  }
}

}  // namespace
}  // namespace tagwright
