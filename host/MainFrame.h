#pragma once

// The application window: three flat tool bars with the font boxes, the line boxes and the
// drop-down picker, the status bar, the list of open workbook files and the flag that tells a new
// document window it is made to receive a file. Its commands format the selected cells of the
// active document window's control.
//
// Ownership: the frame owns its boxes, tool bars and picker popup; the document windows own
// themselves.

#include "framework/MDIFrameWnd.h"
#include "framework/StatusBar.h"
#include "framework/ToolBar.h"
#include "host/HotTrackComboBox.h"
#include "host/LineStyleComboBox.h"
#include "host/PickerPopup.h"
#include "host/model/OpenFileList.h"

#include <commctrl.h>

class CNorvak;
class CChildFrame;

class CMainFrame : public CMDIFrameWnd
{
public:
    CHotTrackComboBox m_fontNameBox{true};
    CHotTrackComboBox m_fontSizeBox{false};
    CLineStyleComboBox m_lineStyleBox{0};
    CLineStyleComboBox m_lineWidthBox{1};
    int m_bOpeningFile = 0;
    OpenFileList m_openFiles;

    // The control of the active document window's view, or none.
    CNorvak* ActiveControl() const;
    CChildFrame* ActiveChild() const;
    CPickerPopup& Picker() { return m_picker; }
    // The standard, format and line tool bars, in that order.
    CToolBar& ToolBar(int index) { return m_toolBars[index]; }
    CStatusBar& StatusBar() { return m_statusBar; }

    // File Open: asks for a workbook file and shows it in a new document window, or brings the
    // window that already shows it to the front (checkDuplicates).
    void OpenWorkbook(HWND receiver, bool checkDuplicates);
    // The steps after the file is chosen; false when the control refused the file.
    bool OpenWorkbookPath(const CString& path, HWND receiver, bool checkDuplicates);

    bool OnCmdMsg(UINT id, CCmdUI* ui) override;
    void OnChildActivated(CMDIChildWnd* active) override;

protected:
    int OnCreate(CREATESTRUCTW* cs) override;
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    bool CreateToolBars();
    void OnApplyFont(HWND box);
    LRESULT OnToolbarDropDown(const NMTOOLBARW* info);

    void OnBold(UINT);
    void OnItalic(UINT);
    void OnUnderline(UINT);
    void OnAlign(UINT id);
    void OnPickerButton(UINT id);
    void OnFileOpen(UINT);
    void OnWindowArrange(UINT id);
    void OnUpdateBold(CCmdUI& ui);
    void OnUpdateItalic(CCmdUI& ui);
    void OnUpdateUnderline(CCmdUI& ui);
    void OnUpdateAlign(CCmdUI& ui);
    void OnUpdateSelection(CCmdUI& ui);

    static const CommandEntry<CMainFrame> kCommands[];
    CStatusBar m_statusBar;
    CToolBar m_toolBars[3];
    CPickerPopup m_picker;
};

// The program's main frame, once made.
CMainFrame* HostMainFrame();
