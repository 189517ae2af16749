// The fill-effects sheet opened by the control, driven with posted messages: its caption, tabs and
// widened layout, the style preview each page hands it, the texture, pattern and picture pages
// with their file dialogs, and a fill sheet of owner kind 0 handing the page on show to its owner.

#include "dialogs/ColorPropertyDlg.h"
#include "dialogs/ColourPickerPopup.h"
#include "dialogs/FillTarget.h"
#include "dialogs/NorvakSheet.h"
#include "dialogs/TuAnProDlg.h"
#include "dialogs/TuPianProDlg.h"
#include "dialogs/WenLiProDlg.h"
#include "sheet/NorvakModule.h"
#include "tests/support/GeometryPrint.h"
#include "tests/support/GuiResources.h"
#include "tests/support/ControlTest.h"
#include "tests/support/ModalDriver.h"
#include "tests/support/PageSnapshot.h"
#include "tests/support/PickerParent.h"
#include "tests/support/SheetDriving.h"
#include "resources/NorvakResource.h"

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <memory>

namespace {

using Steps = std::vector<ModalDriver::Step>;

// The fixture's control, in a container and activated in place.
class FillEffectsSheet : public ControlTest
{
protected:
    void SetUp() override
    {
        Create();
        Start();
    }
};
using PropertySheets = FillEffectsSheet;

CNorvakSheet* SheetOf(HWND sheet)
{
    return dynamic_cast<CNorvakSheet*>(CWnd::FromHandlePermanent(sheet));
}

template <class Page> Page* PageOf(HWND sheet)
{
    return dynamic_cast<Page*>(CWnd::FromHandlePermanent(CurrentPage(sheet)));
}

// A 32 x 32 red bitmap file in the temporary folder; its full path.
std::wstring WriteBitmapFile(const wchar_t* name)
{
    wchar_t folder[MAX_PATH]{};
    GetTempPathW(MAX_PATH, folder);
    const std::wstring path = std::wstring(folder) + name;
    constexpr int kSide = 32;
    BITMAPINFOHEADER info{sizeof(info), kSide, kSide, 1, 24, BI_RGB, kSide * kSide * 3, 0, 0, 0, 0};
    BITMAPFILEHEADER header{0x4D42, DWORD(sizeof(header) + sizeof(info) + info.biSizeImage), 0, 0,
                            DWORD(sizeof(header) + sizeof(info))};
    std::vector<unsigned char> bytes(reinterpret_cast<unsigned char*>(&header),
                                     reinterpret_cast<unsigned char*>(&header) + sizeof(header));
    bytes.insert(bytes.end(), reinterpret_cast<unsigned char*>(&info), reinterpret_cast<unsigned char*>(&info) + sizeof(info));
    for (int i = 0; i < kSide * kSide; ++i)
        bytes.insert(bytes.end(), {0x20, 0x20, 0xFF}); // blue, green, red
    HANDLE out = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    WriteFile(out, bytes.data(), DWORD(bytes.size()), &written, nullptr);
    CloseHandle(out);
    return path;
}

// Answers file dialogs with the paths in turn.
void AnswerFileDialogs(ModalDriver& driver, std::vector<std::wstring> paths)
{
    auto queue = std::make_shared<std::vector<std::wstring>>(std::move(paths));
    driver.answer = [queue](const ModalRequest& request) -> INT_PTR {
        if (request.kind != ModalRequest::FileDialog || queue->empty())
            return ModalDriver::DefaultAnswer(request);
        auto* ofn = static_cast<OPENFILENAMEW*>(request.data);
        wcsncpy(ofn->lpstrFile, queue->front().c_str(), ofn->nMaxFile - 1);
        queue->erase(queue->begin());
        return IDOK;
    };
}

const ModalDriver::Step PressOk = [](HWND sheet) { ModalDriver::Command(sheet, IDOK); };
const ModalDriver::Step PressCancel = [](HWND sheet) { ModalDriver::Command(sheet, IDCANCEL); };
ModalDriver::Step ShowPage(int index)
{
    return [index](HWND sheet) { PropSheet_SetCurSel(sheet, nullptr, index); };
}
const ModalDriver::Step Repaint = [](HWND sheet) {
    RedrawWindow(sheet, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
};
// A click on swatch `index` of the grid page on show, scrolled to the top.
ModalDriver::Step ClickSwatch(int index)
{
    return [index](HWND sheet) {
        auto* page = PageOf<CSwatchGridPage>(sheet);
        ASSERT_NE(page, nullptr);
        for (const SwatchCell& cell : page->Grid().Layout(page->GetScrollPosition()))
            if (cell.index == index)
                ClickPageAt(*page, cell.rect.CenterPoint());
    };
}

TEST_F(FillEffectsSheet, CaptionTabsAndTheWidenedLayout)
{
    ModalDriver driver;
    driver.Then([](HWND sheet) {
        EXPECT_EQ(WindowText(sheet), L"填充效果");
        EXPECT_EQ(TabTexts(sheet), (std::vector<std::wstring>{L"颜色", L"纹理", L"图案", L"图片"}));
        CNorvakSheet* object = SheetOf(sheet);
        ASSERT_NE(object, nullptr);
        const CRect client = object->GetClientRect();
        const CRect ok = object->GetChildRect(GetDlgItem(sheet, IDOK));
        const CRect cancel = object->GetChildRect(GetDlgItem(sheet, IDCANCEL));
        const CRect page = object->GetChildRect(CurrentPage(sheet));
        CRect tabItem;
        TabCtrl_GetItemRect(PropSheet_GetTabControl(sheet), 0, &tabItem);
        EXPECT_FALSE(IsWindowVisible(GetDlgItem(sheet, 0x3021)));
        EXPECT_EQ(ok.right, client.right - 12);
        EXPECT_EQ(ok.top, tabItem.Height() + 8);
        EXPECT_EQ(ok.Size(), cancel.Size());
        EXPECT_EQ(cancel.left, ok.left);
        EXPECT_EQ(cancel.top, ok.bottom + 10);
        EXPECT_EQ(object->m_rcStyle, CRect(ok.left, page.bottom - 100, ok.right, page.bottom));
        EXPECT_EQ(object->m_wndStyleLabel.GetWindowText(), CString("样式："));
        EXPECT_EQ(object->GetChildRect(object->m_wndStyleLabel), CRect(ok.left, page.bottom - 120, ok.left + 50,
                                                                       page.bottom - 100));
        EXPECT_GT(page.right, 0);
        EXPECT_LT(page.right, ok.left) << "the buttons stand beside the pages";
    });
    driver.Then(PressCancel);
    EXPECT_EQ(control->OnFillEffects(), IDCANCEL);
}

TEST_F(FillEffectsSheet, TheGradientPageStartsBlackAndFollowsTheShadeBar)
{
    ModalDriver driver;
    int positionBefore = 0;
    driver.Then(Repaint);
    driver.Then([](HWND sheet) {
        CNorvakSheet* object = SheetOf(sheet);
        EXPECT_EQ(object->m_nFillKind, CNorvakSheet::GradientOneColour);
        EXPECT_EQ(object->m_clrFill1, RGB(0, 0, 0));
        EXPECT_LT(GetRValue(object->m_clrFill2), 4) << "the shade at the bar's left end is black, or nearly";
        EXPECT_EQ(object->m_nFillStyle, 0);
        auto* page = PageOf<CColorPropertyDlg>(sheet);
        const CRect bar = page->GetShadeBar().bar;
        ClickPageAt(*page, CPoint(bar.right - 2, bar.top + 4));
    });
    driver.Then(Repaint);
    driver.Then([&](HWND sheet) {
        auto* page = PageOf<CColorPropertyDlg>(sheet);
        EXPECT_GT(GetRValue(page->GetShadeColour()), 0xF0) << "near white at the right end";
        EXPECT_EQ(SheetOf(sheet)->m_clrFill2, page->GetShadeColour());
        positionBefore = page->GetShadePosition();
        ClickPageAt(*page, page->GetShadeBar().LeftArrow().CenterPoint());
    });
    driver.Then([&](HWND sheet) {
        EXPECT_EQ(PageOf<CColorPropertyDlg>(sheet)->GetShadePosition(), positionBefore - 1);
        ModalDriver::Click(CurrentPage(sheet), IDC_GRADIENT_PRESET);
    });
    driver.Then([](HWND sheet) {
        HWND page = CurrentPage(sheet);
        EXPECT_TRUE(IsWindowVisible(GetDlgItem(page, IDC_GRADIENT_PRESET_LIST)));
        EXPECT_FALSE(IsWindowVisible(GetDlgItem(page, IDC_GRADIENT_COLOUR1)));
        EXPECT_EQ(SendDlgItemMessageW(page, IDC_GRADIENT_PRESET_LIST, CB_GETCOUNT, 0, 0), 0);
    });
    driver.Then(PressOk);
    const PageSnapshot before = TakeSnapshot(*control->GetPage(-1), *control->GetPageCells(-1));
    EXPECT_EQ(control->OnFillEffects(), IDOK);
    EXPECT_TRUE(Differences(before, TakeSnapshot(*control->GetPage(-1), *control->GetPageCells(-1))).empty());
}

TEST_F(FillEffectsSheet, TexturesFromFilesAreAddedOnceAndOnlyWhenTheyLoad)
{
    ControlInContainer later; // the module's current control from now on
    const std::wstring picture = WriteBitmapFile(L"norvak_texture_test.bmp");
    ModalDriver driver;
    AnswerFileDialogs(driver, {L"Z:\\no\\such\\file.bmp", picture, picture});
    driver.Then(ShowPage(1));
    driver.Then(ClickSwatch(1));
    driver.Then(Repaint);
    driver.Then([&](HWND sheet) {
        CNorvakSheet* object = SheetOf(sheet);
        EXPECT_EQ(object->m_nFillKind, CNorvakSheet::TextureBitmap);
        EXPECT_EQ(object->m_pFillBitmap, control->m_Textures[1].bitmap.get());
        for (int i = 0; i < 3; ++i)
            ModalDriver::Click(CurrentPage(sheet), IDC_TEXTURE_FROM_FILE);
    });
    driver.Then([&](HWND sheet) {
        EXPECT_EQ(control->m_Textures.size(), 25u) << "the file that does not load adds nothing, the same file once";
        EXPECT_EQ(later->m_Textures.size(), 24u) << "the sheet's own control";
        HWND page = CurrentPage(sheet);
        for (int i = 0; i < 3; ++i)
            PostMessageW(page, WM_VSCROLL, SB_LINEDOWN, reinterpret_cast<LPARAM>(GetDlgItem(page, IDC_TEXTURE_SCROLL)));
    });
    driver.Then(ClickSwatch(24));
    driver.Then(Repaint);
    driver.Then([&](HWND sheet) {
        EXPECT_EQ(PageOf<CWenLiProDlg>(sheet)->GetSelected(), 24);
        EXPECT_EQ(SheetOf(sheet)->m_nFillKind, CNorvakSheet::Picture);
        EXPECT_EQ(control->m_strTexturePictureFile, CString::FromWide(picture));
        EXPECT_TRUE(control->m_texturePicture.HasPicture());
    });
    driver.Then(PressCancel);
    control->OnFillEffects();
    EXPECT_EQ(driver.SeenOf(ModalRequest::FileDialog).size(), 3u);
    DeleteFileW(picture.c_str());
}

TEST_F(FillEffectsSheet, ThePatternPageTakesItsPickersColoursAndKeepsThemOnOk)
{
    NorvakApp().m_crLastPatternFore = RGB(0, 0, 0);
    ModalDriver driver;
    driver.Then(ShowPage(2));
    driver.Then(ClickSwatch(3));
    driver.Then(Repaint);
    driver.Then([](HWND sheet) {
        CNorvakSheet* object = SheetOf(sheet);
        EXPECT_EQ(object->m_nFillKind, CNorvakSheet::Pattern);
        EXPECT_EQ(object->m_nFillPattern, 3);
        EXPECT_EQ(object->m_clrFill1, RGB(0, 0, 0));
        EXPECT_EQ(object->m_clrFill2, RGB(255, 255, 255));
        PostMessageW(GetDlgItem(CurrentPage(sheet), IDC_PATTERN_FOREGROUND), BM_CLICK, 0, 0);
    });
    driver.Then([](HWND) {
        HWND popup = FindWindowW(CColourPickerPopup::kClassName, nullptr);
        ASSERT_NE(popup, nullptr);
        for (UINT key : {VK_DOWN, VK_DOWN, VK_DOWN, VK_RETURN}) // cell 0, 8, 16 (red)
            PostMessageW(popup, WM_KEYDOWN, key, 0);
    });
    driver.Then(Repaint);
    driver.Then([](HWND sheet) {
        EXPECT_EQ(PageOf<CTuAnProDlg>(sheet)->GetForeground(), RGB(255, 0, 0));
        EXPECT_EQ(SheetOf(sheet)->m_clrFill1, RGB(255, 0, 0)) << "the grid and the preview repainted";
    });
    driver.Then(PressOk);
    const PageSnapshot before = TakeSnapshot(*control->GetPage(-1), *control->GetPageCells(-1));
    EXPECT_EQ(control->OnFillEffects(), IDOK);
    EXPECT_EQ(NorvakApp().m_crLastPatternFore, RGB(255, 0, 0));
    EXPECT_EQ(NorvakApp().m_crLastPatternBack, RGB(255, 255, 255));
    EXPECT_TRUE(Differences(before, TakeSnapshot(*control->GetPage(-1), *control->GetPageCells(-1))).empty());
}

TEST_F(FillEffectsSheet, ThePicturePageKeepsItsPictureWhenAFileDoesNotLoad)
{
    const std::wstring picture = WriteBitmapFile(L"norvak_picture_test.bmp");
    ModalDriver driver;
    AnswerFileDialogs(driver, {L"Z:\\no\\such\\picture.bmp", picture, L"Z:\\no\\such\\other.bmp"});
    driver.Then(ShowPage(3));
    driver.Then([](HWND sheet) { ModalDriver::Click(CurrentPage(sheet), IDC_PICTURE_OPEN); });
    driver.Then(Repaint);
    driver.Then([&](HWND sheet) {
        EXPECT_TRUE(control->m_strFillPictureFile.IsEmpty());
        EXPECT_TRUE(PageOf<CTuPianProDlg>(sheet)->PictureRect().IsRectEmpty());
        EXPECT_EQ(SheetOf(sheet)->m_nFillKind, CNorvakSheet::Picture) << "the preview says there is no picture";
        ModalDriver::Click(CurrentPage(sheet), IDC_PICTURE_OPEN);
    });
    driver.Then([&](HWND sheet) {
        EXPECT_EQ(control->m_strFillPictureFile, CString::FromWide(picture));
        EXPECT_FALSE(PageOf<CTuPianProDlg>(sheet)->PictureRect().IsRectEmpty());
        ModalDriver::Click(CurrentPage(sheet), IDC_PICTURE_OPEN);
    });
    driver.Then([&](HWND) {
        EXPECT_EQ(control->m_strFillPictureFile, CString::FromWide(picture)) << "a file that does not load changes nothing";
        EXPECT_TRUE(control->m_fillPicture.HasPicture());
    });
    driver.Then(PressCancel);
    control->OnFillEffects();
    DeleteFileW(picture.c_str());
}

// The owner of a fill sheet of owner kind 0, as a chart page's line-type settings are.
class FillOwner : public PickerParent, public IFillTarget
{
public:
    struct Fill
    {
        int kind, style, variant;
        COLORREF colour1, colour2;
        int texture, pattern;
        friend bool operator==(const Fill& a, const Fill& b)
        {
            return a.kind == b.kind && a.style == b.style && a.variant == b.variant && a.colour1 == b.colour1 &&
                   a.colour2 == b.colour2 && a.texture == b.texture && a.pattern == b.pattern;
        }
        friend void PrintTo(const Fill& f, std::ostream* out)
        {
            *out << "{kind " << f.kind << ", style " << f.style << ", variant " << f.variant << std::hex << ", colours "
                 << f.colour1 << " " << f.colour2 << std::dec << ", texture " << f.texture << ", pattern " << f.pattern
                 << "}";
        }
    };
    std::vector<Fill> fills;
    void SetFill(int kind, int style, int variant, COLORREF colour1, COLORREF colour2, int, int texture,
                 int pattern) override
    {
        fills.push_back({kind, style, variant, colour1, colour2, texture, pattern});
    }
};

TEST_F(FillEffectsSheet, OnASheetOfOwnerKindZeroThePageOnShowHandsItsFillToTheOwner)
{
    using Fill = FillOwner::Fill;
    COLORREF shade = 0;
    const ModalDriver::Step readShade = [&](HWND sheet) { shade = PageOf<CColorPropertyDlg>(sheet)->GetShadeColour(); };
    struct Case
    {
        const char* name;
        int ownerKind;
        Steps steps;
        std::function<std::vector<Fill>()> expected;
    } cases[] = {
        {"gradient: its style and variant, black and the shade", 0,
         {Repaint, [](HWND sheet) { ModalDriver::Click(CurrentPage(sheet), IDC_GRADIENT_CORNER); },
          [](HWND sheet) { ClickPageAt(CurrentPage(sheet), PageOf<CColorPropertyDlg>(sheet)->GetSamples()[2].CenterPoint()); },
          Repaint, readShade, PressOk},
         [&] { return std::vector<Fill>{{2, 4, 2, RGB(0, 0, 0), shade, 0, 0}}; }},
        {"texture: its index", 0, {ShowPage(1), ClickSwatch(5), PressOk},
         [] { return std::vector<Fill>{{4, 0, 0, 0, 0, 5, 0}}; }},
        {"pattern: its colours and index", 0, {ShowPage(2), ClickSwatch(7), PressOk},
         [] { return std::vector<Fill>{{5, 0, 0, RGB(0, 0, 0), RGB(255, 255, 255), 0, 7}}; }},
        {"picture: nothing", 0, {ShowPage(3), PressOk}, [] { return std::vector<Fill>{}; }},
        {"cancel: nothing", 0, {ShowPage(1), ClickSwatch(5), PressCancel}, [] { return std::vector<Fill>{}; }},
        {"owner kind 1: nothing", 1, {ShowPage(1), ClickSwatch(5), PressOk}, [] { return std::vector<Fill>{}; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FillOwner owner;
        ASSERT_TRUE(owner.Create(CRect(60, 60, 300, 200)));
        CColorPropertyDlg gradient;
        CWenLiProDlg texture;
        CTuAnProDlg pattern;
        CTuPianProDlg pictures;
        CNorvakSheet sheet("填充效果", c.ownerKind, TRUE, &owner, 0, &*control);
        for (CPropertyPage* page : std::initializer_list<CPropertyPage*>{&gradient, &texture, &pattern, &pictures})
            sheet.AddPage(page);
        ModalDriver driver;
        for (const ModalDriver::Step& step : c.steps)
            driver.Then(step);
        sheet.DoModal();
        EXPECT_EQ(owner.fills, c.expected());
    }
}

} // namespace

namespace {

TEST_F(PropertySheets, RepeatedRunsLeaveNoGdiObjectsOrWindowsBehind)
{
    control->SetSelectedRange(-1, 2, 2, 3, 3);
    auto run = [&] {
        {
            ModalDriver driver;
            for (int page = 0; page < 4; ++page) {
                driver.Then(ShowPage(page));
                driver.Then(Repaint);
            }
            driver.Then([](HWND sheet) {
                PostMessageW(GetDlgItem(CurrentPage(sheet), IDC_PATTERN_FOREGROUND), BM_CLICK, 0, 0);
            });
            driver.Then(ShowPage(2));
            driver.Then([](HWND) {
                HWND popup = FindWindowW(CColourPickerPopup::kClassName, nullptr);
                PostMessageW(popup, WM_KEYDOWN, VK_DOWN, 0);
                PostMessageW(popup, WM_KEYDOWN, VK_RETURN, 0);
            });
            driver.Then(Repaint);
            driver.Then(PressOk);
            control->OnFillEffects();
        }
        ModalDriver driver;
        driver.Then(ShowPage(1));
        driver.Then(Repaint);
        driver.Then(PressOk);
        control->OnCellFormat();
    };
    ExpectRepeatedRunsLeaveNothing(run);
}

} // namespace
