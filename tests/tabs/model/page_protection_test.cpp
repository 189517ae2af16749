// Who may do what to a page: every rule against an unprotected, a protected, a closed and a hidden
// page, with right, wrong and wrongly cased credentials.

#include "tabs/model/PageProtection.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

using namespace PageProtection;

struct PageState
{
    const char* name;
    const char* user;
    const char* password;
    int opened;
    int contentVisible;
};

constexpr PageState kFree{"unprotected", "", "", 1, 1};
constexpr PageState kGuarded{"protected", "张三", "Secret", 1, 1};
constexpr PageState kClosed{"protected, closed", "张三", "Secret", 0, 1};
constexpr PageState kFreeClosed{"unprotected, closed", "", "", 0, 1};
constexpr PageState kHidden{"protected, hidden", "张三", "Secret", 1, 0};

struct Credentials
{
    const char* name;
    const char* user;
    const char* password;
};

constexpr Credentials kRight{"right", "张三", "Secret"};
constexpr Credentials kWrongCase{"letter case", "张三", "secret"};
constexpr Credentials kNone{"none", "", ""};

struct Row
{
    PageState page;
    Credentials given;
    // open, delete, set user (alone or with password), set password, set privilege
    bool open, del, setUser, setPassword, setPrivilege;
};

const Row kTable[] = {
    {kFree, kNone, false, true, true, false, false},
    {kFree, kRight, false, true, true, false, false},
    {kFreeClosed, kWrongCase, true, true, true, false, false},
    {kGuarded, kRight, false, true, true, true, true},
    {kGuarded, kWrongCase, false, false, false, false, false},
    {kGuarded, kNone, false, false, false, false, false},
    {kClosed, kRight, true, true, true, true, true},
    {kClosed, kWrongCase, false, false, false, false, false},
    {kHidden, kRight, false, true, true, true, true},
};

std::unique_ptr<CNorvakPage> MakePage(const PageState& state)
{
    auto page = std::make_unique<CNorvakPage>(0, "Sheet1", 0);
    page->m_strUserName = state.user;
    page->m_strPassword = state.password;
    page->m_bOpened = state.opened;
    page->m_bContentVisible = state.contentVisible;
    return page;
}

} // namespace

TEST(PageProtection, CredentialRulesAsATable)
{
    for (const Row& row : kTable) {
        const auto owned = MakePage(row.page);
        const CNorvakPage& page = *owned;
        const CString user = row.given.user;
        const CString password = row.given.password;
        SCOPED_TRACE(std::string(row.page.name) + " / " + row.given.name);
        EXPECT_EQ(MayOpen(page, user, password), row.open);
        EXPECT_EQ(MayDelete(page, user, password), row.del);
        EXPECT_EQ(MaySetUser(page, user, password), row.setUser);
        EXPECT_EQ(MaySetPassword(page, user, password), row.setPassword);
        EXPECT_EQ(MaySetPrivilege(page, user, password), row.setPrivilege);
    }
}

TEST(PageProtection, ReadingAndClosingNeedNoCredentials)
{
    struct
    {
        PageState page;
        bool close, readUser, readPassword, show, hide;
    } const rows[] = {
        {kFree, true, true, false, false, true},
        {kGuarded, true, true, true, false, true},
        {kClosed, false, false, false, false, false},
        {kHidden, true, true, true, true, true},
    };
    for (const auto& row : rows) {
        const auto owned = MakePage(row.page);
        const CNorvakPage& page = *owned;
        SCOPED_TRACE(row.page.name);
        EXPECT_EQ(MayClose(page), row.close);
        EXPECT_EQ(MayReadUser(page), row.readUser);
        EXPECT_EQ(MayReadPassword(page), row.readPassword);
        EXPECT_EQ(MaySetContentVisible(page, true), row.show);
        EXPECT_EQ(MaySetContentVisible(page, false), row.hide);
    }
}
