#include "ui/win32/browser_host.h"

#include <exdispid.h>
#include <ocidl.h>

#include <new>

namespace tagwright::win32 {
namespace {

// The text size the browser shows: the middle of its five steps (0 smallest).
constexpr LONG kMediumTextSize = 2;

// Holds a BSTR copy of a text for one call.
class Bstr {
 public:
  explicit Bstr(const std::wstring& text)
      : value_(SysAllocStringLen(text.data(), static_cast<UINT>(text.size()))) {}
  Bstr(const Bstr&) = delete;
  Bstr& operator=(const Bstr&) = delete;
  ~Bstr() { SysFreeString(value_); }
  BSTR get() const { return value_; }

 private:
  BSTR value_;
};

}  // namespace

ComPtr<BrowserHost> BrowserHost::start(HWND window, const std::wstring& address) {
  ComPtr<BrowserHost> host = ComPtr<BrowserHost>::adopt(new (std::nothrow) BrowserHost(window));
  if (!host) return host;
  if (!host->activate(address)) {
    host->close();
    host.reset();
  }
  return host;
}

bool BrowserHost::activate(const std::wstring& address) {
  if (FAILED(CoCreateInstance(CLSID_WebBrowser, nullptr, CLSCTX_INPROC_SERVER, IID_IOleObject,
                              object_.putVoid()))) {
    return false;
  }
  if (FAILED(object_->SetClientSite(this))) return false;
  browser_ = object_.query<IWebBrowser2>(IID_IWebBrowser2);
  if (!browser_) return false;

  if (auto container = object_.query<IConnectionPointContainer>(IID_IConnectionPointContainer)) {
    if (SUCCEEDED(container->FindConnectionPoint(DIID_DWebBrowserEvents2, events_.put())) &&
        FAILED(events_->Advise(static_cast<IDispatch*>(this), &eventsCookie_))) {
      events_.reset();
    }
  }

  RECT rect = area();
  if (FAILED(object_->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, this, 0, window_, &rect))) {
    return false;
  }
  browser_->put_Offline(VARIANT_FALSE);
  browser_->put_Silent(VARIANT_FALSE);
  resize();

  Bstr url(address);
  VARIANT empty;
  VariantInit(&empty);
  return url.get() && SUCCEEDED(browser_->Navigate(url.get(), &empty, &empty, &empty, &empty));
}

RECT BrowserHost::area() const {
  RECT rect{};
  GetClientRect(window_, &rect);
  return rect;
}

void BrowserHost::resize() {
  if (!object_) return;
  RECT rect = area();
  if (auto inPlace = object_.query<IOleInPlaceObject>(IID_IOleInPlaceObject)) {
    inPlace->SetObjectRects(&rect, &rect);
  }
}

void BrowserHost::focus() {
  if (!object_) return;
  RECT rect = area();
  object_->DoVerb(OLEIVERB_UIACTIVATE, nullptr, this, 0, window_, &rect);
}

bool BrowserHost::translateKey(MSG& message) {
  return activeObject_ && activeObject_->TranslateAccelerator(&message) == S_OK;
}

void BrowserHost::close() {
  if (events_) {
    events_->Unadvise(eventsCookie_);
    events_.reset();
  }
  activeObject_.reset();
  if (object_) {
    if (auto inPlace = object_.query<IOleInPlaceObject>(IID_IOleInPlaceObject)) {
      inPlace->InPlaceDeactivate();
    }
    object_->Close(OLECLOSE_NOSAVE);
    object_->SetClientSite(nullptr);
  }
  browser_.reset();
  object_.reset();
}

// --- IUnknown ---------------------------------------------------------------

HRESULT BrowserHost::QueryInterface(REFIID iid, void** object) noexcept {
  if (!object) return E_POINTER;
  *object = nullptr;
  if (iid == IID_IUnknown || iid == IID_IOleClientSite) {
    *object = static_cast<IOleClientSite*>(this);
  } else if (iid == IID_IOleWindow || iid == IID_IOleInPlaceSite) {
    *object = static_cast<IOleInPlaceSite*>(this);
  } else if (iid == IID_IOleInPlaceUIWindow || iid == IID_IOleInPlaceFrame) {
    *object = static_cast<IOleInPlaceFrame*>(this);
  } else if (iid == IID_IDispatch || iid == DIID_DWebBrowserEvents2) {
    *object = static_cast<IDispatch*>(this);
  } else {
    return E_NOINTERFACE;
  }
  AddRef();
  return S_OK;
}

ULONG BrowserHost::AddRef() noexcept {
  return ++references_;
}

ULONG BrowserHost::Release() noexcept {
  ULONG left = --references_;
  if (left == 0) delete this;
  return left;
}

// --- IOleClientSite ---------------------------------------------------------

HRESULT BrowserHost::SaveObject() noexcept {
  return E_NOTIMPL;
}

HRESULT BrowserHost::GetMoniker(DWORD, DWORD, IMoniker** moniker) noexcept {
  if (moniker) *moniker = nullptr;
  return E_NOTIMPL;
}

HRESULT BrowserHost::GetContainer(IOleContainer** container) noexcept {
  if (container) *container = nullptr;
  return E_NOINTERFACE;
}

HRESULT BrowserHost::ShowObject() noexcept {
  return S_OK;
}
HRESULT BrowserHost::OnShowWindow(BOOL) noexcept {
  return S_OK;
}
HRESULT BrowserHost::RequestNewObjectLayout() noexcept {
  return E_NOTIMPL;
}

// --- IOleWindow -------------------------------------------------------------

HRESULT BrowserHost::GetWindow(HWND* window) noexcept {
  if (!window) return E_POINTER;
  *window = window_;
  return S_OK;
}

HRESULT BrowserHost::ContextSensitiveHelp(BOOL) noexcept {
  return E_NOTIMPL;
}

// --- IOleInPlaceSite --------------------------------------------------------

HRESULT BrowserHost::CanInPlaceActivate() noexcept {
  return S_OK;
}
HRESULT BrowserHost::OnInPlaceActivate() noexcept {
  return S_OK;
}
HRESULT BrowserHost::OnUIActivate() noexcept {
  return S_OK;
}

HRESULT BrowserHost::GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** document,
                                      LPRECT position, LPRECT clip,
                                      LPOLEINPLACEFRAMEINFO frameInfo) noexcept {
  if (!frame || !document || !position || !clip || !frameInfo) return E_POINTER;
  *frame = static_cast<IOleInPlaceFrame*>(this);
  AddRef();
  *document = nullptr;
  *position = area();
  *clip = *position;
  frameInfo->fMDIApp = FALSE;
  frameInfo->hwndFrame = GetAncestor(window_, GA_ROOT);
  frameInfo->haccel = nullptr;
  frameInfo->cAccelEntries = 0;
  return S_OK;
}

HRESULT BrowserHost::Scroll(SIZE) noexcept {
  return E_NOTIMPL;
}
HRESULT BrowserHost::OnUIDeactivate(BOOL) noexcept {
  return S_OK;
}
HRESULT BrowserHost::OnInPlaceDeactivate() noexcept {
  return S_OK;
}
HRESULT BrowserHost::DiscardUndoState() noexcept {
  return E_NOTIMPL;
}
HRESULT BrowserHost::DeactivateAndUndo() noexcept {
  return E_NOTIMPL;
}

HRESULT BrowserHost::OnPosRectChange(LPCRECT position) noexcept {
  if (!position || !object_) return E_INVALIDARG;
  if (auto inPlace = object_.query<IOleInPlaceObject>(IID_IOleInPlaceObject)) {
    inPlace->SetObjectRects(position, position);
  }
  return S_OK;
}

// --- IOleInPlaceUIWindow / IOleInPlaceFrame ---------------------------------

HRESULT BrowserHost::GetBorder(LPRECT) noexcept {
  return INPLACE_E_NOTOOLSPACE;
}
HRESULT BrowserHost::RequestBorderSpace(LPCBORDERWIDTHS) noexcept {
  return INPLACE_E_NOTOOLSPACE;
}
HRESULT BrowserHost::SetBorderSpace(LPCBORDERWIDTHS) noexcept {
  return OLE_E_INVALIDRECT;
}

HRESULT BrowserHost::SetActiveObject(IOleInPlaceActiveObject* object, LPCOLESTR) noexcept {
  activeObject_.reset();
  if (object) {
    object->AddRef();
    activeObject_ = ComPtr<IOleInPlaceActiveObject>::adopt(object);
  }
  return S_OK;
}

HRESULT BrowserHost::InsertMenus(HMENU, LPOLEMENUGROUPWIDTHS) noexcept {
  return E_NOTIMPL;
}
HRESULT BrowserHost::SetMenu(HMENU, HOLEMENU, HWND) noexcept {
  return S_OK;
}
HRESULT BrowserHost::RemoveMenus(HMENU) noexcept {
  return E_NOTIMPL;
}
HRESULT BrowserHost::SetStatusText(LPCOLESTR) noexcept {
  return S_OK;
}
HRESULT BrowserHost::EnableModeless(BOOL) noexcept {
  return S_OK;
}
HRESULT BrowserHost::TranslateAccelerator(LPMSG, WORD) noexcept {
  return S_FALSE;
}

// --- IDispatch --------------------------------------------------------------

HRESULT BrowserHost::GetTypeInfoCount(UINT* count) noexcept {
  if (count) *count = 0;
  return S_OK;
}

HRESULT BrowserHost::GetTypeInfo(UINT, LCID, ITypeInfo** info) noexcept {
  if (info) *info = nullptr;
  return E_NOTIMPL;
}

HRESULT BrowserHost::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) noexcept {
  return E_NOTIMPL;
}

HRESULT BrowserHost::Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                            UINT*) noexcept {
  // Every page that completes gets the medium text size; any other event or
  // ambient property keeps the browser's default.
  if (id == DISPID_DOCUMENTCOMPLETE && browser_) {
    VARIANT size;
    VariantInit(&size);
    size.vt = VT_I4;
    size.lVal = kMediumTextSize;
    browser_->ExecWB(OLECMDID_ZOOM, OLECMDEXECOPT_DONTPROMPTUSER, &size, nullptr);
    return S_OK;
  }
  return DISP_E_MEMBERNOTFOUND;
}

}  // namespace tagwright::win32
