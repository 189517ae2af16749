// The control paints its active page through IViewObject2::Draw into whatever DC the container
// gives: white with no page, the page's cells without the bottom bar, the hidden and closed page
// texts, and a derived control replacing one painting step.

#include "tests/support/ControlTest.h"

#include <commctrl.h>
#include <olectl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <memory>

namespace {

constexpr int kWidth = 400;
constexpr int kHeight = 300;
constexpr DWORD kUnpainted = 0x123456;
constexpr DWORD kMagenta = 0xFF00FF;

// Every body cell filled magenta: a derived control's own cell step.
class MagentaCellCtrl : public CNorvakCtrl
{
public:
    BOOL DrawCell(CDC* pDC, int, int, CRect rect) override
    {
        pDC->FillSolidRect(rect, RGB(255, 0, 255));
        return TRUE;
    }
};

class ControlPaint : public ControlTest
{
protected:
    void StartWithPage(CNorvakCtrl* made = nullptr)
    {
        Create(made);
        Start();
        ASSERT_NE(control->GetPage(-1), nullptr);
    }
    void Draw()
    {
        HRESULT hr = E_FAIL;
        pixels = container.DrawToMemory(kWidth, kHeight, kUnpainted, &hr);
        ASSERT_EQ(hr, S_OK);
    }
    DWORD At(int x, int y) const { return pixels[size_t(y * kWidth + x)]; }
    int CountOf(DWORD colour, const RECT& r) const
    {
        int n = 0;
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x)
                n += At(x, y) == colour;
        return n;
    }
    // Left (top) pixel of a column (row) with nothing scrolled.
    int X(int col) const
    {
        const auto& widths = control->GetPage(-1)->m_colWidths;
        return std::accumulate(widths.begin(), widths.begin() + col, 0);
    }
    int Y(int row) const
    {
        const auto& heights = control->GetPage(-1)->m_rowHeights;
        return std::accumulate(heights.begin(), heights.begin() + row, 0);
    }

    std::vector<DWORD> pixels;
};

} // namespace

TEST_F(ControlPaint, NoActivePagePaintsTheWholeAreaWhite)
{
    StartWithPage();
    while (control->DoGetPageCounts() > 0)
        ASSERT_TRUE(control->DoDeletePage(0));
    Draw();
    EXPECT_EQ(CountOf(0xFFFFFF, CRect(0, 0, kWidth, kHeight)), kWidth * kHeight);
}

TEST_F(ControlPaint, ActivePageIsPaintedAboveTheBottomBar)
{
    StartWithPage();
    ASSERT_TRUE(control->DoSetPageCellText(-1, 1, 1, "合计"));
    control->EditPageCell(-1, 2, 2)->EditFont().crBackground = RGB(0, 200, 0);
    Draw();
    int gridX = X(2) - 1;
    EXPECT_EQ(At(gridX, Y(1) + 10), kDefaultLineColor);
    EXPECT_EQ(At(X(2) + 10, Y(2) + 10), 0x00C800u);
    CRect textCell(X(1), Y(1), X(2) - 1, Y(2) - 1);
    EXPECT_GT(textCell.Width() * textCell.Height() - CountOf(0xFFFFFF, textCell), 10); // the text's ink
    // The bottom bar belongs to the child windows, never the cells: the band's windows draw
    // themselves here (the arrow bar's top line), the scroll bar's place is drawn plain.
    int bar = kHeight - 18;
    DWORD face = ::GetSysColor(COLOR_BTNFACE);
    face = (face & 0xFF) << 16 | (face & 0xFF00) | (face >> 16 & 0xFF);
    EXPECT_EQ(CountOf(face, CRect(kWidth / 2, bar, kWidth / 2 + 50, kHeight)), 50 * 18);
    EXPECT_EQ(At(10, kHeight - 19), 0u);
    EXPECT_EQ(CountOf(kUnpainted, CRect(0, 0, kWidth, kHeight)), 0);
}

TEST_F(ControlPaint, HiddenAndClosedPagesShowTheirTextOnly)
{
    StartWithPage();
    for (bool closed : {false, true}) {
        CNorvakPage* page = control->GetPage(-1);
        page->m_bContentVisible = closed ? 1 : 0;
        page->m_bOpened = closed ? 0 : 1;
        Draw();
        EXPECT_EQ(CountOf(kDefaultLineColor, CRect(0, 0, kWidth, kHeight - 18)), 0) << closed;
        EXPECT_GT(CountOf(0, CRect(kWidth / 4, 0, kWidth * 3 / 4, kHeight - 18)), 100) << closed;
    }
}

TEST_F(ControlPaint, DerivedControlReplacesTheCellStep)
{
    StartWithPage(new MagentaCellCtrl);
    Draw();
    EXPECT_EQ(At(X(1) + 10, Y(1) + 10), kMagenta);
    EXPECT_EQ(At(X(3) + 10, Y(4) + 10), kMagenta);
    EXPECT_NE(At(5, Y(2) + 5), kMagenta); // header cells keep their own step
}

TEST_F(ControlPaint, DragImageOfTheFocusCellAndTextExtents)
{
    StartWithPage();
    CNorvakPage* page = control->GetPage(-1);
    EXPECT_EQ(control->CreateDragImage(nullptr), nullptr); // no focus cell
    page->m_focusCell = CCellCoord(2, 3);
    page->m_colWidths[3] = 64;
    page->m_rowHeights[2] = 24;
    CSize size;
    HIMAGELIST image = control->CreateDragImage(&size);
    ASSERT_NE(image, nullptr);
    int cx = 0, cy = 0;
    EXPECT_TRUE(ImageList_GetIconSize(image, &cx, &cy));
    EXPECT_EQ(CSize(cx, cy), CSize(64, 24));
    EXPECT_EQ(size, CSize(64, 24));
    EXPECT_EQ(ImageList_GetImageCount(image), 1);
    ImageList_Destroy(image);

    page->m_nCellTextMargin = 3;
    EXPECT_EQ(control->GetCellTextExtent(99, 1, 1, "文字", TRUE), CSize(0, 0));
    LOGFONTA lf = control->GetPageCell(-1, 1, 1)->GetFont().font;
    lf.lfWeight = 600;
    CFont font;
    font.CreateFontIndirect(&lf);
    HDC screen = GetDC(nullptr);
    CSize text;
    {
        CDC dc(screen);
        CSelectObject select(dc, font);
        text = dc.GetTextExtent("文字");
        dc.Detach();
    }
    ReleaseDC(nullptr, screen);
    EXPECT_EQ(control->GetCellTextExtent(-1, 1, 1, "文字", TRUE), CSize(text.cx + 6, text.cy + 6));

    // Not bold: measured in the container's ambient font.
    FONTDESC desc{sizeof(FONTDESC), const_cast<LPOLESTR>(L"SimSun"), {360000, 0}, FW_NORMAL, GB2312_CHARSET,
                  FALSE, FALSE, FALSE};
    IFont* big = nullptr;
    ASSERT_EQ(OleCreateFontIndirect(&desc, IID_IFont, reinterpret_cast<void**>(&big)), S_OK);
    VARIANT dispatch;
    dispatch.vt = VT_DISPATCH;
    ASSERT_EQ(big->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&dispatch.pdispVal)), S_OK);
    container.ambients[DISPID_AMBIENT_FONT] = Variant(dispatch);
    ::VariantClear(&dispatch);
    HFONT bigFont = nullptr;
    ASSERT_EQ(big->get_hFont(&bigFont), S_OK);
    screen = GetDC(nullptr);
    {
        CDC dc(screen);
        CSelectObject select(dc, bigFont);
        text = dc.GetTextExtent("文字");
        dc.Detach();
    }
    ReleaseDC(nullptr, screen);
    EXPECT_GT(text.cy, 40);
    EXPECT_EQ(control->GetCellTextExtent(-1, 1, 1, "文字", FALSE), CSize(text.cx + 6, text.cy + 6));
    container.ambients.erase(DISPID_AMBIENT_FONT);
    big->Release();
}
