// The sheets of a legend entry's marker and of a chart part's or data point face's line and fill,
// opened through the control's sheet factory and driven with posted messages: each page opens on
// its record's values, OK writes exactly what the user changed and redraws it, Cancel writes
// nothing, the fill chosen in the nested "填充效果" sheet reaches the record, and nothing is left
// behind.

#include "chart/model/ChartElementSheets.h"
#include "dialogs/ColorGridButton.h"
#include "dialogs/ColourPicker.h"
#include "dialogs/ColourPickerPopup.h"
#include "dialogs/LegendChildProDlg.h"
#include "dialogs/LineTypeProDlg.h"
#include "dialogs/NorvakSheet.h"
#include "dialogs/PickerMessages.h"
#include "dialogs/StyleComboBox.h"
#include "dialogs/SwatchGridPage.h"
#include "sheet/NorvakModule.h"
#include "sheet/SheetFactory.h"
#include "tests/support/ControlTest.h"
#include "tests/support/GuiResources.h"
#include "tests/support/ModalDriver.h"
#include "tests/support/PickerParent.h"
#include "tests/support/SheetDriving.h"
#include "resources/NorvakResource.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <optional>
#include <string>

namespace {

using Steps = std::vector<ModalDriver::Step>;

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr int kRedSwatch = 16; // of the colour grid's palette

template <class Window> Window* ObjectOf(HWND window)
{
    return dynamic_cast<Window*>(CWnd::FromHandlePermanent(window));
}
template <class Window> Window* ControlOf(HWND sheet, int id)
{
    return ObjectOf<Window>(GetDlgItem(CurrentPage(sheet), id));
}

const ModalDriver::Step PressOk = [](HWND sheet) { ModalDriver::Command(sheet, IDOK); };
const ModalDriver::Step PressCancel = [](HWND sheet) { ModalDriver::Command(sheet, IDCANCEL); };
const ModalDriver::Step Repaint = [](HWND sheet) {
    RedrawWindow(sheet, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
};
ModalDriver::Step Click(int id)
{
    return [id](HWND sheet) { ModalDriver::Click(CurrentPage(sheet), id); };
}
ModalDriver::Step ShowPage(int index)
{
    return [index](HWND sheet) { PropSheet_SetCurSel(sheet, nullptr, index); };
}
ModalDriver::Step ChooseItem(int id, int index)
{
    return [id, index](HWND sheet) { ChooseComboItem(CurrentPage(sheet), id, index); };
}
// A click on a swatch of a colour grid, as the user's.
ModalDriver::Step ClickGridSwatch(int id, int swatch)
{
    return [id, swatch](HWND sheet) {
        CColorGridButton* grid = ControlOf<CColorGridButton>(sheet, id);
        ASSERT_NE(grid, nullptr);
        const CPoint at = grid->GetCellRect(swatch).CenterPoint();
        PostMessageW(grid->m_hWnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(at.x, at.y));
        PostMessageW(grid->m_hWnd, WM_LBUTTONUP, 0, MAKELPARAM(at.x, at.y));
    };
}
// What a line picker reports when a row of its popup is chosen.
ModalDriver::Step PickerChooses(int id, int row)
{
    return [id, row](HWND sheet) {
        PostMessageW(CurrentPage(sheet), WM_COLOURPICKER_CHOSEN,
                     reinterpret_cast<WPARAM>(ControlOf<CColourPicker>(sheet, id)), row);
    };
}
// The colour picker's popup opened by a click and red chosen in it by keys.
const Steps ChooseRedLineColour = {
    [](HWND sheet) { PostMessageW(GetDlgItem(CurrentPage(sheet), IDC_LINE_COLOUR), BM_CLICK, 0, 0); },
    [](HWND) {
        HWND popup = FindWindowW(CColourPickerPopup::kClassName, nullptr);
        ASSERT_NE(popup, nullptr);
        for (UINT key : {VK_DOWN, VK_DOWN, VK_DOWN, VK_RETURN}) // cell 0, 8, 16 (red)
            PostMessageW(popup, WM_KEYDOWN, key, 0);
    }};
// A click on a swatch of the fill sheet's grid page on show.
ModalDriver::Step ClickFillSwatch(int index)
{
    return [index](HWND sheet) {
        auto* page = ObjectOf<CSwatchGridPage>(CurrentPage(sheet));
        ASSERT_NE(page, nullptr);
        for (const SwatchCell& cell : page->Grid().Layout(page->GetScrollPosition()))
            if (cell.index == index)
                ClickPageAt(*page, cell.rect.CenterPoint());
    };
}
ModalDriver::Step Check(std::function<void(HWND)> check)
{
    return [check](HWND sheet) { check(sheet); };
}

Steps Join(std::initializer_list<Steps> parts)
{
    Steps all;
    for (const Steps& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

std::string Describe(const CChartTextItem& e)
{
    char text[160];
    std::snprintf(text, sizeof(text), "shape %d, line %d/%d/%06lx, strike %d, circle %d", e.nMarkerStyle,
                  e.nMarkerLineStyle, e.nMarkerLineWidth, static_cast<unsigned long>(e.crMarkerLine), e.bStrikeLine,
                  e.bOuterCircle);
    return text;
}

std::string Describe(const CChartFillStyle& s)
{
    char text[200];
    std::snprintf(text, sizeof(text), "fill %d/%d/%d tex %d pat %d %06lx %06lx, line %d/%d/%06lx", s.nFillKind,
                  s.nGradientStyle, s.nGradientVariant, s.nTexture, s.nPattern, static_cast<unsigned long>(s.crColour1),
                  static_cast<unsigned long>(s.crColour2), s.nLineStyle, s.nLineWidth,
                  static_cast<unsigned long>(s.crLineColour));
    return text;
}

std::string DescribeFace(const CChartItem& p, int f)
{
    char text[200];
    std::snprintf(text, sizeof(text), "fill %d solid %06lx pattern %06lx/%06lx gradient %d/%d %06lx/%06lx tex %d pat %d",
                  p.faceFillKind[f], static_cast<unsigned long>(p.faceColour[f]),
                  static_cast<unsigned long>(p.facePatternFore[f]), static_cast<unsigned long>(p.facePatternBack[f]),
                  p.faceGradientStyle[f], p.faceGradientVariant[f], static_cast<unsigned long>(p.faceGradient[f][0]),
                  static_cast<unsigned long>(p.faceGradient[f][1]), p.faceTexture[f], p.facePattern[f]);
    return text;
}

class ChartElementPages : public ControlTest
{
protected:
    void SetUp() override
    {
        Create();
        Start();
    }

    // The sheet of an element on its record, through the control's own factory; the sheet's result.
    INT_PTR RunSheet(int code, const CChartElementRecord& record, const Steps& steps, ModalDriver* outer = nullptr)
    {
        std::optional<ModalDriver> own;
        ModalDriver& driver = outer ? *outer : own.emplace();
        for (const ModalDriver::Step& step : steps)
            driver.Then(step);
        std::optional<CChartElementSheet> sheet = ChartElementSheetOf(code);
        EXPECT_TRUE(sheet.has_value());
        sheet->record = record;
        return RealSheetFactory().ChartElement(*control, *sheet);
    }
};

// ---- the legend marker page ----

CChartTextItem LegendEntry(int shape, int style, int width, COLORREF colour, int strike, int circle)
{
    CChartTextItem entry(0, 0, "系列1", kBlue);
    entry.rcFull = CRect(300, 200, 380, 220);
    entry.nMarkerStyle = shape;
    entry.nMarkerLineStyle = style;
    entry.nMarkerLineWidth = width;
    entry.crMarkerLine = colour;
    entry.bStrikeLine = strike;
    entry.bOuterCircle = circle;
    return entry;
}

TEST_F(ChartElementPages, TheMarkerPageOpensOnTheEntry)
{
    struct Case
    {
        const char* name;
        CChartTextItem entry;
        bool preset;
        int listMode;
    } cases[] = {
        {"both decorations: preset, markers on a line in a circle", LegendEntry(2, 3, 6, kRed, 1, 1), true,
         CStyleComboBox::MarkersOnLineInCircle},
        {"strike line only", LegendEntry(2, 3, 6, kRed, 1, 0), true, CStyleComboBox::MarkersOnLine},
        {"circle only", LegendEntry(2, 3, 6, kRed, 0, 1), true, CStyleComboBox::MarkersInCircle},
        {"no decoration: plain", LegendEntry(2, 3, 6, kRed, 0, 0), false, CStyleComboBox::Markers},
    };
    for (Case& c : cases) {
        SCOPED_TRACE(c.name);
        RunSheet(21, {nullptr, nullptr, &c.entry},
                 {Check([&](HWND sheet) {
                      EXPECT_EQ(WindowText(sheet), L"图例");
                      EXPECT_EQ(TabTexts(sheet), std::vector<std::wstring>{L"图标"});
                      HWND page = CurrentPage(sheet);
                      EXPECT_EQ(IsDlgButtonChecked(page, IDC_LEGEND_PRESET), c.preset ? BST_CHECKED : BST_UNCHECKED);
                      EXPECT_EQ(IsDlgButtonChecked(page, IDC_LEGEND_PLAIN), c.preset ? BST_UNCHECKED : BST_CHECKED);
                      for (int id : {IDC_LEGEND_STRIKE_LINE, IDC_LEGEND_CIRCLE})
                          EXPECT_EQ(IsWindowEnabled(GetDlgItem(page, id)) != FALSE, c.preset) << id;
                      EXPECT_EQ(IsDlgButtonChecked(page, IDC_LEGEND_STRIKE_LINE), UINT(c.entry.bStrikeLine));
                      EXPECT_EQ(IsDlgButtonChecked(page, IDC_LEGEND_CIRCLE), UINT(c.entry.bOuterCircle));
                      EXPECT_EQ(ControlOf<CStyleComboBox>(sheet, IDC_LEGEND_MARKER)->GetMode(), c.listMode);
                      EXPECT_EQ(SendDlgItemMessageW(page, IDC_LEGEND_MARKER, CB_GETCURSEL, 0, 0), 2);
                      EXPECT_EQ(SendDlgItemMessageW(page, IDC_LEGEND_LINE_STYLE, CB_GETCURSEL, 0, 0), 3);
                      EXPECT_EQ(SendDlgItemMessageW(page, IDC_LEGEND_LINE_WIDTH, CB_GETCURSEL, 0, 0), 3)
                          << "width 6 is item 3";
                      EXPECT_EQ(ControlOf<CColorGridButton>(sheet, IDC_LEGEND_LINE_COLOUR)->GetColor(), kRed);
                  }),
                  PressCancel});
    }
}

TEST_F(ChartElementPages, TheMarkerPageWritesWhatChangedOnOkAndNothingOnCancel)
{
    struct Case
    {
        const char* name;
        CChartTextItem entry;
        Steps steps;
        std::function<void(CChartTextItem&)> change;
        size_t fontDialogs = 0;
    } cases[] = {
        {"marker shape", LegendEntry(0, 1, 1, 0, 0, 0), {ChooseItem(IDC_LEGEND_MARKER, 4), PressOk},
         [](CChartTextItem& e) { e.nMarkerStyle = 4; }},
        {"line style", LegendEntry(0, 1, 1, 0, 0, 0), {ChooseItem(IDC_LEGEND_LINE_STYLE, 2), PressOk},
         [](CChartTextItem& e) { e.nMarkerLineStyle = 2; }},
        {"line width: item 3 is 6", LegendEntry(0, 1, 1, 0, 0, 0), {ChooseItem(IDC_LEGEND_LINE_WIDTH, 3), PressOk},
         [](CChartTextItem& e) { e.nMarkerLineWidth = 6; }},
        {"line colour", LegendEntry(0, 1, 1, 0, 0, 0),
         {ClickGridSwatch(IDC_LEGEND_LINE_COLOUR, kRedSwatch), PressOk},
         [](CChartTextItem& e) { e.crMarkerLine = kRed; }},
        {"preset and a strike line", LegendEntry(0, 1, 1, 0, 0, 0),
         {Click(IDC_LEGEND_PRESET), Click(IDC_LEGEND_STRIKE_LINE),
          Check([](HWND sheet) {
              EXPECT_EQ(ControlOf<CStyleComboBox>(sheet, IDC_LEGEND_MARKER)->GetMode(), CStyleComboBox::MarkersOnLine);
          }),
          PressOk},
         [](CChartTextItem& e) { e.bStrikeLine = 1; }},
        {"plain clears both decorations", LegendEntry(3, 1, 1, 0, 1, 1),
         {Click(IDC_LEGEND_PLAIN),
          Check([](HWND sheet) {
              EXPECT_EQ(ControlOf<CStyleComboBox>(sheet, IDC_LEGEND_MARKER)->GetMode(), CStyleComboBox::Markers);
              EXPECT_FALSE(IsWindowEnabled(GetDlgItem(CurrentPage(sheet), IDC_LEGEND_CIRCLE)));
          }),
          PressOk},
         [](CChartTextItem& e) { e.bStrikeLine = e.bOuterCircle = 0; }},
        {"an untouched entry keeps its width of 10", LegendEntry(0, 1, 10, 0, 0, 0), {PressOk}, nullptr},
        {"the fill button's font dialog changes nothing", LegendEntry(0, 1, 1, 0, 0, 0),
         {Click(IDC_LEGEND_FONT), PressOk}, nullptr, 1},
        {"Cancel writes nothing", LegendEntry(0, 1, 1, 0, 1, 0),
         {ChooseItem(IDC_LEGEND_MARKER, 4), ChooseItem(IDC_LEGEND_LINE_WIDTH, 2),
          ClickGridSwatch(IDC_LEGEND_LINE_COLOUR, kRedSwatch), Click(IDC_LEGEND_PLAIN), PressCancel},
         nullptr},
    };
    for (Case& c : cases) {
        SCOPED_TRACE(c.name);
        CChartTextItem expected = c.entry;
        if (c.change)
            c.change(expected);
        ModalDriver driver;
        RunSheet(21, {nullptr, nullptr, &c.entry}, c.steps, &driver);
        EXPECT_EQ(Describe(c.entry), Describe(expected));
        EXPECT_EQ(driver.SeenOf(ModalRequest::FontDialog).size(), c.fontDialogs);
    }
}

TEST_F(ChartElementPages, AnEntrysMarkerAndTextSheetNamesItsSecondTabText)
{
    CChartTextItem entry = LegendEntry(0, 1, 1, 0, 0, 0);
    for (int element : {21, 22}) {
        SCOPED_TRACE(element);
        CLegendChildProDlg marker(control, &entry, element);
        CLegendChildProDlg second;
        CNorvakSheet sheet("图例", 1, FALSE, control, 0, control);
        sheet.AddPage(&marker);
        sheet.AddPage(&second);
        ModalDriver driver;
        driver.Then([element](HWND sheet) {
            EXPECT_EQ(TabTexts(sheet), (std::vector<std::wstring>{L"图标", element == 22 ? L"文本" : L"图标"}));
        });
        driver.Then(PressCancel);
        sheet.DoModal();
    }
}

TEST_F(ChartElementPages, ADefaultConstructedMarkerPageShowsTheDefaultsAndEditsNothing)
{
    CLegendChildProDlg marker;
    CNorvakSheet sheet("图例", 1, FALSE, control, 0, control);
    sheet.AddPage(&marker);
    ModalDriver driver;
    driver.Then([](HWND sheet) {
        HWND page = CurrentPage(sheet);
        EXPECT_EQ(IsDlgButtonChecked(page, IDC_LEGEND_PLAIN), BST_CHECKED);
        EXPECT_FALSE(IsWindowEnabled(GetDlgItem(page, IDC_LEGEND_STRIKE_LINE)));
        EXPECT_EQ(SendDlgItemMessageW(page, IDC_LEGEND_MARKER, CB_GETCURSEL, 0, 0), 0);
        EXPECT_EQ(SendDlgItemMessageW(page, IDC_LEGEND_LINE_STYLE, CB_GETCURSEL, 0, 0), 1);
        EXPECT_EQ(SendDlgItemMessageW(page, IDC_LEGEND_LINE_WIDTH, CB_GETCURSEL, 0, 0), 0);
    });
    for (const ModalDriver::Step& step : {Click(IDC_LEGEND_PRESET), Click(IDC_LEGEND_CIRCLE),
                                          ChooseItem(IDC_LEGEND_MARKER, 5), PressOk})
        driver.Then(step);
    EXPECT_EQ(sheet.DoModal(), IDOK);
    EXPECT_EQ(marker.GetMarkerShape(), 5);
}

// ---- the line-type page ----

CChartFillStyle PartStyle(int kind, COLORREF colour1, COLORREF colour2, int lineStyle, int lineWidth, COLORREF line)
{
    CChartFillStyle s;
    s.nFillKind = kind;
    s.nGradientStyle = 2;
    s.nGradientVariant = 1;
    s.nTexture = 3;
    s.nPattern = 4;
    s.crColour1 = colour1;
    s.crColour2 = colour2;
    s.nLineStyle = lineStyle;
    s.nLineWidth = lineWidth;
    s.crLineColour = line;
    return s;
}

CNorvakChart ChartWithStyle(int element, const CChartFillStyle& style)
{
    CNorvakChart chart;
    chart.rcChart = CRect(20, 20, 400, 300);
    chart.rcPlot = CRect(40, 40, 300, 280);
    chart.rcLegend = CRect(310, 60, 390, 200);
    (element == 0 ? chart.chartStyle : element == 1 ? chart.plotStyle : chart.legendStyle) = style;
    return chart;
}

const CChartFillStyle& StyleOf(const CNorvakChart& chart, int element)
{
    return element == 0 ? chart.chartStyle : element == 1 ? chart.plotStyle : chart.legendStyle;
}

TEST_F(ChartElementPages, TheLineTypePageOpensOnThePartsStyle)
{
    struct Case
    {
        const char* name;
        int element;
        CChartFillStyle style;
        int lineMode, fillMode;
        int styleValue, widthValue;
        COLORREF gridColour; // of a solid fill
    } cases[] = {
        {"whole chart: style 1, width 0, colour 0 is the default line; a solid fill", 0,
         PartStyle(1, kRed, kBlue, 1, 0, 0), CLineTypeProDlg::DefaultLine, CLineTypeProDlg::CustomFill, 1, 0, kRed},
        {"legend: a custom line of width 6 is width item 3; no fill", 2, PartStyle(0, kRed, kBlue, 3, 6, kBlue),
         CLineTypeProDlg::CustomLine, CLineTypeProDlg::NoFill, 3, 3, 0},
        {"whole chart: no line; a gradient is a custom fill", 0, PartStyle(2, kRed, kBlue, 0, 2, 0),
         CLineTypeProDlg::NoLine, CLineTypeProDlg::CustomFill, 0, 1, 0},
        {"plot area: its own line and fill", 1, PartStyle(5, kRed, kBlue, 2, 4, kRed), CLineTypeProDlg::CustomLine,
         CLineTypeProDlg::CustomFill, 2, 2, 0},
    };
    static constexpr int kLineRadios[] = {IDC_LINE_DEFAULT, IDC_LINE_CUSTOM, IDC_LINE_NONE};
    static constexpr int kFillRadios[] = {IDC_FILL_DEFAULT, IDC_FILL_CUSTOM, IDC_FILL_NONE};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CNorvakChart chart = ChartWithStyle(c.element, c.style);
        RunSheet(c.element, {&chart},
                 {Check([&](HWND sheet) {
                      EXPECT_EQ(WindowText(sheet), L"图表");
                      HWND page = CurrentPage(sheet);
                      for (int mode = 0; mode < 3; ++mode) {
                          EXPECT_EQ(IsDlgButtonChecked(page, kLineRadios[mode]), UINT(mode == c.lineMode)) << mode;
                          EXPECT_EQ(IsDlgButtonChecked(page, kFillRadios[mode]), UINT(mode == c.fillMode)) << mode;
                      }
                      EXPECT_EQ(ControlOf<CColourPicker>(sheet, IDC_LINE_STYLE)->GetValue(), c.styleValue);
                      EXPECT_EQ(ControlOf<CColourPicker>(sheet, IDC_LINE_WIDTH)->GetValue(), c.widthValue);
                      EXPECT_EQ(ControlOf<CColourPicker>(sheet, IDC_LINE_COLOUR)->GetColour(), c.style.crLineColour);
                      if (c.style.nFillKind == 1) {
                          EXPECT_EQ(ControlOf<CColorGridButton>(sheet, IDC_FILL_COLOUR)->GetColor(), c.gridColour);
                      }
                      auto* object = ObjectOf<CLineTypeProDlg>(page);
                      EXPECT_EQ(object->GetSampleLineStyle(), c.style.nLineStyle);
                      EXPECT_EQ(object->GetSampleLineWidth(), 2 * c.widthValue);
                  }),
                  PressCancel});
    }
}

TEST_F(ChartElementPages, TheLineTypePageWritesWhatChangedOnOkAndNothingOnCancel)
{
    const CChartFillStyle solidRedDefaultLine = PartStyle(1, kRed, kBlue, 1, 0, 0);
    const CChartFillStyle customLine = PartStyle(1, kRed, kBlue, 3, 6, kBlue);
    struct Case
    {
        const char* name;
        int element;
        CChartFillStyle style;
        Steps steps;
        std::function<void(CChartFillStyle&)> change;
    } cases[] = {
        {"an untouched default line is written as style 1, width 1, colour 0", 0, solidRedDefaultLine, {PressOk},
         [](CChartFillStyle& s) { s.nLineWidth = 1; }},
        {"a stored width 6 is written back as 6", 2, customLine, {PressOk}, nullptr},
        {"the line style picker makes the line custom", 0, solidRedDefaultLine,
         {PickerChooses(IDC_LINE_STYLE, 4),
          Check([](HWND sheet) {
              EXPECT_EQ(IsDlgButtonChecked(CurrentPage(sheet), IDC_LINE_CUSTOM), BST_CHECKED);
          }),
          PressOk},
         [](CChartFillStyle& s) { s.nLineStyle = 4; }},
        {"the width picker", 2, customLine, {PickerChooses(IDC_LINE_WIDTH, 5), PressOk},
         [](CChartFillStyle& s) { s.nLineWidth = 10; }},
        {"the colour picker's popup", 1, solidRedDefaultLine, Join({ChooseRedLineColour, {PressOk}}),
         [](CChartFillStyle& s) { s.crLineColour = kRed; }},
        {"no line", 2, customLine, {Click(IDC_LINE_NONE), PressOk}, [](CChartFillStyle& s) { s.nLineStyle = 0; }},
        {"back to the default line", 2, customLine, {Click(IDC_LINE_DEFAULT), PressOk},
         [](CChartFillStyle& s) {
             s.nLineStyle = 1;
             s.nLineWidth = 1;
             s.crLineColour = 0;
         }},
        {"a colour of the grid is a solid fill; the second colour stays", 2, PartStyle(2, kBlue, kBlue, 1, 0, 0),
         {ClickGridSwatch(IDC_FILL_COLOUR, kRedSwatch),
          Check([](HWND sheet) {
              EXPECT_EQ(IsDlgButtonChecked(CurrentPage(sheet), IDC_FILL_CUSTOM), BST_CHECKED);
          }),
          PressOk},
         [](CChartFillStyle& s) {
             s.nFillKind = 1;
             s.crColour1 = kRed;
             s.nLineWidth = 1;
         }},
        {"no fill", 0, solidRedDefaultLine, {Click(IDC_FILL_NONE), PressOk},
         [](CChartFillStyle& s) {
             s.nFillKind = 0;
             s.nLineWidth = 1;
         }},
        {"a grid colour then the default fill leaves the fill", 0, solidRedDefaultLine,
         {ClickGridSwatch(IDC_FILL_COLOUR, 13), Click(IDC_FILL_DEFAULT), PressOk},
         [](CChartFillStyle& s) { s.nLineWidth = 1; }},
        {"Cancel writes nothing", 2, customLine,
         {Click(IDC_LINE_NONE), ClickGridSwatch(IDC_FILL_COLOUR, kRedSwatch), PickerChooses(IDC_LINE_WIDTH, 1),
          PressCancel},
         nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CNorvakChart chart = ChartWithStyle(c.element, c.style);
        const CNorvakChart before = chart;
        CChartFillStyle expected = c.style;
        if (c.change)
            c.change(expected);
        RunSheet(c.element, {&chart}, c.steps);
        EXPECT_EQ(Describe(StyleOf(chart, c.element)), Describe(expected));
        for (int other = 0; other < 3; ++other) {
            if (other != c.element) {
                EXPECT_EQ(Describe(StyleOf(chart, other)), Describe(StyleOf(before, other))) << other;
            }
        }
    }
}

CChartItem PointWithFace(int face)
{
    CChartItem point;
    point.faceFillKind[face] = 1;
    point.faceColour[face] = kBlue;
    point.faceGradient[face][0] = kBlue;
    point.faceGradient[face][1] = RGB(1, 2, 3);
    point.faceGradientStyle[face] = 2;
    point.faceTexture[face] = 6;
    point.facePattern[face] = 7;
    return point;
}

TEST_F(ChartElementPages, AFaceOfADataPointOpensOnItsFillAndGetsOnlyItsFillWritten)
{
    struct Case
    {
        const char* name;
        int element;
        Steps steps;
        std::function<void(CChartItem&, int face)> change;
    } cases[] = {
        {"front face: a grid colour", 10, {ClickGridSwatch(IDC_FILL_COLOUR, kRedSwatch), PressOk},
         [](CChartItem& p, int f) {
             p.faceColour[f] = kRed;
             p.faceGradient[f][0] = kRed;
         }},
        {"bottom face: no fill, the line ignored", 15, {Click(IDC_FILL_NONE), Click(IDC_LINE_NONE), PressOk},
         [](CChartItem& p, int f) { p.faceFillKind[f] = 0; }},
        {"an untouched face keeps its fill", 12, {PressOk}, nullptr},
        {"a grid colour then the default fill keeps the fill", 13,
         {ClickGridSwatch(IDC_FILL_COLOUR, kRedSwatch), Click(IDC_FILL_DEFAULT), PressOk}, nullptr},
        {"Cancel", 14, {ClickGridSwatch(IDC_FILL_COLOUR, kRedSwatch), PressCancel}, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const int face = c.element - 10;
        CChartItem point = PointWithFace(face);
        CChartItem expected = point;
        if (c.change)
            c.change(expected, face);
        RunSheet(c.element, {nullptr, &point},
                 Join({{Check([](HWND sheet) {
                            EXPECT_EQ(IsDlgButtonChecked(CurrentPage(sheet), IDC_FILL_CUSTOM), BST_CHECKED);
                            EXPECT_EQ(ControlOf<CColorGridButton>(sheet, IDC_FILL_COLOUR)->GetColor(), kBlue);
                        })},
                       c.steps}));
        for (int f = 0; f < CChartItem::kFaces; ++f)
            EXPECT_EQ(DescribeFace(point, f), DescribeFace(expected, f)) << "face " << f;
        EXPECT_EQ(point.nLineStyle, 1);
        EXPECT_EQ(point.nLineWidth, 1);
    }
}

TEST_F(ChartElementPages, TheFillChosenInTheFillEffectsSheetReachesTheRecord)
{
    struct Case
    {
        const char* name;
        Steps inFillSheet;
        Steps after;
        std::function<void(CChartFillStyle&)> change;
    } cases[] = {
        {"a texture", {ShowPage(1), ClickFillSwatch(5), PressOk}, {PressOk},
         [](CChartFillStyle& s) {
             s.nFillKind = 4;
             s.nGradientStyle = s.nGradientVariant = 0;
             s.crColour1 = s.crColour2 = 0;
             s.nTexture = 5;
             s.nPattern = 0;
         }},
        {"a pattern", {ShowPage(2), ClickFillSwatch(7), PressOk}, {PressOk},
         [](CChartFillStyle& s) {
             s.nFillKind = 5;
             s.nGradientStyle = s.nGradientVariant = 0;
             s.crColour1 = RGB(0, 0, 0);
             s.crColour2 = RGB(255, 255, 255);
             s.nTexture = 0;
             s.nPattern = 7;
         }},
        {"a pattern, then the default fill leaves the fill", {ShowPage(2), ClickFillSwatch(7), PressOk},
         {Click(IDC_FILL_DEFAULT), PressOk}, nullptr},
        {"the fill sheet cancelled", {ShowPage(1), ClickFillSwatch(5), PressCancel}, {PressOk}, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        NorvakApp().m_crLastPatternFore = RGB(0, 0, 0);
        NorvakApp().m_crLastPatternBack = RGB(255, 255, 255);
        const CChartFillStyle style = PartStyle(0, kRed, kBlue, 3, 6, kBlue);
        CNorvakChart chart = ChartWithStyle(2, style);
        CChartFillStyle expected = style;
        if (c.change)
            c.change(expected);
        const bool chosen = c.change != nullptr;
        RunSheet(2, {&chart},
                 Join({{Click(IDC_FILL_EFFECTS),
                        Check([](HWND sheet) {
                            EXPECT_EQ(WindowText(sheet), L"填充效果");
                            EXPECT_EQ(ObjectOf<CNorvakSheet>(sheet)->GetOwnerKind(), 0);
                        })},
                       c.inFillSheet,
                       {Repaint, Check([chosen, &expected](HWND sheet) {
                            auto* page = ObjectOf<CLineTypeProDlg>(CurrentPage(sheet));
                            ASSERT_NE(page, nullptr) << "back on the line-type page";
                            if (!chosen)
                                return;
                            EXPECT_EQ(page->GetFillMode(), CLineTypeProDlg::CustomFill);
                            EXPECT_EQ(IsDlgButtonChecked(CurrentPage(sheet), IDC_FILL_CUSTOM), BST_CHECKED);
                            EXPECT_EQ(page->GetFillKind(), expected.nFillKind);
                            EXPECT_EQ(ControlOf<CColorGridButton>(sheet, IDC_FILL_COLOUR)->GetColor(),
                                      expected.crColour1);
                        })},
                       c.after}));
        EXPECT_EQ(Describe(chart.legendStyle), Describe(expected));
    }
}

// Gathers the regions a window is asked to paint while it lives.
class PaintedRegions
{
public:
    explicit PaintedRegions(HWND window) : m_window(window)
    {
        m_painted.CreateRectRgn(0, 0, 0, 0);
        s_current = this;
        m_previous = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&PaintedRegions::Proc)));
    }
    ~PaintedRegions()
    {
        SetWindowLongPtrW(m_window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_previous));
        s_current = nullptr;
    }
    bool Holds(POINT point) const { return PtInRegion(m_painted, point.x, point.y) != FALSE; }

private:
    static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp)
    {
        if (msg == WM_PAINT) {
            CRgn update;
            update.CreateRectRgn(0, 0, 0, 0);
            if (GetUpdateRgn(hwnd, update, FALSE) != ERROR)
                CombineRgn(s_current->m_painted, s_current->m_painted, update, RGN_OR);
        }
        return CallWindowProcW(s_current->m_previous, hwnd, msg, wp, lp);
    }

    static inline PaintedRegions* s_current = nullptr;
    HWND m_window;
    WNDPROC m_previous = nullptr;
    CRgn m_painted;
};

TEST_F(ChartElementPages, OkRedrawsThePartAndTheEntryInTheControl)
{
    CNorvakChart chart = ChartWithStyle(2, PartStyle(1, kRed, kBlue, 1, 0, 0));
    chart.rcLegend = CRect(300, 200, 360, 240);
    CChartTextItem entry = LegendEntry(0, 1, 1, 0, 0, 0);
    entry.rcFull = CRect(220, 250, 270, 270);
    struct Case
    {
        const char* name;
        int element;
        CChartElementRecord record;
        CRect redrawn;
    } cases[] = {
        {"the legend area and 5 px around it", 2, {&chart}, CRect(295, 195, 365, 245)},
        {"the legend entry", 21, {nullptr, nullptr, &entry}, entry.rcFull},
    };
    // A hidden window is not painted.
    ShowWindow(GetAncestor(control->m_hWnd, GA_ROOT), SW_SHOWNOACTIVATE);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        for (bool ok : {false, true}) {
            PumpPending();
            PaintedRegions painted(control->m_hWnd);
            RunSheet(c.element, c.record, {ok ? PressOk : PressCancel});
            PumpPending();
            for (POINT corner : {c.redrawn.TopLeft(), CPoint(c.redrawn.right - 1, c.redrawn.bottom - 1)})
                EXPECT_EQ(painted.Holds(corner), ok) << (ok ? "OK" : "Cancel");
            EXPECT_FALSE(painted.Holds(CPoint(c.redrawn.left - 1, c.redrawn.top - 1))) << "only the part";
        }
    }
}

TEST_F(ChartElementPages, RepeatedRunsThroughTheControlLeaveNoGdiObjectsOrWindowsBehind)
{
    control->SetSheetFactory(&RealSheetFactory());
    CNorvakChart chart = ChartWithStyle(0, PartStyle(1, kRed, kBlue, 1, 0, 0));
    CChartItem point = PointWithFace(0);
    CChartTextItem entry = LegendEntry(2, 3, 6, kRed, 1, 1);
    auto run = [&] {
        {
            ModalDriver driver;
            for (const ModalDriver::Step& step :
                 Join({{Repaint, Click(IDC_FILL_EFFECTS)},
                       {ShowPage(1), Repaint, ShowPage(2), Repaint, ShowPage(0), Repaint, PressOk},
                       {Repaint, Click(IDC_FILL_EFFECTS), ShowPage(3), Repaint, PressCancel},
                       ChooseRedLineColour,
                       {Repaint, PressOk}}))
                driver.Then(step);
            control->ShowChartElementProperties(0, CChartElementRecord{&chart}, 0, 0, 0, 1);
        }
        {
            ModalDriver driver;
            for (const ModalDriver::Step& step : {Repaint, ClickGridSwatch(IDC_FILL_COLOUR, 3), Repaint, PressOk})
                driver.Then(step);
            CChartElementRecord record;
            record.point = &point;
            control->ShowChartElementProperties(10, record, 0, 0, 0, 1);
        }
        ModalDriver driver;
        for (const ModalDriver::Step& step : {Repaint, ChooseItem(IDC_LEGEND_MARKER, 9), Repaint, PressOk})
            driver.Then(step);
        CChartElementRecord record;
        record.legendEntry = &entry;
        control->ShowChartElementProperties(22, record, 0, 0, 0, 1);
        EXPECT_TRUE(driver.StepsDone());
    };
    ExpectNoGuiObjectsLeftBy(run);
    EXPECT_EQ(entry.nMarkerStyle, 9) << "the sheets ran";
    control->SetSheetFactory(nullptr);
}

} // namespace
