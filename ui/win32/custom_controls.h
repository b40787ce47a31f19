// Picture boxes, the hyperlink label and the web view: window classes of the
// program's own, created like any other child control.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "ui/layout.h"

namespace tagwright::win32 {

// Registers the classes once per process; safe to call again.
void registerCustomControls(HINSTANCE instance);

// Shows a stored GIF, stretched to the box or at natural size at its top-left.
// A missing or undecodable image leaves an empty box.
HWND createPictureBox(HWND parent, int id, const RECT& rect, ImageId image, bool stretched);

// Caption centred in a thin frame; blue, magenta while hovered, dark red once
// opened; a left press calls `open` with the address.
HWND createHyperlink(HWND parent, int id, const RECT& rect, const std::wstring& caption,
                     const std::wstring& address,
                     std::function<void(const std::wstring& address)> open);

// The system's web-browser control loading `address`; where it cannot be
// created, a plain fallback showing the address as a link. Never blocks.
HWND createWebView(HWND parent, int id, const RECT& rect, const std::wstring& address,
                   std::function<void(const std::wstring& address)> open);

// Size in pixels of the image a picture box decoded; {0, 0} when it shows none.
SIZE pictureImageSize(HWND pictureBox);

// Whether a web view hosts the browser; false before it has started (the first
// message after creation) and when it shows its fallback.
bool webViewHasBrowser(HWND webView);

// For the message loop, before TranslateMessage: lets a web view's browser
// handle keys meant for its page (Tab, Del, arrows); true when it did, and the
// message is then done.
bool translateWebViewMessage(MSG& message);

}  // namespace tagwright::win32
