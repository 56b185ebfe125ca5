#include "app/web_browser.h"

#include <commctrl.h>
#include <exdisp.h>
#include <oleidl.h>

#include <atomic>

#include "app/window_def.h"

namespace picmove {

namespace {

template <typename T>
void ReleaseAndClear(T*& p) {
  if (p) p->Release();
  p = nullptr;
}

class Bstr {
 public:
  explicit Bstr(const std::wstring& s) : b_(SysAllocStringLen(s.data(), static_cast<UINT>(s.size()))) {}
  Bstr() = default;
  ~Bstr() { SysFreeString(b_); }
  Bstr(const Bstr&) = delete;
  Bstr& operator=(const Bstr&) = delete;
  BSTR get() const { return b_; }
  BSTR* out() { return &b_; }

 private:
  BSTR b_ = nullptr;
};

constexpr UINT_PTR kSubclassId = 0x7765;

}  // namespace

// One object is the client site, the in-place site and the frame: the
// control asks each of them for the same window and the same rectangle.
class WebBrowserHost::Site final : public IOleClientSite, public IOleInPlaceSite, public IOleInPlaceFrame {
 public:
  explicit Site(HWND area) : area_(area) {}

  bool Embed() {
    if (FAILED(CoCreateInstance(CLSID_WebBrowser, nullptr, CLSCTX_INPROC_SERVER, IID_IOleObject,
                                reinterpret_cast<void**>(&object_))))
      return false;
    object_->SetClientSite(static_cast<IOleClientSite*>(this));
    RECT r = Area();
    if (FAILED(object_->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, static_cast<IOleClientSite*>(this), 0, area_, &r)) ||
        FAILED(object_->QueryInterface(IID_IWebBrowser2, reinterpret_cast<void**>(&browser_)))) {
      Close();
      return false;
    }
    object_->QueryInterface(IID_IOleInPlaceObject, reinterpret_cast<void**>(&inPlace_));
    // Script errors of a page are not the seller's business.
    browser_->put_Silent(VARIANT_TRUE);
    SetWindowSubclass(area_, &Site::AreaProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
    return true;
  }

  void Close() {
    RemoveWindowSubclass(area_, &Site::AreaProc, kSubclassId);
    if (inPlace_) inPlace_->InPlaceDeactivate();
    ReleaseAndClear(inPlace_);
    ReleaseAndClear(browser_);
    if (object_) {
      object_->Close(OLECLOSE_NOSAVE);
      object_->SetClientSite(nullptr);
    }
    ReleaseAndClear(object_);
  }

  IWebBrowser2* browser() const { return browser_; }

  // IUnknown
  STDMETHODIMP QueryInterface(REFIID iid, void** out) override {
    if (!out) return E_POINTER;
    if (iid == IID_IUnknown || iid == IID_IOleClientSite) {
      *out = static_cast<IOleClientSite*>(this);
    } else if (iid == IID_IOleWindow || iid == IID_IOleInPlaceSite) {
      *out = static_cast<IOleInPlaceSite*>(this);
    } else if (iid == IID_IOleInPlaceUIWindow || iid == IID_IOleInPlaceFrame) {
      *out = static_cast<IOleInPlaceFrame*>(this);
    } else {
      *out = nullptr;
      return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
  }
  STDMETHODIMP_(ULONG) AddRef() override { return ++refs_; }
  STDMETHODIMP_(ULONG) Release() override {
    const ULONG n = --refs_;
    if (n == 0) delete this;
    return n;
  }

  // IOleClientSite
  STDMETHODIMP SaveObject() override { return E_NOTIMPL; }
  STDMETHODIMP GetMoniker(DWORD, DWORD, IMoniker** out) override {
    *out = nullptr;
    return E_NOTIMPL;
  }
  STDMETHODIMP GetContainer(IOleContainer** out) override {
    *out = nullptr;
    return E_NOINTERFACE;
  }
  STDMETHODIMP ShowObject() override { return S_OK; }
  STDMETHODIMP OnShowWindow(BOOL) override { return S_OK; }
  STDMETHODIMP RequestNewObjectLayout() override { return E_NOTIMPL; }

  // IOleWindow, for the site and the frame alike
  STDMETHODIMP GetWindow(HWND* out) override {
    *out = area_;
    return S_OK;
  }
  STDMETHODIMP ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }

  // IOleInPlaceSite
  STDMETHODIMP CanInPlaceActivate() override { return S_OK; }
  STDMETHODIMP OnInPlaceActivate() override { return S_OK; }
  STDMETHODIMP OnUIActivate() override { return S_OK; }
  STDMETHODIMP GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** doc, LPRECT pos, LPRECT clip,
                                LPOLEINPLACEFRAMEINFO info) override {
    *frame = static_cast<IOleInPlaceFrame*>(this);
    AddRef();
    *doc = nullptr;
    *pos = Area();
    *clip = Area();
    info->fMDIApp = FALSE;
    info->hwndFrame = area_;
    info->haccel = nullptr;
    info->cAccelEntries = 0;
    return S_OK;
  }
  STDMETHODIMP Scroll(SIZE) override { return E_NOTIMPL; }
  STDMETHODIMP OnUIDeactivate(BOOL) override { return S_OK; }
  STDMETHODIMP OnInPlaceDeactivate() override { return S_OK; }
  STDMETHODIMP DiscardUndoState() override { return E_NOTIMPL; }
  STDMETHODIMP DeactivateAndUndo() override { return E_NOTIMPL; }
  STDMETHODIMP OnPosRectChange(LPCRECT pos) override {
    if (inPlace_) inPlace_->SetObjectRects(pos, pos);
    return S_OK;
  }

  // IOleInPlaceUIWindow, IOleInPlaceFrame: no borders, menus or status bar.
  STDMETHODIMP GetBorder(LPRECT) override { return E_NOTIMPL; }
  STDMETHODIMP RequestBorderSpace(LPCBORDERWIDTHS) override { return INPLACE_E_NOTOOLSPACE; }
  STDMETHODIMP SetBorderSpace(LPCBORDERWIDTHS) override { return E_NOTIMPL; }
  STDMETHODIMP SetActiveObject(IOleInPlaceActiveObject*, LPCOLESTR) override { return S_OK; }
  STDMETHODIMP InsertMenus(HMENU, LPOLEMENUGROUPWIDTHS) override { return E_NOTIMPL; }
  STDMETHODIMP SetMenu(HMENU, HOLEMENU, HWND) override { return S_OK; }
  STDMETHODIMP RemoveMenus(HMENU) override { return E_NOTIMPL; }
  STDMETHODIMP SetStatusText(LPCOLESTR) override { return S_OK; }
  STDMETHODIMP EnableModeless(BOOL) override { return S_OK; }
  STDMETHODIMP TranslateAccelerator(LPMSG, WORD) override { return S_FALSE; }

 private:
  ~Site() = default;

  RECT Area() const {
    RECT r{};
    GetClientRect(area_, &r);
    return r;
  }

  // The control follows the area's size (the help page's grows at start-up).
  static LRESULT CALLBACK AreaProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR data) {
    if (msg == WM_SIZE) {
      auto* self = reinterpret_cast<Site*>(data);
      RECT r = self->Area();
      if (self->inPlace_) self->inPlace_->SetObjectRects(&r, &r);
    }
    return DefSubclassProc(hwnd, msg, wp, lp);
  }

  std::atomic<ULONG> refs_{1};
  HWND area_;
  IOleObject* object_ = nullptr;
  IOleInPlaceObject* inPlace_ = nullptr;
  IWebBrowser2* browser_ = nullptr;
};

WebBrowserHost::WebBrowserHost() = default;

WebBrowserHost::~WebBrowserHost() {
  if (site_) {
    site_->Close();
    site_->Release();
  }
}

bool WebBrowserHost::Create(HWND area) {
  if (site_ || !area) return site_ != nullptr;
  site_ = new Site(area);
  if (!site_->Embed()) {
    site_->Release();
    site_ = nullptr;
  }
  return site_ != nullptr;
}

bool WebBrowserHost::created() const { return site_ != nullptr; }

void WebBrowserHost::Navigate(const Text& address) {
  if (!site_) return;
  Bstr url(Wide(address));
  VARIANT none;
  VariantInit(&none);
  site_->browser()->Navigate(url.get(), &none, &none, &none, &none);
}

Text WebBrowserHost::LocationUrl() const {
  if (!site_) return Text();
  Bstr url;
  if (FAILED(site_->browser()->get_LocationURL(url.out())) || !url.get()) return Text();
  return FromWide(std::wstring(url.get(), SysStringLen(url.get())));
}

}  // namespace picmove
