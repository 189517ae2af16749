#pragma once

// The program object: start-up (sockets, OLE, the document server, the main frame, the command
// line), the message loop with its idle updates, File New and the about box.
//
// Ownership: the program owns the main frame object; document windows own themselves.

#include "framework/CmdTarget.h"
#include "framework/CString.h"
#include "host/DocumentServer.h"
#include "host/ShellOpenServer.h"
#include "host/model/RecentFileList.h"

#include <memory>
#include <optional>
#include <string>

class CMainFrame;
class CChildFrame;

class CCQuilmApp : public CCmdTarget
{
public:
    CCQuilmApp();
    ~CCQuilmApp() override;

    // Start-up; false ends the program at once.
    bool InitInstance(const std::wstring& commandLine);
    // The message loop; the exit code.
    int Run();
    void ExitInstance();

    // File New: a new document window with a new document and its control.
    CChildFrame* NewDocumentWindow();
    CMainFrame* MainFrame() const { return m_mainFrame.get(); }
    const CString& Title() const { return m_title; }
    bool IsEmbedded() const { return m_embedded; }

    // Documents and automation objects keep the program up while a client holds one.
    void LockApp();
    void UnlockApp();
    // Whether a person runs the program (it was not started for automation, or its window has
    // been shown); if not, it ends when its clients let go.
    bool UserControlsProgram() const;

    // The recent-file list of the File menu; a workbook opened or saved under a name joins it.
    const RecentFileList* RecentFiles() const { return m_recentFiles ? &*m_recentFiles : nullptr; }
    void AddToRecentFileList(const CString& path);
    // The shell's DDE messages to the main frame.
    bool OnShellOpenMessage(HWND frame, UINT msg, WPARAM wp, LPARAM lp) { return m_shellOpen.OnMessage(frame, msg, wp, lp); }

    bool OnCmdMsg(UINT id, CCmdUI* ui) override;
    // Offers a message to the control, the windows under the main frame and its accelerators.
    bool PreTranslateMessage(MSG* msg) const;
    // Enables and checks the tool bar buttons, shows the status bar's indicators.
    void OnIdle() const;

private:
    void OnAppAbout(UINT);
    void OnFileNew(UINT);
    void OnAppExit(UINT);
    void OnOpenRecentFile(UINT id);
    void OnUpdateRecentFile(CCmdUI& ui);
    bool ProcessShellCommand(const std::wstring& commandLine);
    // The program's registry key: HKEY_CURRENT_USER\Software\<company>\<program title>.
    void SetRegistryKey(const wchar_t* company);
    // Reads the recent-file list of that many entries.
    void LoadStdProfileSettings(size_t recentFiles);
    // Files opened from the shell come to the running program.
    void EnableShellOpen();

    static const CommandEntry<CCQuilmApp> kCommands[];
    std::unique_ptr<CMainFrame> m_mainFrame;
    CDocumentServer m_server;
    CShellOpenServer m_shellOpen;
    std::optional<RecentFileList> m_recentFiles;
    std::wstring m_registryKey;
    CString m_title;
    HMENU m_documentMenu = nullptr;
    int m_documentCount = 0;
    int m_locks = 0;
    bool m_embedded = false;
    bool m_oleStarted = false;
    bool m_socketsStarted = false;
};

CCQuilmApp& HostApp();
// The main frame's window, or none.
HWND HostMainWindow();
// Gives the focus to the active document window's view.
void FocusActiveView();
// A message box under the program's title, through the modal seam.
int HostMessageBox(const CString& text, UINT type = MB_OK | MB_ICONEXCLAMATION);
