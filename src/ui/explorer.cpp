#include "ui/explorer.h"

#include <exdisp.h>
#include <oleauto.h>

#include <vector>

namespace {

constexpr DISPID kDispidNavigate = 104;
constexpr DISPID kDispidDocument = 203;

} // namespace

// The container side the control talks to: a client site that is also the
// in-place site and frame. The wrapper holds the first reference; the site
// goes when the control has let go of it too.
class BrowserSite : public IOleClientSite, public IOleInPlaceSite, public IOleInPlaceFrame {
public:
    explicit BrowserSite(HWND host) : host_(host) {}
    virtual ~BrowserSite() = default;

    // IUnknown
    STDMETHODIMP QueryInterface(REFIID iid, void** out) override {
        if (!out) return E_POINTER;
        *out = nullptr;
        if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IOleClientSite))
            *out = static_cast<IOleClientSite*>(this);
        else if (IsEqualIID(iid, IID_IOleWindow) || IsEqualIID(iid, IID_IOleInPlaceSite))
            *out = static_cast<IOleInPlaceSite*>(this);
        else if (IsEqualIID(iid, IID_IOleInPlaceUIWindow) || IsEqualIID(iid, IID_IOleInPlaceFrame))
            *out = static_cast<IOleInPlaceFrame*>(this);
        else
            return E_NOINTERFACE;
        AddRef();
        return S_OK;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return ++references_; }
    STDMETHODIMP_(ULONG) Release() override {
        ULONG left = --references_;
        if (left == 0) delete this;
        return left;
    }

    // IOleClientSite
    STDMETHODIMP SaveObject() override { return E_NOTIMPL; }
    STDMETHODIMP GetMoniker(DWORD, DWORD, IMoniker** out) override {
        if (out) *out = nullptr;
        return E_NOTIMPL;
    }
    STDMETHODIMP GetContainer(IOleContainer** out) override {
        if (out) *out = nullptr;
        return E_NOINTERFACE;
    }
    STDMETHODIMP ShowObject() override { return S_OK; }
    STDMETHODIMP OnShowWindow(BOOL) override { return S_OK; }
    STDMETHODIMP RequestNewObjectLayout() override { return E_NOTIMPL; }

    // IOleWindow (for the site and the frame alike)
    STDMETHODIMP GetWindow(HWND* out) override {
        if (!out) return E_POINTER;
        *out = host_;
        return S_OK;
    }
    STDMETHODIMP ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }

    // IOleInPlaceSite
    STDMETHODIMP CanInPlaceActivate() override { return S_OK; }
    STDMETHODIMP OnInPlaceActivate() override { return S_OK; }
    STDMETHODIMP OnUIActivate() override { return S_OK; }
    STDMETHODIMP GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** document, LPRECT position,
                                  LPRECT clip, LPOLEINPLACEFRAMEINFO info) override {
        if (frame) {
            *frame = this;
            AddRef();
        }
        if (document) *document = nullptr;
        RECT client = {};
        GetClientRect(host_, &client);
        if (position) *position = client;
        if (clip) *clip = client;
        if (info) {
            info->fMDIApp = FALSE;
            info->hwndFrame = GetAncestor(host_, GA_ROOT);
            info->haccel = nullptr;
            info->cAccelEntries = 0;
        }
        return S_OK;
    }
    STDMETHODIMP Scroll(SIZE) override { return E_NOTIMPL; }
    STDMETHODIMP OnUIDeactivate(BOOL) override { return S_OK; }
    STDMETHODIMP OnInPlaceDeactivate() override { return S_OK; }
    STDMETHODIMP DiscardUndoState() override { return E_NOTIMPL; }
    STDMETHODIMP DeactivateAndUndo() override { return E_NOTIMPL; }
    STDMETHODIMP OnPosRectChange(LPCRECT) override { return S_OK; }

    // IOleInPlaceUIWindow / IOleInPlaceFrame: no menus, toolbars or borders.
    STDMETHODIMP GetBorder(LPRECT) override { return INPLACE_E_NOTOOLSPACE; }
    STDMETHODIMP RequestBorderSpace(LPCBORDERWIDTHS) override { return INPLACE_E_NOTOOLSPACE; }
    STDMETHODIMP SetBorderSpace(LPCBORDERWIDTHS) override { return S_OK; }
    STDMETHODIMP SetActiveObject(IOleInPlaceActiveObject*, LPCOLESTR) override { return S_OK; }
    STDMETHODIMP InsertMenus(HMENU, LPOLEMENUGROUPWIDTHS) override { return E_NOTIMPL; }
    STDMETHODIMP SetMenu(HMENU, HOLEMENU, HWND) override { return S_OK; }
    STDMETHODIMP RemoveMenus(HMENU) override { return E_NOTIMPL; }
    STDMETHODIMP SetStatusText(LPCOLESTR) override { return S_OK; }
    STDMETHODIMP EnableModeless(BOOL) override { return S_OK; }
    STDMETHODIMP TranslateAccelerator(LPMSG, WORD) override { return S_FALSE; }

private:
    HWND host_;
    ULONG references_ = 1;
};

CExplorer1::CExplorer1() = default;

CExplorer1::~CExplorer1() { DestroyControl(); }

bool CExplorer1::CreateControl() {
    DestroyControl();
    if (!m_hWnd) return false;
    // The host paints around the control, never over it.
    SetWindowLongPtrA(m_hWnd, GWL_STYLE, GetWindowLongPtrA(m_hWnd, GWL_STYLE) | WS_CLIPCHILDREN);
    IOleObject* object = nullptr;
    if (FAILED(CoCreateInstance(CLSID_WebBrowser, nullptr, CLSCTX_INPROC_SERVER, IID_IOleObject,
                                reinterpret_cast<void**>(&object))) ||
        !object)
        return false;
    object_ = object;
    site_ = new BrowserSite(m_hWnd);
    RECT client = {};
    GetClientRect(m_hWnd, &client);
    if (FAILED(object_->SetClientSite(static_cast<IOleClientSite*>(site_))) ||
        FAILED(object_->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, static_cast<IOleClientSite*>(site_), 0, m_hWnd,
                               &client)) ||
        FAILED(object_->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&dispatch_)))) {
        DestroyControl();
        return false;
    }
    return true;
}

void CExplorer1::DestroyControl() {
    if (dispatch_) dispatch_->Release();
    dispatch_ = nullptr;
    if (object_) {
        object_->Close(OLECLOSE_NOSAVE);
        object_->SetClientSite(nullptr);
        object_->Release();
    }
    object_ = nullptr;
    if (site_) static_cast<IOleClientSite*>(site_)->Release();
    site_ = nullptr;
}

HWND CExplorer1::GetControlWindow() const {
    if (!object_) return nullptr;
    IOleInPlaceObject* inPlace = nullptr;
    HWND window = nullptr;
    if (SUCCEEDED(object_->QueryInterface(IID_IOleInPlaceObject, reinterpret_cast<void**>(&inPlace))) && inPlace) {
        inPlace->GetWindow(&window);
        inPlace->Release();
    }
    return window;
}

bool CExplorer1::Invoke(DISPID id, WORD kind, DISPPARAMS* params, VARIANT* result) {
    if (!dispatch_) return false;
    DISPPARAMS none = {nullptr, nullptr, 0, 0};
    return SUCCEEDED(dispatch_->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, kind, params ? params : &none, result,
                                       nullptr, nullptr));
}

bool CExplorer1::Navigate(const std::string& url) {
    if (!dispatch_) return false;
    int length = MultiByteToWideChar(CP_ACP, 0, url.c_str(), -1, nullptr, 0);
    std::vector<wchar_t> wide(static_cast<size_t>(length > 0 ? length : 1));
    MultiByteToWideChar(CP_ACP, 0, url.c_str(), -1, wide.data(), length);
    BSTR address = SysAllocString(wide.data());
    if (!address) return false;

    // Flags, target frame, post data and headers: empty, passed by reference.
    VARIANT empty[4];
    VARIANT args[5]; // in reverse order: headers first, the URL last
    for (int i = 0; i < 4; ++i) {
        VariantInit(&empty[i]);
        VariantInit(&args[i]);
        args[i].vt = VT_VARIANT | VT_BYREF;
        args[i].pvarVal = &empty[i];
    }
    VariantInit(&args[4]);
    args[4].vt = VT_BSTR;
    args[4].bstrVal = address;
    DISPPARAMS params = {args, nullptr, 5, 0};
    bool done = Invoke(kDispidNavigate, DISPATCH_METHOD, &params, nullptr);
    SysFreeString(address);
    return done;
}

IDispatch* CExplorer1::GetDocument() {
    VARIANT result;
    VariantInit(&result);
    if (!Invoke(kDispidDocument, DISPATCH_PROPERTYGET, nullptr, &result)) return nullptr;
    IDispatch* document = nullptr;
    if (result.vt == VT_DISPATCH && result.pdispVal) {
        document = result.pdispVal;
        document->AddRef();
    }
    VariantClear(&result);
    return document;
}
