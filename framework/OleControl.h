#pragma once

// The base of an ActiveX control: one COM object with its window. It speaks the embedding
// protocol with its container (client site, in-place activation, drawing into any device context,
// persistence of its version), fires events through one connection point and dispatches
// automation calls to the derived control.

#include "framework/CString.h"
#include "framework/Geometry.h"
#include "framework/Wnd.h"

#include <ocidl.h>
#include <olectl.h>

#include <memory>

class CDC;
class CConnectionPoint;
class CPropExchange;

class COleControl : public CWnd,
                    public IOleObject,
                    public IOleInPlaceObject,
                    public IOleInPlaceActiveObject,
                    public IOleControl,
                    public IViewObject2,
                    public IPersistStreamInit,
                    public IPersistPropertyBag,
                    public IPersistStorage,
                    public IConnectionPointContainer,
                    public IProvideClassInfo2,
                    public ISpecifyPropertyPages,
                    public IDispatch
{
public:
    COleControl();
    ~COleControl() override;

    // ---- what the derived control supplies ----
    virtual const CLSID& GetControlClassID() const = 0;
    virtual const IID& GetPrimaryDispatchIID() const = 0;
    virtual const IID& GetEventsIID() const = 0;
    virtual HRESULT GetControlTypeLib(LCID locale, ITypeLib** library);
    virtual DWORD GetMiscStatusBits() const { return 0; }
    virtual UINT GetUserTypeNameID() const { return 0; }
    // The property pages the control announces; the array lives as long as the control.
    virtual const CLSID* GetPropPageIDs(ULONG& count);
    // The Properties verb: the container's property frame when it has one, else the system's frame
    // on the control's pages, owned by parent's top-level window.
    virtual HRESULT ShowProperties(HWND parent);
    virtual void DoPropExchange(CPropExchange* exchange);
    virtual void OnResetState() {}
    // Automation through the control's member table.
    virtual HRESULT InvokeMember(DISPID dispid, WORD flags, DISPPARAMS* params, VARIANT* result,
                                 EXCEPINFO* exception, UINT* argError) = 0;
    virtual HRESULT GetMemberIDs(LPOLESTR* names, UINT count, DISPID* ids) = 0;
    virtual HRESULT GetMemberTypeInfo(ITypeInfo** info);
    // The type information of one interface or class in the control's type library.
    HRESULT TypeInfoOfGuid(REFGUID guid, ITypeInfo** info);
    // Painting into any device context; rcInvalid is what needs drawing within rcBounds.
    virtual void OnDraw(CDC* pdc, const CRect& rcBounds, const CRect& rcInvalid);
    virtual void OnAmbientChanged(DISPID) {}
    virtual void OnClose() {}
    // A key the control leaves to its container is not offered to the control's windows at all:
    // the container's accelerators and menus see it first.
    virtual bool LeavesKeyToContainer(const MSG&) { return false; }

    // ---- services for the derived control ----
    // Fires an event to every advised sink; args in declaration order.
    void FireEvent(DISPID dispid, VARIANT* args = nullptr, UINT count = 0);
    void InvalidateControl(const RECT* rect = nullptr, bool erase = true);
    void SetModifiedFlag(bool modified = true) { m_modified = modified; }
    bool IsModified() const { return m_modified; }
    COLORREF TranslateColor(OLE_COLOR color, HPALETTE palette = nullptr) const;
    // Destroys and creates the control window again, keeping the control's state.
    void RecreateControlWindow();
    bool GetAmbientProperty(DISPID dispid, VARTYPE type, VARIANT* value);
    bool AmbientUserMode();
    IOleClientSite* GetClientSite() const { return m_clientSite; }
    bool IsInPlaceActive() const { return m_inPlaceActive; }
    bool IsUIActive() const { return m_uiActive; }
    // Creates the window (used when a container asks for no in-place activation, as a demo does).
    bool CreateControlWindow(HWND parent, const RECT& position);

    // IUnknown
    STDMETHODIMP QueryInterface(REFIID iid, void** object) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;

    // IOleObject
    STDMETHODIMP SetClientSite(IOleClientSite* site) override;
    STDMETHODIMP GetClientSite(IOleClientSite** site) override;
    STDMETHODIMP SetHostNames(LPCOLESTR app, LPCOLESTR object) override;
    STDMETHODIMP Close(DWORD saveOption) override;
    STDMETHODIMP SetMoniker(DWORD which, IMoniker* moniker) override;
    STDMETHODIMP GetMoniker(DWORD assign, DWORD which, IMoniker** moniker) override;
    STDMETHODIMP InitFromData(IDataObject* data, BOOL creation, DWORD reserved) override;
    STDMETHODIMP GetClipboardData(DWORD reserved, IDataObject** data) override;
    STDMETHODIMP DoVerb(LONG verb, LPMSG msg, IOleClientSite* site, LONG index, HWND parent,
                        LPCRECT position) override;
    STDMETHODIMP EnumVerbs(IEnumOLEVERB** verbs) override;
    STDMETHODIMP Update() override;
    STDMETHODIMP IsUpToDate() override;
    STDMETHODIMP GetUserClassID(CLSID* clsid) override;
    STDMETHODIMP GetUserType(DWORD form, LPOLESTR* name) override;
    STDMETHODIMP SetExtent(DWORD aspect, SIZEL* size) override;
    STDMETHODIMP GetExtent(DWORD aspect, SIZEL* size) override;
    STDMETHODIMP Advise(IAdviseSink* sink, DWORD* connection) override;
    STDMETHODIMP Unadvise(DWORD connection) override;
    STDMETHODIMP EnumAdvise(IEnumSTATDATA** advise) override;
    STDMETHODIMP GetMiscStatus(DWORD aspect, DWORD* status) override;
    STDMETHODIMP SetColorScheme(LOGPALETTE* palette) override;

    // IOleWindow (shared by both in-place interfaces)
    STDMETHODIMP GetWindow(HWND* window) override;
    STDMETHODIMP ContextSensitiveHelp(BOOL enter) override;
    // IOleInPlaceObject
    STDMETHODIMP InPlaceDeactivate() override;
    STDMETHODIMP UIDeactivate() override;
    STDMETHODIMP SetObjectRects(LPCRECT position, LPCRECT clip) override;
    STDMETHODIMP ReactivateAndUndo() override;
    // IOleInPlaceActiveObject. TranslateAccelerator offers a message for the control window or
    // one of its descendants to their PreTranslateMessage (innermost first): S_OK when one handled
    // it, S_FALSE otherwise and for every message of another window.
    STDMETHODIMP TranslateAccelerator(LPMSG msg) override;
    STDMETHODIMP OnFrameWindowActivate(BOOL activate) override;
    STDMETHODIMP OnDocWindowActivate(BOOL activate) override;
    STDMETHODIMP ResizeBorder(LPCRECT border, IOleInPlaceUIWindow* window, BOOL frame) override;
    STDMETHODIMP EnableModeless(BOOL enable) override;

    // IOleControl
    STDMETHODIMP GetControlInfo(CONTROLINFO* info) override;
    STDMETHODIMP OnMnemonic(MSG* msg) override;
    STDMETHODIMP OnAmbientPropertyChange(DISPID dispid) override;
    STDMETHODIMP FreezeEvents(BOOL freeze) override;

    // IViewObject2
    STDMETHODIMP Draw(DWORD aspect, LONG index, void* aspectInfo, DVTARGETDEVICE* target, HDC targetDC,
                      HDC drawDC, LPCRECTL bounds, LPCRECTL windowBounds,
                      BOOL(STDMETHODCALLTYPE* cont)(ULONG_PTR), ULONG_PTR continueArg) override;
    STDMETHODIMP GetColorSet(DWORD aspect, LONG index, void* aspectInfo, DVTARGETDEVICE* target, HDC targetDC,
                             LOGPALETTE** colors) override;
    STDMETHODIMP Freeze(DWORD aspect, LONG index, void* aspectInfo, DWORD* freeze) override;
    STDMETHODIMP Unfreeze(DWORD freeze) override;
    STDMETHODIMP SetAdvise(DWORD aspects, DWORD flags, IAdviseSink* sink) override;
    STDMETHODIMP GetAdvise(DWORD* aspects, DWORD* flags, IAdviseSink** sink) override;
    STDMETHODIMP GetExtent(DWORD aspect, LONG index, DVTARGETDEVICE* target, LPSIZEL size) override;

    // IPersist, IPersistStreamInit, IPersistPropertyBag, IPersistStorage
    STDMETHODIMP GetClassID(CLSID* clsid) override;
    STDMETHODIMP IsDirty() override;
    STDMETHODIMP Load(IStream* stream) override;
    STDMETHODIMP Save(IStream* stream, BOOL clearDirty) override;
    STDMETHODIMP GetSizeMax(ULARGE_INTEGER* size) override;
    STDMETHODIMP InitNew() override;
    STDMETHODIMP Load(IPropertyBag* bag, IErrorLog* log) override;
    STDMETHODIMP Save(IPropertyBag* bag, BOOL clearDirty, BOOL saveAll) override;
    STDMETHODIMP InitNew(IStorage* storage) override;
    STDMETHODIMP Load(IStorage* storage) override;
    STDMETHODIMP Save(IStorage* storage, BOOL sameAsLoad) override;
    STDMETHODIMP SaveCompleted(IStorage* storage) override;
    STDMETHODIMP HandsOffStorage() override;

    // IConnectionPointContainer
    STDMETHODIMP EnumConnectionPoints(IEnumConnectionPoints** points) override;
    STDMETHODIMP FindConnectionPoint(REFIID iid, IConnectionPoint** point) override;

    // IProvideClassInfo2
    STDMETHODIMP GetClassInfo(ITypeInfo** info) override;
    STDMETHODIMP GetGUID(DWORD kind, GUID* guid) override;

    // ISpecifyPropertyPages
    STDMETHODIMP GetPages(CAUUID* pages) override;

    // IDispatch
    STDMETHODIMP GetTypeInfoCount(UINT* count) override;
    STDMETHODIMP GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override;
    STDMETHODIMP GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID locale, DISPID* ids) override;
    STDMETHODIMP Invoke(DISPID dispid, REFIID iid, LCID locale, WORD flags, DISPPARAMS* params,
                        VARIANT* result, EXCEPINFO* exception, UINT* argError) override;

protected:
    bool PreCreateWindow(CREATESTRUCTW& cs) override;
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;
    // WM_CREATE: 0 to go on, -1 to fail the creation.
    virtual int OnCreate(CREATESTRUCTW* cs);
    // The window class of the control; registered on first use.
    virtual const wchar_t* GetWindowClassName() const = 0;

private:
    HRESULT InPlaceActivate(LONG verb, HWND parentHint, LPCRECT positionHint);
    void ReleaseInPlaceFrame();
    void DestroyControlWindow();
    void OnPaint();
    HRESULT LoadFrom(CPropExchange& exchange);
    HRESULT SaveTo(CPropExchange& exchange);
    IDispatch* AmbientDispatch();

    LONG m_refs = 1;
    IOleClientSite* m_clientSite = nullptr;
    IOleInPlaceSite* m_inPlaceSite = nullptr;
    IOleInPlaceFrame* m_inPlaceFrame = nullptr;
    IOleInPlaceUIWindow* m_uiWindow = nullptr;
    IOleAdviseHolder* m_adviseHolder = nullptr;
    IAdviseSink* m_viewAdvise = nullptr;
    DWORD m_viewAdviseAspects = 0;
    DWORD m_viewAdviseFlags = 0;
    std::unique_ptr<CConnectionPoint> m_eventPoint;
    SIZEL m_extent{2540, 2540}; // HIMETRIC, 1 inch square until told
    CRect m_position;
    bool m_inPlaceActive = false;
    bool m_uiActive = false;
    bool m_modified = false;
    bool m_recreating = false;
    LONG m_freezeEvents = 0;
    CLSID* m_noPages = nullptr;
};
