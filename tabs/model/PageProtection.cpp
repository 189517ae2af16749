#include "tabs/model/PageProtection.h"

#include <cstring>

namespace PageProtection {

namespace {

bool SameBytes(const CString& a, const CString& b)
{
    return std::strcmp(a.GetString(), b.GetString()) == 0;
}

} // namespace

bool IsProtected(const CNorvakPage& page)
{
    return !page.m_strUserName.IsEmpty();
}

bool Matches(const CNorvakPage& page, const CString& user, const CString& password)
{
    return SameBytes(user, page.m_strUserName) && SameBytes(password, page.m_strPassword);
}

bool MayOpen(const CNorvakPage& page, const CString& user, const CString& password)
{
    return !page.m_bOpened && MayDelete(page, user, password);
}

bool MayClose(const CNorvakPage& page)
{
    return page.m_bOpened != 0;
}

bool MayDelete(const CNorvakPage& page, const CString& user, const CString& password)
{
    return !IsProtected(page) || Matches(page, user, password);
}

bool MaySetUser(const CNorvakPage& page, const CString& user, const CString& password)
{
    return MayDelete(page, user, password);
}

bool MaySetPassword(const CNorvakPage& page, const CString& user, const CString& password)
{
    return IsProtected(page) && Matches(page, user, password);
}

bool MaySetPrivilege(const CNorvakPage& page, const CString& user, const CString& password)
{
    return MaySetPassword(page, user, password);
}

bool MayReadUser(const CNorvakPage& page)
{
    return page.m_bOpened != 0;
}

bool MayReadPassword(const CNorvakPage& page)
{
    return page.m_bOpened && IsProtected(page);
}

bool MaySetContentVisible(const CNorvakPage& page, bool visible)
{
    return page.m_bOpened && !(visible && page.m_bContentVisible);
}

} // namespace PageProtection
