// Row builders for the layout tables: one function per kind of control, so a
// table row reads like a row of the layout (name, place, size, start content)
// and the settings that follow from the kind are written once, here.
#pragma once

#include <cstddef>

#include "ui/layout.h"

namespace tagwright::rows {

// Where a control sits: the control name of its container (nullptr: the
// window) and the tab page it belongs to (-1: none).
struct Where {
  const char* container;
  int page;
};

inline constexpr Where kOnWindow{nullptr, -1};

constexpr ControlDef makeRow(ControlKind kind, const char* name, Role role, Where where, int x,
                             int y, int width, int height, const char* text,
                             ControlEvent event = ControlEvent::none,
                             Colour colour = Colour::standard, unsigned flags = flagNone) {
  return ControlDef{kind,  name,          role,   where.container, where.page, x,      y,
                    width, height,        text,   nullptr,         0,          colour, flags,
                    event, ImageId::none, nullptr};
}

template <std::size_t N>
constexpr ControlDef tabControl(const char* name, int x, int y, int width, int height,
                                const char* const (&pages)[N]) {
  ControlDef row =
      makeRow(ControlKind::tabControl, name, Role::none, kOnWindow, x, y, width, height, "");
  row.items = pages;
  row.itemCount = N;
  return row;
}

// caption "" shows the bare frame
constexpr ControlDef groupBox(Where where, const char* name, int x, int y, int width, int height,
                              const char* caption) {
  return makeRow(ControlKind::groupBox, name, Role::none, where, x, y, width, height, caption);
}

constexpr ControlDef label(Where where, const char* name, int x, int y, int width, int height,
                           const char* text, Colour colour = Colour::standard) {
  return makeRow(ControlKind::label, name, Role::none, where, x, y, width, height, text,
                 ControlEvent::none, colour);
}

// A parameter field whose every change rewrites an option fragment.
constexpr ControlDef optionField(Where where, Role role, int x, int y, int width, int height,
                                 const char* text) {
  return makeRow(ControlKind::edit, nullptr, role, where, x, y, width, height, text,
                 ControlEvent::textChanged);
}

// A one-line edit box that is only read when a button is pressed.
constexpr ControlDef edit(Where where, Role role, int x, int y, int width, int height,
                          const char* text, unsigned flags = flagNone) {
  return makeRow(ControlKind::edit, nullptr, role, where, x, y, width, height, text,
                 ControlEvent::none, Colour::standard, flags);
}

constexpr ControlDef outputEdit(Where where, Role role, int x, int y, int width, int height) {
  return makeRow(ControlKind::outputEdit, nullptr, role, where, x, y, width, height, "");
}

constexpr ControlDef readOnlyEdit(Where where, const char* name, int x, int y, int width,
                                  int height, const char* text) {
  return makeRow(ControlKind::readOnlyEdit, name, Role::none, where, x, y, width, height, text,
                 ControlEvent::none, Colour::magenta);
}

// An editable drop-down list; `text` is the start text of its edit part.
template <std::size_t N>
constexpr ControlDef comboBox(Where where, Role role, int x, int y, int width, int height,
                              const char* const (&items)[N], const char* text) {
  ControlDef row = makeRow(ControlKind::comboBox, nullptr, role, where, x, y, width, height, text,
                           ControlEvent::itemSelected);
  row.items = items;
  row.itemCount = N;
  return row;
}

// A radio button that writes its fixed snippet when clicked.
constexpr ControlDef snippetRadio(Where where, const char* name, int x, int y, int width,
                                  int height, const char* caption) {
  return makeRow(ControlKind::radioButton, name, Role::none, where, x, y, width, height, caption,
                 ControlEvent::click);
}

// One of the five article-list layout choices: no caption, no event.
constexpr ControlDef layoutRadio(Where where, const char* name, Role role, int x, int y, int width,
                                 int height, unsigned flags = flagNone) {
  return makeRow(ControlKind::radioButton, name, role, where, x, y, width, height, "",
                 ControlEvent::none, Colour::standard, flags | flagNoCaption);
}

constexpr ControlDef pushButton(Where where, Role role, int x, int y, int width, int height,
                                const char* caption) {
  return makeRow(ControlKind::pushButton, nullptr, role, where, x, y, width, height, caption,
                 ControlEvent::click);
}

// One of hideButtons: a push button known by its control name only.
constexpr ControlDef hideButton(Where where, const char* name, int x, int y, int width, int height,
                                const char* caption) {
  return makeRow(ControlKind::pushButton, name, Role::none, where, x, y, width, height, caption,
                 ControlEvent::click);
}

constexpr ControlDef picture(Where where, const char* name, int x, int y, int width, int height,
                             ImageId image, unsigned flags) {
  ControlDef row = makeRow(ControlKind::picture, name, Role::none, where, x, y, width, height, "",
                           ControlEvent::none, Colour::standard, flags);
  row.image = image;
  return row;
}

constexpr ControlDef hyperlink(Where where, const char* name, int x, int y, int width, int height,
                               const char* caption, const char* address) {
  ControlDef row = makeRow(ControlKind::hyperlink, name, Role::none, where, x, y, width, height,
                           caption, ControlEvent::none, Colour::blue);
  row.address = address;
  return row;
}

constexpr ControlDef webView(Where where, const char* name, int x, int y, int width, int height,
                             const char* address) {
  ControlDef row = makeRow(ControlKind::webView, name, Role::none, where, x, y, width, height, "");
  row.address = address;
  return row;
}

}  // namespace tagwright::rows
