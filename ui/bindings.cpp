#include "ui/bindings.h"

#include <iterator>

#include "core/option_rules.h"

namespace tagwright {

namespace {

// Adaptors from the table's calling convention to the handler bodies.
void optionField(HandlerContext& c, const ControlDef& control, Role) {
  onOptionFieldChanged(c, control.role);
}
void optionList(HandlerContext& c, const ControlDef& control, Role) {
  onOptionListSelected(c, control.role);
}
void arclist(HandlerContext& c, const ControlDef&, Role) {
  buildArclist(c);
}
void channel(HandlerContext& c, const ControlDef&, Role) {
  buildChannel(c);
}
void listTag(HandlerContext& c, const ControlDef&, Role) {
  buildList(c);
}
void customFields(HandlerContext& c, const ControlDef&, Role) {
  buildCustomFields(c);
}
void slideshow(HandlerContext& c, const ControlDef&, Role) {
  buildSlideshow(c);
}
void snippet(HandlerContext& c, const ControlDef& control, Role) {
  showSnippet(c, control.name != nullptr ? control.name : "");
}
void copy(HandlerContext& c, const ControlDef&, Role box) {
  copyBoxToClipboard(c, box);
}
void clear(HandlerContext& c, const ControlDef&, Role) {
  clearHomeOutput(c);
}
void hide(HandlerContext& c, const ControlDef&, Role) {
  hideMainWindow(c);
}

constexpr ControlEvent kText = ControlEvent::textChanged;
constexpr ControlEvent kPick = ControlEvent::itemSelected;
constexpr ControlEvent kClick = ControlEvent::click;
constexpr Role kNoBox = Role::none;

constexpr ControlBinding kControlBindings[] = {
    // Parameter fields and lists of the option fragments.
    {"navTypeidEdit", kText, optionField, kNoBox},
    {"navRowEdit", kText, optionField, kNoBox},
    {"arcTypeidEdit", kText, optionField, kNoBox},
    {"arcRowEdit", kText, optionField, kNoBox},
    {"arcTitleLenEdit", kText, optionField, kNoBox},
    {"arcInfoLenEdit", kText, optionField, kNoBox},
    {"arcImgWidthEdit", kText, optionField, kNoBox},
    {"arcImgHeightEdit", kText, optionField, kNoBox},
    {"arcColEdit", kText, optionField, kNoBox},
    {"arcSubdayEdit", kText, optionField, kNoBox},
    {"arcKeywordEdit", kText, optionField, kNoBox},
    {"navTypeCombo", kPick, optionList, kNoBox},
    {"arcFlagCombo", kPick, optionList, kNoBox},
    {"arcChannelCombo", kPick, optionList, kNoBox},
    {"arcOrderCombo", kPick, optionList, kNoBox},
    {"arcDateStyleCombo", kPick, optionList, kNoBox},
    {"customOrderCombo", kPick, optionList, kNoBox},
    // Builders.
    {"arcBuildButton", kClick, arclist, kNoBox},
    {"navBuildButton", kClick, channel, kNoBox},
    {"listBuildButton", kClick, listTag, kNoBox},
    {"customBuildButton", kClick, customFields, kNoBox},
    {"slideBuildButton", kClick, slideshow, kNoBox},
    // Copy buttons and the box each one copies.
    {"headFootCopyButton", kClick, copy, Role::headFootEdit},
    {"homeCopyButton", kClick, copy, Role::homeOutputEdit},
    {"listCopyButton", kClick, copy, Role::listOutputEdit},
    {"contentCopyButton", kClick, copy, Role::contentOutputEdit},
    {"slideCopyButton", kClick, copy, Role::slideOutputEdit},
    {"customCopyButton", kClick, copy, Role::customOutputEdit},
    {"sqlCopyButton", kClick, copy, Role::sqlOutputEdit},
    // Clear and the hide buttons of pages 1 to 6.
    {"homeClearButton", kClick, clear, kNoBox},
    {"按钮6", kClick, hide, kNoBox},
    {"按钮9", kClick, hide, kNoBox},
    {"按钮11", kClick, hide, kNoBox},
    {"按钮14", kClick, hide, kNoBox},
    {"按钮17", kClick, hide, kNoBox},
    {"按钮19", kClick, hide, kNoBox},
    // Snippet radio buttons (the five layout buttons 单选框8 to 单选框12 have none).
    {"单选框1", kClick, snippet, kNoBox},
    {"单选框2", kClick, snippet, kNoBox},
    {"单选框3", kClick, snippet, kNoBox},
    {"单选框4", kClick, snippet, kNoBox},
    {"单选框5", kClick, snippet, kNoBox},
    {"单选框6", kClick, snippet, kNoBox},
    {"单选框7", kClick, snippet, kNoBox},
    {"单选框13", kClick, snippet, kNoBox},
    {"单选框14", kClick, snippet, kNoBox},
    {"单选框15", kClick, snippet, kNoBox},
    {"单选框16", kClick, snippet, kNoBox},
    {"单选框17", kClick, snippet, kNoBox},
    {"单选框18", kClick, snippet, kNoBox},
    {"单选框19", kClick, snippet, kNoBox},
    {"单选框20", kClick, snippet, kNoBox},
    {"单选框21", kClick, snippet, kNoBox},
    {"单选框22", kClick, snippet, kNoBox},
    {"单选框23", kClick, snippet, kNoBox},
    {"单选框24", kClick, snippet, kNoBox},
    {"单选框25", kClick, snippet, kNoBox},
    {"单选框26", kClick, snippet, kNoBox},
    {"单选框27", kClick, snippet, kNoBox},
    {"单选框28", kClick, snippet, kNoBox},
    {"单选框29", kClick, snippet, kNoBox},
    {"单选框30", kClick, snippet, kNoBox},
    {"单选框31", kClick, snippet, kNoBox},
    {"单选框32", kClick, snippet, kNoBox},
    {"单选框33", kClick, snippet, kNoBox},
    {"单选框34", kClick, snippet, kNoBox},
    {"单选框35", kClick, snippet, kNoBox},
    {"单选框36", kClick, snippet, kNoBox},
    {"单选框37", kClick, snippet, kNoBox},
    {"单选框38", kClick, snippet, kNoBox},
    {"单选框39", kClick, snippet, kNoBox},
    {"单选框40", kClick, snippet, kNoBox},
    {"单选框41", kClick, snippet, kNoBox},
    {"单选框42", kClick, snippet, kNoBox},
    {"单选框43", kClick, snippet, kNoBox},
    {"单选框44", kClick, snippet, kNoBox},
    {"单选框45", kClick, snippet, kNoBox},
    {"单选框46", kClick, snippet, kNoBox},
    {"单选框47", kClick, snippet, kNoBox},
    {"单选框48", kClick, snippet, kNoBox},
    {"单选框49", kClick, snippet, kNoBox},
    {"单选框50", kClick, snippet, kNoBox},
    {"单选框51", kClick, snippet, kNoBox},
    {"单选框52", kClick, snippet, kNoBox},
    {"单选框53", kClick, snippet, kNoBox},
    {"单选框54", kClick, snippet, kNoBox},
    {"单选框55", kClick, snippet, kNoBox},
    {"单选框56", kClick, snippet, kNoBox},
    {"单选框57", kClick, snippet, kNoBox},
    {"单选框58", kClick, snippet, kNoBox},
    {"单选框59", kClick, snippet, kNoBox},
    {"单选框60", kClick, snippet, kNoBox},
    {"单选框61", kClick, snippet, kNoBox},
    {"单选框62", kClick, snippet, kNoBox},
    {"单选框63", kClick, snippet, kNoBox},
    {"单选框64", kClick, snippet, kNoBox},
    {"单选框65", kClick, snippet, kNoBox},
    {"单选框66", kClick, snippet, kNoBox},
    {"单选框67", kClick, snippet, kNoBox},
    {"单选框68", kClick, snippet, kNoBox},
    {"单选框69", kClick, snippet, kNoBox},
    {"单选框70", kClick, snippet, kNoBox},
    {"单选框71", kClick, snippet, kNoBox},
    {"单选框72", kClick, snippet, kNoBox},
    {"单选框73", kClick, snippet, kNoBox},
    {"单选框74", kClick, snippet, kNoBox},
    {"单选框75", kClick, snippet, kNoBox},
    {"单选框76", kClick, snippet, kNoBox},
    {"单选框77", kClick, snippet, kNoBox},
    {"单选框78", kClick, snippet, kNoBox},
    {"单选框79", kClick, snippet, kNoBox},
    {"单选框80", kClick, snippet, kNoBox},
    {"单选框81", kClick, snippet, kNoBox},
    {"单选框82", kClick, snippet, kNoBox},
    {"单选框83", kClick, snippet, kNoBox},
    {"单选框84", kClick, snippet, kNoBox},
    {"单选框85", kClick, snippet, kNoBox},
    {"单选框86", kClick, snippet, kNoBox},
    {"单选框87", kClick, snippet, kNoBox},
};

void showMain(HandlerContext& c, MenuCommand) {
  showMainWindow(c);
}
void hideMain(HandlerContext& c, MenuCommand) {
  hideMainWindow(c);
}
void end(HandlerContext& c, MenuCommand) {
  endProgram(c);
}
void copyright(HandlerContext& c, MenuCommand) {
  openCopyrightWindow(c);
}

constexpr MenuBinding kMenuBindings[] = {
    {MenuCommand::show, showMain},
    {MenuCommand::hide, hideMain},
    {MenuCommand::close, end},
    {MenuCommand::exitProgram, end},
    {MenuCommand::copyright, copyright},
    {MenuCommand::feedback, openMenuAddress},
    {MenuCommand::upgrade, openMenuAddress},
    {MenuCommand::website, openMenuAddress},
    {MenuCommand::blog, openMenuAddress},
    {MenuCommand::chatGroup, openMenuAddress},
};

bool answersTo(const ControlDef& control, std::string_view name) {
  if (control.role != Role::none && roleName(control.role) == name) return true;
  return control.name != nullptr && name == control.name;
}

const ControlDef* findControl(const WindowDef& window, std::string_view name) {
  for (std::size_t i = 0; i < window.controlCount; ++i) {
    if (answersTo(window.controls[i], name)) return &window.controls[i];
  }
  return nullptr;
}

const ControlDef* findControl(const WindowDef& window, Role role) {
  for (std::size_t i = 0; i < window.controlCount; ++i) {
    if (window.controls[i].role == role) return &window.controls[i];
  }
  return nullptr;
}

std::string quoted(std::string_view name) {
  return "'" + std::string(name) + "'";
}

// What a binding needs beyond the control itself: its rule, snippet or box.
void checkTarget(const WindowDef& window, const ControlBinding& binding, const ControlDef& control,
                 std::vector<std::string>& problems) {
  const std::string name = quoted(binding.control);
  if (binding.handler == optionField && findFieldRule(roleName(control.role)) == nullptr) {
    problems.push_back(name + " is bound as an option field but has no field rule");
  }
  if (binding.handler == optionList && findListRule(roleName(control.role)) == nullptr) {
    problems.push_back(name + " is bound as an option list but has no list rule");
  }
  if (binding.handler == snippet) {
    const Snippet* found = control.name != nullptr ? findSnippet(control.name) : nullptr;
    if (found == nullptr) {
      problems.push_back(name + " is bound as a snippet button but has no snippet");
    } else if (findControl(window, snippetBoxRole(found->box)) == nullptr) {
      problems.push_back(name + " writes into a box that is not in the layout");
    }
  }
  if (binding.handler == copy && findControl(window, binding.box) == nullptr) {
    problems.push_back(name + " copies a box that is not in the layout");
  }
}

}  // namespace

const ControlBinding* findControlBinding(const ControlDef& control, ControlEvent event) {
  for (const ControlBinding& binding : kControlBindings) {
    if (binding.event == event && answersTo(control, binding.control)) return &binding;
  }
  return nullptr;
}

const MenuBinding* findMenuBinding(MenuCommand command) {
  for (const MenuBinding& binding : kMenuBindings) {
    if (binding.command == command) return &binding;
  }
  return nullptr;
}

ControlBindingRange allControlBindings() {
  return {std::begin(kControlBindings), std::end(kControlBindings)};
}

std::vector<std::string> checkBindings(const WindowDef& window) {
  std::vector<std::string> problems;
  for (const ControlBinding& binding : kControlBindings) {
    const ControlDef* control = findControl(window, binding.control);
    if (control == nullptr) {
      problems.push_back("bound control " + quoted(binding.control) + " is not in the layout");
      continue;
    }
    if (control->event != binding.event) {
      problems.push_back(quoted(binding.control) + " does not raise the event it is bound to");
    }
    if (findControlBinding(*control, binding.event) != &binding) {
      problems.push_back(quoted(binding.control) + " is bound twice");
    }
    checkTarget(window, binding, *control, problems);
  }
  for (std::size_t i = 0; i < window.controlCount; ++i) {
    const ControlDef& control = window.controls[i];
    if (control.event != ControlEvent::none &&
        findControlBinding(control, control.event) == nullptr) {
      std::string_view name = control.role != Role::none ? roleName(control.role)
                              : control.name != nullptr  ? std::string_view(control.name)
                                                         : std::string_view("(unnamed)");
      problems.push_back(quoted(name) + " raises an event that nothing handles");
    }
  }
  for (std::size_t m = 0; m < window.menuCount; ++m) {
    const MenuDef& menu = window.menus[m];
    for (std::size_t i = 0; i < menu.itemCount; ++i) {
      const MenuItemDef& item = menu.items[i];
      if (item.command != MenuCommand::none && findMenuBinding(item.command) == nullptr) {
        problems.push_back("menu item " + quoted(item.text != nullptr ? item.text : "") +
                           " has no handler");
      }
    }
  }
  return problems;
}

}  // namespace tagwright
