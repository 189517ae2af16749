// The font page of the chart element sheets and the legend sheet, driven with posted messages: the
// page opening on a title's or a legend caption's values, OK writing exactly the member each
// control stands for and Cancel nothing, the redraw of the text OK asks for, the legend sheet's
// pages editing nothing, and no GDI object left behind.

#include "dialogs/FontProDlg.h"
#include "dialogs/NorvakSheet.h"
#include "dialogs/PickerColours.h"
#include "dialogs/TuAnProDlg.h"
#include "tests/support/ControlTest.h"
#include "tests/support/GuiResources.h"
#include "tests/support/ModalDriver.h"
#include "tests/support/PageSnapshot.h"
#include "tests/support/PickerParent.h"
#include "tests/support/SheetDriving.h"
#include "resources/NorvakResource.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace {

using Steps = std::vector<ModalDriver::Step>;
using Fields = std::map<std::string, std::string>;

constexpr int kStyleBoldItalic = 3;
constexpr int kSizeWuHao = 26; // "五号", read as "14"
constexpr COLORREF kOddColour = RGB(1, 2, 3); // in no list of the style combo

const ModalDriver::Step PressOk = [](HWND sheet) { ModalDriver::Command(sheet, IDOK); };
const ModalDriver::Step PressCancel = [](HWND sheet) { ModalDriver::Command(sheet, IDCANCEL); };
const ModalDriver::Step Repaint = [](HWND sheet) {
    RedrawWindow(sheet, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
};

// Brings the font page to the front, wherever it stands among the sheet's pages.
const ModalDriver::Step ShowFontPage = [](HWND sheet) {
    auto* object = dynamic_cast<CPropertySheet*>(CWnd::FromHandlePermanent(sheet));
    ASSERT_NE(object, nullptr);
    for (int i = 0; i < object->GetPageCount(); ++i)
        if (dynamic_cast<CFontProDlg*>(object->GetPage(i)))
            PropSheet_SetCurSel(sheet, nullptr, i);
};

ModalDriver::Step OnPage(std::function<void(HWND page)> action)
{
    return [action](HWND sheet) { action(CurrentPage(sheet)); };
}

int Selection(HWND page, int id)
{
    return int(SendDlgItemMessageW(page, id, CB_GETCURSEL, 0, 0));
}

std::wstring ItemText(HWND page, int id, int index)
{
    wchar_t text[LF_FACESIZE * 2]{};
    if (index >= 0)
        SendDlgItemMessageW(page, id, CB_GETLBTEXT, WPARAM(index), reinterpret_cast<LPARAM>(text));
    return text;
}

std::wstring SelectedText(HWND page, int id)
{
    return ItemText(page, id, Selection(page, id));
}

int FaceIndex(HWND page, const std::wstring& face)
{
    return int(SendDlgItemMessageW(page, IDC_FONT_FACE, CB_FINDSTRINGEXACT, WPARAM(-1),
                                   reinterpret_cast<LPARAM>(face.c_str())));
}

int CALLBACK CollectFace(const LOGFONTW* font, const TEXTMETRICW*, DWORD, LPARAM faces)
{
    auto& list = *reinterpret_cast<std::vector<std::wstring>*>(faces);
    if (font->lfFaceName[0] != L'@' && std::find(list.begin(), list.end(), font->lfFaceName) == list.end())
        list.push_back(font->lfFaceName);
    return 1;
}

// The faces the system has, each once.
std::vector<std::wstring> InstalledFaces()
{
    std::vector<std::wstring> faces;
    HDC dc = GetDC(nullptr);
    EnumFontFamiliesW(dc, nullptr, &CollectFace, reinterpret_cast<LPARAM>(&faces));
    ReleaseDC(nullptr, dc);
    return faces;
}

int PointsHeight(int points)
{
    HDC dc = GetDC(nullptr);
    const int height = GetDeviceCaps(dc, LOGPIXELSY) * points / -72;
    ReleaseDC(nullptr, dc);
    return height;
}

std::string Hex(DWORD value)
{
    char text[16];
    std::snprintf(text, sizeof text, "%lx", static_cast<unsigned long>(value));
    return text;
}

void AddFont(Fields& fields, const LOGFONTA& font)
{
    fields["face"] = font.lfFaceName;
    fields["height"] = std::to_string(font.lfHeight);
    fields["weight"] = std::to_string(font.lfWeight);
    fields["italic"] = std::to_string(font.lfItalic);
    fields["underline"] = std::to_string(font.lfUnderline);
    fields["strike"] = std::to_string(font.lfStrikeOut);
    fields["escapement"] = std::to_string(font.lfEscapement);
}

// What a title and a legend entry both hold, with the text each calls its own.
template <class Record> Fields CommonFields(const Record& record, const CString& text)
{
    Fields fields;
    AddFont(fields, record.font);
    fields["text"] = text.GetString();
    fields["size"] = record.strExtra.GetString();
    fields["colour"] = Hex(record.crText);
    fields["back"] = Hex(record.crBack);
    fields["transparent"] = std::to_string(record.bTransparent);
    return fields;
}

Fields FieldsOf(const CChartTitleBlock& title)
{
    return CommonFields(title, title.strText);
}

Fields FieldsOf(const CChartTextItem& entry)
{
    Fields fields = CommonFields(entry, entry.strCaption);
    fields["scale"] = std::to_string(entry.bFitText);
    return fields;
}

std::vector<std::string> Differences(const Fields& before, const Fields& after)
{
    std::vector<std::string> changes;
    for (const auto& [name, value] : before)
        if (after.at(name) != value)
            changes.push_back(name + " " + value + " -> " + after.at(name));
    return changes;
}

std::string Narrow(const std::wstring& text)
{
    return CString::FromWide(text).GetString();
}

class FontPage : public ControlTest
{
protected:
    void SetUp() override
    {
        faces = InstalledFaces();
        ASSERT_GE(faces.size(), 2u);
        Create();
        Start();
        ResetRecords();
    }

    // A title and a legend caption in the font the page's lists make: a rebuilt font differs from
    // them only where the user changed something.
    void ResetRecords()
    {
        chart = CNorvakChart(kChartColumn, 0, 0, 10);
        for (CChartTitleBlock* title : {&chart.chartTitle, &chart.xAxisTitle, &chart.yAxisTitle}) {
            SetFont(title->font, 0, 0, 1);
            title->strExtra = "12";
            title->crText = kOddColour;
            title->crBack = RGB(255, 255, 255);
            title->bTransparent = 0;
        }
        chart.chartTitle.rc = CRect(20, 20, 120, 40);
        chart.yAxisTitle.font.lfEscapement = chart.yAxisTitle.font.lfOrientation = 900;
        entry = CChartTextItem(kChartColumn, 0, "系列1", RGB(255, 0, 0));
        SetFont(entry.font, FW_HEAVY, 1, 0);
        entry.font.lfHeight = PointsHeight(14);
        entry.strExtra = "14";
        entry.crText = RGB(0, 0, 255);
        entry.crBack = RGB(255, 255, 0);
        entry.bTransparent = 1;
        entry.bFitText = 1;
        entry.rcCaption = CRect(130, 50, 190, 62);
    }

    void SetFont(LOGFONTA& font, LONG weight, BYTE italic, BYTE underline) const
    {
        font = LOGFONTA{};
        font.lfHeight = PointsHeight(12);
        font.lfWeight = weight;
        font.lfItalic = italic;
        font.lfUnderline = underline;
        std::strcpy(font.lfFaceName, Narrow(faces[0]).c_str());
    }

    Fields FieldsOfCode(int code) const
    {
        switch (code) {
        case 4:
            return FieldsOf(chart.chartTitle);
        case 5:
            return FieldsOf(chart.xAxisTitle);
        case 6:
            return FieldsOf(chart.yAxisTitle);
        default:
            return FieldsOf(entry);
        }
    }

    // The element's sheet through the real factory, run through the steps.
    INT_PTR RunElement(int code, const Steps& steps)
    {
        std::optional<CChartElementSheet> sheet = ChartElementSheetOf(code);
        EXPECT_TRUE(sheet);
        sheet->record = CChartElementRecord{&chart, nullptr, &entry};
        ModalDriver driver;
        for (const ModalDriver::Step& step : steps)
            driver.Then(step);
        return RealSheetFactory().ChartElement(*control, *sheet);
    }

public:
    std::vector<std::wstring> faces;
    CNorvakChart chart;
    CChartTextItem entry;
};

TEST_F(FontPage, OpensOnTheElementsValues)
{
    struct Case
    {
        int code;
        std::function<void(FontPage&)> prepare;
        const wchar_t* caption;
        const wchar_t* tab;
        int style;
        const wchar_t* size;
        bool underline, transparent, scale, scaleEnabled;
        const wchar_t* text;
    };
    const Case cases[] = {
        {4, nullptr, L"文本", L"图表标题", 0, L"12", true, false, false, false, L"图表标题!"},
        {5, nullptr, L"文本", L"X轴标题", 0, L"12", true, false, false, false, L"X轴标题!"},
        {20, nullptr, L"图例", L"文本", 3, L"14", false, true, true, true, L"系列1"},
        {22, nullptr, L"图例", L"文本", 3, L"14", false, true, true, true, L"系列1"},
        // A normal weight reads as regular; a face is found whatever its case; a size text that
        // names no item leaves "10".
        {6,
         [](FontPage& t) {
             t.chart.yAxisTitle.font.lfWeight = FW_NORMAL;
             CharUpperA(t.chart.yAxisTitle.font.lfFaceName);
             t.chart.yAxisTitle.strExtra = "13";
         },
         L"文本", L"Y或Z轴标题", 0, L"10", true, false, false, false, L"Y轴标题!"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code);
        ResetRecords();
        if (c.prepare)
            c.prepare(*this);
        RunElement(c.code, {ShowFontPage, [&](HWND sheet) {
                                EXPECT_EQ(WindowText(sheet), c.caption);
                                EXPECT_EQ(TabTexts(sheet).back(), c.tab);
                                HWND page = CurrentPage(sheet);
                                EXPECT_EQ(SelectedText(page, IDC_FONT_FACE), faces[0]);
                                EXPECT_EQ(Selection(page, IDC_FONT_STYLE), c.style);
                                EXPECT_EQ(SelectedText(page, IDC_FONT_SIZE), c.size);
                                EXPECT_EQ(IsDlgButtonChecked(page, IDC_FONT_UNDERLINE), UINT(c.underline));
                                EXPECT_EQ(IsDlgButtonChecked(page, IDC_FONT_STRIKEOUT), 0u);
                                EXPECT_EQ(IsDlgButtonChecked(page, IDC_FONT_TRANSPARENT), UINT(c.transparent));
                                EXPECT_EQ(IsDlgButtonChecked(page, IDC_FONT_SCALE), UINT(c.scale));
                                EXPECT_EQ(IsWindowEnabled(GetDlgItem(page, IDC_FONT_SCALE)) != FALSE,
                                          c.scaleEnabled);
                                EXPECT_EQ(ModalDriver::Text(page, IDC_FONT_SCALE), L"缩放");
                                EXPECT_FALSE(IsWindowVisible(GetDlgItem(page, IDC_FONT_SUBSCRIPT)));
                                EXPECT_TRUE(IsWindowVisible(GetDlgItem(page, IDC_FONT_TEXT)));
                                EXPECT_EQ(ModalDriver::Text(page, IDC_FONT_TEXT), c.text);
                            },
                            PressCancel});
    }
    // The colours: one of no list shows "其它颜色...", a named one its item.
    RunElement(4, {OnPage([](HWND page) {
                       EXPECT_EQ(Selection(page, IDC_FONT_COLOUR), CStyleComboBox::kOtherColourItem);
                       EXPECT_EQ(Selection(page, IDC_FONT_BACKGROUND),
                                 PickerColours::IndexOf(PickerColours::kCombo, RGB(255, 255, 255)));
                   }),
                   PressCancel});
}

TEST_F(FontPage, OkWritesWhatEachControlStandsForAndCancelNothing)
{
    auto choose = [](int id, int index) { return OnPage([=](HWND page) { ChooseComboItem(page, id, index); }); };
    auto click = [](int id) { return OnPage([=](HWND page) { ModalDriver::Click(page, id); }); };
    auto type = [](const wchar_t* text) {
        return OnPage([=](HWND page) { ModalDriver::SetText(page, IDC_FONT_TEXT, text); });
    };
    const ModalDriver::Step chooseSecondFace = [this](HWND sheet) {
        HWND page = CurrentPage(sheet);
        ChooseComboItem(page, IDC_FONT_FACE, FaceIndex(page, faces[1]));
    };
    const std::string face0 = Narrow(faces[0]), face1 = Narrow(faces[1]);
    const std::string h12 = std::to_string(PointsHeight(12)), h14 = std::to_string(PointsHeight(14));
    const int red = PickerColours::IndexOf(PickerColours::kCombo, RGB(255, 0, 0));
    const int black = PickerColours::IndexOf(PickerColours::kCombo, RGB(0, 0, 0));

    struct Case
    {
        const char* name;
        int code;
        std::function<void(FontPage&)> prepare;
        Steps steps;
        std::vector<std::string> changes;
    };
    const std::vector<Case> cases = {
        {"nothing changed", 4, nullptr, {}, {}},
        {"nothing changed, a size text of no item", 4, [](FontPage& t) { t.chart.chartTitle.strExtra = "13"; }, {},
         {}},
        {"face", 4, nullptr, {chooseSecondFace}, {"face " + face0 + " -> " + face1}},
        {"style", 4, nullptr, {choose(IDC_FONT_STYLE, kStyleBoldItalic)}, {"italic 0 -> 1", "weight 0 -> 900"}},
        {"a Chinese size", 5, nullptr, {choose(IDC_FONT_SIZE, kSizeWuHao)},
         {"height " + h12 + " -> " + h14, "size 12 -> 14"}},
        {"a turned title stays turned", 6, nullptr, {choose(IDC_FONT_SIZE, kSizeWuHao)},
         {"height " + h12 + " -> " + h14, "size 12 -> 14"}},
        {"underline", 4, nullptr, {click(IDC_FONT_UNDERLINE)}, {"underline 1 -> 0"}},
        {"strike-out", 4, nullptr, {click(IDC_FONT_STRIKEOUT)}, {"strike 0 -> 1"}},
        {"transparent", 4, nullptr, {click(IDC_FONT_TRANSPARENT)}, {"transparent 0 -> 1"}},
        {"text", 4, nullptr, {type(L"销售额")}, {"text 图表标题! -> 销售额"}},
        {"colour", 4, nullptr, {choose(IDC_FONT_COLOUR, red)}, {"colour 30201 -> ff"}},
        {"background", 4, nullptr, {choose(IDC_FONT_BACKGROUND, black)}, {"back ffffff -> 0"}},
        {"legend: scale", 20, nullptr, {click(IDC_FONT_SCALE)}, {"scale 1 -> 0"}},
        {"legend: transparent and text", 22, nullptr, {click(IDC_FONT_TRANSPARENT), type(L"北京")},
         {"text 系列1 -> 北京", "transparent 1 -> 0"}},
        {"legend: style", 20, nullptr, {choose(IDC_FONT_STYLE, 0)}, {"italic 1 -> 0", "weight 900 -> 0"}},
        // A face the system lacks selects none: the font stays, the rest is written.
        {"face not installed", 4,
         [](FontPage& t) { std::strcpy(t.chart.chartTitle.font.lfFaceName, "No Such Face"); },
         {type(L"新"), choose(IDC_FONT_SIZE, kSizeWuHao), click(IDC_FONT_TRANSPARENT)},
         {"text 图表标题! -> 新", "transparent 0 -> 1"}},
    };
    for (const Case& c : cases) {
        for (bool ok : {true, false}) {
            SCOPED_TRACE(std::string(c.name) + (ok ? " OK" : " Cancel"));
            ResetRecords();
            if (c.prepare)
                c.prepare(*this);
            const Fields before = FieldsOfCode(c.code);
            Steps steps{ShowFontPage};
            steps.insert(steps.end(), c.steps.begin(), c.steps.end());
            steps.push_back(Repaint);
            steps.push_back(ok ? PressOk : PressCancel);
            EXPECT_EQ(RunElement(c.code, steps), ok ? IDOK : IDCANCEL);
            EXPECT_EQ(Differences(before, FieldsOfCode(c.code)), ok ? c.changes : std::vector<std::string>{});
        }
    }
}

// A double click on a legend caption reaches the page through the control's sheet factory.
TEST_F(FontPage, TheControlOpensThePageForItsElement)
{
    control->SetSheetFactory(&RealSheetFactory());
    ModalDriver driver;
    driver.Then(ShowFontPage);
    driver.Then(OnPage([](HWND page) { ModalDriver::SetText(page, IDC_FONT_TEXT, L"上海"); }));
    driver.Then(PressOk);
    control->ShowChartElementProperties(20, CChartElementRecord{&chart, nullptr, &entry}, 0, 0, 0, 1);
    EXPECT_TRUE(driver.StepsDone());
    EXPECT_EQ(entry.strCaption, "上海");
}

TEST_F(FontPage, OkRedrawsTheTextInTheControl)
{
    HWND window = control->m_hWnd;
    ASSERT_TRUE(window);
    ShowWindow(container.ParentWindow(), SW_SHOW);
    UpdateWindow(window);
    PumpPending();
    ValidateRect(window, nullptr);
    RunElement(4, {OnPage([](HWND page) { ModalDriver::SetText(page, IDC_FONT_TEXT, L"新"); }), PressOk});
    HRGN dirty = CreateRectRgn(0, 0, 0, 0);
    GetUpdateRgn(window, dirty, FALSE);
    const CRect title = chart.chartTitle.rc;
    EXPECT_TRUE(RectInRegion(dirty, &title));
    DeleteObject(dirty);
    ShowWindow(container.ParentWindow(), SW_HIDE);
}

TEST_F(FontPage, TheLegendSheetShowsItsPagesAndEditsNothing)
{
    CNorvakPage* page = control->GetPage(-1);
    ASSERT_NE(page, nullptr);
    const PageSnapshot before = TakeSnapshot(*page, *control->GetPageCells(-1));
    ModalDriver driver;
    driver.Then(ShowFontPage);
    driver.Then([&](HWND sheet) {
        EXPECT_EQ(WindowText(sheet), L"图例");
        EXPECT_EQ(TabTexts(sheet).back(), L"字体");
        HWND font = CurrentPage(sheet);
        EXPECT_FALSE(IsWindowVisible(GetDlgItem(font, IDC_FONT_TEXT)));
        EXPECT_FALSE(IsWindowVisible(GetDlgItem(font, IDC_FONT_TEXT_LABEL)));
        EXPECT_EQ(ModalDriver::Text(font, IDC_FONT_SCALE), L"上标");
        EXPECT_TRUE(IsWindowVisible(GetDlgItem(font, IDC_FONT_SUBSCRIPT)));
        EXPECT_EQ(Selection(font, IDC_FONT_FACE), -1);
        const int count = int(SendDlgItemMessageW(font, IDC_FONT_FACE, CB_GETCOUNT, 0, 0));
        EXPECT_GE(count, int(faces.size()));
        for (int i = 1; i < count; ++i)
            EXPECT_NE(ItemText(font, IDC_FONT_FACE, i - 1), ItemText(font, IDC_FONT_FACE, i)) << "each face once";
        EXPECT_EQ(SelectedText(font, IDC_FONT_SIZE), L"10");
        EXPECT_EQ(Selection(font, IDC_FONT_STYLE), 0);
        ModalDriver::Click(font, IDC_FONT_SUBSCRIPT);
    });
    driver.Then(OnPage([](HWND font) { ModalDriver::Click(font, IDC_FONT_SCALE); }));
    driver.Then(OnPage([](HWND font) {
        EXPECT_EQ(IsDlgButtonChecked(font, IDC_FONT_SCALE), UINT(BST_CHECKED));
        EXPECT_EQ(IsDlgButtonChecked(font, IDC_FONT_SUBSCRIPT), UINT(BST_UNCHECKED)) << "the two exclude each other";
        ModalDriver::Click(font, IDC_FONT_SUBSCRIPT);
    }));
    driver.Then(OnPage([&](HWND font) {
        EXPECT_EQ(IsDlgButtonChecked(font, IDC_FONT_SUBSCRIPT), UINT(BST_CHECKED));
        EXPECT_EQ(IsDlgButtonChecked(font, IDC_FONT_SCALE), UINT(BST_UNCHECKED)) << "the two exclude each other";
        ChooseComboItem(font, IDC_FONT_FACE, FaceIndex(font, faces[1]));
        ChooseComboItem(font, IDC_FONT_SIZE, kSizeWuHao);
    }));
    driver.Then(Repaint);
    driver.Then(PressOk);
    EXPECT_EQ(RealSheetFactory().Legend(*control), IDOK);
    EXPECT_TRUE(driver.StepsDone());
    EXPECT_EQ(Differences(before, TakeSnapshot(*page, *control->GetPageCells(-1))), std::vector<std::string>{});
}

// A page after the font page's own keeps its name: the font page names only its own tab.
TEST_F(FontPage, TheFontPageNamesOnlyItsOwnTab)
{
    CTuAnProDlg pattern;
    CFontProDlg font;
    CNorvakSheet sheet("图例", 1, FALSE, control, 0, control);
    sheet.AddPage(&pattern);
    sheet.AddPage(&font);
    ModalDriver driver;
    driver.Then(ShowFontPage);
    driver.Then([](HWND sheet) { EXPECT_EQ(TabTexts(sheet), (std::vector<std::wstring>{L"图案", L"字体"})); });
    driver.Then(PressCancel);
    sheet.DoModal();
}

TEST_F(FontPage, RepeatedRunsLeaveNoGdiObjectsOrWindowsBehind)
{
    auto run = [&] {
        RunElement(4, {OnPage([](HWND page) { ChooseComboItem(page, IDC_FONT_SIZE, kSizeWuHao); }), Repaint, PressOk});
        ResetRecords();
        RunElement(20, {OnPage([](HWND page) { ModalDriver::Click(page, IDC_FONT_TRANSPARENT); }), Repaint, PressOk});
        ModalDriver driver;
        driver.Then(ShowFontPage);
        driver.Then(OnPage([this](HWND page) { ChooseComboItem(page, IDC_FONT_FACE, FaceIndex(page, faces[1])); }));
        driver.Then(Repaint);
        driver.Then(PressCancel);
        control->OnLegendSheet();
    };
    for (int i = 0; i < 2; ++i) {
        run();
        PumpPending();
    }
    const DWORD gdi = GdiObjectCount();
    const DWORD user = UserObjectCount();
    for (int i = 0; i < 3; ++i)
        run();
    PumpPending();
    EXPECT_EQ(GdiObjectCount(), gdi);
    EXPECT_EQ(UserObjectCount(), user);
}

} // namespace
