// The tab title and tab arrow objects handed out by the control, called through IDispatch as a
// client calls them: one object of each kind re-bound by its getter, each member forwarded to the
// tab strip or the arrow bar with colours translated, the font objects they hand out, and the
// failure values once their target is gone.

#include "tests/automation/ObjectCalls.h"
#include "tests/support/ControlTest.h"

#include "tabs/NorvakTabBand.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

enum : DISPID
{
    // INorvakTabTitleObject
    kSetTabType = 1,
    kGetTabType = 2,
    kSetActivePage = 3,
    kGetActivePage = 4,
    kSetPageTabWidth = 5,
    kGetPageTabWidth = 6,
    kSetWindowBkColor = 9,
    kGetWindowBkColor = 10,
    kGetPageCounts = 17,
    kInsertCoolIcon = 18,
    kInsertCoolIconFromFile = 21,
    kInsertHotIconFromFile = 22,
    kSetPageTitle = 31,
    kGetPageTitle = 32,
    kOpenPage = 33,
    kClosePage = 34,
    kGetPagePassWord = 37,
    kGetPageUser = 39,
    kTitleFontObject = 44,
    kTitleSetWindowVisible = 45,
    kTitleGetWindowIsVisible = 46,
    kGetIsDefaultWidth = 47,
    kSetTextColor = 51,
    kGetTextColor = 52,
    kSetPageUserNameAndPassWord = 53,
    // INorvakTabArrowObject
    kGetArrows = 1,
    kSetArrows = 2,
    kGetArrowsIs3DFace = 6,
    kSetStatusInfoFgColor = 9,
    kGetStatusInfoFgColor = 10,
    kArrowFontObject = 13,
    kSetStatusInfoFormat = 14,
    kGetStatusInfoFormat = 15,
    kSetLeftTopLineColor = 16,
    kGetLeftTopLineColor = 17,
    kSetIconLineType = 20,
    kGetIconLineType = 21,
    kAddIcon = 26,
    kAddIconFromFile = 27,
    kInsertIcon = 30,
    kDeleteIcon = 32,
    kGetIconCounts = 33,
    kSetIconText = 34,
    kGetIconText = 35,
    kSetShowCommandButton = 42,
    kGetCommandButtonIsEnable = 43,
    kSetShowOnlyIcon = 44,
    kGetShowIconIsEnable = 45,
    kArrowGetWindowIsVisible = 49,
    // INorvakFontObject
    kSetFontHeight = 1,
    kGetFontHeight = 2,
};

// A call and its result: a number (BOOL as 0 or 1), or a text when text is given.
struct MemberCall
{
    DISPID id;
    std::vector<Variant> args;
    LONG expected;
    const wchar_t* text = nullptr;
};

Variant I2(SHORT value)
{
    return Variant::Short(value);
}

void RunCalls(IDispatch* object, const std::vector<MemberCall>& calls)
{
    for (size_t i = 0; i < calls.size(); ++i) {
        const MemberCall& c = calls[i];
        const Variant result = Invoke(object, c.id, c.args);
        if (c.text)
            EXPECT_EQ(AsText(result), c.text) << "call " << i << ", DISPID " << c.id;
        else
            EXPECT_EQ(AsLong(result), c.expected) << "call " << i << ", DISPID " << c.id;
    }
}

class TabObjects : public ControlTest
{
protected:
    void SetUp() override
    {
        Create();
        Start();
        ASSERT_TRUE(control->ActivatePage(0, FALSE));
        band = TabBandOf(*control);
    }
    IDispatch* Title() { return HeldObject(Call(kDoGetTabTitleObject)); }
    IDispatch* Arrow() { return HeldObject(Call(kDoGetTabArrowObject)); }

    CNorvakTabBand* band = nullptr;
};

} // namespace

TEST_F(TabObjects, EachGetterHandsOutTheOneObjectOfItsKind)
{
    IDispatch* title = Title();
    IDispatch* arrow = Arrow();
    ASSERT_NE(title, nullptr);
    ASSERT_NE(arrow, nullptr);
    IDispatch* again = Title();
    EXPECT_EQ(again, title);
    again->Release();
    again = Arrow();
    EXPECT_EQ(again, arrow);
    again->Release();
    EXPECT_NE(static_cast<IUnknown*>(title), static_cast<IUnknown*>(arrow));
    title->Release();
    arrow->Release();
}

TEST_F(TabObjects, TheTitleObjectForwardsToTheStrip)
{
    IDispatch* title = Title();
    ASSERT_NE(title, nullptr);
    RunCalls(title, {
                        {kGetPageCounts, {}, 3},
                        {kGetActivePage, {}, 0},
                        {kSetActivePage, {L(2)}, 1},
                        {kGetActivePage, {}, 2},
                        {kSetActivePage, {L(9)}, 0},
                        {kSetPageTitle, {L(1), S(L"甲表")}, 1},
                        {kGetPageTitle, {L(1)}, 0, L"甲表"},
                        {kSetPageTitle, {L(2), S(L"甲表")}, 0},
                        {kSetPageTitle, {L(9), S(L"x")}, 0},
                        {kGetPageTitle, {L(9)}, 0, L""},
                        {kSetTabType, {I2(1)}, 1},
                        {kGetTabType, {}, 1},
                        {kSetWindowBkColor, {L(LONG(0x80000005))}, 1},
                        {kGetWindowBkColor, {}, LONG(::GetSysColor(COLOR_WINDOW))},
                        {kSetTextColor, {L(0), L(0x0000FF)}, 1},
                        {kGetTextColor, {L(0)}, 0x0000FF},
                        {kGetTextColor, {L(9)}, 0},
                        {kSetPageTabWidth, {L(0), B(false), L(90)}, 1},
                        {kGetPageTabWidth, {L(0)}, 90},
                        {kGetIsDefaultWidth, {L(0)}, 0},
                        {kInsertCoolIcon, {L(0), B(true), L(0)}, 1},
                        {kInsertCoolIcon, {L(9), B(true), L(0)}, 0},
                        {kInsertCoolIconFromFile, {L(1), B(true), S(L"Z:\\no such file.ico")}, 1},
                        {kInsertHotIconFromFile, {L(1), B(false), S(L"Z:\\no such file.ico")}, 0},
                        {kSetPageUserNameAndPassWord, {L(1), S(L""), S(L""), S(L"amy"), S(L"pw")}, 1},
                        {kGetPageUser, {L(1)}, 0, L"amy"},
                        {kClosePage, {L(1)}, 1},
                        {kGetPageUser, {L(1)}, 0, L""},
                        {kOpenPage, {L(1), S(L"amy"), S(L"bad")}, 0},
                        {kOpenPage, {L(1), S(L"amy"), S(L"pw")}, 1},
                        {kGetPageUser, {L(1)}, 0, L"amy"},
                        {kGetPagePassWord, {L(1)}, 0, L"pw"},
                        {kTitleSetWindowVisible, {B(false)}, 1},
                        {kTitleGetWindowIsVisible, {}, 0},
                    });
    const CNorvakPage* page0 = control->GetPage(0);
    EXPECT_EQ(page0->m_tabFont.crText, COLORREF(0x0000FF));
    EXPECT_EQ(page0->m_nTabWidth, 90);
    EXPECT_EQ(control->GetPage(1)->m_strTitle, CString("甲表"));
    EXPECT_EQ(control->DoGetActivePageIndex(), 1) << "opening a page activates it";
    EXPECT_FALSE(band->IsStripVisible());
    title->Release();
}

TEST_F(TabObjects, TheArrowObjectForwardsToTheBarAndWritesItsSettings)
{
    IDispatch* arrow = Arrow();
    ASSERT_NE(arrow, nullptr);
    CTabScroll& bar = *band->Arrows();
    RunCalls(arrow, {
                        {kGetArrows, {}, 4},
                        {kSetArrows, {B(true), B(false)}, 1},
                        {kGetArrows, {}, 2},
                        {kGetArrowsIs3DFace, {}, 0},
                        {kGetLeftTopLineColor, {}, 0x808080},
                        {kSetLeftTopLineColor, {L(0x0000FF)}, 1},
                        {kGetLeftTopLineColor, {}, 0x0000FF},
                        {kSetIconLineType, {I2(7)}, 1},
                        {kGetIconLineType, {}, 0},
                        {kSetIconLineType, {I2(3)}, 1},
                        {kGetIconLineType, {}, 3},
                        {kSetStatusInfoFormat, {I2(2)}, 1},
                        {kGetStatusInfoFormat, {}, 2},
                        {kSetStatusInfoFgColor, {L(LONG(0x80000008))}, 1},
                        {kGetStatusInfoFgColor, {}, LONG(::GetSysColor(COLOR_WINDOWTEXT))},
                        {kDeleteIcon, {I2(0)}, 0},
                        {kAddIcon, {B(false), L(0), L(0)}, 0},
                        {kAddIconFromFile, {B(false), S(L"Z:\\no such file.ico"), S(L"")}, 0},
                        {kAddIcon, {B(true), L(0), L(0)}, 1},
                        {kAddIcon, {B(true), L(0), L(0)}, 1},
                        {kAddIcon, {B(true), L(0), L(0)}, 1},
                        {kSetIconText, {I2(0), S(L"一")}, 1},
                        {kSetIconText, {I2(1), S(L"二")}, 1},
                        {kSetIconText, {I2(2), S(L"三")}, 1},
                        {kSetIconText, {I2(3), S(L"四")}, 0},
                        {kDeleteIcon, {I2(99)}, 1},
                        {kGetIconCounts, {}, 2},
                        {kGetIconText, {I2(1)}, 0, L"二"},
                        {kInsertIcon, {I2(-5), B(true), L(0), L(0)}, 1},
                        {kGetIconText, {I2(0)}, 0, L""},
                        {kGetIconText, {I2(1)}, 0, L"一"},
                        {kSetShowCommandButton, {B(true)}, 1},
                        {kSetShowOnlyIcon, {B(true)}, 1},
                        {kGetCommandButtonIsEnable, {}, 0},
                        {kGetShowIconIsEnable, {}, 1},
                        {kArrowGetWindowIsVisible, {}, 1},
                    });
    EXPECT_EQ(bar.GetArrows(), 2);
    EXPECT_TRUE(bar.GetFlat());
    EXPECT_EQ(bar.m_crLeftTop, COLORREF(0x0000FF));
    EXPECT_FALSE(bar.m_bLeftTopDefault);
    EXPECT_EQ(bar.m_nIconFrame, 3);
    EXPECT_EQ(bar.GetButtonCount(), 3);
    arrow->Release();
}

TEST_F(TabObjects, TheirFontObjectsEditTheTabFontOfTheLastPageAskedAndTheStatusFont)
{
    IDispatch* title = Title();
    Variant first = Invoke(title, kTitleFontObject, {L(0)});
    Variant second = Invoke(title, kTitleFontObject, {L(2)});
    ASSERT_EQ((*first).vt, VT_DISPATCH);
    ASSERT_NE((*first).pdispVal, nullptr);
    EXPECT_EQ((*first).pdispVal, (*second).pdispVal) << "one font object, re-bound";
    const LONG page0Height = control->GetPage(0)->m_tabFont.font.lfHeight;
    EXPECT_EQ(AsLong(Invoke((*first).pdispVal, kSetFontHeight, {L(-30)})), 1);
    EXPECT_EQ(control->GetPage(2)->m_tabFont.font.lfHeight, -30);
    EXPECT_EQ(control->GetPage(0)->m_tabFont.font.lfHeight, page0Height);
    EXPECT_EQ((*Invoke(title, kTitleFontObject, {L(9)})).pdispVal, nullptr) << "no page, no font";

    IDispatch* arrow = Arrow();
    Variant status = Invoke(arrow, kArrowFontObject);
    ASSERT_NE((*status).pdispVal, nullptr);
    EXPECT_EQ(AsLong(Invoke((*status).pdispVal, kSetFontHeight, {L(-20)})), 1);
    EXPECT_EQ(band->Arrows()->m_statusFont.font.lfHeight, -20);
    EXPECT_EQ(AsLong(Invoke((*status).pdispVal, kGetFontHeight)), -20);
    title->Release();
    arrow->Release();
}
