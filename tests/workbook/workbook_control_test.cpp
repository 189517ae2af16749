// Saving and opening workbooks through the control: by DISPID in our container with a look inside
// the pages, and by late binding in a container that is not ours.

#include "chart/model/PageCharts.h"
#include "chart/model/SeriesBuilder.h"
#include "framework/Application.h"
#include "tabs/NorvakTabBand.h"
#include "tests/support/CaseWatchdog.h"
#include "tests/support/ControlTest.h"
#include "tests/support/DrawingCanvas.h"
#include "tests/support/GuiResources.h"
#include "tests/support/ModalDriver.h"
#include "tests/workbook/ChartSamples.h"
#include "tests/workbook/FileBytes.h"
#include "tests/workbook/TempFolder.h"
#include "tests/workbook/WorkbookSamples.h"
#include "tests/workbook/WriterControl.h"
#include "workbook/WorkbookFile.h"

#include <algorithm>
#include <map>
#include <climits>
#include <sstream>

namespace {

std::vector<Variant> SaveArgs(const CString& path, bool all = true, LONG page = 0, bool rowHeader = true,
                              bool colHeader = true)
{
    return {Variant::String(path.ToWide().c_str()), Variant::Bool(all), Variant::Long(page),
            Variant::Bool(rowHeader), Variant::Bool(colHeader)};
}

// What a page works out when it is shown (scroll ranges, merges across the locked bands), as a page
// opened from a file does, for a page filled behind the control's back.
void Settle(CNorvakCtrl& control, int page)
{
    control.ResetScrollBars(page);
    control.AdjustMergesToLockedArea(page);
}

std::string ControlPageDifference(const CNorvakCtrl& a, int pageA, const CNorvakCtrl& b, int pageB)
{
    return PageDifference(*a.GetPage(pageA), *a.GetPageCells(pageA), *b.GetPage(pageB),
                          *b.GetPageCells(pageB));
}

// The fixture's control, activated with its three default pages of 100 x 50 cells; the messages it
// shows are answered and recorded.
class WorkbookControl : public ControlTest
{
protected:
    void SetUp() override
    {
        Create();
        Start();
    }

    bool Save(std::vector<Variant> args) { return Bool(kDoSave, std::move(args)); }
    bool Open(const CString& path) { return Bool(kDoOpen, {S(path.ToWide().c_str())}); }
    int Pages() const { return control->DoGetPageCounts(); }
    // Every page as a workbook file holds it, to show that a failed open changed nothing.
    std::vector<uint8_t> Snapshot() const
    {
        std::vector<CPageToSave> pages;
        for (int index = 0; index < Pages(); ++index)
            pages.push_back({control->GetPage(index), control->GetPageCells(index)});
        return SaveBytes(pages, CHeaderFlags{1, 1});
    }
    // The message boxes shown since the last call, as "text|caption".
    std::vector<std::wstring> TakeMessages()
    {
        std::vector<std::wstring> texts;
        for (const ModalDriver::Seen& seen : modal.SeenOf(ModalRequest::MessageBox))
            texts.push_back(seen.text + L"|" + seen.caption);
        modal.seen.clear();
        return texts;
    }

    ModalDriver modal;
};

} // namespace

TEST_F(WorkbookControl, SaveInOneControlAndOpenInAnotherGivesEqualPages)
{
    TempFolder folder;
    WriterControl first;
    FillSample(*first.control->GetPage(1), *first.control->GetPageCells(1));
    Settle(*first.control, 1);
    first.control->DoSetPageCellText(2, 50, 20, "第三页");
    first.Save(SaveArgs(folder.Path(L"book.nvk")));

    ASSERT_TRUE(Open(folder.Path(L"book.nvk")));
    ASSERT_EQ(Pages(), 6) << "the file's pages come after the three there were";
    for (int page = 0; page < 3; ++page)
        EXPECT_EQ(ControlPageDifference(*first.control, page, *control, page + 3), "") << page;
    EXPECT_EQ(control->DoGetActivePageIndex(), 5);
    ExpectEveryPageConsistent("open");

    // Each page arrives as an inserted page whose rows and columns grew from none.
    std::vector<std::pair<DISPID, std::vector<LONG>>> want;
    for (LONG page = 3; page < 6; ++page) {
        want.push_back({kEventShellDoInsertingPage, {page - 1}});
        want.push_back({kEventShellDoInsertedPage, {page}});
        want.push_back({kEventShellOnRowsChanged, {page, 0, 100}});
        want.push_back({kEventShellOnColumnsChanged, {page, 0, 50}});
    }
    std::vector<std::pair<DISPID, std::vector<LONG>>> got;
    for (const RecordedEvent& event : container.events) {
        std::vector<LONG> numbers;
        for (const Variant& arg : event.args)
            if (arg.type() == VT_I4)
                numbers.push_back((*arg).lVal);
        got.push_back({event.dispid, numbers});
    }
    EXPECT_EQ(got, want);
    EXPECT_EQ(control->DoGetPageCellText(5, 50, 20), CString("第三页"));
}

TEST_F(WorkbookControl, OpenThenSaveGivesTheSameBytes)
{
    TempFolder folder;
    WriterControl first;
    FillSample(*first.control->GetPage(0), *first.control->GetPageCells(0));
    Settle(*first.control, 0);
    first.Save(SaveArgs(folder.Path(L"a.nvk"), true, 0, false, true));

    for (int i = 0; i < 3; ++i)
        ASSERT_TRUE(Bool(kDoDeletePage, {L(0)}));
    ASSERT_TRUE(Open(folder.Path(L"a.nvk")));
    ASSERT_TRUE(Save(SaveArgs(folder.Path(L"b.nvk"), true, 0, false, true)));
    EXPECT_EQ(ReadFile(folder.Path(L"b.nvk")), ReadFile(folder.Path(L"a.nvk")));
}

// The chart settings a page keeps for its next chart, as far as the file carries them.
std::string PendingChartText(const CChartPageSettings& s)
{
    std::ostringstream out;
    const CChartDataPage& d = s.dataPage;
    out << "mode " << int(s.chDataSourceMode) << " all " << d.bAllColumns << "," << d.bAllRows << " rows "
        << d.nFirstRow << ".." << d.nLastRow << " index mode " << d.nColumnIndexMode << " legend "
        << d.nLegendValueA << "," << d.nLegendValueB << " by columns " << s.bGroupByColumns << " mixed "
        << s.bMixedSign << " kind " << int(s.chChartType) << "/" << int(s.chChartSubType) << " ranges "
        << s.dClusteredMin << ".." << s.dClusteredMax << " " << s.dStackedMin << ".." << s.dStackedMax
        << " display";
    for (int v : s.displayOptions)
        out << " " << v;
    out << " layout";
    for (int v : s.layoutShown)
        out << " " << v;
    return out.str();
}

TEST_F(WorkbookControl, ThePagesPendingChartSettingsComeBack)
{
    TempFolder folder;
    WriterControl first;
    CNorvakCtrl& writer = *first.control;
    // Page 0: every carried setting away from its default.
    CChartPageSettings& set = PendingChartSettings(*writer.GetPage(0));
    set.chDataSourceMode = kChartSourceLists;
    set.dataPage = {1, 0, short(-3), short(0x7FFF), {}, 1, -1, 77};
    set.bGroupByColumns = 1;
    set.bMixedSign = 1;
    set.chChartType = kChartBar;
    set.chChartSubType = 4;
    set.dClusteredMin = -3.5;
    set.dClusteredMax = 7.25;
    set.dStackedMin = -1e300;
    set.dStackedMax = 2e10;
    const int display[8] = {1, 0, 1, 0, 1, 1, 0, 1};
    SetChartDisplayOptions(set, display);
    set.layoutShown[4] = 0;
    // Page 1: zeros throughout, as files written before these settings were kept hold them.
    CChartPageSettings& zero = PendingChartSettings(*writer.GetPage(1));
    zero.chDataSourceMode = kChartSourcePage;
    std::fill(std::begin(zero.displayOptions), std::end(zero.displayOptions), 0);
    std::fill(std::begin(zero.layoutShown), std::end(zero.layoutShown), 0);
    // Page 2 never had chart settings.
    first.Save(SaveArgs(folder.Path(L"pending.nvk")));

    ASSERT_TRUE(Open(folder.Path(L"pending.nvk")));
    ASSERT_EQ(Pages(), 6);
    EXPECT_EQ(control->GetPage(5)->m_chartSettings, nullptr) << "nothing but defaults makes none";
    const CChartPageSettings defaults;
    const struct
    {
        const char* name;
        int page;
        std::string want;
    } cases[] = {
        {"every setting", 3, PendingChartText(set)},
        {"an older file's zeros", 4, PendingChartText(defaults)},
        {"none made", 5, PendingChartText(defaults)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(PendingChartText(PendingChartSettings(*control->GetPage(c.page))), c.want);
    }
}

TEST_F(WorkbookControl, ChartsComeBackAndDrawAsTheyWereSaved)
{
    TempFolder folder;
    WriterControl first;
    CNorvakCtrl& writer = *first.control;
    ASSERT_TRUE(writer.DoSetPageRowCounts(0, 4, 1));
    ASSERT_TRUE(writer.DoSetPageColumnCounts(0, 3, 1));
    const char* texts[3][2] = {{"1", "-2"}, {"3", "4"}, {"7", "甲"}};
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 2; ++c)
            ASSERT_TRUE(writer.SetItemText(0, r + 1, c + 1, texts[r][c]));
    writer.BuildChartSeries(0, kChartSourcePage, nullptr, nullptr);
    const struct
    {
        BYTE type, subType;
    } kinds[] = {{kChartColumn, 3}, {kChartBar, 1}, {kChartLine, 3}, {kChartPie, 5}, {kChartCylinder, 0}};
    DrawingCanvas canvas(360, 260);
    for (const auto& kind : kinds) {
        writer.SetChartType(0, kind.type, kind.subType);
        CChartPartRects rects;
        const CRect whole(10, 10, 350, 250);
        rects.rects[kChartWhole] = whole;
        rects.rects[kChartPlot] = CRect(20, 40, 260, 230);
        rects.rects[kChartLegend] = CRect(270, 40, 340, 120);
        rects.rects[kChartDataArea] = CRect(15, 35, 265, 235);
        rects.rects[kChartTitle] = CRect(30, 12, 330, 32);
        rects.rects[kChartXAxisTitle] = CRect(30, 230, 330, 248);
        rects.rects[kChartYAxisTitle] = CRect(12, 40, 28, 220);
        writer.InsertChart(0, TRUE, rects, 0);
        // Drawn once, so that its points hold their outlines and value-label corners.
        writer.DrawPageChart(0, canvas.dc(), int(writer.GetPage(0)->m_charts.size()) - 1);
    }
    SelectChartPart(*writer.GetPage(0), 3, kChartLegend);
    AddSampleCharts(*writer.GetPage(1));
    first.Save(SaveArgs(folder.Path(L"charts.nvk")));

    ASSERT_TRUE(Open(folder.Path(L"charts.nvk")));
    ASSERT_EQ(Pages(), 6);
    for (int page = 0; page < 3; ++page)
        EXPECT_EQ(DescribePageCharts(*control->GetPage(page + 3)), DescribePageCharts(*writer.GetPage(page)))
            << page;
    const CChartItem& point = writer.GetPage(0)->m_charts[0]->items[0][0];
    EXPECT_GT(point.FaceOutlineCount(0), 0) << "the sample's points hold no outline";

    // The opened charts draw what the saved ones drew; the sample's made-up values draw without harm.
    DrawingCanvas opened(360, 260);
    for (int index = 0; index < int(std::size(kinds)); ++index) {
        canvas.Clear();
        opened.Clear();
        writer.DrawPageChart(0, canvas.dc(), index);
        control->DrawPageChart(3, opened.dc(), index);
        int differing = 0;
        for (int y = 0; y < 260; ++y)
            for (int x = 0; x < 360; ++x)
                differing += canvas.At(x, y) != opened.At(x, y);
        EXPECT_EQ(differing, 0) << "chart " << index;
        EXPECT_GT(opened.InkIn(CRect(0, 0, 360, 260)), 1000) << "chart " << index;
    }
    for (int index = 0; index < 3; ++index)
        control->DrawPageChart(4, opened.dc(), index);
}

TEST_F(WorkbookControl, SaveArgumentsAndFailures)
{
    TempFolder folder;
    EXPECT_FALSE(Save(SaveArgs(folder.Path(L"none.nvk"), false, 3)));
    EXPECT_FALSE(Save(SaveArgs(folder.Path(L"none.nvk"), false, -1)));
    EXPECT_TRUE(folder.Files().empty()) << "no file is touched";

    control->DoSetPageCellText(1, 5, 5, "只有这一页");
    ASSERT_TRUE(Save(SaveArgs(folder.Path(L"one"), false, 1)));
    std::vector<CLoadedPage> pages;
    ASSERT_TRUE(CWorkbookFile::LoadWorkbook(folder.Path(L"one.nvk"), pages).Succeeded());
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_EQ(pages[0].page->m_strTitle, control->GetPage(1)->m_strTitle);
    EXPECT_STREQ(pages[0].cells->GetCell(5, 5)->GetTextPtr(), "只有这一页");
    EXPECT_TRUE(TakeMessages().empty());

    CString locked = folder.Path(L"locked.nvk");
    WriteFile(locked, {9});
    ::SetFileAttributesW(locked.ToWide().c_str(), FILE_ATTRIBUTE_READONLY);
    EXPECT_FALSE(Save(SaveArgs(locked)));
    EXPECT_EQ(ReadFile(locked), std::vector<uint8_t>{9});
    const std::vector<std::wstring> messages = TakeMessages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].rfind(locked.ToWide(), 0), 0u) << "the message names the file";

    for (int i = 0; i < 3; ++i)
        Bool(kDoDeletePage, {L(0)});
    EXPECT_FALSE(Save(SaveArgs(folder.Path(L"empty.nvk"))));
    EXPECT_EQ(folder.Files(), (std::set<std::wstring>{L"one.nvk", L"locked.nvk"}));
}

TEST_F(WorkbookControl, AFileThatCannotBeReadLeavesTheWorkbookAsItWas)
{
    TempFolder folder;
    {
        WriterControl source;
        FillSample(*source.control->GetPage(0), *source.control->GetPageCells(0));
        AddSampleCharts(*source.control->GetPage(2));
        source.Save(SaveArgs(folder.Path(L"good.nvk")));
    }
    const std::vector<uint8_t> good = ReadFile(folder.Path(L"good.nvk"));

    control->DoSetPageCellText(0, 3, 3, "原有");
    const std::vector<uint8_t> before = Snapshot();
    const int active = control->DoGetActivePageIndex();
    // Under the program's title, as the control's other messages.
    const std::wstring failed = L"保存文件失败!|" + Application::Title().ToWide();
    struct Case
    {
        const char* name;
        std::vector<uint8_t> bytes;
        std::wstring message;
    } cases[] = {
        {"empty file", {}, failed},
        {"cut in the header", {good.begin(), good.begin() + 12}, failed},
        {"cut in the first page", {good.begin(), good.begin() + 900}, failed},
        {"cut in the last page", {good.begin(), good.end() - 1}, failed},
        {"cut in a chart", {good.begin(), good.end() - 3000}, failed},
        {"unknown format", SaveBytes({}, {}, ".doc"), L"无法识别的文件格式!|警告"},
    };
    for (const Case& c : cases) {
        CString path = folder.Path(L"bad.nvk");
        WriteFile(path, c.bytes);
        container.events.clear();
        EXPECT_FALSE(Open(path)) << c.name;
        EXPECT_EQ(TakeMessages(), std::vector<std::wstring>{c.message}) << c.name;
        EXPECT_TRUE(container.events.empty()) << c.name;
        EXPECT_EQ(Pages(), 3) << c.name;
        EXPECT_EQ(control->DoGetActivePageIndex(), active) << c.name;
        EXPECT_EQ(Snapshot(), before) << c.name;
    }
    EXPECT_FALSE(Open(folder.Path(L"absent.nvk")));
    EXPECT_EQ(TakeMessages().size(), 1u);
}

TEST_F(WorkbookControl, ANameWithANulInsideIsNoFileName)
{
    TempFolder folder;
    const std::wstring victim = folder.Path(L"victim.txt").ToWide();
    const std::vector<uint8_t> victimBytes{'k', 'e', 'e', 'p', 0, 0xFF};
    WriteFile(CString::FromWide(victim), victimBytes);
    ASSERT_TRUE(Save(SaveArgs(folder.Path(L"good.nvk"))));
    const std::wstring good = folder.Path(L"good.nvk").ToWide();
    const std::vector<uint8_t> goodBytes = ReadFile(CString::FromWide(good));
    const std::set<std::wstring> files{L"victim.txt", L"good.nvk"};
    const std::vector<uint8_t> pagesBefore = Snapshot();
    using namespace std::string_literals;

    struct Case
    {
        const char* what;
        DISPID member;
        std::wstring name;
        std::wstring shown; // the name as far as the message shows it
    } cases[] = {
        {"save over another file", kDoSave, victim + L"\0.nvk"s, victim},
        {"save with the NUL last", kDoSave, good + L"\0"s, good},
        {"save with the NUL first", kDoSave, L"\0"s + good, L""},
        {"open another workbook", kDoOpen, good + L"\0.nvk"s, good},
        {"open with the NUL last", kDoOpen, good + L"\0"s, good},
    };
    for (const Case& c : cases) {
        std::vector<Variant> args{Variant::String(std::wstring_view(c.name))};
        if (c.member == kDoSave)
            args.insert(args.end(), {B(true), L(0), B(true), B(true)});
        EXPECT_FALSE(Bool(c.member, std::move(args))) << c.what;
        EXPECT_EQ(ReadFile(CString::FromWide(victim)), victimBytes) << c.what << ": the other file is as it was";
        EXPECT_EQ(ReadFile(CString::FromWide(good)), goodBytes) << c.what;
        EXPECT_EQ(folder.Files(), files) << c.what << ": no file is made";
        EXPECT_EQ(Pages(), 3) << c.what << ": nothing is opened";
        EXPECT_EQ(Snapshot(), pagesBefore) << c.what;
        const std::vector<std::wstring> messages = TakeMessages();
        ASSERT_EQ(messages.size(), 1u) << c.what;
        EXPECT_EQ(messages[0].rfind(c.shown + L"\n", 0), 0u) << c.what << ": " << messages[0];
        EXPECT_EQ(messages[0].find(L'\0'), std::wstring::npos) << c.what;
    }
}

namespace {

std::string SmallPageTitle(int page)
{
    return "页" + std::to_string(page + 1);
}

std::string SmallPageText(int page)
{
    return "第" + std::to_string(page + 1) + "页";
}

// A workbook of small pages, 2 x 2 cells with one fixed row and column each, whose titles and body
// cell name the page.
void WriteSmallPages(const CString& path, int count)
{
    std::vector<SamplePage> pages;
    pages.reserve(size_t(count));
    std::vector<CPageToSave> save;
    for (int page = 0; page < count; ++page) {
        pages.emplace_back(SmallPageTitle(page).c_str(), 2, 2, 1, 1, page);
        pages.back().Cell(1, 1).SetText(SmallPageText(page).c_str());
        save.push_back(pages.back().ToSave());
    }
    ASSERT_TRUE(CWorkbookFile::SaveWorkbook(path, save, "V1.0.0.1", CHeaderFlags{1, 1}).Succeeded());
}

// An event as a line: its name, then its arguments.
std::wstring Describe(const RecordedEvent& event)
{
    static const std::map<DISPID, std::wstring> names = {
        {kEventShellOnCreate, L"create"},     {kEventShellDoInsertingPage, L"inserting"},
        {kEventShellDoInsertedPage, L"inserted"}, {kEventShellOnRowsChanged, L"rows"},
        {kEventShellOnColumnsChanged, L"columns"}};
    const auto name = names.find(event.dispid);
    std::wstring line = name != names.end() ? name->second : L"event " + std::to_wstring(event.dispid);
    for (const Variant& arg : event.args)
        line += L" " + (arg.type() == VT_BSTR ? std::wstring((*arg).bstrVal) : std::to_wstring((*arg).lVal));
    return line;
}

std::wstring Wide(const std::string& text)
{
    return CString(text.c_str()).ToWide();
}

} // namespace

TEST_F(WorkbookControl, AFileOfTwoThousandSmallPagesOpensWhole)
{
    constexpr int kPages = 2000;
    TempFolder folder;
    const CString path = folder.Path(L"many.nvk");
    WriteSmallPages(path, kPages);
    const DWORD gdiBefore = GdiObjectCount();
    container.events.clear();

    ASSERT_TRUE(Open(path));
    EXPECT_TRUE(TakeMessages().empty());
    ASSERT_EQ(Pages(), 3 + kPages) << "the file's pages come after the three there were";
    EXPECT_EQ(control->DoGetActivePageIndex(), 2 + kPages);
    for (int page = 0; page < kPages; ++page) {
        const int index = 3 + page;
        SCOPED_TRACE(index);
        ASSERT_EQ(control->GetPage(index)->m_strTitle, CString(SmallPageTitle(page).c_str()));
        ASSERT_EQ(control->DoGetPageRows(index, 2), 2);
        ASSERT_EQ(control->DoGetPageRows(index, 0), 1);
        ASSERT_EQ(control->DoGetPageColumns(index, 2), 2);
        ASSERT_EQ(control->DoGetPageColumns(index, 0), 1);
        ASSERT_EQ(control->DoGetPageCellText(index, 1, 1), CString(SmallPageText(page).c_str()));
        ASSERT_EQ(control->DoGetPageCellText(index, 0, 1), CString());
    }
    ExpectEveryPageConsistent("the open");

    // What the container heard: each page inserted, then its rows and columns grown from none.
    std::vector<std::wstring> want;
    std::wstring activeTitle = control->GetPage(2)->m_strTitle.ToWide();
    for (int page = 0; page < kPages; ++page) {
        const std::wstring index = std::to_wstring(3 + page);
        const std::wstring title = Wide(SmallPageTitle(page));
        want.push_back(L"inserting " + std::to_wstring(2 + page) + L" " + activeTitle);
        want.push_back(L"inserted " + index + L" " + title);
        want.push_back(L"rows " + index + L" 0 2");
        want.push_back(L"columns " + index + L" 0 2");
        activeTitle = title;
    }
    std::vector<std::wstring> got;
    for (const RecordedEvent& event : container.events)
        got.push_back(Describe(event));
    EXPECT_EQ(got.size(), want.size());
    const auto differs = std::mismatch(got.begin(), got.end(), want.begin(), want.end());
    if (differs.first != got.end() || differs.second != want.end())
        ADD_FAILURE() << "event " << differs.first - got.begin() << ": "
                      << (differs.first != got.end() ? CString::FromWide(*differs.first).GetString() : "none")
                      << " instead of "
                      << (differs.second != want.end() ? CString::FromWide(*differs.second).GetString() : "none");

    // The tab strip laid out for the last page, in view, every tab after the one before; the arrow
    // bar at the last page.
    CNorvakTabBand& band = *TabBandOf(*control);
    CPageTitle& strip = *band.Strip();
    RECT active{};
    ASSERT_TRUE(strip.GetTabRect(2 + kPages, &active));
    const CRect room = strip.GetClientRect();
    EXPECT_GE(active.left, room.left);
    EXPECT_LE(active.right, room.right);
    for (int index = 1; index < Pages(); ++index)
        ASSERT_EQ(control->GetPage(index)->m_nTabLeft, control->GetPage(index - 1)->m_nTabRight - 8) << index;
    container.DrawToMemory(800, 300, 0);
    // The arrow bar walks them: nothing after the last page, then the first, then the last again.
    auto clickArrow = [&](int x) {
        ::SendMessageW(band.Arrows()->m_hWnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, 5));
        ::SendMessageW(band.Arrows()->m_hWnd, WM_LBUTTONUP, 0, MAKELPARAM(x, 5));
    };
    clickArrow(40);
    EXPECT_EQ(control->DoGetActivePageIndex(), 2 + kPages);
    clickArrow(5);
    EXPECT_EQ(control->DoGetActivePageIndex(), 0);
    ASSERT_TRUE(strip.GetTabRect(0, &active));
    EXPECT_EQ(active.left, 0) << "the first tab back at the strip's left edge";
    clickArrow(60);
    EXPECT_EQ(control->DoGetActivePageIndex(), 2 + kPages);
    ASSERT_TRUE(strip.GetTabRect(2 + kPages, &active));
    EXPECT_EQ(active.right, strip.GetClientRect().right) << "the last tab at the strip's right edge";

    // The pages share their tab icons: thousands of pages cost no GDI objects of their own.
    EXPECT_LT(GdiObjectCount(), gdiBefore + 100);
}

// The open holds back each page's repaint and repaints once at its end: the control and every
// window of its bottom band are left to be painted.
TEST_F(WorkbookControl, AnOpenedFileLeavesTheControlAndItsBandToRepaint)
{
    TempFolder folder;
    const CString path = folder.Path(L"few.nvk");
    WriteSmallPages(path, 5);
    ::ShowWindow(container.ParentWindow(), SW_SHOW);
    ::RedrawWindow(control->m_hWnd, nullptr, nullptr, RDW_VALIDATE | RDW_ALLCHILDREN);
    CNorvakTabBand& band = *TabBandOf(*control);
    const std::pair<const char*, HWND> windows[] = {
        {"the control", control->m_hWnd}, {"the tab strip", band.Strip()->m_hWnd}, {"the arrow bar", band.Arrows()->m_hWnd}};
    for (const auto& [name, window] : windows)
        ASSERT_FALSE(::GetUpdateRect(window, nullptr, FALSE)) << name << " painted before the open";

    ASSERT_TRUE(Open(path));
    for (const auto& [name, window] : windows)
        EXPECT_TRUE(::GetUpdateRect(window, nullptr, FALSE)) << name;
}

TEST_F(WorkbookControl, PagesOpenedAndDeletedLeaveNoWindowsOrGdiObjects)
{
    TempFolder folder;
    const CString path = folder.Path(L"pages.nvk");
    WriteSmallPages(path, 300);
    ExpectNoGuiObjectsLeftBy([&] {
        ASSERT_TRUE(Open(path));
        container.DrawToMemory(800, 300, 0);
        ASSERT_TRUE(Bool(kDoSetActivePageIndex, {L(100)}));
        container.DrawToMemory(800, 300, 0);
        while (Pages() > 3)
            ASSERT_TRUE(Bool(kDoDeletePage, {L(3)}));
    });
    EXPECT_TRUE(TakeMessages().empty());
}

// The system's wheel setting is read once, when the control is made: its pages, inserted or opened,
// all take that value.
TEST_F(WorkbookControl, ThePagesOfAControlTakeTheWheelSettingItReadOnce)
{
    const wchar_t* desktop = L"Control Panel\\Desktop";
    HKEY key = nullptr;
    ASSERT_EQ(::RegCreateKeyExW(HKEY_CURRENT_USER, desktop, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    wchar_t saved[32] = {};
    DWORD savedSize = sizeof(saved) - sizeof(wchar_t);
    const bool hadValue =
        ::RegQueryValueExW(key, L"WheelScrollLines", nullptr, nullptr, reinterpret_cast<BYTE*>(saved), &savedSize) ==
        ERROR_SUCCESS;
    auto set = [&](const wchar_t* text) {
        ::RegSetValueExW(key, L"WheelScrollLines", 0, REG_SZ, reinterpret_cast<const BYTE*>(text),
                         DWORD((wcslen(text) + 1) * sizeof(wchar_t)));
    };
    TempFolder folder;
    WriteSmallPages(folder.Path(L"two.nvk"), 2);

    set(L"7");
    ControlInContainer made;
    set(L"9");
    const int inserted = made->DoInsertPage("新页");
    const bool opened = made->DoOpen(folder.Path(L"two.nvk"));
    if (hadValue)
        ::RegSetValueExW(key, L"WheelScrollLines", 0, REG_SZ, reinterpret_cast<const BYTE*>(saved), savedSize);
    else
        ::RegDeleteValueW(key, L"WheelScrollLines");
    ::RegCloseKey(key);

    ASSERT_TRUE(opened);
    ASSERT_EQ(made->DoGetPageCounts(), inserted + 3);
    for (int page = 0; page < made->DoGetPageCounts(); ++page)
        EXPECT_EQ(made->GetPage(page)->m_nWheelLines, 7) << page;
}

TEST_F(WorkbookControl, LockedLinesAskedPastThePageLockItAllAndTheFileOpens)
{
    // With three fixed rows, 99 locked rows would reach past the page; the column is not refused.
    ASSERT_TRUE(Bool(kDoSetPageRowCounts, {L(0), L(100), L(3)}));
    ASSERT_TRUE(Bool(kDoSetPageLockRowAndColumn, {L(0), L(99), L(INT_MAX)}));
    EXPECT_EQ(Long(kDoGetPageLockRow, {L(0)}), 97);
    EXPECT_EQ(Long(kDoGetPageLockColumn, {L(0)}), 49);
    TempFolder folder;
    ASSERT_TRUE(Save(SaveArgs(folder.Path(L"locked.nvk"), false, 0)));
    ASSERT_TRUE(Open(folder.Path(L"locked.nvk")));
    EXPECT_TRUE(TakeMessages().empty());
    EXPECT_EQ(Long(kDoGetPageLockRow, {L(3)}), 97);
    EXPECT_EQ(Long(kDoGetPageLockColumn, {L(3)}), 49);
    ASSERT_TRUE(Bool(kDoSetActivePageIndex, {L(3)}));
    HRESULT hr = E_FAIL;
    container.DrawToMemory(400, 300, 0, &hr);
    EXPECT_EQ(hr, S_OK);
    ExpectEveryPageConsistent("locked lines past the page");
}

TEST_F(WorkbookControl, ABrushSourceTheControlWouldNotKeepIsReadAsNoneAndTheBrushStaysSafe)
{
    // A one-cell source far off the page, as the setter keeps it, whose four ints the cases patch.
    constexpr int32_t kMarkRow = 0x13579BDF, kMarkCol = 0x2468ACE0;
    TempFolder folder;
    {
        WriterControl source;
        source.control->EditPageCell(0, 1, 1)->SetTextFormat(9);
        ASSERT_TRUE(source.control->DoSetPageFormatBrush(0, kMarkRow, kMarkCol, kMarkRow, kMarkCol));
        source.Save(SaveArgs(folder.Path(L"brush.nvk"), false, 0));
    }
    const std::vector<uint8_t> good = ReadFile(folder.Path(L"brush.nvk"));
    const size_t at = FindInt(good, kMarkRow);
    ASSERT_EQ(IntAt(good, at + 4), kMarkCol);
    ASSERT_EQ(IntAt(good, at + 8), kMarkRow);
    ASSERT_EQ(IntAt(good, at + 12), kMarkCol);

    const CCellRect none;
    struct Case
    {
        const char* name;
        CCellRect patched;
        CCellRect read;
    } cases[] = {
        {"rows from INT_MIN to INT_MAX", {INT_MIN, 1, INT_MAX, 1}, none},
        {"columns from INT_MIN to INT_MAX", {1, INT_MIN, 1, INT_MAX}, none},
        {"INT_MAX + 1 rows and columns", {0, 0, INT_MAX, INT_MAX}, none},
        {"more rows than a page can hold", {0, 0, kMaxRowCount, 0}, none},
        {"inverted rows", {5, 1, 4, 1}, none},
        {"inverted columns", {1, 5, 1, 4}, none},
        {"one cell off the page at INT_MAX", {INT_MAX, INT_MAX, INT_MAX, INT_MAX}, {INT_MAX, INT_MAX, INT_MAX, INT_MAX}},
        {"partly off the page", {1, 1, 140, 90}, {1, 1, 140, 90}},
    };
    CaseWatchdog watchdog(20000);
    for (const Case& c : cases) {
        auto watched = watchdog.Watch(c.name);
        std::vector<uint8_t> bytes = good;
        PutInt(bytes, at, c.patched.minRow);
        PutInt(bytes, at + 4, c.patched.minCol);
        PutInt(bytes, at + 8, c.patched.maxRow);
        PutInt(bytes, at + 12, c.patched.maxCol);
        const CString path = folder.Path(L"patched.nvk");
        WriteFile(path, bytes);
        ASSERT_TRUE(Open(path)) << c.name << ": the rest of the page is good";
        EXPECT_TRUE(TakeMessages().empty()) << c.name;
        const int page = Pages() - 1;
        EXPECT_EQ(control->GetPage(page)->m_formatBrush, c.read) << c.name;
        EXPECT_TRUE(Bool(kDoGetPageFormatBrush, {L(page), L(INT_MIN), L(INT_MIN), L(INT_MAX), L(INT_MAX)})) << c.name;
        EXPECT_EQ(control->GetPage(page)->m_formatBrush, none) << c.name << ": used up";
        ExpectEveryPageConsistent(c.name);
    }
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

TEST(WorkbookForeignContainer, SaveAndOpenByLateBinding)
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

TEST(WorkbookForeignContainer, ANameWithANulInsideSavesNothing)
{
    ASSERT_EQ(TestContainer::RegisterControl(), S_OK);
    ModalDriver modal(reinterpret_cast<ModalDriver::SetHookFunction>(
        reinterpret_cast<void*>(::GetProcAddress(TestContainer::ControlModule(), "NorvakSetModalHook"))));
    TempFolder folder;
    const CString victim = folder.Path(L"victim.txt");
    WriteFile(victim, {'k', 'e', 'e', 'p'});
    AtlControl client;
    const std::wstring name = victim.ToWide() + std::wstring(1, L'\0') + L".nvk";
    Variant saved = client.Call(L"DoSave", {Variant::String(std::wstring_view(name)), Variant::Bool(true),
                                            Variant::Long(0), Variant::Bool(false), Variant::Bool(false)});
    ASSERT_EQ(saved.type(), VT_BOOL);
    EXPECT_EQ((*saved).boolVal, VARIANT_FALSE);
    EXPECT_EQ(ReadFile(victim), (std::vector<uint8_t>{'k', 'e', 'e', 'p'}));
    EXPECT_EQ(folder.Files(), std::set<std::wstring>{L"victim.txt"});
    EXPECT_EQ(modal.SeenOf(ModalRequest::MessageBox).size(), 1u);
    Variant opened = client.Call(L"DoOpen", {Variant::String(std::wstring_view(name))});
    EXPECT_EQ((*opened).boolVal, VARIANT_FALSE);
    EXPECT_EQ((*client.Call(L"DoGetPageCounts", {})).lVal, 3);
}
