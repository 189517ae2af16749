// The tab menu, the arrow bar's menu with its page list, the colour commands, deleting and inserting
// pages from the menu, renaming through the edit's own messages, and the strip's automation targets.

#include "tests/tabs/TabBandFixture.h"

#include "tests/support/ModalDriver.h"

#include <string>
#include <vector>

namespace {

struct MenuItem
{
    UINT id;
    std::wstring text;
    bool checked;
};

std::vector<MenuItem> ItemsOf(HMENU menu)
{
    std::vector<MenuItem> items;
    for (int pos = 0; pos < ::GetMenuItemCount(menu); ++pos) {
        wchar_t text[128] = {};
        ::GetMenuStringW(menu, UINT(pos), text, 128, MF_BYPOSITION);
        const UINT state = ::GetMenuState(menu, UINT(pos), MF_BYPOSITION);
        items.push_back({::GetMenuItemID(menu, pos), text, (state & MF_CHECKED) != 0});
    }
    return items;
}

bool IsChecked(const std::vector<MenuItem>& items, UINT id)
{
    for (const MenuItem& item : items)
        if (item.id == id)
            return item.checked;
    ADD_FAILURE() << "no item " << id;
    return false;
}

} // namespace

class TabCommands : public TabBandTest
{
protected:
    // A right click on a tab (the strip) or anywhere on the arrow bar; the menu seen and the
    // command the seam answers with, carried out.
    std::vector<MenuItem> RightClick(HWND window, POINT client, UINT command)
    {
        std::vector<MenuItem> seen;
        ModalDriver driver;
        driver.answer = [&](const ModalRequest& request) -> INT_PTR {
            if (request.kind != ModalRequest::PopupMenu)
                return ModalDriver::DefaultAnswer(request);
            seen = ItemsOf(static_cast<HMENU>(request.data));
            return command;
        };
        ::ClientToScreen(window, &client);
        ::SendMessageW(window, WM_CONTEXTMENU, WPARAM(window), MAKELPARAM(client.x, client.y));
        Pump();
        return seen;
    }

    HWND RenameEdit() const { return ::FindWindowExW(strip->m_hWnd, nullptr, L"EDIT", nullptr); }

    // The rename edit opened by a double click on the active tab, its text replaced and a key sent
    // to it as typed.
    void Rename(const wchar_t* text, WPARAM key)
    {
        HWND edit = RenameEdit();
        if (!edit) {
            const POINT at = TabCentre(control->DoGetActivePageIndex());
            ::SendMessageW(strip->m_hWnd, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(at.x, at.y));
            edit = RenameEdit();
        }
        ASSERT_NE(edit, nullptr);
        EXPECT_EQ(::GetFocus(), edit);
        EXPECT_FALSE(strip->IsInteractive()) << "tabs are still while the edit is open";
        ::SetWindowTextW(edit, text);
        ::SendMessageW(edit, WM_CHAR, key, 1);
        Pump();
    }
};

TEST_F(TabCommands, TabMenuActivatesTheClickedTabAndShowsTheStripsSettings)
{
    const auto items = RightClick(strip->m_hWnd, TabCentre(1), ID_TAB_RECTANGLE);
    EXPECT_EQ(control->DoGetActivePageIndex(), 1) << "the menu acts on the tab clicked";
    ASSERT_EQ(items.size(), 15u);
    EXPECT_TRUE(IsChecked(items, ID_TAB_TRAPEZOID));
    EXPECT_FALSE(IsChecked(items, ID_TAB_RECTANGLE));
    EXPECT_TRUE(IsChecked(items, ID_TAB_3D));
    EXPECT_FALSE(IsChecked(items, ID_TAB_FLAT));
    EXPECT_TRUE(IsChecked(items, ID_TAB_SHOW_ICON));
    EXPECT_EQ(strip->GetTabType(), 1);

    strip->Set3DFace(FALSE);
    ASSERT_TRUE(strip->SetShowIcon(1, FALSE));
    const auto next = RightClick(strip->m_hWnd, TabCentre(1), ID_TAB_SHOW_ICON);
    EXPECT_TRUE(IsChecked(next, ID_TAB_RECTANGLE));
    EXPECT_TRUE(IsChecked(next, ID_TAB_FLAT));
    EXPECT_FALSE(IsChecked(next, ID_TAB_SHOW_ICON));
    EXPECT_TRUE(strip->GetIconIsShow(1)) << "the command turned the icon on";
    EXPECT_EQ(control->GetPage(1)->m_nTabIconState, 2);

    const POINT beside{strip->GetClientRect().right - 2, 5};
    EXPECT_TRUE(RightClick(strip->m_hWnd, beside, 0).empty()) << "no menu off the tabs";
}

TEST_F(TabCommands, ColourCommandsThroughTheColourDialog)
{
    COLORREF chosen = RGB(1, 2, 3);
    ModalDriver driver;
    driver.answer = [&](const ModalRequest& request) -> INT_PTR {
        if (request.kind != ModalRequest::ColorDialog)
            return ModalDriver::DefaultAnswer(request);
        if (chosen == CLR_INVALID)
            return IDCANCEL;
        static_cast<CHOOSECOLORW*>(request.data)->rgbResult = chosen;
        return IDOK;
    };
    auto command = [&](UINT id) { ::SendMessageW(strip->m_hWnd, WM_COMMAND, id, 0); };
    command(ID_TAB_TEXT_COLOUR);
    EXPECT_EQ(strip->GetTextColor(0), RGB(1, 2, 3));
    chosen = RGB(4, 5, 6);
    command(ID_TAB_BACK_COLOUR);
    EXPECT_EQ(strip->GetTextBkColor(0), RGB(4, 5, 6));
    EXPECT_FALSE(strip->GetTextBkIsTrans(0));
    chosen = RGB(7, 8, 9);
    command(ID_STRIP_BACK_COLOUR);
    EXPECT_EQ(strip->GetWindowBkColor(), RGB(7, 8, 9));
    chosen = CLR_INVALID;
    command(ID_TAB_TEXT_COLOUR);
    EXPECT_EQ(strip->GetTextColor(0), RGB(1, 2, 3)) << "cancelled: nothing changes";
    EXPECT_EQ(driver.SeenOf(ModalRequest::ColorDialog).size(), 4u);
}

TEST_F(TabCommands, DeletingFromTheMenuAsksOnlyForYes)
{
    ASSERT_TRUE(strip->SetPageUser(1, "", "", "张三"));
    ASSERT_TRUE(control->ActivatePage(1, FALSE));
    int answer = IDNO;
    ModalDriver driver;
    driver.answer = [&](const ModalRequest& request) -> INT_PTR {
        return request.kind == ModalRequest::MessageBox ? answer : ModalDriver::DefaultAnswer(request);
    };
    ::SendMessageW(strip->m_hWnd, WM_COMMAND, ID_PAGE_DELETE, 0);
    EXPECT_EQ(control->DoGetPageCounts(), 3);
    answer = IDYES;
    ::SendMessageW(strip->m_hWnd, WM_COMMAND, ID_PAGE_DELETE, 0);
    EXPECT_EQ(control->DoGetPageCounts(), 2);
    EXPECT_EQ(strip->GetPageTitle(1), CString("Sheet3"));
    const auto asked = driver.SeenOf(ModalRequest::MessageBox);
    ASSERT_EQ(asked.size(), 2u);
    EXPECT_EQ(asked[0].text, L"确定删除工作表[Sheet2]");
    EXPECT_EQ(asked[0].type, UINT(MB_YESNO | MB_ICONQUESTION));
}

TEST_F(TabCommands, NewPageDialogRefusesBadTitlesAndSetsTheNewPageUp)
{
  {
    ModalDriver driver;
    driver.Then([](HWND dialog) {
        ModalDriver::SetText(dialog, IDC_NEW_PAGE_TITLE, L"Sheet2");
        ModalDriver::Click(dialog, IDOK);
    });
    driver.Then([](HWND dialog) {
        ModalDriver::SetText(dialog, IDC_NEW_PAGE_TITLE, L"   ");
        ModalDriver::Click(dialog, IDOK);
    });
    driver.Then([](HWND dialog) {
        ModalDriver::SetText(dialog, IDC_NEW_PAGE_TITLE, L"  sheet2 ");
        ModalDriver::Click(dialog, IDOK);
    });
    ::SendMessageW(strip->m_hWnd, WM_COMMAND, ID_PAGE_INSERT, 0);
    EXPECT_TRUE(driver.StepsDone());
    const auto messages = driver.SeenOf(ModalRequest::MessageBox);
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0].text, L"所命名的工作表名不能与其它工作表重名!");
    EXPECT_EQ(messages[1].text, L"请输入一个有效的页标题!");

    ASSERT_EQ(control->DoGetPageCounts(), 4);
    EXPECT_EQ(control->DoGetActivePageIndex(), 3);
    EXPECT_EQ(strip->GetPageTitle(3), CString("sheet2")) << "trimmed; another letter case is another title";
    const CNorvakPage& page = *control->GetPage(3);
    EXPECT_EQ(page.m_nRows, 100);
    EXPECT_EQ(page.m_nCols, 50);
    EXPECT_EQ(page.m_nFixedRows, 1);
    EXPECT_EQ(page.m_nFixedCols, 1);
    EXPECT_EQ(control->DoGetPageCellText(3, 0, 1), CString("A"));
    EXPECT_EQ(control->DoGetPageCellText(3, 0, 27), CString("AA"));
    EXPECT_EQ(control->DoGetPageCellText(3, 0, 49), CString("AW"));
    EXPECT_EQ(control->DoGetPageCellText(3, 1, 0), CString("1"));
    EXPECT_EQ(control->DoGetPageCellText(3, 99, 0), CString("99"));
    EXPECT_EQ(control->DoGetPageColumnWidth(3, 0), 40);
    ExpectEveryPageConsistent("a page inserted from the menu");
  }

    // Escape closes the dialog: nothing is inserted.
    ModalDriver cancelled;
    cancelled.Then([](HWND dialog) { ModalDriver::Command(dialog, IDCANCEL); });
    ::SendMessageW(strip->m_hWnd, WM_COMMAND, ID_PAGE_INSERT, 0);
    EXPECT_EQ(control->DoGetPageCounts(), 4);
}

TEST_F(TabCommands, RenameThroughTheEditsOwnMessages)
{
    ::SetFocus(control->m_hWnd);
    ModalDriver driver;
    Rename(L" 汇总 ", VK_RETURN);
    EXPECT_EQ(strip->GetPageTitle(0), CString("汇总")) << "Enter commits the trimmed title";
    EXPECT_EQ(RenameEdit(), nullptr) << "the edit is gone";
    EXPECT_TRUE(strip->IsInteractive());

    Rename(L"不要", VK_ESCAPE);
    EXPECT_EQ(strip->GetPageTitle(0), CString("汇总")) << "Escape puts the title back and commits it";
    EXPECT_EQ(RenameEdit(), nullptr);

    Rename(L"  ", VK_RETURN);
    EXPECT_NE(RenameEdit(), nullptr) << "an empty title keeps the edit open";
    Rename(L"Sheet3", VK_RETURN);
    EXPECT_NE(RenameEdit(), nullptr) << "another page's title keeps the edit open";
    EXPECT_EQ(strip->GetPageTitle(0), CString("汇总"));
    Rename(L"汇总", VK_RETURN);
    EXPECT_EQ(RenameEdit(), nullptr) << "the page's own title is no clash";
    const auto messages = driver.SeenOf(ModalRequest::MessageBox);
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0].text, L"请输入一个有效的文本!");
    EXPECT_EQ(messages[1].text, L"所命名的工作表名不能与其它工作表重名!");
}

TEST_F(TabCommands, ArrowMenuListsThePagesAndActivatesTheChosenOne)
{
    ASSERT_TRUE(control->ActivatePage(1, FALSE));
    const auto items = RightClick(arrows->m_hWnd, POINT{5, 5}, ID_PAGE_LIST_FIRST + 2);
    ASSERT_EQ(items.size(), 9u);
    EXPECT_EQ(items[5].id, 0u) << "a separator before the pages";
    for (int page = 0; page < 3; ++page) {
        const MenuItem& item = items[size_t(6 + page)];
        EXPECT_EQ(item.id, UINT(ID_PAGE_LIST_FIRST + page));
        EXPECT_EQ(item.text, strip->GetPageTitle(page).ToWide());
        EXPECT_EQ(item.checked, page == 1) << page;
    }
    EXPECT_TRUE(IsChecked(items, ID_ARROWS_FOUR));
    EXPECT_FALSE(IsChecked(items, ID_ARROWS_TWO));
    EXPECT_TRUE(IsChecked(items, ID_ARROWS_3D));
    EXPECT_FALSE(IsChecked(items, ID_ARROWS_FLAT));
    EXPECT_EQ(control->DoGetActivePageIndex(), 2);

    RightClick(arrows->m_hWnd, POINT{5, 5}, ID_ARROWS_FLAT);
    EXPECT_TRUE(arrows->GetFlat());
    strip->SetWindowVisible(FALSE);
    EXPECT_EQ(RightClick(arrows->m_hWnd, POINT{5, 5}, 0).size(), 5u) << "no page list without the strip";
}

TEST_F(TabCommands, StripTargetsKeepTitlesUniqueAndSizesSound)
{
    EXPECT_FALSE(strip->SetPageTitle(0, "Sheet2"));
    EXPECT_EQ(strip->GetPageTitle(0), CString("Sheet1"));
    EXPECT_TRUE(strip->SetPageTitle(0, "Sheet1"));
    EXPECT_FALSE(strip->SetPageTitle(3, "新"));

    EXPECT_TRUE(strip->SetPageTabWidth(0, FALSE, -5));
    EXPECT_EQ(strip->GetPageTabWidth(0), 0) << "a negative width is none";
    EXPECT_TRUE(strip->SetPageTabHeight(0, FALSE, -5));
    EXPECT_EQ(strip->GetPageTabHeight(0), 0);
    const int secondLeft = control->GetPage(1)->m_nTabLeft;
    const int firstWidth = control->GetPage(0)->m_nTabRight - control->GetPage(0)->m_nTabLeft;
    EXPECT_TRUE(strip->SetPageTabWidth(0, FALSE, 100));
    EXPECT_EQ(control->GetPage(1)->m_nTabLeft, secondLeft + 100 - firstWidth) << "the later tabs move with it";
    EXPECT_FALSE(strip->SetPageTabWidth(0, TRUE, 0)) << "back to the text width, reported FALSE";
    EXPECT_TRUE(strip->GetIsDefaultWidth(0));

    EXPECT_FALSE(strip->SetTabType(0));
    EXPECT_TRUE(strip->SetTabType(short(-3)));
    EXPECT_EQ(strip->GetTabType(), -3) << "stored as given, drawing no tabs";

    CFontRecord font;
    ASSERT_TRUE(strip->GetPageFont(0, &font));
    font.font.lfHeight = -20;
    EXPECT_EQ(control->GetPage(0)->m_tabFont.font.lfHeight, -12) << "the font is a copy";
    EXPECT_TRUE(strip->SetPageFont(0, font));
    EXPECT_EQ(control->GetPage(0)->m_tabFont.font.lfHeight, -20);
    EXPECT_FALSE(strip->GetPageFont(5, &font));
}

TEST_F(TabCommands, ProtectionThroughTheStrip)
{
    EXPECT_EQ(strip->GetPageUser(2), CString(""));
    EXPECT_FALSE(strip->SetPagePassword(2, "", "", "x")) << "not protected";
    EXPECT_TRUE(strip->SetPageUserAndPassword(2, "", "", "张三", "Secret"));
    EXPECT_EQ(strip->GetPagePassword(2), CString("Secret"));
    EXPECT_FALSE(strip->SetPagePrivilege(2, 5, "张三", "secret"));
    EXPECT_TRUE(strip->SetPagePrivilege(2, short(-1), "张三", "Secret"));
    EXPECT_EQ(strip->GetPagePrivilege(2), -1);
    EXPECT_EQ(strip->GetPagePrivilege(9), 2);
    EXPECT_TRUE(strip->ClosePage(2));
    EXPECT_EQ(strip->GetPageUser(2), CString("")) << "a closed page tells nothing";
    EXPECT_FALSE(strip->OpenPage(2, "张三", "secret"));
    EXPECT_TRUE(strip->OpenPage(2, "张三", "Secret"));
    EXPECT_EQ(control->DoGetActivePageIndex(), 2) << "opening activates";
    EXPECT_FALSE(strip->OpenPage(2, "张三", "Secret")) << "open already";
    EXPECT_FALSE(strip->DeleteProtectedPage(2, "张三", ""));
    EXPECT_TRUE(strip->DeleteProtectedPage(2, "张三", "Secret"));
    EXPECT_EQ(control->DoGetPageCounts(), 2);
}

TEST_F(TabCommands, TabIconsBySlot)
{
    const CTabIcons& icons = control->GetPage(0)->m_tabIcons;
    const CTabIcons& neighbour = control->GetPage(1)->m_tabIcons;
    EXPECT_EQ(icons.GetCount(), 3) << "a new page has its three icons";
    EXPECT_TRUE(strip->DeleteIcons(0));
    EXPECT_EQ(icons.GetCount(), 0);
    EXPECT_EQ(neighbour.GetCount(), 3) << "another page keeps its icons";
    EXPECT_FALSE(strip->GetIconIsShow(0));
    EXPECT_FALSE(strip->SetShowIcon(0, TRUE)) << "no icon to show";
    EXPECT_FALSE(strip->InsertCoolIcon(0, FALSE, nullptr)) << "no icon given";
    EXPECT_TRUE(strip->InsertCoolIcon(0, TRUE, nullptr));
    EXPECT_FALSE(strip->UpdateActiveIcon(0, TRUE, nullptr));
    EXPECT_TRUE(strip->InsertActiveIcon(0, TRUE, nullptr));
    EXPECT_EQ(icons.GetCount(), 3);
    EXPECT_TRUE(strip->SetShowIcon(0, TRUE));
    EXPECT_EQ(control->GetPage(0)->m_nTabIconState, 2) << "the active page's icon";
    EXPECT_FALSE(strip->SetShowIcon(0, TRUE)) << "shown already";

    // Pages share the built-in icons until one changes its own: the others keep the built-in ones.
    auto bits = [](HIMAGELIST list, int slot) {
        IMAGEINFO info{};
        ::ImageList_GetImageInfo(list, slot, &info);
        BITMAP bitmap{};
        ::GetObjectW(info.hbmImage, sizeof bitmap, &bitmap);
        std::vector<BYTE> bytes(size_t(bitmap.bmWidthBytes) * bitmap.bmHeight);
        ::GetBitmapBits(info.hbmImage, LONG(bytes.size()), bytes.data());
        std::vector<BYTE> cell; // the slot's own place in the list's bitmap
        const int bytesPerPixel = bitmap.bmBitsPixel / 8;
        for (int y = info.rcImage.top; y < info.rcImage.bottom; ++y)
            for (int x = info.rcImage.left * bytesPerPixel; x < info.rcImage.right * bytesPerPixel; ++x)
                cell.push_back(bytes[size_t(y) * bitmap.bmWidthBytes + x]);
        return cell;
    };
    const CTabIcons& third = control->GetPage(2)->m_tabIcons;
    ASSERT_EQ(neighbour.Get(), third.Get()) << "one list for the built-in icons";
    const auto builtInHot = bits(third.Get(), 1);
    const auto builtInCool = bits(third.Get(), 0);
    ASSERT_TRUE(strip->UpdateHotIcon(1, FALSE, ::LoadIconW(nullptr, MAKEINTRESOURCEW(32516))));
    EXPECT_NE(neighbour.Get(), third.Get()) << "the changed page's own list";
    EXPECT_EQ(neighbour.GetCount(), 3);
    EXPECT_NE(bits(neighbour.Get(), 1), builtInHot) << "the new hot icon";
    EXPECT_EQ(bits(neighbour.Get(), 0), builtInCool) << "the other icons copied";
    EXPECT_EQ(bits(third.Get(), 1), builtInHot) << "another page keeps the built-in icon";
}

TEST_F(TabCommands, ArrowBarButtonRecords)
{
    EXPECT_FALSE(arrows->HasStatusArea());
    EXPECT_TRUE(arrows->InsertDefaultButton(7)) << "the index is clamped";
    HICON icon = ::LoadIconW(nullptr, MAKEINTRESOURCEW(32512));
    EXPECT_FALSE(arrows->InsertButton(0, nullptr, icon)) << "a button needs its cool icon";
    EXPECT_TRUE(arrows->InsertButton(-3, icon, icon));
    ASSERT_EQ(arrows->GetButtonCount(), 2);
    EXPECT_EQ(arrows->GetButtonIconCount(0), 2);
    EXPECT_EQ(arrows->GetButtonIconCount(1), 1);
    EXPECT_TRUE(arrows->SetButtonText(1, "打印"));
    EXPECT_EQ(arrows->GetButtonText(1), CString("打印"));
    EXPECT_EQ(arrows->GetButtonText(2), CString(""));
    EXPECT_FALSE(arrows->SetButtonTrack(2, TRUE));
    EXPECT_TRUE(arrows->SetButtonEnable(1, FALSE));
    EXPECT_FALSE(arrows->GetButtonIsEnable(1));
    EXPECT_TRUE(arrows->UpdateButtonHotIcon(1, FALSE, icon));
    EXPECT_EQ(arrows->GetButtonIconCount(1), 2) << "a hot icon appended to one";
    EXPECT_TRUE(arrows->UpdateButtonHotIcon(1, TRUE, nullptr));
    EXPECT_EQ(arrows->GetButtonIconCount(1), 1) << "by default the hot icons go";

    // Shown as command buttons, the bar asks for their room and a press lights the one under it.
    const int plain = ChildRect(arrows->m_hWnd).right;
    arrows->SetShowCommandButtons(TRUE);
    EXPECT_TRUE(arrows->HasStatusArea());
    EXPECT_GT(ChildRect(arrows->m_hWnd).right, plain);
    ::UpdateWindow(arrows->m_hWnd);
    ::RedrawWindow(arrows->m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_TRUE(arrows->DeleteButton(0));
    EXPECT_FALSE(arrows->DeleteButton(1));
    EXPECT_EQ(arrows->GetButtonCount(), 1);
}
