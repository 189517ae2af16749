#pragma once

// Data exchange between a dialog's controls and its members. DoDataExchange calls the DDX_
// functions, which move a value one way or the other by the exchange's direction, and the DDV_
// functions, which check a value just read. The first refusal tells the user through the modal
// seam, gives the refusing control the focus and stops the exchange: every later DDX_ or DDV_
// call of it does nothing, and UpdateData answers false.
//
// Texts are code page 936. A control id that names no control exchanges nothing.

#include "framework/CString.h"

#include <windows.h>

class CWnd;

class CDataExchange
{
public:
    CDataExchange(CWnd& dialog, bool saveAndValidate) : m_bSaveAndValidate(saveAndValidate), m_pDlgWnd(&dialog) {}

    const bool m_bSaveAndValidate; // true: controls to members, with validation
    CWnd* const m_pDlgWnd;

    // The control with that id, remembered as the one a refusal points at; none after a refusal.
    HWND PrepareCtrl(int id);
    HWND PrepareEditCtrl(int id);
    // Refuses with a message to the user.
    void Fail(const CString& message);
    bool Failed() const { return m_failed; }

private:
    HWND m_lastControl = nullptr;
    bool m_lastIsEdit = false;
    bool m_failed = false;
};

// Attaches control to the dialog's control id (once).
void DDX_Control(CDataExchange* dx, int id, CWnd& control);
void DDX_Text(CDataExchange* dx, int id, CString& value);
// A whole decimal number; anything else is refused.
void DDX_Text(CDataExchange* dx, int id, int& value);
// Check box state: 0, 1 or 2 (indeterminate).
void DDX_Check(CDataExchange* dx, int id, int& value);
// The index of the checked button in the radio group that starts at id (WS_GROUP ends it); -1 none.
void DDX_Radio(CDataExchange* dx, int id, int& value);
// The selected index of a combo box; -1 none.
void DDX_CBIndex(CDataExchange* dx, int id, int& value);
// Refuses a value read from the last control when it lies outside min .. max.
void DDV_MinMaxInt(CDataExchange* dx, int value, int min, int max);
