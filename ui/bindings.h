// The one binding table: which handler runs for which event of which control
// or menu item. Nothing else in the program wires events to handlers.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "ui/handlers.h"
#include "ui/layout.h"

namespace tagwright {

// A handler as the table calls it: the row of the control that raised the
// event, and the binding's box (the box a copy button copies, else none).
using ControlHandler = void (*)(HandlerContext& context, const ControlDef& control, Role box);

struct ControlBinding {
  std::string_view control;  // role name, or control name where the control has no role
  ControlEvent event;
  ControlHandler handler;
  Role box;
};

using MenuHandler = void (*)(HandlerContext& context, MenuCommand command);

struct MenuBinding {
  MenuCommand command;
  MenuHandler handler;
};

// The binding of `event` of `control`; nullptr when the event is not bound.
const ControlBinding* findControlBinding(const ControlDef& control, ControlEvent event);
// The handler of a menu command; nullptr for items without an action.
const MenuBinding* findMenuBinding(MenuCommand command);

// Everything wrong between the tables and `window`: a bound control missing
// from the layout or raising another event, a control whose event nothing
// handles, a snippet or option rule that does not exist, a menu command
// without handler. Empty when the bindings fit.
std::vector<std::string> checkBindings(const WindowDef& window);

struct ControlBindingRange {
  const ControlBinding* first;
  const ControlBinding* last;
  const ControlBinding* begin() const { return first; }
  const ControlBinding* end() const { return last; }
};
ControlBindingRange allControlBindings();

}  // namespace tagwright
