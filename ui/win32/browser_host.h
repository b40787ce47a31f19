// The container side of the system's web-browser control (CLSID_WebBrowser):
// client site, in-place site and frame, and a sink for the browser's events,
// hosted in one child window. Minimal: no menus, toolbars or status bar.
#pragma once

#include <exdisp.h>
#include <ole2.h>
#include <windows.h>

#include <string>

#include "ui/win32/com_ptr.h"

namespace tagwright::win32 {

class BrowserHost final : public IOleClientSite,
                          public IOleInPlaceSite,
                          public IOleInPlaceFrame,
                          public IDispatch {
 public:
  // Creates the browser inside `window`, activates it in place and starts
  // loading `address`. Empty when any step fails; nothing is left behind then.
  static ComPtr<BrowserHost> start(HWND window, const std::wstring& address);

  // Fits the browser to the host window's client area.
  void resize();
  // Gives the browser the keyboard focus.
  void focus();
  // Lets the browser handle its keys (Tab, Del, arrows) before the message loop
  // translates them; true when it did.
  bool translateKey(MSG& message);
  // Deactivates and releases the browser; the host stays until its last
  // reference is released.
  void close();

  // IUnknown
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) noexcept override;
  ULONG STDMETHODCALLTYPE AddRef() noexcept override;
  ULONG STDMETHODCALLTYPE Release() noexcept override;

  // IOleClientSite
  HRESULT STDMETHODCALLTYPE SaveObject() noexcept override;
  HRESULT STDMETHODCALLTYPE GetMoniker(DWORD, DWORD, IMoniker** moniker) noexcept override;
  HRESULT STDMETHODCALLTYPE GetContainer(IOleContainer** container) noexcept override;
  HRESULT STDMETHODCALLTYPE ShowObject() noexcept override;
  HRESULT STDMETHODCALLTYPE OnShowWindow(BOOL) noexcept override;
  HRESULT STDMETHODCALLTYPE RequestNewObjectLayout() noexcept override;

  // IOleWindow (shared by the site and the frame)
  HRESULT STDMETHODCALLTYPE GetWindow(HWND* window) noexcept override;
  HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL) noexcept override;

  // IOleInPlaceSite
  HRESULT STDMETHODCALLTYPE CanInPlaceActivate() noexcept override;
  HRESULT STDMETHODCALLTYPE OnInPlaceActivate() noexcept override;
  HRESULT STDMETHODCALLTYPE OnUIActivate() noexcept override;
  HRESULT STDMETHODCALLTYPE GetWindowContext(IOleInPlaceFrame** frame,
                                             IOleInPlaceUIWindow** document, LPRECT position,
                                             LPRECT clip,
                                             LPOLEINPLACEFRAMEINFO frameInfo) noexcept override;
  HRESULT STDMETHODCALLTYPE Scroll(SIZE) noexcept override;
  HRESULT STDMETHODCALLTYPE OnUIDeactivate(BOOL) noexcept override;
  HRESULT STDMETHODCALLTYPE OnInPlaceDeactivate() noexcept override;
  HRESULT STDMETHODCALLTYPE DiscardUndoState() noexcept override;
  HRESULT STDMETHODCALLTYPE DeactivateAndUndo() noexcept override;
  HRESULT STDMETHODCALLTYPE OnPosRectChange(LPCRECT position) noexcept override;

  // IOleInPlaceUIWindow
  HRESULT STDMETHODCALLTYPE GetBorder(LPRECT) noexcept override;
  HRESULT STDMETHODCALLTYPE RequestBorderSpace(LPCBORDERWIDTHS) noexcept override;
  HRESULT STDMETHODCALLTYPE SetBorderSpace(LPCBORDERWIDTHS) noexcept override;
  HRESULT STDMETHODCALLTYPE SetActiveObject(IOleInPlaceActiveObject* object,
                                            LPCOLESTR) noexcept override;

  // IOleInPlaceFrame
  HRESULT STDMETHODCALLTYPE InsertMenus(HMENU, LPOLEMENUGROUPWIDTHS) noexcept override;
  HRESULT STDMETHODCALLTYPE SetMenu(HMENU, HOLEMENU, HWND) noexcept override;
  HRESULT STDMETHODCALLTYPE RemoveMenus(HMENU) noexcept override;
  HRESULT STDMETHODCALLTYPE SetStatusText(LPCOLESTR) noexcept override;
  HRESULT STDMETHODCALLTYPE EnableModeless(BOOL) noexcept override;
  HRESULT STDMETHODCALLTYPE TranslateAccelerator(LPMSG, WORD) noexcept override;

  // IDispatch: the browser's events (DWebBrowserEvents2) and ambient properties
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) noexcept override;
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo** info) noexcept override;
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) noexcept override;
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                   UINT*) noexcept override;

 private:
  explicit BrowserHost(HWND window) : window_(window) {}
  ~BrowserHost() = default;
  bool activate(const std::wstring& address);
  RECT area() const;

  ULONG references_ = 1;
  HWND window_;
  ComPtr<IWebBrowser2> browser_;
  ComPtr<IOleObject> object_;
  ComPtr<IOleInPlaceActiveObject> activeObject_;
  ComPtr<IConnectionPoint> events_;
  DWORD eventsCookie_ = 0;
};

}  // namespace tagwright::win32
