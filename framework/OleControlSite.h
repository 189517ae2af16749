#pragma once

// Containment of an ActiveX control in a window of ours. COleControlWnd creates the control by its
// class id as a child of a parent window, gives it a site (client site, in-place site and frame,
// ambient properties), activates it in place, and advises a sink on its default event interface
// whose events reach OnControlEvent, and from there the parent when it is an IControlEventSink.
// The wrapper's handle is the control's own window; the wrapper does not subclass it.
//
// Ownership: the wrapper holds the control and its site; closing the wrapper (DestroyWindow, or
// its destruction) deactivates, closes and releases the control, whose window goes with it.

#include "framework/Wnd.h"

#include <ocidl.h>
#include <oleauto.h>

class IControlEventSink
{
public:
    virtual ~IControlEventSink() = default;
    // An event of the control with child id controlId; params as the control passed them.
    virtual void OnControlEvent(UINT controlId, DISPID dispid, DISPPARAMS* params) = 0;
};

class COleControlWnd : public CWnd
{
public:
    COleControlWnd() = default;
    ~COleControlWnd() override;

    bool CreateControl(REFCLSID clsid, DWORD style, const RECT& rect, HWND parent, UINT id);
    // Closes the control; its window goes with it.
    bool DestroyWindow() override;
    // Moves and sizes the control in its parent.
    void SetControlRect(const RECT& rect);

    // The control's dispatch interface (not AddRef'd), or none.
    IDispatch* GetControlDispatch() const { return m_dispatch; }
    // Calls a member by id; args in declaration order. result may be null.
    HRESULT InvokeHelper(DISPID dispid, WORD flags, VARIANT* args, UINT count, VARIANT* result) const;
    // Sets a property; a control that makes its window anew for it (a border style) is followed.
    HRESULT SetProperty(DISPID dispid, const VARIANT& value);

    // Offers a keyboard message to the in-place active control that holds the focus; true when it
    // took it.
    static bool PreTranslateControlMessage(MSG* msg);

protected:
    virtual void OnControlEvent(DISPID dispid, DISPPARAMS* params);

private:
    class Site;
    class EventSink;
    void CloseControl();
    // Takes the control's current window as this wrapper's.
    void FollowControlWindow();

    Site* m_site = nullptr;
    EventSink* m_sink = nullptr;
    IOleObject* m_object = nullptr;
    IDispatch* m_dispatch = nullptr;
    IConnectionPoint* m_point = nullptr;
    DWORD m_cookie = 0;
    UINT m_id = 0;
};
