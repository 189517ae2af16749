#pragma once

// A container for the control, as a host embeds it: client site, in-place site and frame in a
// hidden parent window, ambient properties through IDispatch, and an event sink advised before
// activation that records every event with its arguments.

#include "tests/support/Variant.h"

#include <ocidl.h>
#include <olectl.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

struct RecordedEvent
{
    DISPID dispid;
    std::vector<Variant> args; // in declaration order
};

// Calls a member of any automation object by DISPID; args in declaration order.
HRESULT InvokeDispatch(IDispatch* object, DISPID dispid, WORD flags, std::vector<Variant> args,
                       Variant* result = nullptr, UINT* argError = nullptr);

class TestContainer : public IOleClientSite, public IOleInPlaceSite, public IOleInPlaceFrame, public IDispatch
{
public:
    TestContainer();
    ~TestContainer();
    TestContainer(const TestContainer&) = delete;
    TestContainer& operator=(const TestContainer&) = delete;

    // Loads the built control library and runs its self-registration; the result of
    // DllRegisterServer.
    static HRESULT RegisterControl();
    static HMODULE ControlModule();
    static const wchar_t* ControlPath();

    // Creates the control by CLSID, gives it this site, initialises it and advises the sink.
    HRESULT Create();
    // The same around a control object made in this process; takes over the caller's reference.
    HRESULT Create(IUnknown* object);
    // Activates in place (the control window is made in the parent window).
    HRESULT Activate(LONG verb = OLEIVERB_INPLACEACTIVATE);
    // Unadvises, deactivates, closes and releases the control; the result of its final Release.
    ULONG Destroy();

    IOleObject* Object() const { return m_object; }
    IDispatch* Dispatch() const { return m_dispatch; }
    HWND ParentWindow() const { return m_parent; }
    HWND ControlWindow() const;
    template <class T> T* Query(REFIID iid) const
    {
        T* result = nullptr;
        if (m_object)
            m_object->QueryInterface(iid, reinterpret_cast<void**>(&result));
        return result;
    }

    // Automation by DISPID or by name; args in declaration order.
    HRESULT Invoke(DISPID dispid, WORD flags, std::vector<Variant> args = {}, Variant* result = nullptr,
                   UINT* argError = nullptr);
    HRESULT Call(DISPID dispid, std::vector<Variant> args = {}, Variant* result = nullptr);
    HRESULT PutProperty(DISPID dispid, const Variant& value);
    HRESULT CallByName(const wchar_t* name, std::vector<Variant> args = {}, Variant* result = nullptr);

    // Draws the control through IViewObject2::Draw into a 32-bpp memory bitmap prefilled with
    // background; returns the pixels (0x00RRGGBB, top-down) or the failure in *hr.
    std::vector<DWORD> DrawToMemory(int width, int height, DWORD background, HRESULT* hr = nullptr);

    // Events received, and a handler run inside each event call.
    std::vector<RecordedEvent> events;
    std::function<void(const RecordedEvent&)> onEvent;
    void UnadviseEvents();

    // Ambient properties the site answers (DISPID -> value).
    std::map<DISPID, Variant> ambients;

    LONG RefCount() const { return m_refs; }

    // IUnknown
    STDMETHODIMP QueryInterface(REFIID iid, void** object) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;
    // IOleClientSite
    STDMETHODIMP SaveObject() override { return S_OK; }
    STDMETHODIMP GetMoniker(DWORD, DWORD, IMoniker** moniker) override;
    STDMETHODIMP GetContainer(IOleContainer** container) override;
    STDMETHODIMP ShowObject() override { return S_OK; }
    STDMETHODIMP OnShowWindow(BOOL) override { return S_OK; }
    STDMETHODIMP RequestNewObjectLayout() override { return E_NOTIMPL; }
    // IOleWindow
    STDMETHODIMP GetWindow(HWND* window) override;
    STDMETHODIMP ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }
    // IOleInPlaceSite
    STDMETHODIMP CanInPlaceActivate() override { return S_OK; }
    STDMETHODIMP OnInPlaceActivate() override;
    STDMETHODIMP OnUIActivate() override;
    STDMETHODIMP GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** doc, LPRECT position,
                                  LPRECT clip, LPOLEINPLACEFRAMEINFO info) override;
    STDMETHODIMP Scroll(SIZE) override { return E_NOTIMPL; }
    STDMETHODIMP OnUIDeactivate(BOOL) override;
    STDMETHODIMP OnInPlaceDeactivate() override;
    STDMETHODIMP DiscardUndoState() override { return S_OK; }
    STDMETHODIMP DeactivateAndUndo() override { return S_OK; }
    STDMETHODIMP OnPosRectChange(LPCRECT) override { return S_OK; }
    // IOleInPlaceUIWindow, IOleInPlaceFrame
    STDMETHODIMP GetBorder(LPRECT) override { return INPLACE_E_NOTOOLSPACE; }
    STDMETHODIMP RequestBorderSpace(LPCBORDERWIDTHS) override { return INPLACE_E_NOTOOLSPACE; }
    STDMETHODIMP SetBorderSpace(LPCBORDERWIDTHS) override { return S_OK; }
    STDMETHODIMP SetActiveObject(IOleInPlaceActiveObject* object, LPCOLESTR) override;
    STDMETHODIMP InsertMenus(HMENU, LPOLEMENUGROUPWIDTHS) override { return S_OK; }
    STDMETHODIMP SetMenu(HMENU, HOLEMENU, HWND) override { return S_OK; }
    STDMETHODIMP RemoveMenus(HMENU) override { return S_OK; }
    STDMETHODIMP SetStatusText(LPCOLESTR) override { return S_OK; }
    STDMETHODIMP EnableModeless(BOOL) override { return S_OK; }
    STDMETHODIMP TranslateAccelerator(LPMSG, WORD) override { return S_FALSE; }
    // IDispatch: ambient properties
    STDMETHODIMP GetTypeInfoCount(UINT* count) override;
    STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo** info) override;
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return DISP_E_UNKNOWNNAME; }
    STDMETHODIMP Invoke(DISPID dispid, REFIID, LCID, WORD flags, DISPPARAMS* params, VARIANT* result,
                        EXCEPINFO*, UINT*) override;

    bool inPlaceActive = false;
    bool uiActive = false;
    IOleInPlaceActiveObject* activeObject = nullptr;

private:
    class EventSink;
    void Record(DISPID dispid, DISPPARAMS* params);

    LONG m_refs = 1;
    HWND m_parent = nullptr;
    IOleObject* m_object = nullptr;
    IDispatch* m_dispatch = nullptr;
    EventSink* m_sink = nullptr;
    IConnectionPoint* m_point = nullptr;
    DWORD m_cookie = 0;
};
