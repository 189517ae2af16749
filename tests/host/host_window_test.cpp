// The host program's main window with the control in its document windows, driven through real
// messages: start-up, File New, header labels, a new sheet, the menu's enabled items, Save and
// Open through the file dialog seam, closing a window, and an automation start.

#include "NorvakResource.h"
#include "host/ChildFrame.h"
#include "host/DocumentServer.h"
#include "host/model/RecentFileList.h"
#include "tests/host/HostWindowFixture.h"
#include "tests/support/InputPump.h"
#include "tests/support/ModalDriver.h"

#include <gtest/gtest.h>

#include <dde.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

namespace {

// Runs the messages queued as the program's message loop does.
void PumpAsTheProgram(const CCQuilmApp& app)
{
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
        if (!app.PreTranslateMessage(&msg)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
}

CString CellText(const CNorvak& control, long page, long row, long col)
{
    return DispatchCall<CString>(control, 33, page, row, col); // DoGetPageCellText
}

std::wstring TempWorkbook()
{
    wchar_t folder[MAX_PATH]{};
    ::GetTempPathW(MAX_PATH, folder);
    return std::wstring(folder) + L"quilm_window_test.nvk";
}

// Answers the message boxes of the control (its module has a modal seam of its own) with OK and
// keeps their texts.
class ControlMessageBoxes
{
public:
    ControlMessageBoxes() { SetHook(&Answer); }
    ~ControlMessageBoxes() { SetHook(nullptr); }
    static inline std::vector<std::wstring> texts;

private:
    static void SetHook(ModalHook hook)
    {
        texts.clear();
        using SetHookFunction = void(__cdecl*)(ModalHook);
        auto set = reinterpret_cast<SetHookFunction>(
            reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleW(L"Norvak.ocx"), "NorvakSetModalHook")));
        ASSERT_NE(set, nullptr);
        set(hook);
    }
    static INT_PTR CALLBACK Answer(const ModalRequest* request)
    {
        if (request->kind != ModalRequest::MessageBox)
            return ModalDriver::DefaultAnswer(*request);
        texts.push_back(request->text ? request->text : L"");
        return IDOK;
    }
};

class HostWindowTest : public HostWindowFixture
{
protected:
    // A key pressed and released on a window with Shift and Ctrl held as asked, through the
    // program's loop; a character typed the same way.
    void PressAsTheProgram(HWND window, UINT key, bool shift, bool ctrl)
    {
        HoldKeys(shift, ctrl);
        const LPARAM scan = LPARAM(::MapVirtualKeyW(key, MAPVK_VK_TO_VSC)) << 16;
        ::PostMessageW(window, WM_KEYDOWN, key, scan | 1);
        ::PostMessageW(window, WM_KEYUP, key, scan | 1 | (LPARAM(3) << 30));
        PumpAsTheProgram(app);
        HoldKeys(false, false);
    }
    void TypeAsTheProgram(HWND window, wchar_t ch)
    {
        ::PostMessageW(window, WM_CHAR, ch, 1);
        PumpAsTheProgram(app);
    }
    // The recent-file items the File menu shows when it opens: text, and "(disabled)" after it.
    std::vector<std::wstring> RecentFileItems()
    {
        HMENU file = ::GetSubMenu(::GetMenu(app.MainFrame()->m_hWnd), 0);
        OpenPopup(file);
        std::vector<std::wstring> items;
        for (int i = 0; i < ::GetMenuItemCount(file); ++i) {
            const UINT id = ::GetMenuItemID(file, i);
            if (id < ID_FILE_MRU_FILE1 || id > ID_FILE_MRU_LAST)
                continue;
            wchar_t text[MAX_PATH]{};
            ::GetMenuStringW(file, UINT(i), text, MAX_PATH, MF_BYPOSITION);
            items.push_back(text);
            if (::GetMenuState(file, UINT(i), MF_BYPOSITION) & MF_GRAYED)
                items.back() += L" (disabled)";
        }
        return items;
    }
    // Ends the program's instance and starts it again, as a person closing and starting it.
    void Restart()
    {
        TearDown();
        ASSERT_TRUE(app.InitInstance(L""));
        Pump();
    }
};

TEST_F(HostWindowTest, StartsWithOneDocumentWindowHoldingTheControlWithLabelledHeaders)
{
    ASSERT_TRUE(app.InitInstance(L""));
    Pump();
    CMainFrame* frame = app.MainFrame();
    ASSERT_NE(frame, nullptr);
    EXPECT_TRUE(frame->IsWindowVisible());
    EXPECT_EQ(DocumentWindows(*frame), 1);
    CNorvak* control = frame->ActiveControl();
    ASSERT_NE(control, nullptr);
    CChildFrame* child = frame->ActiveChild();
    ASSERT_NE(child, nullptr);
    // The control's own window, child 105 of the view, filling it.
    EXPECT_EQ(::GetParent(control->m_hWnd), child->View().m_hWnd);
    EXPECT_EQ(::GetDlgCtrlID(control->m_hWnd), 105);
    RECT view{}, held{};
    ::GetClientRect(child->View().m_hWnd, &view);
    ::GetWindowRect(control->m_hWnd, &held);
    EXPECT_EQ(held.right - held.left, view.right);
    EXPECT_EQ(held.bottom - held.top, view.bottom);
    EXPECT_EQ(CWnd::TextOf(frame->m_hWnd), CString("CQuilm - CQuilm1"));
    const HWND first = control->m_hWnd;
    child->View().OnInitialUpdate();
    EXPECT_EQ(control->m_hWnd, first) << "a second initial update makes no second control";
    EXPECT_EQ(::GetWindow(child->View().m_hWnd, GW_CHILD), first);
    EXPECT_EQ(::GetWindow(first, GW_HWNDNEXT), nullptr);

    EXPECT_EQ(control->DoGetPageCounts(), 3);
    EXPECT_EQ(CellText(*control, 0, 0, 1), CString("A"));
    EXPECT_EQ(CellText(*control, 0, 0, 26), CString("Z"));
    EXPECT_EQ(CellText(*control, 2, 0, 27), CString("AA"));
    EXPECT_EQ(CellText(*control, 1, 1, 0), CString("1"));
    EXPECT_EQ(CellText(*control, 1, 99, 0), CString("99"));
    EXPECT_EQ(DispatchCall<long>(*control, 16, 0L, 0L), 40); // DoGetPageColumnWidth of the header column
}

TEST_F(HostWindowTest, MenuCommandsReachTheActiveWindowsControl)
{
    ASSERT_TRUE(app.InitInstance(L""));
    Pump();
    CMainFrame* frame = app.MainFrame();
    Command(ID_NEW_SHEET);
    CNorvak* control = frame->ActiveControl();
    ASSERT_NE(control, nullptr);
    ASSERT_EQ(control->DoGetPageCounts(), 4);
    // A member the control does not have gives an empty answer, no error raised.
    EXPECT_EQ(DispatchCall<long>(*control, 58, 3L), 0);
    EXPECT_EQ(dispatch_client::LastError(), DISP_E_MEMBERNOTFOUND);
    EXPECT_EQ(control->DoGetPageRows(3, 2), 100);
    EXPECT_EQ(control->DoGetPageColumns(3, 2), 50);
    EXPECT_EQ(CellText(*control, 3, 0, 49), CString("AW"));
    EXPECT_EQ(CellText(*control, 3, 99, 0), CString("99"));

    Command(ID_FILE_NEW);
    EXPECT_EQ(DocumentWindows(*frame), 2);
    EXPECT_EQ(CWnd::TextOf(frame->m_hWnd), CString("CQuilm - CQuilm2"));
    EXPECT_NE(frame->ActiveControl(), control);
    EXPECT_EQ(frame->ActiveControl()->DoGetPageCounts(), 3);

    // Items with a handler are enabled, the ones nobody handles are not.
    EXPECT_EQ(MenuState(ID_NEW_SHEET) & MF_GRAYED, 0u);
    EXPECT_NE(MenuState(ID_COLUMN_WIDTH) & MF_GRAYED, 0u);
    EXPECT_NE(MenuState(ID_SHEET_RENAME) & MF_GRAYED, 0u);
}

TEST_F(HostWindowTest, SaveAsksOnceAndOpeningTheSameFileTwiceShowsOneWindow)
{
    const std::wstring path = TempWorkbook();
    ::DeleteFileW(path.c_str());
    ModalDriver driver;
    driver.answer = [&](const ModalRequest& request) -> INT_PTR {
        if (request.kind != ModalRequest::FileDialog)
            return ModalDriver::DefaultAnswer(request);
        auto* ofn = static_cast<OPENFILENAMEW*>(request.data);
        ::lstrcpynW(ofn->lpstrFile, path.c_str(), int(ofn->nMaxFile));
        return IDOK;
    };
    ASSERT_TRUE(app.InitInstance(L""));
    Pump();
    CMainFrame* frame = app.MainFrame();
    Command(ID_NEW_SHEET);
    Command(ID_SAVE_WORKBOOK);
    ASSERT_NE(::GetFileAttributesW(path.c_str()), INVALID_FILE_ATTRIBUTES) << "the workbook was written";
    Command(ID_SAVE_WORKBOOK);
    EXPECT_EQ(driver.SeenOf(ModalRequest::FileDialog).size(), 1u) << "the second Save writes without asking";

    Command(ID_FILE_OPEN);
    ASSERT_EQ(DocumentWindows(*frame), 2);
    CChildFrame* opened = frame->ActiveChild();
    ASSERT_NE(opened, nullptr);
    EXPECT_EQ(CWnd::TextOf(opened->m_hWnd), CString("quilm_window_test.nvk"));
    EXPECT_EQ(opened->View().Control().DoGetPageCounts(), 4) << "only the file's pages";
    EXPECT_EQ(frame->m_bOpeningFile, 0);

    Command(ID_FILE_NEW); // another window comes to the front
    ASSERT_EQ(DocumentWindows(*frame), 3);
    Command(ID_FILE_OPEN);
    EXPECT_EQ(DocumentWindows(*frame), 3) << "the window that shows the file comes forward";
    EXPECT_EQ(frame->ActiveChild(), opened);

    ::SendMessageW(opened->m_hWnd, WM_CLOSE, 0, 0);
    Pump();
    EXPECT_EQ(DocumentWindows(*frame), 2);
    EXPECT_TRUE(frame->m_openFiles.Entries().empty());
    ::DeleteFileW(path.c_str());
}

TEST_F(HostWindowTest, ARefusedOpenLeavesNoWindowWhoseSaveCouldReplaceTheFile)
{
    wchar_t folder[MAX_PATH]{};
    ::GetTempPathW(MAX_PATH, folder);
    const std::wstring path = std::wstring(folder) + L"quilm_refused.nvk";
    const std::string bytes = "this is no workbook";
    HANDLE file = ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    DWORD written = 0;
    ::WriteFile(file, bytes.data(), DWORD(bytes.size()), &written, nullptr);
    ::CloseHandle(file);

    ModalDriver driver;
    driver.answer = [&](const ModalRequest& request) -> INT_PTR {
        if (request.kind != ModalRequest::FileDialog || request.type != 1)
            return ModalDriver::DefaultAnswer(request); // the save dialog is cancelled
        auto* ofn = static_cast<OPENFILENAMEW*>(request.data);
        ::lstrcpynW(ofn->lpstrFile, path.c_str(), int(ofn->nMaxFile));
        return IDOK;
    };
    ControlMessageBoxes refusals;
    ASSERT_TRUE(app.InitInstance(L""));
    Pump();
    CMainFrame* frame = app.MainFrame();
    Command(ID_FILE_OPEN);
    Pump();
    EXPECT_EQ(refusals.texts.size(), 1u) << "the control told why it refused the file";
    EXPECT_EQ(DocumentWindows(*frame), 1) << "the refused file's window was closed";
    EXPECT_TRUE(frame->m_openFiles.Entries().empty());
    ASSERT_NE(frame->ActiveChild(), nullptr);
    EXPECT_TRUE(frame->ActiveChild()->Path().IsEmpty());
    EXPECT_EQ(CWnd::TextOf(frame->m_hWnd), CString("CQuilm - CQuilm1"));

    Command(ID_SAVE_WORKBOOK);
    EXPECT_EQ(driver.SeenOf(ModalRequest::FileDialog).size(), 2u) << "Save asked for a name";
    std::string after(64, '\0');
    file = ::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    DWORD read = 0;
    ::ReadFile(file, after.data(), DWORD(after.size()), &read, nullptr);
    ::CloseHandle(file);
    after.resize(read);
    EXPECT_EQ(after, bytes) << "the refused file is unchanged";
    ::DeleteFileW(path.c_str());
}

std::wstring TempPath(const wchar_t* name)
{
    wchar_t folder[MAX_PATH]{};
    ::GetTempPathW(MAX_PATH, folder);
    return std::wstring(folder) + name;
}

const wchar_t kProfileKey[] = L"Software\\Local AppWizard-Generated Applications\\CQuilm";

TEST_F(HostWindowTest, TheRecentFileListSurvivesARestartAndOpensItsEntries)
{
    ::RegDeleteTreeW(HKEY_CURRENT_USER, kProfileKey);
    const std::wstring first = TempPath(L"quilm_recent_1.nvk");
    const std::wstring second = TempPath(L"quilm_recent_2.nvk");
    const std::wstring* saveAs = &first;
    ModalDriver driver;
    driver.answer = [&](const ModalRequest& request) -> INT_PTR {
        if (request.kind != ModalRequest::FileDialog)
            return ModalDriver::DefaultAnswer(request);
        auto* ofn = static_cast<OPENFILENAMEW*>(request.data);
        ::lstrcpynW(ofn->lpstrFile, saveAs->c_str(), int(ofn->nMaxFile));
        return IDOK;
    };
    ASSERT_TRUE(app.InitInstance(L""));
    Pump();
    EXPECT_EQ(RecentFileItems(), std::vector<std::wstring>{L"最近文件 (disabled)"});
    Command(ID_SAVE_WORKBOOK);
    saveAs = &second;
    Command(ID_SAVE_WORKBOOK_AS);
    const std::wstring shown1 = L"&2 " + RecentFileList::ShortName(CString::FromWide(first), 30).ToWide();
    const std::wstring shown2 = L"&1 " + RecentFileList::ShortName(CString::FromWide(second), 30).ToWide();
    EXPECT_EQ(RecentFileItems(), (std::vector<std::wstring>{shown2, shown1}));

    Restart();
    CMainFrame* frame = app.MainFrame();
    ASSERT_EQ(RecentFileItems(), (std::vector<std::wstring>{shown2, shown1})) << "the list came back from the registry";
    Command(ID_FILE_MRU_FILE1 + 1);
    ASSERT_EQ(DocumentWindows(*frame), 2);
    EXPECT_EQ(CWnd::TextOf(frame->ActiveChild()->m_hWnd), CString("quilm_recent_1.nvk"));
    EXPECT_EQ(frame->ActiveChild()->View().Control().DoGetPageCounts(), 3) << "the file's pages";
    EXPECT_EQ(RecentFileItems().front(), L"&1 " + RecentFileList::ShortName(CString::FromWide(first), 30).ToWide())
        << "the file opened comes first";
    CChildFrame* opened = frame->ActiveChild();
    Command(ID_FILE_NEW);
    Command(ID_FILE_MRU_FILE1);
    EXPECT_EQ(DocumentWindows(*frame), 3) << "a shown file comes forward and opens no window";
    EXPECT_EQ(frame->ActiveChild(), opened);

    // A file gone since leaves the list when its entry is chosen.
    ::DeleteFileW(second.c_str());
    ControlMessageBoxes refusals;
    Command(ID_FILE_MRU_FILE1 + 1);
    Pump();
    EXPECT_EQ(refusals.texts.size(), 1u);
    EXPECT_EQ(DocumentWindows(*frame), 3);
    EXPECT_EQ(RecentFileItems().size(), 1u);
    ::DeleteFileW(first.c_str());
    ::RegDeleteTreeW(HKEY_CURRENT_USER, kProfileKey);
}

// A client of the shell's DDE conversation: the program's answers arrive at its window.
class DdeClient
{
public:
    DdeClient()
    {
        WNDCLASSW type{};
        type.lpfnWndProc = &Proc;
        type.hInstance = ::GetModuleHandleW(nullptr);
        type.lpszClassName = L"QuilmTestDdeClient";
        ::RegisterClassW(&type);
        m_window = ::CreateWindowExW(0, type.lpszClassName, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                     type.hInstance, nullptr);
        s_client = this;
    }
    ~DdeClient()
    {
        ::DestroyWindow(m_window);
        s_client = nullptr;
    }
    // Asks a window for the program's conversation (the shell asks every top-level window); the
    // server that answered.
    HWND Initiate(HWND window, const wchar_t* application, const wchar_t* topic)
    {
        const ATOM a = ::GlobalAddAtomW(application), t = ::GlobalAddAtomW(topic);
        ::SendMessageW(window, WM_DDE_INITIATE, reinterpret_cast<WPARAM>(m_window), MAKELPARAM(a, t));
        ::GlobalDeleteAtom(a);
        ::GlobalDeleteAtom(t);
        return server;
    }
    // Posts the commands and pumps until the server acknowledges them; whether it accepted them.
    bool Execute(const std::wstring& commands)
    {
        HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE, (commands.size() + 1) * sizeof(wchar_t));
        std::memcpy(::GlobalLock(memory), commands.c_str(), (commands.size() + 1) * sizeof(wchar_t));
        ::GlobalUnlock(memory);
        acknowledged = false;
        ::PostMessageW(server, WM_DDE_EXECUTE, reinterpret_cast<WPARAM>(m_window), reinterpret_cast<LPARAM>(memory));
        for (int i = 0; i < 100 && !acknowledged; ++i) {
            Pump();
            ::Sleep(10);
        }
        ::GlobalFree(memory);
        return accepted;
    }
    void Terminate()
    {
        ::PostMessageW(server, WM_DDE_TERMINATE, reinterpret_cast<WPARAM>(m_window), 0);
        Pump();
    }

    HWND server = nullptr;
    bool acknowledged = false;
    bool accepted = false;
    bool terminated = false;

private:
    static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp)
    {
        DdeClient* self = s_client;
        if (self && msg == WM_DDE_ACK && !self->server) {
            self->server = reinterpret_cast<HWND>(wp);
            ::GlobalDeleteAtom(LOWORD(lp));
            ::GlobalDeleteAtom(HIWORD(lp));
            return 0;
        }
        if (self && msg == WM_DDE_ACK) {
            UINT_PTR status = 0, commands = 0;
            ::UnpackDDElParam(WM_DDE_ACK, lp, &status, &commands);
            ::FreeDDElParam(WM_DDE_ACK, lp);
            self->acknowledged = true;
            self->accepted = (status & 0x8000) != 0;
            return 0;
        }
        if (self && msg == WM_DDE_TERMINATE) {
            self->terminated = true;
            return 0;
        }
        return ::DefWindowProcW(hwnd, msg, wp, lp);
    }
    static inline DdeClient* s_client = nullptr;
    HWND m_window = nullptr;
};

TEST_F(HostWindowTest, AWorkbookOpenedFromTheShellComesToTheRunningProgramOverDde)
{
    const std::wstring book = TempPath(L"quilm_shell_open.nvk");
    ModalDriver driver;
    driver.answer = [&](const ModalRequest& request) -> INT_PTR {
        if (request.kind != ModalRequest::FileDialog)
            return ModalDriver::DefaultAnswer(request);
        ::lstrcpynW(static_cast<OPENFILENAMEW*>(request.data)->lpstrFile, book.c_str(), MAX_PATH);
        return IDOK;
    };
    ASSERT_TRUE(app.InitInstance(L""));
    Pump();
    CMainFrame* frame = app.MainFrame();
    Command(ID_SAVE_WORKBOOK);
    ::SendMessageW(frame->ActiveChild()->m_hWnd, WM_CLOSE, 0, 0);
    Pump();
    ASSERT_EQ(DocumentWindows(*frame), 0);

    DdeClient client;
    EXPECT_EQ(client.Initiate(frame->m_hWnd, L"CQuilm", L"other"), nullptr) << "another topic finds no server";
    ASSERT_EQ(client.Initiate(frame->m_hWnd, L"CQuilm", L"system"), frame->m_hWnd);
    EXPECT_TRUE(client.Execute(L"[open(\"" + book + L"\")]"));
    ASSERT_EQ(DocumentWindows(*frame), 1);
    EXPECT_EQ(CWnd::TextOf(frame->ActiveChild()->m_hWnd), CString("quilm_shell_open.nvk"));
    EXPECT_TRUE(client.Execute(L"[open(\"" + book + L"\")]"));
    EXPECT_EQ(DocumentWindows(*frame), 1) << "the file shown comes forward";
    EXPECT_FALSE(client.Execute(L"[print(\"" + book + L"\")]")) << "a command it does not know is refused";
    client.Terminate();
    EXPECT_TRUE(client.terminated);
    ::DeleteFileW(book.c_str());
}

// Pumps until the queue is empty; whether the program asked to end meanwhile.
bool PumpSeesQuit()
{
    bool quit = false;
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        quit = quit || msg.message == WM_QUIT;
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
    return quit;
}

// The program's class object of documents, as a client in this process finds it.
IClassFactory* DocumentClassObject()
{
    IClassFactory* factory = nullptr;
    ::CoGetClassObject(CDocumentServer::kClassId, CLSCTX_LOCAL_SERVER, nullptr, IID_IClassFactory,
                       reinterpret_cast<void**>(&factory));
    return factory;
}

TEST_F(HostWindowTest, StartedForAutomationTheProgramEndsWhenItsClientsReleaseTheLastDocumentAndLock)
{
    ASSERT_TRUE(app.InitInstance(L"-Embedding"));
    Pump();
    IClassFactory* factory = DocumentClassObject();
    ASSERT_NE(factory, nullptr);
    ASSERT_EQ(factory->LockServer(TRUE), S_OK);
    IDispatch* document = nullptr;
    ASSERT_EQ(factory->CreateInstance(nullptr, IID_IDispatch, reinterpret_cast<void**>(&document)), S_OK);
    CMainFrame* frame = app.MainFrame();
    EXPECT_EQ(DocumentWindows(*frame), 1);
    EXPECT_FALSE(frame->IsWindowVisible());

    document->Release();
    EXPECT_FALSE(PumpSeesQuit()) << "the lock keeps the program";
    EXPECT_EQ(DocumentWindows(*frame), 0) << "the released document's window closed";

    factory->LockServer(FALSE);
    factory->Release();
    EXPECT_TRUE(PumpSeesQuit()) << "the last lock taken off ends the program";
    EXPECT_EQ(app.MainFrame()->m_hWnd, nullptr);
}

TEST_F(HostWindowTest, StartedByAPersonTheProgramKeepsTheWindowOfADocumentAClientReleased)
{
    ASSERT_TRUE(app.InitInstance(L""));
    Pump();
    IClassFactory* factory = DocumentClassObject();
    ASSERT_NE(factory, nullptr);
    IDispatch* document = nullptr;
    ASSERT_EQ(factory->CreateInstance(nullptr, IID_IDispatch, reinterpret_cast<void**>(&document)), S_OK);
    document->Release();
    factory->Release();
    EXPECT_FALSE(PumpSeesQuit());
    EXPECT_EQ(DocumentWindows(*app.MainFrame()), 2) << "the person's program keeps what it shows";
}

TEST_F(HostWindowTest, AnAutomationStartShowsNoWindowAndMakesNoDocument)
{
    ASSERT_TRUE(app.InitInstance(L"/Embedding"));
    Pump();
    ASSERT_NE(app.MainFrame(), nullptr);
    EXPECT_FALSE(app.MainFrame()->IsWindowVisible());
    EXPECT_EQ(DocumentWindows(*app.MainFrame()), 0);
    EXPECT_TRUE(app.IsEmbedded());
}

// Who takes each key pressed while the grid has the focus: the host's accelerators reach the main
// frame as commands (kept from running here), the keys the control acts on reach the control's
// window and no command. The messages go through the program's own pre-translation, as its
// message loop sends them.
class KeyWitness
{
public:
    KeyWitness(HWND frame, HWND control) : m_frame(frame), m_control(control)
    {
        s_witness = this;
        m_frameProc = Subclass(frame, &FrameProc);
        m_controlProc = Subclass(control, &ControlProc);
    }
    ~KeyWitness()
    {
        ::SetWindowLongPtrW(m_frame, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_frameProc));
        ::SetWindowLongPtrW(m_control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_controlProc));
        s_witness = nullptr;
    }
    std::vector<UINT> commands; // the accelerator commands the frame received
    std::vector<UINT> keys;     // the key presses the control's window received
    std::function<void(UINT)> onCommand;

private:
    static WNDPROC Subclass(HWND window, WNDPROC proc)
    {
        return reinterpret_cast<WNDPROC>(::SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(proc)));
    }
    static LRESULT CALLBACK FrameProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp)
    {
        if (msg == WM_COMMAND && HIWORD(wp) == 1) {
            s_witness->commands.push_back(LOWORD(wp));
            if (s_witness->onCommand)
                s_witness->onCommand(LOWORD(wp));
            return 0;
        }
        return ::CallWindowProcW(s_witness->m_frameProc, hwnd, msg, wp, lp);
    }
    static LRESULT CALLBACK ControlProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp)
    {
        if (msg == WM_KEYDOWN)
            s_witness->keys.push_back(UINT(wp));
        return ::CallWindowProcW(s_witness->m_controlProc, hwnd, msg, wp, lp);
    }

    static inline KeyWitness* s_witness = nullptr;
    HWND m_frame;
    HWND m_control;
    WNDPROC m_frameProc = nullptr;
    WNDPROC m_controlProc = nullptr;
};

TEST_F(HostWindowTest, TheHostsShortcutsWorkWithTheGridFocusedAndTheControlsKeysStillReachIt)
{
    ASSERT_TRUE(app.InitInstance(L""));
    Pump();
    CMainFrame* frame = app.MainFrame();
    const HWND control = frame->ActiveControl()->m_hWnd;
    struct Case
    {
        const char* name;
        UINT key;
        bool shift;
        bool ctrl;
        UINT command; // the host's command, or 0: the control's key
    };
    const Case cases[] = {
        {"Ctrl+M merges", 'M', false, true, ID_MERGE_CELLS},
        {"Ctrl+U unmerges", 'U', false, true, ID_UNMERGE_CELLS},
        {"Ctrl+T inserts a sheet", 'T', false, true, ID_NEW_SHEET},
        {"Ctrl+N opens a window", 'N', false, true, ID_FILE_NEW},
        {"Ctrl+O opens a file", 'O', false, true, ID_FILE_OPEN},
        {"Ctrl+S saves", 'S', false, true, ID_SAVE_WORKBOOK},
        {"Ctrl+P prints", 'P', false, true, ID_FILE_PRINT},
        {"Ctrl+C", 'C', false, true, 0},
        {"Ctrl+X", 'X', false, true, 0},
        {"Ctrl+V", 'V', false, true, 0},
        {"Ctrl+A", 'A', false, true, 0},
        {"Ctrl+Home", VK_HOME, false, true, 0},
        {"Right", VK_RIGHT, false, false, 0},
        {"Down", VK_DOWN, false, false, 0},
        {"Left", VK_LEFT, false, false, 0},
        {"Up", VK_UP, false, false, 0},
        {"Shift+Right", VK_RIGHT, true, false, 0},
        {"Ctrl+Insert copies the selection", VK_INSERT, false, true, ID_EDIT_COPY},
        {"Enter", VK_RETURN, false, false, 0},
        {"Tab", VK_TAB, false, false, 0},
        {"Delete", VK_DELETE, false, false, 0},
        {"Shift+Delete", VK_DELETE, true, false, 0},
        {"a letter", 'Q', false, false, 0},
        {"a digit", '7', false, false, 0},
    };
    for (const Case& c : cases) {
        ::SetFocus(control);
        KeyWitness witness(frame->m_hWnd, control);
        PressAsTheProgram(control, c.key, c.shift, c.ctrl);
        if (c.command) {
            EXPECT_EQ(witness.commands, std::vector<UINT>{c.command}) << c.name << ": the host's command";
            EXPECT_TRUE(witness.keys.empty()) << c.name << ": the control saw the key too";
        } else {
            EXPECT_TRUE(witness.commands.empty()) << c.name << ": a host command ran";
            EXPECT_EQ(witness.keys, std::vector<UINT>{c.key}) << c.name << ": the control's key";
        }
    }
    EXPECT_EQ(DocumentWindows(*frame), 1) << "the frame's commands were only recorded";
}

TEST_F(HostWindowTest, AShortcutPressedInTheCellEditorStoresTheTypedTextBeforeTheHostsCommandRuns)
{
    ASSERT_TRUE(app.InitInstance(L""));
    Pump();
    CMainFrame* frame = app.MainFrame();
    CNorvak& norvak = *frame->ActiveControl();
    const HWND control = norvak.m_hWnd;
    DispatchCall<bool>(norvak, 59, -1L, 2L, 2L); // DoSetPageFocusGrid
    ::SetFocus(control);
    TypeAsTheProgram(control, L'4');
    const HWND editor = ::GetFocus();
    ASSERT_NE(editor, control) << "typing opened the cell editor";
    TypeAsTheProgram(editor, L'2');

    KeyWitness witness(frame->m_hWnd, control);
    PressAsTheProgram(editor, 'C', false, true);
    EXPECT_TRUE(witness.commands.empty()) << "Ctrl+C copies the editor's text";
    EXPECT_EQ(::GetFocus(), editor) << "and the edit goes on";

    const long page = norvak.DoGetActivePageIndex();
    CString textWhenRun;
    witness.onCommand = [&](UINT) { textWhenRun = CellText(norvak, page, 2, 2); };
    PressAsTheProgram(editor, 'S', false, true);
    EXPECT_EQ(witness.commands, std::vector<UINT>{ID_SAVE_WORKBOOK});
    EXPECT_EQ(textWhenRun, CString("42")) << "the edit ended and stored its text before the save ran";
    EXPECT_EQ(::GetFocus(), control);
}

} // namespace
