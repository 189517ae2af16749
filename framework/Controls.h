#pragma once

// Thin objects over the system's controls: created with Create, or attached to a dialog's control
// with DDX_Control. Owner-drawn buttons and combo boxes get their WM_DRAWITEM and WM_MEASUREITEM
// back from the parent as DrawItem and MeasureItem. Texts are code page 936.

#include "framework/Wnd.h"

class CStatic : public CWnd
{
public:
    bool Create(const CString& text, DWORD style, const RECT& rect, HWND parent, UINT id = 0xFFFF);
};

class CButton : public CWnd
{
public:
    bool Create(const CString& text, DWORD style, const RECT& rect, HWND parent, UINT id);
    int GetCheck() const { return int(SendMessage(BM_GETCHECK)); }
    void SetCheck(int check) const { SendMessage(BM_SETCHECK, WPARAM(check)); }
    UINT GetState() const { return UINT(SendMessage(BM_GETSTATE)); }

    // Owner draw (BS_OWNERDRAW): paints the item; called with the parent's WM_DRAWITEM.
    virtual void DrawItem(DRAWITEMSTRUCT*) {}
    bool OnChildNotify(UINT msg, WPARAM wp, LPARAM lp, LRESULT* result) override;
};

class CEdit : public CWnd
{
public:
    bool Create(DWORD style, const RECT& rect, HWND parent, UINT id);
    void SetSel(int start, int end, bool noScroll = false) const;
    void ReplaceSel(const CString& text, bool canUndo = false) const;
    void LimitText(int chars) const { SendMessage(EM_LIMITTEXT, WPARAM(chars)); }
};

class CComboBox : public CWnd
{
public:
    bool Create(DWORD style, const RECT& rect, HWND parent, UINT id);
    int AddString(const CString& text) const;
    int InsertString(int index, const CString& text) const;
    int DeleteString(int index) const { return int(SendMessage(CB_DELETESTRING, WPARAM(index))); }
    void ResetContent() const { SendMessage(CB_RESETCONTENT); }
    int GetCount() const { return int(SendMessage(CB_GETCOUNT)); }
    int GetCurSel() const { return int(SendMessage(CB_GETCURSEL)); }
    int SetCurSel(int index) const { return int(SendMessage(CB_SETCURSEL, WPARAM(index))); }
    CString GetLBText(int index) const;
    DWORD_PTR GetItemData(int index) const { return DWORD_PTR(SendMessage(CB_GETITEMDATA, WPARAM(index))); }
    int SetItemData(int index, DWORD_PTR data) const;
    // index -1: the selection field.
    int GetItemHeight(int index) const { return int(SendMessage(CB_GETITEMHEIGHT, WPARAM(index))); }
    int SetItemHeight(int index, int height) const;

    // Owner draw (CBS_OWNERDRAWFIXED or VARIABLE): called with the parent's WM_DRAWITEM and
    // WM_MEASUREITEM. A box made from a template measures before it is attached.
    virtual void DrawItem(DRAWITEMSTRUCT*) {}
    virtual void MeasureItem(MEASUREITEMSTRUCT*) {}
    bool OnChildNotify(UINT msg, WPARAM wp, LPARAM lp, LRESULT* result) override;
};

class CSpinButtonCtrl : public CWnd
{
public:
    bool Create(DWORD style, const RECT& rect, HWND parent, UINT id);
    void SetRange(int lower, int upper) const;
    int GetPos() const;
    int SetPos(int position) const;
    HWND SetBuddy(HWND buddy) const;
};
