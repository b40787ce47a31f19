// The binding table against the layout: it fits the real window, and the start
// check finds every kind of mismatch in a window that does not fit.
#include "ui/bindings.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "snippets/catalogue.h"

namespace tagwright {
namespace {

bool mentions(const std::vector<std::string>& problems, const std::string& part) {
  for (const std::string& problem : problems) {
    if (problem.find(part) != std::string::npos) return true;
  }
  return false;
}

TEST(BindingTable, FitsTheMainWindowLayout) {
  const std::vector<std::string> problems = checkBindings(mainWindowLayout());
  for (const std::string& problem : problems) ADD_FAILURE() << problem;
}

TEST(BindingTable, EverySnippetRadioIsBoundToItsClick) {
  const WindowDef& window = mainWindowLayout();
  std::size_t bound = 0;
  for (const Snippet& snippet : allSnippets()) {
    for (std::size_t i = 0; i < window.controlCount; ++i) {
      const ControlDef& control = window.controls[i];
      if (control.name == nullptr || snippet.radio != control.name) continue;
      EXPECT_NE(findControlBinding(control, ControlEvent::click), nullptr) << control.name;
      ++bound;
    }
  }
  EXPECT_EQ(bound, 82u);
}

TEST(BindingTable, LayoutRadiosAndOutputBoxesHaveNoHandler) {
  const WindowDef& window = mainWindowLayout();
  for (std::size_t i = 0; i < window.controlCount; ++i) {
    const ControlDef& control = window.controls[i];
    const bool layoutRadio =
        control.role == Role::arcStyleTypelinkRadio || control.role == Role::arcStyleImageInfoRadio;
    if (layoutRadio || control.role == Role::homeOutputEdit) {
      EXPECT_EQ(findControlBinding(control, ControlEvent::click), nullptr);
      EXPECT_EQ(findControlBinding(control, ControlEvent::textChanged), nullptr);
    }
  }
}

// A window that misses bound controls, raises events nobody handles and binds
// a snippet button that the catalogue does not know.
const ControlDef kBrokenControls[] = {
    // arcRowEdit raising a click instead of text changed.
    {ControlKind::edit, nullptr, Role::arcRowEdit, nullptr, -1, 0, 0, 10, 10, "", nullptr, 0,
     Colour::standard, flagNone, ControlEvent::click, ImageId::none, nullptr},
    // A push button nobody handles.
    {ControlKind::pushButton, "按钮99", Role::none, nullptr, -1, 0, 0, 10, 10, "x", nullptr, 0,
     Colour::standard, flagNone, ControlEvent::click, ImageId::none, nullptr},
};
const MenuItemDef kBrokenItems[] = {{"退出程序", MenuCommand::exitProgram}};
const MenuDef kBrokenMenus[] = {{"程序", MenuRole::none, kBrokenItems, 1}};
const WindowDef kBrokenWindow = {
    WindowId::MainWindow, "MainWindow", "t", 100, 100, 0, kBrokenControls, 2, kBrokenMenus, 1};

TEST(BindingTable, StartCheckReportsWhatDoesNotFit) {
  const std::vector<std::string> problems = checkBindings(kBrokenWindow);
  EXPECT_TRUE(mentions(problems, "'arcBuildButton' is not in the layout"));
  EXPECT_TRUE(mentions(problems, "'单选框40' is not in the layout"));
  EXPECT_TRUE(mentions(problems, "'arcRowEdit' does not raise the event it is bound to"));
  EXPECT_TRUE(mentions(problems, "'按钮99' raises an event that nothing handles"));
  EXPECT_FALSE(mentions(problems, "退出程序"));  // the menu command has its handler
}

}  // namespace
}  // namespace tagwright
