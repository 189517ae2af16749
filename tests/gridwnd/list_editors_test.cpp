// The two list editors: the combo box that edits a cell (the keys that end it, Esc putting the
// starting text back, the end notification and its record, the edit child of a drop-down box) and
// the list view whose sub-items open an edit box (wrapping keys, clicks, scrolling).

#include "gridwnd/CellComboList.h"
#include "gridwnd/EditListCtrl.h"
#include "tests/support/GridWindowFixture.h"

#include <memory>

namespace {

// A window of ours, so that its children's notifications are offered back to them; it records
// the ends of edits it hears of.
class EditorHost : public CWnd
{
public:
    EditorHost()
    {
        CWnd::RegisterWindowClass(L"GridEditorHost", 0);
        CreateEx(0, L"GridEditorHost", L"", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(0, 0, 420, 320), nullptr,
                 0);
    }
    ~EditorHost() override
    {
        DestroyWindow();
        GridHost::SetKeys({});
        GridHost::Pump();
    }

    struct Ended
    {
        HWND from;
        UINT_PTR id;
        int code;
        int row, col;
        UINT mask;
        CString text;
        UINT key;
    };
    std::vector<Ended> ended;

protected:
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override
    {
        if (msg == WM_NOTIFY && int(reinterpret_cast<const NMHDR*>(lp)->code) == -106) {
            const auto& info = *reinterpret_cast<const CCellDispInfo*>(lp);
            ended.push_back({info.hdr.hwndFrom, info.hdr.idFrom, int(info.hdr.code), info.item.row, info.item.col,
                             info.item.mask, info.item.text, info.item.value});
            return 0;
        }
        return CWnd::WindowProc(msg, wp, lp);
    }
};

constexpr UINT kComboId = 31;

// A box of three items for cell (4, 2), started on "乙".
std::unique_ptr<CCellComboList> MakeCombo(EditorHost& host, DWORD style, bool arrowsEndEdit)
{
    auto combo = std::make_unique<CCellComboList>(4, 2, CString("乙"), arrowsEndEdit);
    EXPECT_TRUE(
        combo->Create(WS_CHILD | WS_VISIBLE | WS_VSCROLL | style, CRect(10, 10, 200, 200), host, kComboId));
    for (const char* item : {"甲", "乙", "丙"})
        combo->AddString(item);
    if ((style & 3) == CBS_DROPDOWNLIST)
        combo->SetCurSel(1);
    else
        combo->SetWindowText("乙");
    combo->SetFocus();
    GridHost::Pump();
    return combo;
}

void Post(HWND to, UINT msg, WPARAM wp, LPARAM lp = 0)
{
    ::PostMessageW(to, msg, wp, lp);
    GridHost::Pump();
}

} // namespace

TEST(CellComboList, EscPutsTheStartingTextBackBeforeTheNotification)
{
    EditorHost host;
    auto combo = MakeCombo(host, CBS_DROPDOWN, false);
    HWND edit = ::GetDlgItem(*combo, CCellComboEdit::kEditId);
    ASSERT_NE(edit, nullptr);
    ASSERT_EQ(::GetFocus(), edit);
    combo->SetWindowText("改过");
    const HWND box = combo->GetSafeHwnd();
    Post(edit, WM_KEYUP, VK_ESCAPE, 0xC0000001);
    ASSERT_EQ(host.ended.size(), 1u);
    const EditorHost::Ended& end = host.ended[0];
    EXPECT_EQ(end.text, CString("乙"));
    EXPECT_EQ(end.key, UINT(VK_ESCAPE));
    EXPECT_EQ(end.from, box);
    EXPECT_EQ(end.id, kComboId);
    EXPECT_EQ(end.code, -106);
    EXPECT_EQ(end.row, 4);
    EXPECT_EQ(end.col, 2);
    EXPECT_EQ(end.mask, 5u);
    EXPECT_EQ(combo->GetSafeHwnd(), nullptr) << "the box closed itself";
}

TEST(CellComboList, KeysThatEndTheEditOfADropDownList)
{
    struct Case
    {
        UINT msg;
        UINT key;
        bool ctrl;
        bool arrowsEndEdit;
        UINT endsWith; // 0: the edit goes on
    };
    const Case cases[] = {
        {WM_KEYUP, VK_TAB, false, false, VK_TAB},    {WM_KEYUP, VK_RETURN, false, false, VK_RETURN},
        {WM_KEYDOWN, VK_DOWN, false, true, VK_DOWN}, {WM_KEYDOWN, VK_DOWN, false, false, 0},
        {WM_KEYDOWN, VK_DOWN, true, false, VK_DOWN}, {WM_KEYDOWN, VK_PRIOR, false, true, VK_PRIOR},
        {WM_KEYDOWN, VK_LEFT, true, false, VK_LEFT}, {WM_KEYDOWN, 'A', true, true, 0},
    };
    for (const Case& c : cases) {
        EditorHost host;
        auto combo = MakeCombo(host, CBS_DROPDOWNLIST, c.arrowsEndEdit);
        GridHost::SetKeys(c.ctrl ? std::initializer_list<int>{VK_CONTROL} : std::initializer_list<int>{});
        Post(*combo, c.msg, c.key, c.msg == WM_KEYUP ? 0xC0000001 : 1);
        GridHost::SetKeys({});
        SCOPED_TRACE(::testing::Message() << "key " << c.key << (c.ctrl ? " with Ctrl" : ""));
        if (!c.endsWith) {
            EXPECT_TRUE(host.ended.empty());
            continue;
        }
        ASSERT_EQ(host.ended.size(), 1u);
        EXPECT_EQ(host.ended[0].key, c.endsWith);
        EXPECT_EQ(host.ended[0].text, CString("乙"));
    }
}

TEST(CellComboList, LosingTheFocusEndsTheEditOnce)
{
    EditorHost host;
    auto combo = MakeCombo(host, CBS_DROPDOWNLIST, false);
    combo->SetCurSel(2);
    ::SetFocus(host);
    GridHost::Pump();
    ASSERT_EQ(host.ended.size(), 1u);
    EXPECT_EQ(host.ended[0].text, CString("丙"));
    EXPECT_EQ(host.ended[0].key, 0u);
    EXPECT_EQ(combo->GetSafeHwnd(), nullptr);

    auto dropDown = MakeCombo(host, CBS_DROPDOWN, true);
    HWND edit = ::GetDlgItem(*dropDown, CCellComboEdit::kEditId);
    Post(edit, WM_KEYDOWN, VK_DOWN, 1);
    EXPECT_EQ(host.ended.size(), 1u) << "in the edit, Down alone moves in the list";
    GridHost::SetKeys({VK_CONTROL});
    Post(edit, WM_KEYDOWN, VK_DOWN, 1);
    GridHost::SetKeys({});
    ASSERT_EQ(host.ended.size(), 2u);
    EXPECT_EQ(host.ended[1].key, UINT(VK_DOWN)) << "the edit child passes Ctrl+Down on";
    Post(edit, WM_KEYUP, VK_RETURN, 0xC0000001);
    EXPECT_EQ(host.ended.size(), 2u) << "an edit ends once";
}

TEST(CellComboList, DoubleClickClosesTheDropDown)
{
    EditorHost host;
    auto combo = MakeCombo(host, CBS_DROPDOWNLIST, false);
    combo->SendMessage(CB_SHOWDROPDOWN, TRUE);
    ASSERT_TRUE(combo->SendMessage(CB_GETDROPPEDSTATE));
    combo->SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(5, 5));
    EXPECT_FALSE(combo->SendMessage(CB_GETDROPPEDSTATE));
}

namespace {

constexpr UINT kListId = 41;

// Five rows of three columns; the texts name their cells.
std::unique_ptr<CEditListCtrl> MakeList(EditorHost& host, DWORD style = 0)
{
    auto list = std::make_unique<CEditListCtrl>();
    EXPECT_TRUE(
        list->Create(WS_CHILD | WS_VISIBLE | LVS_REPORT | style, CRect(0, 0, 400, 300), host, kListId));
    for (int col = 0; col < 3; ++col) {
        LVCOLUMNW column{};
        column.mask = LVCF_WIDTH | LVCF_TEXT;
        column.cx = 100;
        column.pszText = const_cast<wchar_t*>(L"列");
        list->SendMessage(LVM_INSERTCOLUMNW, WPARAM(col), reinterpret_cast<LPARAM>(&column));
    }
    for (int row = 0; row < 5; ++row)
        for (int col = 0; col < 3; ++col) {
            const std::wstring text = L"项" + std::to_wstring(row) + L"." + std::to_wstring(col);
            LVITEMW item{};
            item.mask = LVIF_TEXT;
            item.iItem = row;
            item.iSubItem = col;
            item.pszText = const_cast<wchar_t*>(text.c_str());
            list->SendMessage(col == 0 ? LVM_INSERTITEMW : LVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&item));
        }
    GridHost::Pump();
    return list;
}

CPoint SubItemCentre(const CEditListCtrl& list, int item, int subItem)
{
    CRect rect;
    rect.top = subItem;
    rect.left = LVIR_LABEL;
    list.SendMessage(LVM_GETSUBITEMRECT, WPARAM(item), reinterpret_cast<LPARAM>(&rect));
    return rect.CenterPoint();
}

void ClickAt(const CEditListCtrl& list, CPoint point)
{
    ::PostMessageW(list, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(point.x, point.y));
    ::PostMessageW(list, WM_LBUTTONUP, 0, MAKELPARAM(point.x, point.y));
    GridHost::Pump();
}

int SelectedRow(const CEditListCtrl& list)
{
    return int(list.SendMessage(LVM_GETNEXTITEM, WPARAM(-1), LVNI_SELECTED));
}

} // namespace

TEST(EditListCtrl, ItsExtendedStylesAndItemSize)
{
    EditorHost host;
    auto list = MakeList(host, LVS_OWNERDRAWFIXED);
    const DWORD styles = DWORD(list->SendMessage(LVM_GETEXTENDEDLISTVIEWSTYLE));
    EXPECT_EQ(styles & CEditListCtrl::kExtendedStyles, CEditListCtrl::kExtendedStyles);
    MEASUREITEMSTRUCT measure{ODT_LISTVIEW, kListId, 0, 0, 0, 0};
    EXPECT_TRUE(::SendMessageW(host, WM_MEASUREITEM, kListId, reinterpret_cast<LPARAM>(&measure)));
    EXPECT_EQ(measure.itemHeight, 23u);
    EXPECT_EQ(measure.itemWidth, 100u);
}

TEST(EditListCtrl, UpAndDownWrapAndPagesGoToTheEnds)
{
    struct Case
    {
        int from;
        UINT key;
        int to;
    };
    const Case cases[] = {{0, VK_UP, 4}, {4, VK_DOWN, 0},  {2, VK_DOWN, 3},
                          {2, VK_UP, 1}, {2, VK_PRIOR, 0}, {2, VK_NEXT, 4}};
    EditorHost host;
    auto list = MakeList(host);
    for (const Case& c : cases) {
        ClickAt(*list, SubItemCentre(*list, c.from, 0));
        ASSERT_EQ(list->GetCurrentRow(), c.from);
        Post(*list, WM_KEYDOWN, c.key, 1);
        EXPECT_EQ(list->GetCurrentRow(), c.to) << "key " << c.key << " from " << c.from;
        EXPECT_EQ(list->GetFocusRow(), c.to);
        EXPECT_EQ(SelectedRow(*list), c.to);
    }
}

TEST(EditListCtrl, ClickOnASubItemEditsItAndTheFirstColumnNever)
{
    EditorHost host;
    auto list = MakeList(host);
    ClickAt(*list, SubItemCentre(*list, 0, 0));
    EXPECT_EQ(list->GetEditWindow(), nullptr);

    ClickAt(*list, SubItemCentre(*list, 2, 1));
    HWND edit = list->GetEditWindow();
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(::GetDlgCtrlID(edit), int(CEditListCtrl::kEditId));
    const DWORD style = DWORD(::GetWindowLongPtrW(edit, GWL_STYLE));
    EXPECT_EQ(style & (WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL),
              DWORD(WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL));
    EXPECT_EQ(CWnd::TextOf(edit), CString("项2.1"));
    EXPECT_EQ(::GetFocus(), edit);
    DWORD start = 1, end = 0;
    ::SendMessageW(edit, EM_GETSEL, WPARAM(&start), LPARAM(&end));
    EXPECT_EQ(start, 0u);
    EXPECT_EQ(end, 4u);
    EXPECT_EQ(list->GetEditItem(), 2);
    EXPECT_EQ(list->GetEditSubItem(), 1);

    ::SetWindowTextW(edit, L"新值");
    ::SetFocus(*list);
    GridHost::Pump();
    EXPECT_EQ(list->GetLastEditedText(), CString("新值")) << "kept when the box lost the focus";
    EXPECT_EQ(list->GetItemText(2, 1), CString("项2.1")) << "the owner writes it back, not the list";

    ClickAt(*list, SubItemCentre(*list, 3, 0));
    EXPECT_EQ(list->GetEditWindow(), nullptr);
}

TEST(EditListCtrl, ScrollingClosesTheEditBox)
{
    EditorHost host;
    auto list = MakeList(host);
    for (UINT msg : {UINT(WM_VSCROLL), UINT(WM_HSCROLL), UINT(WM_MOUSEWHEEL)}) {
        ClickAt(*list, SubItemCentre(*list, 1, 2));
        ASSERT_NE(list->GetEditWindow(), nullptr);
        list->SendMessage(msg, msg == WM_MOUSEWHEEL ? MAKEWPARAM(0, -WHEEL_DELTA) : SB_LINEDOWN);
        EXPECT_EQ(list->GetEditWindow(), nullptr) << "message " << msg;
    }
}
