// Winsock wants to come before windows.h.
#include <winsock2.h>

#include "host/QuilmApp.h"

#include "NorvakResource.h"
#include "framework/ComBoundary.h"
#include "framework/CommonControls.h"
#include "framework/ModalUI.h"
#include "framework/OleControlSite.h"
#include "host/AboutDlg.h"
#include "host/ChildFrame.h"
#include "host/MainFrame.h"

#include <ole2.h>
#include <shellapi.h>

#include <vector>

namespace {

CCQuilmApp* g_app = nullptr;

CString LoadText(UINT id)
{
    wchar_t text[512]{};
    ::LoadStringW(::GetModuleHandleW(nullptr), id, text, 512);
    return CString::FromWide(text);
}

std::vector<std::wstring> SplitCommandLine(const std::wstring& commandLine)
{
    std::vector<std::wstring> args;
    if (commandLine.empty())
        return args;
    int count = 0;
    LPWSTR* list = ::CommandLineToArgvW(commandLine.c_str(), &count);
    for (int i = 0; list && i < count; ++i)
        args.emplace_back(list[i]);
    if (list)
        ::LocalFree(list);
    return args;
}

bool IsSwitch(const std::wstring& arg, const wchar_t* name)
{
    return arg.size() > 1 && (arg[0] == L'/' || arg[0] == L'-') && ::lstrcmpiW(arg.c_str() + 1, name) == 0;
}

// The menu's window list goes under its popup that holds the window commands.
HMENU WindowPopupOf(HMENU menu)
{
    const int count = ::GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        HMENU popup = ::GetSubMenu(menu, i);
        if (popup && ::GetMenuState(popup, ID_WINDOW_CASCADE, MF_BYCOMMAND) != UINT(-1))
            return popup;
    }
    return nullptr;
}

} // namespace

CCQuilmApp& HostApp()
{
    return *g_app;
}

HWND HostMainWindow()
{
    return g_app && g_app->MainFrame() ? g_app->MainFrame()->m_hWnd : nullptr;
}

void FocusActiveView()
{
    if (CMainFrame* frame = HostMainFrame())
        if (CChildFrame* child = frame->ActiveChild())
            child->View().SetFocus();
}

int HostMessageBox(const CString& text, UINT type)
{
    return ModalUI::ShowMessage(HostMainWindow(), text, g_app ? g_app->Title() : CString("CQuilm"), type);
}

const CommandEntry<CCQuilmApp> CCQuilmApp::kCommands[] = {
    {ID_APP_ABOUT, 0, &CCQuilmApp::OnAppAbout, nullptr},
    {ID_FILE_NEW, 0, &CCQuilmApp::OnFileNew, nullptr},
    {ID_APP_EXIT, 0, &CCQuilmApp::OnAppExit, nullptr},
    {ID_FILE_MRU_FILE1, ID_FILE_MRU_LAST, &CCQuilmApp::OnOpenRecentFile, &CCQuilmApp::OnUpdateRecentFile},
};

CCQuilmApp::CCQuilmApp()
{
    g_app = this;
}

CCQuilmApp::~CCQuilmApp()
{
    ExitInstance();
    if (g_app == this)
        g_app = nullptr;
}

bool CCQuilmApp::InitInstance(const std::wstring& commandLine)
{
    m_title = LoadText(IDR_MAINFRAME);
    if (m_title.IsEmpty())
        m_title = "CQuilm";
    WSADATA sockets{};
    if (::WSAStartup(MAKEWORD(1, 1), &sockets) != 0) {
        HostMessageBox(LoadText(IDS_SOCKETS_INIT_FAILED));
        return false;
    }
    m_socketsStarted = true;
    if (FAILED(::OleInitialize(nullptr))) {
        HostMessageBox(LoadText(IDS_OLE_INIT_FAILED));
        return false;
    }
    m_oleStarted = true;
    EnsureCommonControls();
    SetRegistryKey(L"Local AppWizard-Generated Applications");
    LoadStdProfileSettings(4);
    m_documentMenu = ::LoadMenuW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_CQUILMTYPE));
    m_server.RegisterAll();
    m_mainFrame = std::make_unique<CMainFrame>();
    if (!m_mainFrame->LoadFrame(IDR_MAINFRAME, WS_OVERLAPPEDWINDOW)) {
        m_mainFrame.reset();
        return false;
    }
    m_mainFrame->SetLastCommandTarget(this);
    ::DragAcceptFiles(m_mainFrame->m_hWnd, TRUE);
    EnableShellOpen();
    CDocumentServer::RegisterShellFileTypes();
    for (const std::wstring& arg : SplitCommandLine(commandLine))
        if (IsSwitch(arg, L"Embedding") || IsSwitch(arg, L"Automation")) {
            m_embedded = true;
            return true;
        }
    CDocumentServer::UpdateRegistry();
    if (!ProcessShellCommand(commandLine))
        return false;
    m_mainFrame->ShowWindow(SW_SHOW);
    m_mainFrame->UpdateWindow();
    return true;
}

bool CCQuilmApp::ProcessShellCommand(const std::wstring& commandLine)
{
    for (const std::wstring& arg : SplitCommandLine(commandLine)) {
        // Registering and unregistering are all such a start does; the program then ends.
        if (IsSwitch(arg, L"RegServer") || IsSwitch(arg, L"Register"))
            return false;
        if (IsSwitch(arg, L"UnregServer") || IsSwitch(arg, L"Unregister")) {
            CDocumentServer::Unregister();
            return false;
        }
    }
    for (const std::wstring& arg : SplitCommandLine(commandLine)) {
        if (arg.empty() || arg[0] == L'/' || arg[0] == L'-')
            continue;
        m_mainFrame->OpenWorkbookPath(CString::FromWide(arg), m_mainFrame->m_hWnd, true);
        return true;
    }
    return NewDocumentWindow() != nullptr;
}

void CCQuilmApp::SetRegistryKey(const wchar_t* company)
{
    m_registryKey = std::wstring(L"Software\\") + company + L"\\" + m_title.ToWide();
}

void CCQuilmApp::LoadStdProfileSettings(size_t recentFiles)
{
    m_recentFiles.emplace(recentFiles, m_registryKey);
    m_recentFiles->Load();
}

void CCQuilmApp::EnableShellOpen()
{
    m_shellOpen.Enable([this](const CString& path) {
        if (!m_mainFrame || !m_mainFrame->m_hWnd)
            return false;
        // A file the person opened from the shell: the program is theirs from now on.
        if (!m_mainFrame->IsWindowVisible())
            m_mainFrame->ShowWindow(SW_SHOW);
        ::SetForegroundWindow(m_mainFrame->m_hWnd);
        return m_mainFrame->OpenWorkbookPath(path, m_mainFrame->m_hWnd, true);
    });
}

void CCQuilmApp::AddToRecentFileList(const CString& path)
{
    if (!m_recentFiles)
        return;
    m_recentFiles->Add(path);
    m_recentFiles->Save();
}

// A recent file opens as File Open opens it (its window comes forward when it is shown); one that
// cannot be opened any more leaves the list.
void CCQuilmApp::OnOpenRecentFile(UINT id)
{
    const size_t index = id - ID_FILE_MRU_FILE1;
    if (!m_recentFiles || index >= m_recentFiles->Count() || !m_mainFrame)
        return;
    const CString path = m_recentFiles->Path(index);
    if (m_mainFrame->OpenWorkbookPath(path, m_mainFrame->m_hWnd, true))
        return;
    m_recentFiles->Remove(index);
    m_recentFiles->Save();
}

void CCQuilmApp::OnUpdateRecentFile(CCmdUI& ui)
{
    ui.Enable(m_recentFiles && ui.m_nID - ID_FILE_MRU_FILE1 < m_recentFiles->Count());
}

void CCQuilmApp::ExitInstance()
{
    m_server.Revoke();
    m_mainFrame.reset();
    if (m_documentMenu)
        ::DestroyMenu(m_documentMenu);
    m_documentMenu = nullptr;
    if (m_oleStarted)
        ::OleUninitialize();
    m_oleStarted = false;
    if (m_socketsStarted)
        ::WSACleanup();
    m_socketsStarted = false;
}

CChildFrame* CCQuilmApp::NewDocumentWindow()
{
    if (!m_mainFrame || !m_mainFrame->m_hWnd)
        return nullptr;
    auto document = std::make_unique<CCQuilmDoc>();
    document->OnNewDocument();
    CString title;
    title.Format("%s%d", m_title.GetString(), ++m_documentCount);
    document->SetTitle(title);
    auto* frame = new CChildFrame(std::move(document));
    if (!frame->Create(m_mainFrame.get(), m_documentMenu, WindowPopupOf(m_documentMenu))) {
        delete frame;
        return nullptr;
    }
    frame->View().OnInitialUpdate();
    frame->ActivateFrame();
    return frame;
}

void CCQuilmApp::LockApp()
{
    ++m_locks;
}

void CCQuilmApp::UnlockApp()
{
    // A program started for automation ends when its clients let go of the last object.
    if (--m_locks == 0 && !UserControlsProgram() && m_mainFrame->m_hWnd)
        m_mainFrame->PostMessage(WM_CLOSE);
}

bool CCQuilmApp::UserControlsProgram() const
{
    return !m_embedded || !m_mainFrame || m_mainFrame->IsWindowVisible();
}

bool CCQuilmApp::OnCmdMsg(UINT id, CCmdUI* ui)
{
    return RouteThroughTable<CCQuilmApp>(this, kCommands, id, ui);
}

void CCQuilmApp::OnAppAbout(UINT)
{
    CAboutDlg dialog(HostMainWindow());
    dialog.DoModal();
}

void CCQuilmApp::OnFileNew(UINT)
{
    NewDocumentWindow();
}

void CCQuilmApp::OnAppExit(UINT)
{
    if (m_mainFrame && m_mainFrame->m_hWnd)
        m_mainFrame->PostMessage(WM_CLOSE);
}

bool CCQuilmApp::PreTranslateMessage(MSG* msg) const
{
    if (COleControlWnd::PreTranslateControlMessage(msg))
        return true;
    return m_mainFrame && m_mainFrame->m_hWnd && CWnd::PreTranslateChain(msg, m_mainFrame->m_hWnd);
}

void CCQuilmApp::OnIdle() const
{
    if (m_mainFrame && m_mainFrame->m_hWnd)
        m_mainFrame->UpdateControlBars();
}

int CCQuilmApp::Run()
{
    MSG msg{};
    bool idle = true;
    for (;;) {
        if (idle && !::PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
            // The tool bars that could not be brought up to date stay as they are until next time.
            AtBoundary(false, [this] {
                OnIdle();
                return true;
            });
            idle = false;
        }
        const BOOL got = ::GetMessageW(&msg, nullptr, 0, 0);
        if (got <= 0)
            break;
        if (!PreTranslateMessage(&msg)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
        // Input changes what the buttons should show; timers and paints do not.
        if (msg.message != WM_TIMER && msg.message != WM_PAINT && msg.message != WM_MOUSEMOVE &&
            msg.message != WM_NCMOUSEMOVE)
            idle = true;
    }
    return int(msg.wParam);
}
