// The page-setup sheet with every page, driven with posted messages: the pages the flags choose,
// in their order; each page showing the control's values and writing what the user changed on OK
// and nothing on Cancel; the header and footer pictures loaded from files (bad files refused with a
// message, no handle left behind); the printers and papers of the paper page; the page-number
// controls of the title page; the row and column lists of the report-data page.

#include "printing/PageBandPDlg.h"
#include "printing/PrintSpooler.h"
#include "tests/support/ControlTest.h"
#include "tests/support/GuiResources.h"
#include "tests/support/ModalDriver.h"
#include "tests/support/PictureFiles.h"
#include "tests/support/SheetDriving.h"
#include "resources/NorvakResource.h"

#include <gtest/gtest.h>

#include <commctrl.h>
#include <prsht.h>

#include <array>
#include <deque>
#include <functional>
#include <memory>

namespace {

using Steps = std::vector<ModalDriver::Step>;
using Flags = std::array<BOOL, 6>;

const ModalDriver::Step PressOk = [](HWND sheet) { ModalDriver::Command(sheet, IDOK); };
const ModalDriver::Step PressCancel = [](HWND sheet) { ModalDriver::Command(sheet, IDCANCEL); };

std::wstring W(const char* text)
{
    return CString(text).ToWide();
}

int Selection(HWND page, int combo)
{
    return int(SendDlgItemMessageW(page, combo, CB_GETCURSEL, 0, 0));
}

std::vector<std::wstring> ComboTexts(HWND page, int combo)
{
    std::vector<std::wstring> texts;
    const int count = int(SendDlgItemMessageW(page, combo, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        wchar_t text[128]{};
        SendDlgItemMessageW(page, combo, CB_GETLBTEXT, WPARAM(i), reinterpret_cast<LPARAM>(text));
        texts.push_back(text);
    }
    return texts;
}

bool Checked(HWND page, int id)
{
    return IsDlgButtonChecked(page, id) == BST_CHECKED;
}

bool Enabled(HWND page, int id)
{
    return IsWindowEnabled(GetDlgItem(page, id)) != FALSE;
}

// The pixels of a page's client area as its painting leaves them, and how many of one colour lie
// in a control's rectangle.
class PagePixels
{
public:
    explicit PagePixels(HWND page)
    {
        GetClientRect(page, &m_client);
        BITMAPINFO info{};
        info.bmiHeader = {sizeof(BITMAPINFOHEADER), m_client.right, -m_client.bottom, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        void* bits = nullptr;
        HDC dc = CreateCompatibleDC(nullptr);
        HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        HGDIOBJ old = SelectObject(dc, bitmap);
        SendMessageW(page, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
        GdiFlush();
        const auto* pixels = static_cast<const DWORD*>(bits);
        m_pixels.assign(pixels, pixels + m_client.right * m_client.bottom);
        SelectObject(dc, old);
        DeleteObject(bitmap);
        DeleteDC(dc);
    }
    int Count(const CRect& in, COLORREF colour) const
    {
        const DWORD wanted = GetRValue(colour) << 16 | GetGValue(colour) << 8 | GetBValue(colour);
        int count = 0;
        for (int y = std::max(0L, in.top); y < std::min(m_client.bottom, in.bottom); ++y)
            for (int x = std::max(0L, in.left); x < std::min(m_client.right, in.right); ++x)
                count += (m_pixels[size_t(y * m_client.right + x)] & 0xFFFFFF) == wanted;
        return count;
    }

private:
    RECT m_client{};
    std::vector<DWORD> m_pixels;
};

// Two printers with their papers; the paper lists asked for are counted.
class FakePrinters : public CPrintSpooler
{
public:
    struct Printer
    {
        short defaultPaper;
        CPaperList papers;
    };
    FakePrinters() { Install(this); }
    ~FakePrinters() override { Install(nullptr); }

    std::vector<std::pair<CString, Printer>> printers = {
        {"甲打印机", {1, {{"Letter", "A4"}, {1, 9}}}},
        {"乙打印机", {8, {{"A3", "A4", "B5 (JIS)"}, {8, 9, 13}}}},
    };
    int paperListsAsked = 0;

    std::vector<CString> EnumPrinters() override
    {
        std::vector<CString> names;
        for (const auto& [name, printer] : printers)
            names.push_back(name);
        return names;
    }
    std::vector<BYTE> GetPrinterDevMode(const CString& name) override
    {
        const Printer* found = Find(name);
        if (!found)
            return {};
        DEVMODEW mode{};
        mode.dmSize = sizeof(mode);
        mode.dmFields = DM_PAPERSIZE;
        mode.dmPaperSize = found->defaultPaper;
        const BYTE* bytes = reinterpret_cast<const BYTE*>(&mode);
        return std::vector<BYTE>(bytes, bytes + sizeof(mode));
    }
    CPaperList GetPapers(const CString& name) override
    {
        ++paperListsAsked;
        const Printer* found = Find(name);
        return found ? found->papers : CPaperList();
    }

private:
    const Printer* Find(const CString& name) const
    {
        for (const auto& [printerName, printer] : printers) {
            if (printerName == name)
                return &printer;
        }
        return nullptr;
    }
};

class PageSetupPages : public ControlTest
{
protected:
    void SetUp() override
    {
        Create();
        Start();
    }
    // Runs DoPrintSetup with the pages of the flags through the steps.
    void Run(const Flags& flags, const Steps& steps)
    {
        for (const ModalDriver::Step& step : steps)
            driver.Then(step);
        control->DoPrintSetup(flags[0], flags[1], flags[2], flags[3], flags[4], flags[5], FALSE, FALSE);
    }
    std::vector<std::wstring> Messages() const
    {
        std::vector<std::wstring> texts;
        for (const ModalDriver::Seen& seen : driver.SeenOf(ModalRequest::MessageBox))
            texts.push_back(seen.text);
        return texts;
    }
    // The file and font dialogs are answered from these, in turn.
    void AnswerCommonDialogs()
    {
        driver.answer = [this](const ModalRequest& request) -> INT_PTR {
            if (request.kind == ModalRequest::FileDialog && !files.empty()) {
                auto* ofn = static_cast<OPENFILENAMEW*>(request.data);
                wcsncpy(ofn->lpstrFile, CString(files.front().c_str()).ToWide().c_str(), ofn->nMaxFile - 1);
                files.pop_front();
                return IDOK;
            }
            if (request.kind == ModalRequest::FontDialog && !fonts.empty()) {
                auto* cf = static_cast<CHOOSEFONTW*>(request.data);
                *cf->lpLogFont = fonts.front().first;
                cf->rgbColors = fonts.front().second;
                fonts.pop_front();
                return IDOK;
            }
            return ModalDriver::DefaultAnswer(request);
        };
    }

    FakePrinters printers;
    ModalDriver driver;
    std::deque<std::string> files;
    std::deque<std::pair<LOGFONTW, COLORREF>> fonts;
};

LOGFONTW Font(const wchar_t* face, LONG height)
{
    LOGFONTW font{};
    font.lfHeight = height;
    font.lfWeight = FW_BOLD;
    font.lfCharSet = GB2312_CHARSET;
    wcsncpy(font.lfFaceName, face, LF_FACESIZE - 1);
    return font;
}

TEST_F(PageSetupPages, TheFlagsChooseThePagesInTheirOrder)
{
    const struct
    {
        Flags flags;
        std::vector<const char*> tabs;
        UINT firstTemplate;
    } cases[] = {
        {{TRUE, TRUE, TRUE, TRUE, TRUE, TRUE},
         {"纸张", "数据选项", "页边距", "页标题/页码/虚边框", "页眉", "页脚"},
         IDD_PAGE_PAPER},
        {{FALSE, TRUE, FALSE, FALSE, TRUE, FALSE}, {"数据选项", "页眉"}, IDD_PAGE_REPORT_DATA},
        {{FALSE, FALSE, FALSE, TRUE, FALSE, TRUE}, {"页标题/页码/虚边框", "页脚"}, IDD_PAGE_TITLE},
    };
    for (const auto& c : cases) {
        std::vector<std::wstring> expected;
        for (const char* tab : c.tabs)
            expected.push_back(W(tab));
        std::vector<std::wstring> tabs;
        std::wstring caption;
        Run(c.flags, {[&](HWND sheet) {
                          tabs = TabTexts(sheet);
                          caption = WindowText(sheet);
                          // Every page comes up.
                          for (size_t i = 0; i < c.tabs.size(); ++i)
                              PropSheet_SetCurSel(sheet, nullptr, i);
                      },
                      PressCancel});
        EXPECT_EQ(tabs, expected);
        EXPECT_EQ(caption, W("页面设置"));
        EXPECT_EQ(driver.SeenOf(ModalRequest::PropertySheet).back().resourceId, c.firstTemplate);
    }
}

// ---- header and footer ----

struct BandCase
{
    const char* name;
    Flags flags;
    const CNorvakPageBandPDlg::Band& band;
};
const BandCase kBands[] = {
    {"header", {FALSE, FALSE, FALSE, FALSE, TRUE, FALSE}, CNorvakPageBandPDlg::kHeaderBand},
    {"footer", {FALSE, FALSE, FALSE, FALSE, FALSE, TRUE}, CNorvakPageBandPDlg::kFooterBand},
};

TEST_F(PageSetupPages, HeaderAndFooterShowTheControlsBandAndWriteItOnOkOnly)
{
    const std::string red = WriteFile("band_red.bmp", BitmapFile(20, 10, RGB(255, 0, 0)));
    AnswerCommonDialogs();
    for (const BandCase& c : kBands) {
        SCOPED_TRACE(c.name);
        CPageSetup& setup = *control;
        setup.*c.band.text = "月报";
        setup.*c.band.align = 1;
        setup.*c.band.rule = 0;
        setup.*c.band.showIcon = 1;
        setup.*c.band.colour = RGB(1, 2, 3);
        (setup.*c.band.icon).Reset();
        (setup.*c.band.bitmap).Reset();

        std::wstring text;
        int align = -1, rule = -1;
        bool showIcon = false;
        std::vector<std::wstring> aligns, rules;
        const auto change = [&](HWND sheet) {
            HWND page = CurrentPage(sheet);
            text = ModalDriver::Text(page, c.band.textEdit);
            align = Selection(page, IDC_BAND_ALIGN);
            rule = Selection(page, IDC_BAND_RULE);
            showIcon = Checked(page, IDC_BAND_SHOW_ICON);
            aligns = ComboTexts(page, IDC_BAND_ALIGN);
            rules = ComboTexts(page, IDC_BAND_RULE);
            ModalDriver::SetText(page, c.band.textEdit, W("第一行\r\n第二行").c_str());
            ChooseComboItem(page, IDC_BAND_ALIGN, 2);
            ChooseComboItem(page, IDC_BAND_RULE, 1);
            ModalDriver::Click(page, IDC_BAND_SHOW_ICON);
            ModalDriver::Click(page, IDC_BAND_FONT);
            ModalDriver::Click(page, IDC_BAND_ICON);
        };

        // Cancel after every change writes nothing.
        files = {red};
        fonts = {{Font(L"楷体", -20), RGB(200, 0, 0)}};
        Run(c.flags, {change, PressCancel});
        EXPECT_EQ(text, W("月报"));
        EXPECT_EQ(align, 1);
        EXPECT_EQ(rule, 0);
        EXPECT_TRUE(showIcon);
        EXPECT_EQ(aligns, (std::vector<std::wstring>{W("左对齐"), W("居  中"), W("右对齐")}));
        EXPECT_EQ(rules, (std::vector<std::wstring>{W("无底线条"), W("短底线条"), W("长底线条")}));
        EXPECT_STREQ(setup.*c.band.text, "月报");
        EXPECT_EQ(setup.*c.band.align, 1);
        EXPECT_EQ(setup.*c.band.rule, 0);
        EXPECT_EQ(setup.*c.band.showIcon, 1);
        EXPECT_EQ(setup.*c.band.colour, RGB(1, 2, 3));
        EXPECT_STREQ((setup.*c.band.font).lfFaceName, "宋体");
        EXPECT_EQ(setup.*c.band.bitmap, nullptr);

        files = {red};
        fonts = {{Font(L"楷体", -20), RGB(200, 0, 0)}};
        Run(c.flags, {change, PressOk});
        EXPECT_STREQ(setup.*c.band.text, "第一行\r\n第二行");
        EXPECT_EQ(setup.*c.band.align, 2);
        EXPECT_EQ(setup.*c.band.rule, 1);
        EXPECT_EQ(setup.*c.band.showIcon, 0);
        EXPECT_EQ(setup.*c.band.colour, RGB(200, 0, 0));
        EXPECT_STREQ((setup.*c.band.font).lfFaceName, "楷体");
        EXPECT_EQ((setup.*c.band.font).lfHeight, -20);
        EXPECT_EQ((setup.*c.band.font).lfWeight, FW_BOLD);
        BITMAP info{};
        ASSERT_TRUE(GetObjectW(setup.*c.band.bitmap, sizeof(info), &info));
        EXPECT_EQ(info.bmWidth, 20);
        EXPECT_EQ(setup.*c.band.icon, nullptr);
        EXPECT_TRUE(Messages().empty());
    }
}

TEST_F(PageSetupPages, APictureReplacesTheOtherKindAndABadFileIsRefusedWithAMessage)
{
    const std::string bitmap = WriteFile("band_pick.bmp", BitmapFile(8, 8, RGB(0, 255, 0)));
    const std::string icon = WriteFile("band_pick.ico", IconFile(RGB(0, 0, 255)));
    const std::string text = WriteFile("band_pick.txt", BitmapFile(8, 8, RGB(0, 255, 0)));
    const std::string broken = WriteFile("band_broken.bmp", Bytes{'B', 'M', 0, 0});
    AnswerCommonDialogs();
    files = {bitmap, icon, text, broken};

    struct Seen
    {
        bool bitmap;
        bool icon;
    };
    std::vector<Seen> seen;
    HICON loadedIcon = nullptr;
    auto record = [&](HWND sheet) {
        auto* page = dynamic_cast<CNorvakPageBandPDlg*>(CWnd::FromHandlePermanent(CurrentPage(sheet)));
        ASSERT_NE(page, nullptr);
        seen.push_back({page->m_hBitmap != nullptr, page->m_hIcon != nullptr});
        loadedIcon = page->m_hIcon;
    };
    auto choose = [](HWND sheet) { ModalDriver::Click(CurrentPage(sheet), IDC_BAND_ICON); };
    Run(kBands[0].flags, {choose, record, choose, record, choose, record, choose, record, PressOk});
    ASSERT_EQ(seen.size(), 4u);
    EXPECT_TRUE(seen[0].bitmap && !seen[0].icon) << "a bitmap";
    EXPECT_TRUE(!seen[1].bitmap && seen[1].icon) << "an icon in its place";
    EXPECT_TRUE(!seen[2].bitmap && seen[2].icon) << "another extension keeps the icon";
    EXPECT_TRUE(!seen[3].bitmap && seen[3].icon) << "an unreadable bitmap keeps the icon";
    EXPECT_EQ(Messages(), (std::vector<std::wstring>{W(("只能选择位图(*.bmp;*.dib)或图标(*.ico)文件!\n" + text).c_str()),
                                                     W(("无法读取图片文件!\n" + broken).c_str())}));
    EXPECT_EQ(HICON(control->m_hHeaderIcon), loadedIcon);
    EXPECT_EQ(control->m_hHeaderBitmap, nullptr);
}

TEST_F(PageSetupPages, ThePreviewShowsThePictureOnlyWhileShowIconIsChecked)
{
    control->m_hHeaderBitmap.Reset(static_cast<HBITMAP>(
        LoadImageW(nullptr, CString(WriteFile("band_preview.bmp", BitmapFile(16, 16, RGB(255, 0, 0))).c_str()).ToWide().c_str(),
                   IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE)));
    ASSERT_NE(control->m_hHeaderBitmap, nullptr);
    control->m_bHeaderShowIcon = 1;
    control->m_strHeaderText = "页眉";
    std::vector<int> red;
    auto count = [&](HWND sheet) {
        HWND page = CurrentPage(sheet);
        red.push_back(PagePixels(page).Count(ControlRect(page, IDC_BAND_PREVIEW), RGB(255, 0, 0)));
    };
    Run(kBands[0].flags, {count, [](HWND sheet) { ModalDriver::Click(CurrentPage(sheet), IDC_BAND_SHOW_ICON); },
                          count, PressCancel});
    EXPECT_EQ(red, (std::vector<int>{32 * 32, 0}));
}

TEST_F(PageSetupPages, RunsThatLoadPicturesLeaveNoHandlesBehind)
{
    const std::string bitmap = WriteFile("band_leak.bmp", BitmapFile(24, 24, RGB(9, 9, 9)));
    AnswerCommonDialogs();
    auto run = [&](bool ok) {
        files = {bitmap, bitmap, bitmap, bitmap};
        auto choose = [](HWND sheet) {
            ModalDriver::Click(CurrentPage(sheet), IDC_BAND_ICON);
            ModalDriver::Click(CurrentPage(sheet), IDC_BAND_ICON);
        };
        auto repaint = [](HWND sheet) { UpdateWindow(CurrentPage(sheet)); };
        Run({FALSE, FALSE, FALSE, FALSE, TRUE, TRUE},
            {choose, repaint, [](HWND sheet) { PropSheet_SetCurSel(sheet, nullptr, 1); }, choose, repaint,
             ok ? PressOk : PressCancel});
    };
    run(true);
    run(false);
    const DWORD gdi = GdiObjectCount();
    for (int i = 0; i < 3; ++i) {
        run(true);
        run(false);
    }
    EXPECT_EQ(GdiObjectCount(), gdi);
    EXPECT_NE(control->m_hHeaderBitmap, nullptr);
    EXPECT_NE(control->m_hFooterBitmap, nullptr);
}

// ---- paper ----

TEST_F(PageSetupPages, PaperPageShowsThePrinterPaperAndOrientationAndWritesThemOnOk)
{
    struct Shown
    {
        std::wstring printer;
        std::wstring paper;
        std::vector<std::wstring> papers;
        bool portrait;
        bool portraitPicture;
        bool landscapePicture;
    };
    auto read = [](HWND page) {
        Shown shown;
        shown.printer = ModalDriver::Text(page, IDC_PAPER_PRINTERS);
        shown.paper = ModalDriver::Text(page, IDC_PAPER_NAMES);
        shown.papers = ComboTexts(page, IDC_PAPER_NAMES);
        shown.portrait = Checked(page, IDC_PAPER_PORTRAIT);
        EXPECT_NE(Checked(page, IDC_PAPER_LANDSCAPE), shown.portrait);
        shown.portraitPicture = IsWindowVisible(GetDlgItem(page, IDC_PAPER_PORTRAIT_ICON));
        shown.landscapePicture = IsWindowVisible(GetDlgItem(page, IDC_PAPER_LANDSCAPE_ICON));
        return shown;
    };
    const struct
    {
        const char* name;
        const char* printer;
        int paper;
        int orientation;
        const char* shownPrinter;
        const char* shownPaper;
        bool portrait;
    } cases[] = {
        {"the stored paper", "乙打印机", 9, 1, "乙打印机", "A4", true},
        {"a paper the printer lacks: its own", "乙打印机", 1, 2, "乙打印机", "A3", false},
        {"an unknown printer: the first", "无此打印机", 9, 0, "甲打印机", "A4", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        control->m_strPrinterName = c.printer;
        control->m_nPaperSize = c.paper;
        control->m_nOrientation = c.orientation;
        Shown shown;
        Run({TRUE, FALSE, FALSE, FALSE, FALSE, FALSE}, {[&](HWND sheet) { shown = read(CurrentPage(sheet)); },
                                                         PressCancel});
        EXPECT_EQ(shown.printer, W(c.shownPrinter));
        EXPECT_EQ(shown.paper, W(c.shownPaper));
        EXPECT_EQ(shown.portrait, c.portrait);
        EXPECT_EQ(shown.portraitPicture, c.portrait);
        EXPECT_EQ(shown.landscapePicture, !c.portrait);
        EXPECT_STREQ(control->m_strPrinterName, c.printer);
        EXPECT_EQ(control->m_nPaperSize, c.paper);
        EXPECT_EQ(control->m_nOrientation, c.orientation);
    }

    // Another printer lists its papers with its own chosen; choosing it again lists nothing anew.
    control->m_strPrinterName = "乙打印机";
    control->m_nPaperSize = 9;
    control->m_nOrientation = 1;
    Shown other;
    int listsAsked = 0;
    Run({TRUE, FALSE, FALSE, FALSE, FALSE, FALSE},
        {[&](HWND sheet) { ChooseComboItem(CurrentPage(sheet), IDC_PAPER_PRINTERS, 0); },
         [&](HWND sheet) {
             listsAsked = printers.paperListsAsked;
             ChooseComboItem(CurrentPage(sheet), IDC_PAPER_PRINTERS, 0);
         },
         [&](HWND sheet) {
             EXPECT_EQ(printers.paperListsAsked, listsAsked);
             ModalDriver::Click(CurrentPage(sheet), IDC_PAPER_LANDSCAPE);
         },
         [&](HWND sheet) { other = read(CurrentPage(sheet)); }, PressOk});
    EXPECT_EQ(other.papers, (std::vector<std::wstring>{L"Letter", L"A4"}));
    EXPECT_EQ(other.paper, L"Letter");
    EXPECT_FALSE(other.portraitPicture);
    EXPECT_TRUE(other.landscapePicture);
    EXPECT_STREQ(control->m_strPrinterName, "甲打印机");
    EXPECT_EQ(control->m_nPaperSize, 1);
    EXPECT_EQ(control->m_nOrientation, 2);
}

TEST_F(PageSetupPages, WithoutPrintersOkKeepsThePrinterAndPaper)
{
    printers.printers.clear();
    control->m_strPrinterName = "旧打印机";
    control->m_nPaperSize = 9;
    control->m_nOrientation = 2;
    std::vector<std::wstring> printerList{L"?"};
    Run({TRUE, FALSE, FALSE, FALSE, FALSE, FALSE},
        {[&](HWND sheet) {
             printerList = ComboTexts(CurrentPage(sheet), IDC_PAPER_PRINTERS);
             ModalDriver::Click(CurrentPage(sheet), IDC_PAPER_PORTRAIT);
         },
         PressOk});
    EXPECT_TRUE(printerList.empty());
    EXPECT_STREQ(control->m_strPrinterName, "旧打印机");
    EXPECT_EQ(control->m_nPaperSize, 9);
    EXPECT_EQ(control->m_nOrientation, 1);
}

// ---- page title, page number and frame ----

TEST_F(PageSetupPages, TitlePageShowsItsSettingsGreysThePageNumberAndWritesOnOkOnly)
{
    const Flags flags{FALSE, FALSE, FALSE, TRUE, FALSE, FALSE};
    control->m_strPageTitle = "月度报表";
    control->m_nPageNumberFormat = 3;
    control->m_nPageNumberPos = 1;
    control->m_bShowPageNumber = 1;
    control->m_bDashedFrame = 1;
    AnswerCommonDialogs();
    const int numberControls[] = {IDC_TITLE_FORMAT_LABEL, IDC_TITLE_FORMAT, IDC_TITLE_POSITION_LABEL,
                                  IDC_TITLE_POSITION};
    std::vector<std::wstring> formats, positions;
    std::vector<bool> enabled;
    std::vector<int> grey;
    auto readEnabled = [&](HWND sheet) {
        HWND page = CurrentPage(sheet);
        for (int id : numberControls)
            enabled.push_back(Enabled(page, id));
        grey.push_back(PagePixels(page).Count(ControlRect(page, IDC_TITLE_PREVIEW), RGB(128, 128, 128)));
    };
    auto change = [&](HWND sheet) {
        HWND page = CurrentPage(sheet);
        EXPECT_EQ(ModalDriver::Text(page, IDC_TITLE_TEXT), W("月度报表"));
        EXPECT_EQ(Selection(page, IDC_TITLE_FORMAT), 3);
        EXPECT_EQ(Selection(page, IDC_TITLE_POSITION), 1);
        EXPECT_TRUE(Checked(page, IDC_TITLE_SHOW_NUMBER));
        EXPECT_TRUE(Checked(page, IDC_TITLE_DASHED_FRAME));
        formats = ComboTexts(page, IDC_TITLE_FORMAT);
        positions = ComboTexts(page, IDC_TITLE_POSITION);
        ModalDriver::SetText(page, IDC_TITLE_TEXT, W("季度报表").c_str());
        ChooseComboItem(page, IDC_TITLE_FORMAT, 5);
        ChooseComboItem(page, IDC_TITLE_POSITION, 4);
        ModalDriver::Click(page, IDC_TITLE_DASHED_FRAME);
        ModalDriver::Click(page, IDC_TITLE_FONT);
    };
    auto clearNumber = [](HWND sheet) { ModalDriver::Click(CurrentPage(sheet), IDC_TITLE_SHOW_NUMBER); };

    fonts = {{Font(L"黑体", 40), RGB(0, 0, 200)}};
    Run(flags, {readEnabled, change, clearNumber, readEnabled, PressCancel});
    EXPECT_EQ(enabled, (std::vector<bool>{true, true, true, true, false, false, false, false}));
    ASSERT_EQ(grey.size(), 2u);
    EXPECT_GT(grey[0], 0) << "the sample number";
    EXPECT_EQ(grey[1], 0);
    EXPECT_EQ(formats, (std::vector<std::wstring>{W("第一页(共十页)"), W("第1页(共10页)"), W("第一页 共十页"),
                                                  W("第1页 共10页"), W("第一页/共十页"), W("第1页/共10页"),
                                                  W("1/10页"), W("1\\10页"), W("1:10页"), W("1-10页")}));
    EXPECT_EQ(positions, (std::vector<std::wstring>{W("左上脚"), W("右上脚"), W("左下脚"), W("右下脚"),
                                                    W("顶端水平中间"), W("底端水平中间")}));
    // Cancel keeps everything, the title font chosen in the font dialog too.
    EXPECT_STREQ(control->m_strPageTitle, "月度报表");
    EXPECT_EQ(control->m_nPageNumberFormat, 3);
    EXPECT_EQ(control->m_nPageNumberPos, 1);
    EXPECT_EQ(control->m_bShowPageNumber, 1);
    EXPECT_EQ(control->m_bDashedFrame, 1);
    EXPECT_STREQ(control->m_lfTitleFont.lfFaceName, "楷体");
    EXPECT_EQ(control->m_crTitleColor, 0u);

    fonts = {{Font(L"黑体", 40), RGB(0, 0, 200)}};
    Run(flags, {change, clearNumber, PressOk});
    EXPECT_STREQ(control->m_strPageTitle, "季度报表");
    EXPECT_EQ(control->m_nPageNumberFormat, 5);
    EXPECT_EQ(control->m_nPageNumberPos, 4);
    EXPECT_EQ(control->m_bShowPageNumber, 0);
    EXPECT_EQ(control->m_bDashedFrame, 0);
    EXPECT_STREQ(control->m_lfTitleFont.lfFaceName, "黑体");
    EXPECT_EQ(control->m_lfTitleFont.lfHeight, 40);
    EXPECT_EQ(control->m_crTitleColor, RGB(0, 0, 200));

    // Shown with the page number off, its controls start grey; indexes no item shows are kept.
    enabled.clear();
    control->m_nPageNumberFormat = 12;
    control->m_nPageNumberPos = -1;
    Run(flags, {readEnabled, PressOk});
    EXPECT_EQ(enabled, (std::vector<bool>{false, false, false, false}));
    EXPECT_EQ(control->m_nPageNumberFormat, 12);
    EXPECT_EQ(control->m_nPageNumberPos, -1);
}

// ---- report data ----

class ReportDataPage : public PageSetupPages
{
protected:
    void SetUp() override
    {
        PageSetupPages::SetUp();
        // One fixed row and column; four body rows and three body columns.
        ASSERT_TRUE(control->SetRowCount(-1, 5));
        ASSERT_TRUE(control->SetColumnCount(-1, 4));
        const char* rowTitles[] = {"甲", "乙", "丙", "丁"};
        for (int i = 0; i < 4; ++i)
            control->DoSetPageCellText(-1, i + 1, 0, rowTitles[i]);
        const char* columnTitles[] = {"一", "二", "三"};
        for (int j = 0; j < 3; ++j)
            control->DoSetPageCellText(-1, 0, j + 1, columnTitles[j]);
    }
    static constexpr Flags kFlags{FALSE, TRUE, FALSE, FALSE, FALSE, FALSE};
};

struct ListState
{
    int columns = 0;
    std::vector<std::wstring> texts;
    std::vector<int> checked;
};

ListState ReadList(HWND page, int id)
{
    HWND list = GetDlgItem(page, id);
    ListState state;
    state.columns = int(SendMessageW(reinterpret_cast<HWND>(SendMessageW(list, LVM_GETHEADER, 0, 0)),
                                     HDM_GETITEMCOUNT, 0, 0));
    for (int i = 0; i < int(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0)); ++i) {
        wchar_t text[64]{};
        LVITEMW item{};
        item.iSubItem = 1;
        item.pszText = text;
        item.cchTextMax = 64;
        SendMessageW(list, LVM_GETITEMTEXTW, WPARAM(i), reinterpret_cast<LPARAM>(&item));
        state.texts.push_back(text);
        if ((SendMessageW(list, LVM_GETITEMSTATE, WPARAM(i), LVIS_STATEIMAGEMASK) >> 12) == 2)
            state.checked.push_back(i);
    }
    return state;
}

// A user's click on the check box of a list item.
ModalDriver::Step ClickCheckBox(int listId, int item)
{
    return [listId, item](HWND sheet) {
        HWND list = GetDlgItem(CurrentPage(sheet), listId);
        RECT bounds{LVIR_BOUNDS, 0, 0, 0};
        ASSERT_TRUE(SendMessageW(list, LVM_GETITEMRECT, WPARAM(item), reinterpret_cast<LPARAM>(&bounds)));
        for (int x = bounds.left; x < bounds.left + 28; ++x) {
            LVHITTESTINFO hit{};
            hit.pt = {x, (bounds.top + bounds.bottom) / 2};
            if (SendMessageW(list, LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)) == item &&
                (hit.flags & LVHT_ONITEMSTATEICON)) {
                PostMessageW(list, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(hit.pt.x, hit.pt.y));
                PostMessageW(list, WM_LBUTTONUP, 0, MAKELPARAM(hit.pt.x, hit.pt.y));
                return;
            }
        }
        ADD_FAILURE() << "no check box on item " << item;
    };
}

// A click where the check boxes of the list stand, on the row of item; the row is scrolled into
// view first. Unlike ClickCheckBox it also clicks an item that shows no box.
ModalDriver::Step ClickBoxColumn(int listId, int item)
{
    return [listId, item](HWND sheet) {
        HWND list = GetDlgItem(CurrentPage(sheet), listId);
        SendMessageW(list, LVM_ENSUREVISIBLE, WPARAM(item), FALSE);
        RECT bounds{LVIR_BOUNDS, 0, 0, 0};
        ASSERT_TRUE(SendMessageW(list, LVM_GETITEMRECT, WPARAM(item), reinterpret_cast<LPARAM>(&bounds)));
        RECT icon{LVIR_ICON, 0, 0, 0};
        SendMessageW(list, LVM_GETITEMRECT, WPARAM(item), reinterpret_cast<LPARAM>(&icon));
        // The state image sits between the item's left edge and its icon's.
        const POINT at{(bounds.left + std::max(icon.left, bounds.left + 2)) / 2, (bounds.top + bounds.bottom) / 2};
        PostMessageW(list, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(at.x, at.y));
        PostMessageW(list, WM_LBUTTONUP, 0, MAKELPARAM(at.x, at.y));
    };
}

// The check box state image of an item: 0 none, 1 clear, 2 checked.
int StateImage(HWND page, int listId, int item)
{
    return int(SendDlgItemMessageW(page, listId, LVM_GETITEMSTATE, WPARAM(item), LVIS_STATEIMAGEMASK) >> 12);
}

std::wstring ItemText(HWND page, int listId, int item)
{
    wchar_t text[64]{};
    LVITEMW request{};
    request.iSubItem = 1;
    request.pszText = text;
    request.cchTextMax = 64;
    SendDlgItemMessageW(page, listId, LVM_GETITEMTEXTW, WPARAM(item), reinterpret_cast<LPARAM>(&request));
    return text;
}

// More body rows than the page record's word indices can name: the list still holds one item per
// row with the row's title, but the rows past 65,536 take no check mark, so none can be stored as
// another row's index; "全选" stores every row that can be named.
TEST_F(ReportDataPage, ALongPageListsEveryRowAndChecksOnlyTheRowsItsRecordCanName)
{
    const int rows = 70001; // one fixed row and 70,000 body rows
    ASSERT_TRUE(control->SetRowCount(-1, rows));
    control->DoSetPageCellText(-1, rows - 1, 0, "末行");
    CNorvakPage* page = control->GetPage(-1);
    page->m_nOutputMode = 3;
    page->m_customRows = {65535};
    int count = 0;
    std::wstring last;
    std::vector<int> images;
    std::vector<bool> allRows;
    auto readImages = [&](HWND sheet) {
        for (int item : {0, 65535, 65536, 69999})
            images.push_back(StateImage(CurrentPage(sheet), IDC_REPORT_ROWS, item));
        allRows.push_back(Checked(CurrentPage(sheet), IDC_REPORT_ALL_ROWS));
    };
    Run(kFlags, {[&](HWND sheet) {
                     count = int(SendDlgItemMessageW(CurrentPage(sheet), IDC_REPORT_ROWS, LVM_GETITEMCOUNT, 0, 0));
                     last = ItemText(CurrentPage(sheet), IDC_REPORT_ROWS, 69999);
                 },
                 readImages, ClickBoxColumn(IDC_REPORT_ROWS, 65536), ClickBoxColumn(IDC_REPORT_ROWS, 65535),
                 readImages, [](HWND sheet) { ModalDriver::Click(CurrentPage(sheet), IDC_REPORT_ALL_ROWS); },
                 readImages, PressOk});
    EXPECT_EQ(count, 70000);
    EXPECT_EQ(last, W("末行"));
    EXPECT_EQ(images, (std::vector<int>{1, 2, 0, 0, 1, 1, 0, 0, 2, 2, 0, 0}));
    EXPECT_EQ(allRows, (std::vector<bool>{false, false, true}));
    ASSERT_EQ(page->m_customRows.size(), 65536u);
    EXPECT_EQ(page->m_customRows.front(), 0);
    EXPECT_EQ(page->m_customRows.back(), 65535);
}

TEST_F(ReportDataPage, ShowsThePagesChoiceAndCheckedRowsAndColumns)
{
    CNorvakPage* page = control->GetPage(-1);
    page->m_nOutputMode = 3;
    page->m_bPrintColHeader = 1;
    page->m_bPrintRowHeader = 0;
    page->m_customRows = {0, 2};
    page->m_customColumns = {0, 1, 2};
    ListState rows, columns;
    std::vector<bool> custom;
    Run(kFlags, {[&](HWND sheet) {
                     HWND p = CurrentPage(sheet);
                     rows = ReadList(p, IDC_REPORT_ROWS);
                     columns = ReadList(p, IDC_REPORT_COLUMNS);
                     EXPECT_TRUE(Checked(p, IDC_REPORT_CUSTOM));
                     EXPECT_TRUE(Checked(p, IDC_REPORT_COL_HEADER));
                     EXPECT_FALSE(Checked(p, IDC_REPORT_ROW_HEADER));
                     EXPECT_FALSE(Checked(p, IDC_REPORT_ALL_ROWS));
                     EXPECT_TRUE(Checked(p, IDC_REPORT_ALL_COLUMNS));
                     EXPECT_TRUE(Enabled(p, IDC_REPORT_COL_HEADER));
                     EXPECT_TRUE(Enabled(p, IDC_REPORT_ROW_HEADER));
                     for (int id : {IDC_REPORT_ROWS_LABEL, IDC_REPORT_ALL_ROWS, IDC_REPORT_ROWS,
                                    IDC_REPORT_COLUMNS_LABEL, IDC_REPORT_ALL_COLUMNS, IDC_REPORT_COLUMNS})
                         custom.push_back(Enabled(p, id));
                     ModalDriver::Click(p, IDC_REPORT_WHOLE);
                 },
                 [&](HWND sheet) {
                     EXPECT_FALSE(Enabled(CurrentPage(sheet), IDC_REPORT_ROWS));
                     EXPECT_FALSE(Enabled(CurrentPage(sheet), IDC_REPORT_ALL_COLUMNS));
                 },
                 PressCancel});
    EXPECT_EQ(rows.columns, 2);
    EXPECT_EQ(rows.texts, (std::vector<std::wstring>{W("甲"), W("乙"), W("丙"), W("丁")}));
    EXPECT_EQ(rows.checked, (std::vector<int>{0, 2}));
    EXPECT_EQ(columns.texts, (std::vector<std::wstring>{W("一"), W("二"), W("三")}));
    EXPECT_EQ(columns.checked, (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(custom, std::vector<bool>(6, true));
    EXPECT_EQ(page->m_nOutputMode, 3) << "Cancel writes nothing";
}

TEST_F(ReportDataPage, SelectAllFollowsTheChecksAndOkWritesThePageRecord)
{
    CNorvakPage* page = control->GetPage(-1);
    page->m_nOutputMode = 0;
    page->m_customRows = {3};
    std::vector<bool> allRows;
    auto readAll = [&](HWND sheet) { allRows.push_back(Checked(CurrentPage(sheet), IDC_REPORT_ALL_ROWS)); };
    Run(kFlags, {[](HWND sheet) { ModalDriver::Click(CurrentPage(sheet), IDC_REPORT_CUSTOM); },
                 [](HWND sheet) { ModalDriver::Click(CurrentPage(sheet), IDC_REPORT_ALL_ROWS); }, readAll,
                 ClickCheckBox(IDC_REPORT_ROWS, 1), readAll, ClickCheckBox(IDC_REPORT_ROWS, 1), readAll,
                 ClickCheckBox(IDC_REPORT_ROWS, 2), readAll,
                 [](HWND sheet) { ModalDriver::Click(CurrentPage(sheet), IDC_REPORT_COL_HEADER); },
                 ClickCheckBox(IDC_REPORT_COLUMNS, 2), PressOk});
    EXPECT_EQ(allRows, (std::vector<bool>{true, false, true, false}));
    EXPECT_EQ(page->m_nOutputMode, 3);
    EXPECT_EQ(page->m_customRows, (std::vector<WORD>{0, 1, 3}));
    EXPECT_EQ(page->m_customColumns, (std::vector<WORD>{2}));
    EXPECT_EQ(page->m_bPrintColHeader, 0);
    EXPECT_EQ(page->m_bPrintRowHeader, 1);
}

TEST_F(ReportDataPage, TheSpaceBarTurnsTheMarkOfTheFocusedRow)
{
    std::vector<int> images;
    auto read = [&](HWND sheet) { images.push_back(StateImage(CurrentPage(sheet), IDC_REPORT_ROWS, 1)); };
    auto space = [](HWND sheet) {
        HWND list = GetDlgItem(CurrentPage(sheet), IDC_REPORT_ROWS);
        PostMessageW(list, WM_KEYDOWN, VK_SPACE, 0);
        PostMessageW(list, WM_CHAR, L' ', 0);
    };
    Run(kFlags, {[](HWND sheet) { ModalDriver::Click(CurrentPage(sheet), IDC_REPORT_CUSTOM); },
                 ClickCheckBox(IDC_REPORT_ROWS, 1), read, space, read, space, read, PressOk});
    EXPECT_EQ(images, (std::vector<int>{2, 1, 2}));
    EXPECT_EQ(control->GetPage(-1)->m_customRows, (std::vector<WORD>{1}));
}

TEST_F(ReportDataPage, EdgeCasesOfThePage)
{
    struct Case
    {
        const char* name;
        std::function<void(CNorvakCtrl&)> prepare;
        std::function<void(HWND page)> check;
        std::function<void(CNorvakCtrl&)> after;
    };
    const Case cases[] = {
        {"no fixed rows or columns: both header boxes grey",
         [](CNorvakCtrl& c) {
             ASSERT_TRUE(c.SetFixedRowCount(-1, 0));
             ASSERT_TRUE(c.SetFixedColumnCount(-1, 0));
         },
         [](HWND p) {
             EXPECT_FALSE(Enabled(p, IDC_REPORT_COL_HEADER));
             EXPECT_FALSE(Enabled(p, IDC_REPORT_ROW_HEADER));
             EXPECT_EQ(ReadList(p, IDC_REPORT_ROWS).texts.size(), 5u);
         },
         nullptr},
        {"a stored mode no button stands for is kept",
         [](CNorvakCtrl& c) { c.GetPage(-1)->m_nOutputMode = 7; },
         [](HWND p) {
             for (int id : {IDC_REPORT_WHOLE, IDC_REPORT_SELECTION, IDC_REPORT_ARBITRARY, IDC_REPORT_CUSTOM})
                 EXPECT_FALSE(Checked(p, id));
         },
         [](CNorvakCtrl& c) { EXPECT_EQ(c.GetPage(-1)->m_nOutputMode, 7); }},
        {"stored indices beyond the body are left out",
         [](CNorvakCtrl& c) { c.GetPage(-1)->m_customRows = {1, 40}; },
         [](HWND p) { EXPECT_EQ(ReadList(p, IDC_REPORT_ROWS).checked, (std::vector<int>{1})); },
         [](CNorvakCtrl& c) { EXPECT_EQ(c.GetPage(-1)->m_customRows, (std::vector<WORD>{1})); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        c.prepare(*control);
        Run(kFlags, {[&](HWND sheet) { c.check(CurrentPage(sheet)); }, PressOk});
        if (c.after)
            c.after(*control);
    }
}

TEST_F(ReportDataPage, WithoutAnActivePageTheListsStayEmptyAndOkWritesNothing)
{
    while (control->DoGetPageCounts() > 0)
        ASSERT_TRUE(control->DoDeletePage(0));
    ListState rows, columns;
    rows.columns = columns.columns = -1;
    Run(kFlags, {[&](HWND sheet) {
                     rows = ReadList(CurrentPage(sheet), IDC_REPORT_ROWS);
                     columns = ReadList(CurrentPage(sheet), IDC_REPORT_COLUMNS);
                     ModalDriver::Click(CurrentPage(sheet), IDC_REPORT_CUSTOM);
                 },
                 PressOk});
    EXPECT_EQ(rows.columns, 0);
    EXPECT_TRUE(rows.texts.empty());
    EXPECT_EQ(columns.columns, 0);
    EXPECT_TRUE(columns.texts.empty());
}

} // namespace
