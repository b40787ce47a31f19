// The program's handler bodies, written against WindowServices alone. Each one
// reads controls, rewrites fragments of TagOptions and writes its result back
// through the services; none keeps state of its own.
#pragma once

#include <string_view>

#include "core/tag_options.h"
#include "snippets/catalogue.h"
#include "ui/layout.h"
#include "ui/window_services.h"

namespace tagwright {

// What every handler works on: the desktop and the program-wide fragments.
struct HandlerContext {
  WindowServices& services;
  TagOptions& options;
};

// Option fields and lists: the field's text or the list's pick rewrites the
// fragment that belongs to the control.
void onOptionFieldChanged(HandlerContext& context, Role field);
void onOptionListSelected(HandlerContext& context, Role list);

// Builders: each replaces the whole text of its page's output box.
void buildArclist(HandlerContext& context);
void buildChannel(HandlerContext& context);
void buildList(HandlerContext& context);
void buildCustomFields(HandlerContext& context);
void buildSlideshow(HandlerContext& context);

// Writes the fixed text of snippet radio button `radio` (its control name)
// into the snippet's box.
void showSnippet(HandlerContext& context, std::string_view radio);

// Hands the text of `box` to the clipboard; confirms only when that worked.
void copyBoxToClipboard(HandlerContext& context, Role box);
void clearHomeOutput(HandlerContext& context);
void hideMainWindow(HandlerContext& context);

// The window's own events and the menu items.
void onMainWindowCreated(HandlerContext& context);
void popupTrayMenu(HandlerContext& context);
void showMainWindow(HandlerContext& context);
void endProgram(HandlerContext& context);
void openCopyrightWindow(HandlerContext& context);
void openMenuAddress(HandlerContext& context, MenuCommand command);

// Texts the handlers show or hand to the desktop.
extern const char* const kCopiedMessage;
extern const char* const kTrayTip;

// The role of the box a snippet writes into.
Role snippetBoxRole(SnippetBox box);

}  // namespace tagwright
