#pragma once

// A window owned by a C++ object. The object receives every message through the virtual
// WindowProc: windows of our own classes are attached when WM_NCCREATE arrives; windows of other
// classes (the system's EDIT, BUTTON, COMBOBOX, dialogs) are subclassed, and Default() then hands
// a message to the procedure they had before. Thin on purpose; derived classes switch on the
// messages they handle and pass the rest to Default().
//
// Ownership: the object does not own itself. Destroying the object destroys its window; a window
// destroyed first leaves the object alive and detached (PostNcDestroy is the place for an object
// that deletes itself with its window).
//
// A parent offers the notifications of its child controls (WM_COMMAND, WM_NOTIFY, WM_DRAWITEM,
// WM_MEASUREITEM, WM_CTLCOLOR*, scroll messages, ...) to the child's object first, through
// OnChildNotify; what the child handles there never reaches the parent.

#include "framework/CString.h"
#include "framework/Geometry.h"

#include <windows.h>

class CWnd
{
public:
    CWnd() = default;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;
    virtual ~CWnd();

    HWND GetSafeHwnd() const { return m_hWnd; }
    operator HWND() const { return m_hWnd; }
    // The object attached to hwnd, or none.
    static CWnd* FromHandlePermanent(HWND hwnd);

    // Registers a window class whose messages reach the owning CWnd (once per class name).
    static bool RegisterWindowClass(const wchar_t* className, UINT classStyle, HCURSOR cursor = nullptr,
                                    HBRUSH background = nullptr);
    // Unregisters every class registered above; a library calls it before it unloads, as the
    // classes would otherwise outlive their window procedure.
    static void UnregisterWindowClasses();

    // Creates a window of any class; a window whose class procedure is not ours (the system's
    // controls, a class registered with DefWindowProc) is subclassed once created.
    bool CreateEx(DWORD exStyle, const wchar_t* className, const wchar_t* windowName, DWORD style,
                  const RECT& rect, HWND parent, UINT id);
    virtual bool DestroyWindow();

    // Attaches this object to an existing window by replacing its procedure.
    bool SubclassWindow(HWND hwnd);
    bool SubclassDlgItem(UINT id, HWND parent);
    // Gives the window its previous procedure back and detaches; returns the window.
    HWND UnsubclassWindow();

    // Offered each message before it is translated and dispatched, by our modal loops and by the
    // control's TranslateAccelerator, for this window and each of its ancestors up to the modal
    // window or the control. True: handled, the message goes no further.
    virtual bool PreTranslateMessage(MSG* msg);
    // Offers msg to the objects of msg->hwnd and its ancestors up to top, innermost first. A
    // message for a window outside top is offered to nobody.
    static bool PreTranslateChain(MSG* msg, HWND top);
    // A notification this window sent its parent about itself, offered back here before the
    // parent sees it. Return true, with the result set, when handled.
    virtual bool OnChildNotify(UINT msg, WPARAM wp, LPARAM lp, LRESULT* result);

    // ---- thin helpers over the window (texts are code page 936) ----
    void Invalidate(bool erase = true) const;
    void InvalidateRect(const RECT* rect, bool erase = true) const;
    void UpdateWindow() const { ::UpdateWindow(m_hWnd); }
    CRect GetClientRect() const;
    CRect GetWindowRect() const;
    // The window rectangle of a child (or any window) in this window's client coordinates.
    CRect GetChildRect(HWND child) const;
    DWORD GetStyle() const { return DWORD(::GetWindowLongPtrW(m_hWnd, GWL_STYLE)); }
    DWORD GetExStyle() const { return DWORD(::GetWindowLongPtrW(m_hWnd, GWL_EXSTYLE)); }
    bool ModifyStyle(DWORD remove, DWORD add) const;
    HWND GetParent() const { return ::GetParent(m_hWnd); }
    bool IsWindowVisible() const { return ::IsWindowVisible(m_hWnd) != FALSE; }
    bool ShowWindow(int command) const { return ::ShowWindow(m_hWnd, command) != FALSE; }
    bool EnableWindow(bool enable = true) const { return ::EnableWindow(m_hWnd, enable) != FALSE; }
    bool IsWindowEnabled() const { return ::IsWindowEnabled(m_hWnd) != FALSE; }
    void MoveWindow(const RECT& rect, bool repaint = true) const;
    void CenterWindow(HWND alternateOwner = nullptr) const;
    HWND SetFocus() const { return ::SetFocus(m_hWnd); }
    HWND GetDlgItem(int id) const { return ::GetDlgItem(m_hWnd, id); }
    int GetDlgCtrlID() const { return ::GetDlgCtrlID(m_hWnd); }
    LRESULT SendMessage(UINT msg, WPARAM wp = 0, LPARAM lp = 0) const { return ::SendMessageW(m_hWnd, msg, wp, lp); }
    bool PostMessage(UINT msg, WPARAM wp = 0, LPARAM lp = 0) const
    {
        return ::PostMessageW(m_hWnd, msg, wp, lp) != FALSE;
    }
    CString GetWindowText() const { return TextOf(m_hWnd); }
    void SetWindowText(const CString& text) const;
    // The text of any window.
    static CString TextOf(HWND hwnd);
    HFONT GetFont() const { return reinterpret_cast<HFONT>(SendMessage(WM_GETFONT)); }
    void SetFont(HFONT font, bool redraw = true) const;
    void ScreenToClient(POINT& point) const { ::ScreenToClient(m_hWnd, &point); }
    void ScreenToClient(RECT& rect) const;
    void ClientToScreen(POINT& point) const { ::ClientToScreen(m_hWnd, &point); }
    void ClientToScreen(RECT& rect) const;
    // A message box through the modal seam, owned by this window.
    int MessageBox(const CString& text, const CString& caption = CString(), UINT type = MB_OK) const;

    // ---- timers, capture and the cursor clip ----
    UINT_PTR SetTimer(UINT_PTR id, UINT elapse) const { return ::SetTimer(m_hWnd, id, elapse, nullptr); }
    bool KillTimer(UINT_PTR id) const { return ::KillTimer(m_hWnd, id) != FALSE; }
    HWND SetCapture() const { return ::SetCapture(m_hWnd); }
    bool HasCapture() const { return m_hWnd && ::GetCapture() == m_hWnd; }
    // Confines the cursor to a screen rectangle (none: frees it). The clip belongs to this window:
    // it is freed as well when the window loses the capture or is destroyed, so an interrupted
    // drag never leaves the cursor caught.
    void ClipCursor(const RECT* screenRect);

    // ---- modal loops ----
    // Pumps messages, offering each to PreTranslateChain up to this window, until EndModalLoop,
    // ContinueModal says stop, or the window is gone; returns what EndModalLoop was given (-1
    // without it). A WM_QUIT ends it and is posted again for the loop outside.
    INT_PTR RunModalLoop();
    // Ends the modal run, also one whose loop has not started yet (an end during initialisation).
    void EndModalLoop(INT_PTR result);
    bool IsModal() const { return m_modalState != ModalState::None; }

    HWND m_hWnd = nullptr;

protected:
    // Runs before the window is created; may change the class, styles or position.
    virtual bool PreCreateWindow(CREATESTRUCTW& cs);
    // Runs when a window is subclassed, before its procedure is replaced.
    virtual void PreSubclassWindow() {}
    virtual LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp);
    // The default handling of the message being processed.
    LRESULT Default();
    // The procedure behind Default() for a window of our own class (MDI frames and children have
    // their own).
    virtual LRESULT DefWindowProc(UINT msg, WPARAM wp, LPARAM lp) { return ::DefWindowProcW(m_hWnd, msg, wp, lp); }
    // Called after the window is gone (WM_NCDESTROY); the object stays alive unless it deletes
    // itself here, which is the last thing that happens to it. A window destroyed while one of its
    // own messages is handled gets the call once that handler has returned.
    virtual void PostNcDestroy() {}
    // Marks a modal run as begun before its window exists, so an early EndModalLoop counts;
    // ClearModalState forgets a run whose window never came.
    void BeginModalState();
    void ClearModalState() { m_modalState = ModalState::None; }
    // Asked after each message of a modal loop.
    virtual bool ContinueModal() { return m_modalState == ModalState::Running; }

    // Runs one message through reflection and WindowProc, as the window procedure does. A handler
    // that throws gets the message answered as if it had not been there: by Default(), except that
    // a window whose WM_NCCREATE or WM_CREATE fails is not created at all.
    LRESULT Dispatch(UINT msg, WPARAM wp, LPARAM lp);

private:
    static LRESULT CALLBACK StdWndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    // Attaches a window whose procedure already reaches this object, or is about to.
    void AttachHandle(HWND hwnd);
    bool ReflectToChild(UINT msg, WPARAM wp, LPARAM lp, LRESULT* result);
    LRESULT AnswerFailedHandler(UINT msg);
    void Detach();
    void FreeCursorClip();

    struct CurrentMessage
    {
        UINT msg;
        WPARAM wp;
        LPARAM lp;
    };
    CurrentMessage m_current{};
    WNDPROC m_superProc = nullptr; // the procedure of a subclassed window
    bool m_clipsCursor = false;
    enum class ModalState
    {
        None,
        Running,
        Ended
    };
    ModalState m_modalState = ModalState::None;
    INT_PTR m_modalResult = -1;
    int m_dispatchDepth = 0;         // messages of this window being handled
    bool m_ncDestroyPending = false; // PostNcDestroy waits for them
};
