// One window of the headless backend: the state of every control, built from
// the window's layout table alone. Building and resetting raise no events.
#pragma once

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "core/text.h"
#include "ui/layout.h"

namespace tagwright::headless {

struct ControlState {
  const ControlDef* def;
  Text text;             // edit text, list edit part, caption
  bool checked = false;  // radio buttons
  int selected = -1;     // list item, or the tab control's page
};

class HeadlessWindow {
 public:
  explicit HeadlessWindow(const WindowDef& def);

  const WindowDef& def() const { return *def_; }

  // Puts every control back to its start content.
  void reset();

  // By role name or control name; nullptr when the window has no such control.
  ControlState* find(std::string_view name);
  const ControlState* find(std::string_view name) const;
  ControlState* find(Role role);

  // The tab page the control lies on (through its containers), -1 for none.
  int pageOf(const ControlState& control) const;
  // The window's tab control; nullptr when it has none.
  ControlState* tabControl();

  // Checks `radio` and unchecks every other radio button of its container.
  void check(ControlState& radio);

 private:
  const WindowDef* def_;
  std::vector<ControlState> controls_;  // fixed size: references stay valid
  std::unordered_map<std::string, std::size_t> byName_;
};

}  // namespace tagwright::headless
