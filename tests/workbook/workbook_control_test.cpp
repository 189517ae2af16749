// Saving and opening workbooks through the control: by DISPID in our container with a look inside
// the pages, and by late binding in a container that is not ours.

#include "framework/OleModule.h"
#include "sheet/NorvakCtrl.h"
#include "tests/support/TestContainer.h"
#include "tests/workbook/TempFolder.h"
#include "tests/workbook/WorkbookSamples.h"
#include "workbook/WorkbookFile.h"

namespace {

enum : DISPID
{
    kDoInsertPage = 2,
    kDoDeletePage = 3,
    kDoGetPageCounts = 6,
    kDoSetPageCellText = 32,
    kDoGetPageCellText = 33,
    kDoSave = 69,
    kDoOpen = 70,
    kShellDoInsertingPage = 2,
    kShellDoInsertedPage = 3,
    kShellOnRowsChanged = 4,
    kShellOnColumnsChanged = 5,
};

std::vector<std::wstring> g_messages;

INT_PTR CALLBACK RecordMessage(const ModalRequest* request)
{
    g_messages.push_back(std::wstring(request->text) + L"|" + request->caption);
    return IDOK;
}

class Environment : public ::testing::Environment
{
public:
    void SetUp() override
    {
        ASSERT_EQ(OleInitialize(nullptr), S_OK);
        ModalUI::SetHook(&RecordMessage);
    }
    void TearDown() override
    {
        ModalUI::SetHook(nullptr);
        OleUninitialize();
    }
};
const auto* const g_environment = ::testing::AddGlobalTestEnvironment(new Environment);

// A control in our container, activated with its three default pages of 100 x 50 cells.
struct Control
{
    TestContainer container;
    CNorvakCtrl* control = new CNorvakCtrl;

    Control()
    {
        EXPECT_EQ(container.Create(static_cast<IOleObject*>(control)), S_OK);
        EXPECT_EQ(container.Activate(), S_OK);
        container.events.clear();
    }
    bool Save(const CString& path, bool all = true, LONG page = 0, bool rowHeader = true,
              bool colHeader = true)
    {
        return Bool(kDoSave, {Variant::String(path.ToWide().c_str()), Variant::Bool(all), Variant::Long(page),
                              Variant::Bool(rowHeader), Variant::Bool(colHeader)});
    }
    bool Open(const CString& path) { return Bool(kDoOpen, {Variant::String(path.ToWide().c_str())}); }
    bool Bool(DISPID dispid, std::vector<Variant> args)
    {
        Variant result;
        EXPECT_EQ(container.Call(dispid, std::move(args), &result), S_OK) << dispid;
        EXPECT_EQ(result.type(), VT_BOOL) << dispid;
        return (*result).boolVal != VARIANT_FALSE;
    }
    int Pages() const { return control->DoGetPageCounts(); }
    // What a page works out when it is shown (scroll ranges, merges across the locked bands), as a
    // page opened from a file does, for a page filled behind the control's back.
    void Settle(int page)
    {
        control->ResetScrollBars(page);
        control->AdjustMergesToLockedArea(page);
    }
    // Every page as a workbook file holds it, to show that a failed open changed nothing.
    std::vector<uint8_t> Snapshot() const
    {
        std::vector<CPageToSave> pages;
        for (int index = 0; index < Pages(); ++index)
            pages.push_back({control->GetPage(index), control->GetPageCells(index)});
        return SaveBytes(pages, CHeaderFlags{1, 1});
    }
};

std::string ControlPageDifference(const Control& a, int pageA, const Control& b, int pageB)
{
    return PageDifference(*a.control->GetPage(pageA), *a.control->GetPageCells(pageA),
                          *b.control->GetPage(pageB), *b.control->GetPageCells(pageB));
}

} // namespace

TEST(WorkbookControl, SaveInOneControlAndOpenInAnotherGivesEqualPages)
{
    TempFolder folder;
    Control first;
    FillSample(*first.control->GetPage(1), *first.control->GetPageCells(1));
    first.Settle(1);
    first.control->DoSetPageCellText(2, 50, 20, "第三页");
    ASSERT_TRUE(first.Save(folder.Path(L"book.nvk")));

    Control second;
    ASSERT_TRUE(second.Open(folder.Path(L"book.nvk")));
    ASSERT_EQ(second.Pages(), 6) << "the file's pages come after the three there were";
    for (int page = 0; page < 3; ++page)
        EXPECT_EQ(ControlPageDifference(first, page, second, page + 3), "") << page;
    EXPECT_EQ(second.control->DoGetActivePageIndex(), 5);

    // Each page arrives as an inserted page whose rows and columns grew from none.
    std::vector<std::pair<DISPID, std::vector<LONG>>> want;
    for (LONG page = 3; page < 6; ++page) {
        want.push_back({kShellDoInsertingPage, {page - 1}});
        want.push_back({kShellDoInsertedPage, {page}});
        want.push_back({kShellOnRowsChanged, {page, 0, 100}});
        want.push_back({kShellOnColumnsChanged, {page, 0, 50}});
    }
    std::vector<std::pair<DISPID, std::vector<LONG>>> got;
    for (const RecordedEvent& event : second.container.events) {
        std::vector<LONG> numbers;
        for (const Variant& arg : event.args)
            if (arg.type() == VT_I4)
                numbers.push_back((*arg).lVal);
        got.push_back({event.dispid, numbers});
    }
    EXPECT_EQ(got, want);
    EXPECT_EQ(second.control->DoGetPageCellText(5, 50, 20), CString("第三页"));
}

TEST(WorkbookControl, OpenThenSaveGivesTheSameBytes)
{
    TempFolder folder;
    Control first;
    FillSample(*first.control->GetPage(0), *first.control->GetPageCells(0));
    first.Settle(0);
    ASSERT_TRUE(first.Save(folder.Path(L"a.nvk"), true, 0, false, true));

    Control second;
    for (int i = 0; i < 3; ++i)
        ASSERT_TRUE(second.Bool(kDoDeletePage, {Variant::Long(0)}));
    ASSERT_TRUE(second.Open(folder.Path(L"a.nvk")));
    ASSERT_TRUE(second.Save(folder.Path(L"b.nvk"), true, 0, false, true));
    EXPECT_EQ(ReadFile(folder.Path(L"b.nvk")), ReadFile(folder.Path(L"a.nvk")));
}

TEST(WorkbookControl, SaveArgumentsAndFailures)
{
    TempFolder folder;
    Control control;
    g_messages.clear();
    EXPECT_FALSE(control.Save(folder.Path(L"none.nvk"), false, 3));
    EXPECT_FALSE(control.Save(folder.Path(L"none.nvk"), false, -1));
    EXPECT_TRUE(folder.Files().empty()) << "no file is touched";

    control.control->DoSetPageCellText(1, 5, 5, "只有这一页");
    ASSERT_TRUE(control.Save(folder.Path(L"one"), false, 1));
    std::vector<CLoadedPage> pages;
    ASSERT_TRUE(CWorkbookFile::LoadWorkbook(folder.Path(L"one.nvk"), pages).Succeeded());
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_EQ(pages[0].page->m_strTitle, control.control->GetPage(1)->m_strTitle);
    EXPECT_STREQ(pages[0].cells->GetCell(5, 5)->GetTextPtr(), "只有这一页");
    EXPECT_TRUE(g_messages.empty());

    CString locked = folder.Path(L"locked.nvk");
    WriteFile(locked, {9});
    ::SetFileAttributesW(locked.ToWide().c_str(), FILE_ATTRIBUTE_READONLY);
    EXPECT_FALSE(control.Save(locked));
    EXPECT_EQ(ReadFile(locked), std::vector<uint8_t>{9});
    ASSERT_EQ(g_messages.size(), 1u);
    EXPECT_EQ(g_messages[0].rfind(locked.ToWide(), 0), 0u) << "the message names the file";

    for (int i = 0; i < 3; ++i)
        control.Bool(kDoDeletePage, {Variant::Long(0)});
    EXPECT_FALSE(control.Save(folder.Path(L"empty.nvk")));
    EXPECT_EQ(folder.Files(), (std::set<std::wstring>{L"one.nvk", L"locked.nvk"}));
}

TEST(WorkbookControl, AFileThatCannotBeReadLeavesTheWorkbookAsItWas)
{
    TempFolder folder;
    Control source;
    FillSample(*source.control->GetPage(0), *source.control->GetPageCells(0));
    ASSERT_TRUE(source.Save(folder.Path(L"good.nvk")));
    const std::vector<uint8_t> good = ReadFile(folder.Path(L"good.nvk"));

    Control control;
    control.control->DoSetPageCellText(0, 3, 3, "原有");
    const std::vector<uint8_t> before = control.Snapshot();
    const int active = control.control->DoGetActivePageIndex();
    struct Case
    {
        const char* name;
        std::vector<uint8_t> bytes;
        const wchar_t* message;
    } cases[] = {
        {"empty file", {}, L"保存文件失败!|Norvak"},
        {"cut in the header", {good.begin(), good.begin() + 12}, L"保存文件失败!|Norvak"},
        {"cut in the first page", {good.begin(), good.begin() + 900}, L"保存文件失败!|Norvak"},
        {"cut in the last page", {good.begin(), good.end() - 1}, L"保存文件失败!|Norvak"},
        {"unknown format", SaveBytes({}, {}, ".doc"), L"无法识别的文件格式!|警告"},
    };
    for (const Case& c : cases) {
        CString path = folder.Path(L"bad.nvk");
        WriteFile(path, c.bytes);
        g_messages.clear();
        control.container.events.clear();
        EXPECT_FALSE(control.Open(path)) << c.name;
        EXPECT_EQ(g_messages, std::vector<std::wstring>{c.message}) << c.name;
        EXPECT_TRUE(control.container.events.empty()) << c.name;
        EXPECT_EQ(control.Pages(), 3) << c.name;
        EXPECT_EQ(control.control->DoGetActivePageIndex(), active) << c.name;
        EXPECT_EQ(control.Snapshot(), before) << c.name;
    }
    g_messages.clear();
    EXPECT_FALSE(control.Open(folder.Path(L"absent.nvk")));
    EXPECT_EQ(g_messages.size(), 1u);
}

namespace {

// A control made by Wine's ATL host from its ProgID, driven by late binding.
class AtlControl
{
public:
    AtlControl()
    {
        static HMODULE atl = ::LoadLibraryW(L"atl.dll");
        auto init =
            reinterpret_cast<BOOL(WINAPI*)()>(reinterpret_cast<void*>(::GetProcAddress(atl, "AtlAxWinInit")));
        auto getControl = reinterpret_cast<HRESULT(WINAPI*)(HWND, IUnknown**)>(
            reinterpret_cast<void*>(::GetProcAddress(atl, "AtlAxGetControl")));
        static const bool registered = init && init(); // Wine's host refuses to register its class twice
        EXPECT_TRUE(registered && getControl);
        m_parent = ::CreateWindowExW(0, L"STATIC", L"", WS_OVERLAPPEDWINDOW, 0, 0, 400, 300, nullptr, nullptr,
                                     nullptr, nullptr);
        HWND host = ::CreateWindowExW(0, L"AtlAxWin", L"NORVAK.NorvakCtrl.1", WS_CHILD | WS_VISIBLE, 0, 0,
                                      400, 300, m_parent, nullptr, nullptr, nullptr);
        IUnknown* control = nullptr;
        if (host && getControl(host, &control) == S_OK) {
            control->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&m_dispatch));
            control->Release();
        }
        EXPECT_NE(m_dispatch, nullptr);
    }
    ~AtlControl()
    {
        if (m_dispatch)
            m_dispatch->Release();
        ::DestroyWindow(m_parent);
    }
    Variant Call(const wchar_t* name, std::vector<Variant> args)
    {
        DISPID dispid = DISPID_UNKNOWN;
        LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
        EXPECT_EQ(m_dispatch->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &dispid), S_OK) << name;
        std::vector<VARIANT> reversed;
        for (auto it = args.rbegin(); it != args.rend(); ++it)
            reversed.push_back(**it);
        DISPPARAMS params{reversed.data(), nullptr, UINT(reversed.size()), 0};
        Variant result;
        EXPECT_EQ(m_dispatch->Invoke(dispid, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &params,
                                     result.get(), nullptr, nullptr),
                  S_OK)
            << name;
        return result;
    }

private:
    HWND m_parent = nullptr;
    IDispatch* m_dispatch = nullptr;
};

} // namespace

TEST(WorkbookControl, SaveAndOpenInAContainerThatIsNotOurs)
{
    ASSERT_EQ(TestContainer::RegisterControl(), S_OK);
    TempFolder folder;
    const std::wstring path = CString(folder.Path(L"atl.nor")).ToWide();
    {
        AtlControl writer;
        writer.Call(L"DoSetPageCellText",
                    {Variant::Long(1), Variant::Long(7), Variant::Long(3), Variant::String(L"甲乙丙")});
        writer.Call(L"DoSetPageCellText",
                    {Variant::Long(2), Variant::Long(99), Variant::Long(49), Variant::String(L"末格")});
        Variant saved =
            writer.Call(L"DoSave", {Variant::String(path.c_str()), Variant::Bool(true), Variant::Long(0),
                                    Variant::Bool(false), Variant::Bool(false)});
        EXPECT_NE((*saved).boolVal, VARIANT_FALSE);
    }
    AtlControl reader;
    Variant opened = reader.Call(L"DoOpen", {Variant::String(path.c_str())});
    EXPECT_NE((*opened).boolVal, VARIANT_FALSE);
    EXPECT_EQ((*reader.Call(L"DoGetPageCounts", {})).lVal, 6);
    struct Cell
    {
        LONG page, row, col;
        const wchar_t* text;
    } cells[] = {{4, 7, 3, L"甲乙丙"}, {5, 99, 49, L"末格"}, {3, 7, 3, L""}};
    for (const Cell& c : cells) {
        Variant text = reader.Call(L"DoGetPageCellText",
                                   {Variant::Long(c.page), Variant::Long(c.row), Variant::Long(c.col)});
        ASSERT_EQ(text.type(), VT_BSTR);
        EXPECT_EQ(std::wstring((*text).bstrVal), c.text);
    }
}
