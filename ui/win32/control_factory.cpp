#include "ui/win32/control_factory.h"

#include <commctrl.h>

#include "ui/win32/custom_controls.h"
#include "ui/win32/dpi_scale.h"
#include "ui/win32/text_convert.h"

namespace tagwright::win32 {

namespace {

struct KindStyle {
  ControlKind kind;
  const wchar_t* className;  // nullptr: a custom control
  DWORD style;
  DWORD exStyle;
};

// Common to all: WS_CHILD, and WS_VISIBLE unless the control belongs to a tab
// page that is not selected.
constexpr KindStyle kKindStyles[] = {
    {ControlKind::tabControl, WC_TABCONTROLW, WS_CLIPSIBLINGS | WS_TABSTOP, WS_EX_CONTROLPARENT},
    {ControlKind::groupBox, L"BUTTON", BS_GROUPBOX, WS_EX_CONTROLPARENT},
    {ControlKind::label, L"STATIC", SS_LEFTNOWORDWRAP | SS_CENTERIMAGE | SS_NOPREFIX, 0},
    {ControlKind::edit, L"EDIT", WS_BORDER | WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL, 0},
    {ControlKind::outputEdit, L"EDIT",
     WS_BORDER | WS_TABSTOP | WS_VSCROLL | ES_LEFT | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN,
     0},
    {ControlKind::readOnlyEdit, L"EDIT",
     WS_BORDER | WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL | ES_READONLY, 0},
    {ControlKind::comboBox, L"COMBOBOX", WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWN | CBS_AUTOHSCROLL,
     0},
    {ControlKind::radioButton, L"BUTTON", WS_TABSTOP | BS_AUTORADIOBUTTON | BS_LEFT | BS_VCENTER,
     0},
    {ControlKind::pushButton, L"BUTTON", WS_TABSTOP | BS_PUSHBUTTON | BS_CENTER | BS_VCENTER, 0},
    {ControlKind::picture, nullptr, 0, 0},
    {ControlKind::hyperlink, nullptr, 0, 0},
    {ControlKind::webView, nullptr, 0, 0},
};

const KindStyle& styleOf(ControlKind kind) {
  for (const KindStyle& entry : kKindStyles) {
    if (entry.kind == kind) return entry;
  }
  return kKindStyles[0];  // unreachable: the table lists every kind
}

HWND createCustomControl(const ControlDef& row, const ControlContext& context) {
  switch (row.kind) {
    case ControlKind::picture:
      return createPictureBox(context.parent, context.id, context.rect, row.image,
                              (row.flags & flagStretched) != 0);
    case ControlKind::hyperlink:
      return createHyperlink(context.parent, context.id, context.rect, toWide(row.text),
                             toWide(row.address != nullptr ? row.address : ""),
                             context.openAddress);
    case ControlKind::webView:
      return createWebView(context.parent, context.id, context.rect,
                           toWide(row.address != nullptr ? row.address : ""), context.openAddress);
    default:
      return nullptr;
  }
}

}  // namespace

bool isContainerKind(ControlKind kind) {
  return kind == ControlKind::tabControl || kind == ControlKind::groupBox;
}

HWND createControl(const ControlDef& row, const ControlContext& context) {
  const KindStyle& kind = styleOf(row.kind);
  if (kind.className == nullptr) {
    HWND control = createCustomControl(row, context);
    // Hidden before anything can paint it: no message is handled in between.
    if (control != nullptr && !context.visible) ShowWindow(control, SW_HIDE);
    return control;
  }

  DWORD style = WS_CHILD | (context.visible ? WS_VISIBLE : 0) | kind.style;
  DWORD exStyle = kind.exStyle;
  if (row.kind == ControlKind::edit && (row.flags & flagSunken) != 0) {
    style &= ~static_cast<DWORD>(WS_BORDER);
    exStyle |= WS_EX_CLIENTEDGE;
  }
  int height = context.rect.bottom - context.rect.top;
  if (row.kind == ControlKind::comboBox) height = scale(kDroppedListHeight96, context.dpi);

  // Combo boxes and tab controls take their texts from messages afterwards.
  const bool captioned = row.kind != ControlKind::comboBox && row.kind != ControlKind::tabControl &&
                         (row.flags & flagNoCaption) == 0;
  const std::wstring caption = captioned && row.text != nullptr ? toWide(row.text) : L"";
  return CreateWindowExW(exStyle, kind.className, caption.c_str(), style, context.rect.left,
                         context.rect.top, context.rect.right - context.rect.left, height,
                         context.parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(context.id)),
                         context.instance, nullptr);
}

void applyStartContent(const ControlDef& row, HWND control) {
  switch (row.kind) {
    case ControlKind::tabControl:
      for (std::size_t i = 0; i < row.itemCount; ++i) {
        std::wstring caption = toWide(row.items[i]);
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = caption.data();
        SendMessageW(control, TCM_INSERTITEMW, i, reinterpret_cast<LPARAM>(&item));
      }
      SendMessageW(control, TCM_SETCURSEL, 0, 0);
      break;
    case ControlKind::comboBox:
      for (std::size_t i = 0; i < row.itemCount; ++i) {
        SendMessageW(control, CB_ADDSTRING, 0,
                     reinterpret_cast<LPARAM>(toWide(row.items[i]).c_str()));
      }
      SendMessageW(control, CB_LIMITTEXT, 0, 0);
      SendMessageW(control, CB_SETCURSEL, 0, 0);
      // The edit part's start text may differ from item 0; the selection stays.
      if (row.text != nullptr) SetWindowTextW(control, toWide(row.text).c_str());
      break;
    case ControlKind::edit:
    case ControlKind::outputEdit:
    case ControlKind::readOnlyEdit:
      // No length limit: a box takes megabytes typed or pasted.
      SendMessageW(control, EM_SETLIMITTEXT, 0, 0);
      break;
    case ControlKind::radioButton:
      SendMessageW(control, BM_SETCHECK,
                   (row.flags & flagChecked) != 0 ? BST_CHECKED : BST_UNCHECKED, 0);
      break;
    default:
      break;
  }
}

}  // namespace tagwright::win32
