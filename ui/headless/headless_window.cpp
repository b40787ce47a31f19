#include "ui/headless/headless_window.h"

namespace tagwright::headless {

namespace {

std::string_view containerOf(const ControlDef& def) {
  return def.container != nullptr ? std::string_view(def.container) : std::string_view();
}

}  // namespace

HeadlessWindow::HeadlessWindow(const WindowDef& def) : def_(&def) {
  controls_.reserve(def.controlCount);
  for (std::size_t i = 0; i < def.controlCount; ++i) {
    const ControlDef& control = def.controls[i];
    controls_.push_back(ControlState{&control, Text(), false, -1});
    if (control.name != nullptr) byName_.emplace(control.name, i);
    if (control.role != Role::none) byName_.emplace(std::string(roleName(control.role)), i);
  }
  reset();
}

void HeadlessWindow::reset() {
  for (ControlState& control : controls_) {
    const ControlDef& def = *control.def;
    control.text = def.text != nullptr ? def.text : "";
    control.checked = def.kind == ControlKind::radioButton && (def.flags & flagChecked) != 0;
    const bool hasItems = def.kind == ControlKind::comboBox || def.kind == ControlKind::tabControl;
    control.selected = hasItems && def.itemCount > 0 ? 0 : -1;
  }
}

ControlState* HeadlessWindow::find(std::string_view name) {
  const auto found = byName_.find(std::string(name));
  return found == byName_.end() ? nullptr : &controls_[found->second];
}

const ControlState* HeadlessWindow::find(std::string_view name) const {
  const auto found = byName_.find(std::string(name));
  return found == byName_.end() ? nullptr : &controls_[found->second];
}

ControlState* HeadlessWindow::find(Role role) {
  if (role == Role::none) return nullptr;
  return find(roleName(role));
}

int HeadlessWindow::pageOf(const ControlState& control) const {
  const ControlDef* def = control.def;
  // The container chain is short; the bound keeps a faulty table from looping.
  for (std::size_t depth = 0; def != nullptr && depth <= controls_.size(); ++depth) {
    if (def->page >= 0) return def->page;
    const std::string_view container = containerOf(*def);
    if (container.empty()) return -1;
    const ControlState* parent = find(container);
    def = parent != nullptr ? parent->def : nullptr;
  }
  return -1;
}

ControlState* HeadlessWindow::tabControl() {
  for (ControlState& control : controls_) {
    if (control.def->kind == ControlKind::tabControl) return &control;
  }
  return nullptr;
}

void HeadlessWindow::check(ControlState& radio) {
  const std::string_view container = containerOf(*radio.def);
  for (ControlState& other : controls_) {
    if (other.def->kind == ControlKind::radioButton && containerOf(*other.def) == container) {
      other.checked = false;
    }
  }
  radio.checked = true;
}

}  // namespace tagwright::headless
