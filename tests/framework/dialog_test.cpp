// Dialogs driven by posted messages in their own modal loop: data exchange both ways, refusals,
// dialog init data, modeless dialogs, and the common dialogs, message boxes and menus of the seam.

#include "tests/framework/framework_test_ids.h"
#include "tests/support/ModalDriver.h"

#include "framework/CommonDialogs.h"
#include "framework/DataExchange.h"
#include "framework/Dialog.h"
#include "framework/DialogInitData.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

class NameDialog : public CDialog
{
public:
    NameDialog() : CDialog(IDD_NAME_DIALOG) {}
    CString name = "旧名";
    int count = 3;
    int bold = 1;
    int align = 2;
    int choice = 1;
    int initialised = 0;

protected:
    bool OnInitDialog() override
    {
        ++initialised;
        return CDialog::OnInitDialog();
    }
    void DoDataExchange(CDataExchange* dx) override
    {
        DDX_Text(dx, IDC_NAME, name);
        DDX_Text(dx, IDC_COUNT, count);
        DDV_MinMaxInt(dx, count, 1, 10);
        DDX_Check(dx, IDC_BOLD, bold);
        DDX_Radio(dx, IDC_LEFT, align);
        DDX_CBIndex(dx, IDC_ALIGN, choice);
    }
};

TEST(Dialog, ShowsTheMembersAndTakesBackTheControlsOnceTheyPass)
{
    ModalDriver driver;
    NameDialog dialog;
    driver.Then([](HWND dlg) {
        EXPECT_EQ(ModalDriver::Text(dlg, IDC_NAME), L"旧名");
        EXPECT_EQ(ModalDriver::Text(dlg, IDC_COUNT), L"3");
        EXPECT_EQ(IsDlgButtonChecked(dlg, IDC_BOLD), UINT(BST_CHECKED));
        EXPECT_EQ(IsDlgButtonChecked(dlg, IDC_RIGHT), UINT(BST_CHECKED));
        // The combo box holds the dialog init data's strings, the member's choice selected.
        EXPECT_EQ(SendDlgItemMessageW(dlg, IDC_ALIGN, CB_GETCOUNT, 0, 0), 3);
        EXPECT_EQ(SendDlgItemMessageW(dlg, IDC_ALIGN, CB_GETCURSEL, 0, 0), 1);
        EXPECT_EQ(ModalDriver::Text(dlg, IDC_ALIGN), L"居中");

        ModalDriver::SetText(dlg, IDC_NAME, L"新名");
        ModalDriver::Click(dlg, IDC_BOLD);
        ModalDriver::Click(dlg, IDC_LEFT);
        SendDlgItemMessageW(dlg, IDC_ALIGN, CB_SETCURSEL, 2, 0);
    });
    // Each refused count keeps the dialog open with the focus on the count.
    struct Refusal
    {
        const wchar_t* typed;
        const wchar_t* message;
    };
    const Refusal refusals[] = {
        {L"abc", L"请输入一个整数。"},
        {L"", L"请输入一个整数。"},
        {L"11", L"请输入一个介于 1 和 10 之间的整数。"},
        {L"99999999999", L"请输入一个整数。"},
    };
    for (const Refusal& refusal : refusals) {
        driver.Then([&](HWND dlg) {
            ModalDriver::SetText(dlg, IDC_COUNT, refusal.typed);
            ModalDriver::Click(dlg, IDOK);
        });
        driver.Then([&, before = &refusal - refusals](HWND dlg) {
            const auto boxes = driver.SeenOf(ModalRequest::MessageBox);
            ASSERT_EQ(boxes.size(), size_t(before + 1)) << refusal.typed;
            EXPECT_EQ(boxes.back().text, refusal.message);
            EXPECT_EQ(boxes.back().caption, L"名称");
            EXPECT_EQ(GetFocus(), GetDlgItem(dlg, IDC_COUNT));
        });
    }
    driver.Then([](HWND dlg) {
        ModalDriver::Type(GetDlgItem(dlg, IDC_COUNT), L"7");
        ModalDriver::Click(dlg, IDOK);
    });

    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.m_hWnd, nullptr) << "the dialog window goes before DoModal returns";
    EXPECT_EQ(dialog.name, CString("新名"));
    EXPECT_EQ(dialog.count, 7);
    EXPECT_EQ(dialog.bold, 0);
    EXPECT_EQ(dialog.align, 0);
    EXPECT_EQ(dialog.choice, 2);
}

TEST(Dialog, CancelKeepsTheMembers)
{
    ModalDriver driver;
    NameDialog dialog;
    driver.Then([](HWND dlg) {
        ModalDriver::SetText(dlg, IDC_NAME, L"不要");
        ModalDriver::SetText(dlg, IDC_COUNT, L"abc");
        // Esc through the dialog's own keys, as a user would cancel.
        PostMessageW(GetDlgItem(dlg, IDC_NAME), WM_KEYDOWN, VK_ESCAPE, 0);
    });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(dialog.name, CString("旧名"));
    EXPECT_EQ(dialog.count, 3);
    EXPECT_TRUE(driver.SeenOf(ModalRequest::MessageBox).empty());
}

TEST(Dialog, AnsweredBySeamWithoutAWindow)
{
    ModalDriver driver;
    driver.answer = [](const ModalRequest&) -> INT_PTR { return IDOK; };
    NameDialog dialog;
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.initialised, 0);
    ASSERT_EQ(driver.seen.size(), 1u);
    EXPECT_EQ(driver.seen[0].kind, ModalRequest::Dialog);
    EXPECT_EQ(driver.seen[0].resourceId, UINT(IDD_NAME_DIALOG));
}

TEST(Dialog, MissingTemplateFailsWithoutAWindow)
{
    ModalDriver driver;
    CDialog dialog(4711);
    EXPECT_EQ(dialog.DoModal(), -1);
    EXPECT_FALSE(dialog.Create(4711));
}

TEST(Dialog, ModelessDialogLivesInTheCallersLoopAndGoesWithCancel)
{
    ModalDriver driver;
    CDialog progress;
    ASSERT_TRUE(progress.Create(IDD_PROGRESS));
    EXPECT_TRUE(progress.IsWindowVisible());
    HWND hwnd = progress;
    ModalDriver::Click(hwnd, IDCANCEL);
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageW(&msg);
    EXPECT_FALSE(IsWindow(hwnd));
    EXPECT_EQ(progress.m_hWnd, nullptr);
}

TEST(DialogInitData, ReadsRecordsAndStopsAtWhatItCannotTrust)
{
    auto bytes = [](std::initializer_list<int> values) {
        return std::vector<BYTE>(values.begin(), values.end());
    };
    struct Case
    {
        const char* name;
        std::vector<BYTE> data;
        size_t items;
    };
    // 0x0143 CB_ADDSTRING, 0x0180 LB_ADDSTRING, 0x000C WM_SETTEXT; "中" is E4 B8 AD in UTF-8.
    const Case cases[] = {
        {"two records", bytes({5, 0, 0x43, 1, 0xE4, 0xB8, 0xAD, 0, 6, 0, 0x80, 1, 'a', 0, 0, 0}), 2},
        {"no end marker", bytes({5, 0, 0x43, 1, 'a', 0}), 1},
        {"text without its end", bytes({5, 0, 0x43, 1, 'a', 0, 5, 0, 0x43, 1, 'b'}), 1},
        {"another message", bytes({5, 0, 0x0C, 0, 'a', 0, 5, 0, 0x43, 1, 'b', 0}), 0},
        {"half a word", bytes({5}), 0},
        {"empty", bytes({}), 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ParseDialogInitData(c.data.data(), c.data.size()).size(), c.items) << c.name;
    const auto items = ParseDialogInitData(cases[0].data.data(), cases[0].data.size());
    EXPECT_EQ(items[0].controlId, 5);
    EXPECT_EQ(items[0].message, UINT(CB_ADDSTRING));
    EXPECT_EQ(items[0].text, L"中");
    EXPECT_EQ(items[1].message, UINT(LB_ADDSTRING));
    EXPECT_EQ(items[1].text, L"a");
}

// A message box never has a bare title bar: without a caption of its own it shows the program's
// title (this program has no title string, so its file name), and a caption given stays.
TEST(Seam, AMessageWithoutACaptionShowsTheProgramsTitle)
{
    ModalDriver driver;
    ModalUI::ShowMessage(nullptr, "页索引无效!", CString(), MB_OK);
    ModalUI::ShowMessage(nullptr, "不能对合并单元格的某部分操作!", "警告", MB_ICONEXCLAMATION);
    CWnd none;
    none.MessageBox("确定删除工作表[Sheet1]", CString(), MB_YESNO);
    const auto boxes = driver.SeenOf(ModalRequest::MessageBox);
    ASSERT_EQ(boxes.size(), 3u);
    EXPECT_EQ(boxes[0].caption, L"framework_ui_test");
    EXPECT_EQ(boxes[1].caption, L"警告");
    EXPECT_EQ(boxes[2].caption, L"framework_ui_test");
}

TEST(Seam, CommonDialogsTakeTheHooksAnswer)
{
    ModalDriver driver;
    driver.answer = [](const ModalRequest& request) -> INT_PTR {
        switch (request.kind) {
        case ModalRequest::ColorDialog:
            static_cast<CHOOSECOLORW*>(request.data)->rgbResult = RGB(10, 20, 30);
            return IDOK;
        case ModalRequest::FontDialog: {
            auto* font = static_cast<CHOOSEFONTW*>(request.data);
            wcscpy(font->lpLogFont->lfFaceName, L"宋体");
            font->lpLogFont->lfHeight = -16;
            font->rgbColors = RGB(255, 0, 0);
            return IDOK;
        }
        case ModalRequest::FileDialog: {
            auto* file = static_cast<OPENFILENAMEW*>(request.data);
            // The filter as the system reads it: pairs of texts, each ending with NUL.
            std::vector<std::wstring> filter;
            for (const wchar_t* part = file->lpstrFilter; part && *part; part += wcslen(part) + 1)
                filter.push_back(part);
            EXPECT_EQ(filter, (std::vector<std::wstring>{L"東方图片 (*.jpg)", L"*.jpg", L"所有文件", L"*.*"}));
            EXPECT_EQ(request.type, 1u) << "open";
            wcscpy_s(file->lpstrFile, file->nMaxFile, L"C:\\图片\\样本.JPG");
            return IDOK;
        }
        default:
            return IDCANCEL;
        }
    };
    CColorDialog colour(RGB(1, 1, 1));
    ASSERT_EQ(colour.DoModal(), IDOK);
    EXPECT_EQ(colour.GetColor(), RGB(10, 20, 30));

    CFontDialog font;
    ASSERT_EQ(font.DoModal(), IDOK);
    LOGFONTA chosen{};
    font.GetLogFont(&chosen);
    EXPECT_STREQ(chosen.lfFaceName, "宋体");
    EXPECT_EQ(chosen.lfHeight, -16);
    EXPECT_EQ(font.GetColor(), RGB(255, 0, 0));

    // "東" ends with the byte of '|' in code page 936: only the separators may be cut.
    CFileDialog file(true, nullptr, nullptr, OFN_HIDEREADONLY, "東方图片 (*.jpg)|*.jpg|所有文件|*.*||");
    ASSERT_EQ(file.DoModal(), IDOK);
    EXPECT_EQ(file.GetPathName(), CString("C:\\图片\\样本.JPG"));
    EXPECT_EQ(file.GetFileName(), CString("样本.JPG"));
    EXPECT_EQ(file.GetFileExt(), CString("JPG"));

    driver.answer = [](const ModalRequest&) -> INT_PTR { return IDCANCEL; };
    CColorDialog cancelled(RGB(1, 1, 1));
    EXPECT_EQ(cancelled.DoModal(), IDCANCEL);
    EXPECT_EQ(cancelled.GetColor(), RGB(1, 1, 1));
    EXPECT_EQ(driver.seen.size(), 4u);
}

const wchar_t kMenuOwnerClass[] = L"NorvakTestMenuOwner";

// A menu owner that checks an item when its menu opens, as owners do, and records commands.
class MenuOwner : public CWnd
{
public:
    std::vector<WPARAM> commands;
    bool Create()
    {
        RegisterWindowClass(kMenuOwnerClass, 0);
        return CreateEx(0, kMenuOwnerClass, L"", WS_OVERLAPPED, CRect(0, 0, 100, 100), nullptr, 0);
    }

protected:
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override
    {
        if (msg == WM_INITMENU)
            CheckMenuItem(reinterpret_cast<HMENU>(wp), 32824, MF_BYCOMMAND | MF_CHECKED);
        else if (msg == WM_COMMAND)
            commands.push_back(wp);
        return CWnd::WindowProc(msg, wp, lp);
    }
};

TEST(Seam, PopupMenuIsAnsweredAndItsCommandPostedToTheOwner)
{
    ModalDriver driver;
    MenuOwner owner;
    ASSERT_TRUE(owner.Create());
    HMENU menu = CreatePopupMenu();
    AppendMenuW(menu, MF_STRING, 32824, L"梯形样式(&T)");
    AppendMenuW(menu, MF_STRING, 32823, L"矩形样式(&E)");
    UINT checkedWhenAsked = 0;
    driver.answer = [&](const ModalRequest& request) -> INT_PTR {
        EXPECT_EQ(request.kind, ModalRequest::PopupMenu);
        checkedWhenAsked = GetMenuState(static_cast<HMENU>(request.data), 32824, MF_BYCOMMAND) & MF_CHECKED;
        return 32823;
    };
    EXPECT_TRUE(ModalUI::TrackPopupMenu(menu, 0, 10, 10, owner));
    EXPECT_TRUE(checkedWhenAsked) << "the owner set up the menu before the choice";
    EXPECT_TRUE(owner.commands.empty()) << "posted, not sent";
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageW(&msg);
    EXPECT_EQ(owner.commands, std::vector<WPARAM>{32823});

    EXPECT_EQ(ModalUI::TrackPopupMenu(menu, TPM_RETURNCMD, 10, 10, owner), 32823);
    driver.answer = [](const ModalRequest&) -> INT_PTR { return 0; };
    EXPECT_TRUE(ModalUI::TrackPopupMenu(menu, 0, 10, 10, owner));
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageW(&msg);
    EXPECT_EQ(owner.commands.size(), 1u) << "neither a returned command nor no choice posts one";
    DestroyMenu(menu);

    EXPECT_EQ(owner.MessageBox("确定删除工作表[Sheet1]", "提示", MB_YESNO | MB_ICONQUESTION), 0);
    const auto boxes = driver.SeenOf(ModalRequest::MessageBox);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, L"确定删除工作表[Sheet1]");
    EXPECT_EQ(boxes[0].caption, L"提示");
}

} // namespace
