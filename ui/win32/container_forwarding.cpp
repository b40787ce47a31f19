#include "ui/win32/container_forwarding.h"

#include <commctrl.h>

namespace tagwright::win32 {

namespace {

constexpr UINT_PTR kForwardingSubclassId = 0x7467;  // "tg"

bool isNotification(UINT message) {
  switch (message) {
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORLISTBOX:
      return true;
    default:
      return false;
  }
}

LRESULT CALLBACK forwardingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                DWORD_PTR target) {
  if (isNotification(message)) {
    // The container's own notifications (a tab control's) go to its parent
    // directly; only those of its children arrive here.
    return SendMessageW(reinterpret_cast<HWND>(target), message, wParam, lParam);
  }
  if (message == WM_NCDESTROY) {
    RemoveWindowSubclass(window, forwardingProc, kForwardingSubclassId);
  }
  return DefSubclassProc(window, message, wParam, lParam);
}

}  // namespace

bool forwardNotifications(HWND container, HWND target) {
  return SetWindowSubclass(container, forwardingProc, kForwardingSubclassId,
                           reinterpret_cast<DWORD_PTR>(target)) != FALSE;
}

}  // namespace tagwright::win32
