#include "ui/program.h"

#include <stdexcept>
#include <string>

#include "ui/bindings.h"
#include "ui/handlers.h"

namespace tagwright {

// The binding table is checked against the layout before anything runs: a
// control that is bound but missing, or an event nothing handles, stops the
// start instead of being silently ignored later.
Program::Program(WindowServices& services) : services_(services) {
  const std::vector<std::string> problems = checkBindings(mainWindowLayout());
  if (!problems.empty()) {
    std::string message = "the bindings do not fit the layout:";
    for (const std::string& problem : problems) message += "\n" + problem;
    throw std::logic_error(message);
  }
}

void Program::onCreated() {
  HandlerContext context{services_, options_};
  onMainWindowCreated(context);
}

void Program::onControlEvent(const ControlDef& control, ControlEvent event) {
  const ControlBinding* binding = findControlBinding(control, event);
  if (binding == nullptr) return;
  HandlerContext context{services_, options_};
  binding->handler(context, control, binding->box);
}

// Every tray action pops up the same menu; which one raised it does not matter.
void Program::onTrayEvent(int) {
  HandlerContext context{services_, options_};
  popupTrayMenu(context);
}

void Program::onMenuCommand(MenuCommand command) {
  const MenuBinding* binding = findMenuBinding(command);
  if (binding == nullptr) return;
  HandlerContext context{services_, options_};
  binding->handler(context, command);
}

void Program::exitCleanup() {
  if (cleanedUp_) return;
  cleanedUp_ = true;
  options_ = TagOptions{};
}

}  // namespace tagwright
