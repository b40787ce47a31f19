#include "ui/handlers.h"

#include "core/builders.h"
#include "core/option_rules.h"

namespace tagwright {

const char* const kCopiedMessage = "复制成功";
const char* const kTrayTip = "Tagwright";

void onOptionFieldChanged(HandlerContext& context, Role field) {
  const FieldRule* rule = findFieldRule(roleName(field));
  if (rule == nullptr) return;
  context.options.*(rule->fragment) = fieldFragment(*rule, context.services.readText(field));
}

void onOptionListSelected(HandlerContext& context, Role list) {
  const ListRule* rule = findListRule(roleName(list));
  if (rule == nullptr) return;
  applyListRule(*rule, context.services.selectedIndex(list), context.options);
}

namespace {

struct LayoutChoice {
  Role radio;
  ArcLayout layout;
};

// The five layout radio buttons, checked one after the other in this order.
constexpr LayoutChoice kLayoutChoices[] = {
    {Role::arcStyleTypelinkRadio, ArcLayout::typelink},
    {Role::arcStyleTitleRadio, ArcLayout::title},
    {Role::arcStyleImageRadio, ArcLayout::image},
    {Role::arcStyleImageInfoRadio, ArcLayout::imageInfo},
    {Role::arcStyleInfoRadio, ArcLayout::info},
};

// Layout 4 needs a summary length: an empty field is filled in after a notice.
// Writing the field runs its own text-changed handler first; the fragment is
// then set explicitly.
void autoFillSummaryLength(HandlerContext& context) {
  if (!context.services.readText(Role::arcInfoLenEdit).empty()) return;
  context.services.showMessage(kAutoFillNotice);
  context.services.writeText(Role::arcInfoLenEdit, kAutoFillFieldText);
  context.options.arcInfolen = kAutoFillFragment;
}

}  // namespace

void buildArclist(HandlerContext& context) {
  for (const LayoutChoice& choice : kLayoutChoices) {
    if (!context.services.isChecked(choice.radio)) continue;
    if (choice.layout == ArcLayout::imageInfo) autoFillSummaryLength(context);
    context.services.writeText(Role::homeOutputEdit,
                               buildArclistBlock(context.options, choice.layout));
  }
}

void buildChannel(HandlerContext& context) {
  context.services.writeText(Role::homeOutputEdit, buildChannelBlock(context.options));
}

void buildList(HandlerContext& context) {
  WindowServices& services = context.services;
  services.writeText(Role::listOutputEdit, buildListTag(services.readText(Role::listRowEdit),
                                                        services.readText(Role::listTitleLenEdit),
                                                        services.readText(Role::listPageSizeEdit)));
}

void buildCustomFields(HandlerContext& context) {
  WindowServices& services = context.services;
  CustomFieldTexts texts;
  texts.row = services.readText(Role::customRowEdit);
  texts.channel = services.readText(Role::customChannelEdit);
  texts.orderby = context.options.customOrderby;
  texts.typeId = services.readText(Role::customTypeidEdit);
  constexpr Role kFields[] = {Role::customFieldEdit1, Role::customFieldEdit2,
                              Role::customFieldEdit3, Role::customFieldEdit4,
                              Role::customFieldEdit5};
  for (std::size_t i = 0; i < texts.fields.size(); ++i) {
    texts.fields[i] = services.readText(kFields[i]);
  }
  services.writeText(Role::customOutputEdit, buildCustomFieldBlock(texts));
}

void buildSlideshow(HandlerContext& context) {
  WindowServices& services = context.services;
  services.writeText(Role::slideOutputEdit,
                     buildSlideshowScript(services.readText(Role::slideWidthEdit),
                                          services.readText(Role::slideHeightEdit),
                                          services.readText(Role::slideCountEdit)));
}

Role snippetBoxRole(SnippetBox box) {
  switch (box) {
    case SnippetBox::headFootEdit:
      return Role::headFootEdit;
    case SnippetBox::listOutputEdit:
      return Role::listOutputEdit;
    case SnippetBox::softFieldEdit:
      return Role::softFieldEdit;
    case SnippetBox::shopFieldEdit:
      return Role::shopFieldEdit;
    case SnippetBox::contentOutputEdit:
      return Role::contentOutputEdit;
    case SnippetBox::sqlOutputEdit:
      return Role::sqlOutputEdit;
  }
  return Role::none;
}

void showSnippet(HandlerContext& context, std::string_view radio) {
  const Snippet* snippet = findSnippet(radio);
  if (snippet == nullptr) return;
  context.services.writeText(snippetBoxRole(snippet->box), Text(snippet->text));
}

void copyBoxToClipboard(HandlerContext& context, Role box) {
  if (context.services.copyToClipboard(context.services.readText(box))) {
    context.services.showMessage(kCopiedMessage);
  }
}

void clearHomeOutput(HandlerContext& context) {
  context.services.writeText(Role::homeOutputEdit, Text());
}

void hideMainWindow(HandlerContext& context) {
  context.services.setWindowVisible(WindowId::MainWindow, false);
}

void onMainWindowCreated(HandlerContext& context) {
  resetOptions(context.options);
  context.services.showTrayIcon(WindowId::MainWindow, IconId::program, kTrayTip);
  context.services.setMenuVisible(MenuRole::trayMenu, false);
}

void popupTrayMenu(HandlerContext& context) {
  context.services.popupMenu(WindowId::MainWindow, MenuRole::trayMenu);
}

void showMainWindow(HandlerContext& context) {
  context.services.setWindowVisible(WindowId::MainWindow, true);
}

void endProgram(HandlerContext& context) {
  context.services.endProgram();
}

void openCopyrightWindow(HandlerContext& context) {
  context.services.openWindow(WindowId::CopyrightWindow);
}

void openMenuAddress(HandlerContext& context, MenuCommand command) {
  const char* address = menuAddress(command);
  if (address != nullptr) context.services.openAddress(address);
}

}  // namespace tagwright
