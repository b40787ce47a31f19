#include "ui/win32/container_forwarding.h"

#include <new>

namespace tagwright::win32 {

namespace {

// What a forwarding container needs on every message: kept in the
// container's GWLP_USERDATA, which the BUTTON and tab classes leave to the
// application. Reading one's own window's longs needs no trip to the window
// server, unlike the property look-up SetWindowSubclass makes per message.
struct Forwarding {
  WNDPROC previous;
  HWND target;
};

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

LRESULT CALLBACK forwardingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* forwarding = reinterpret_cast<Forwarding*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (forwarding == nullptr) return DefWindowProcW(window, message, wParam, lParam);
  if (isNotification(message)) {
    // The container's own notifications (a tab control's) go to its parent
    // directly; only those of its children arrive here.
    return SendMessageW(forwarding->target, message, wParam, lParam);
  }
  const WNDPROC previous = forwarding->previous;
  if (message == WM_NCDESTROY) {
    // The last message: the class procedure finishes the window alone.
    SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    delete forwarding;
  }
  return CallWindowProcW(previous, window, message, wParam, lParam);
}

}  // namespace

bool forwardNotifications(HWND container, HWND target) {
  if (container == nullptr || GetWindowLongPtrW(container, GWLP_USERDATA) != 0) return false;
  auto* forwarding = new (std::nothrow) Forwarding{nullptr, target};
  if (forwarding == nullptr) return false;
  SetWindowLongPtrW(container, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(forwarding));
  const LONG_PTR previous =
      SetWindowLongPtrW(container, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&forwardingProc));
  if (previous == 0) {
    SetWindowLongPtrW(container, GWLP_USERDATA, 0);
    delete forwarding;
    return false;
  }
  forwarding->previous = reinterpret_cast<WNDPROC>(previous);
  return true;
}

}  // namespace tagwright::win32
