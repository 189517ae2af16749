#pragma once

// Who may do what to a page. A page is protected once it has a user name; from then on its user
// name, password and privilege, opening it and deleting it through automation need the matching
// user name and password, compared exactly (letter case counts). Closing needs nothing.

#include "sheet/model/NorvakPage.h"

namespace PageProtection {

bool IsProtected(const CNorvakPage& page);
bool Matches(const CNorvakPage& page, const CString& user, const CString& password);

bool MayOpen(const CNorvakPage& page, const CString& user, const CString& password);
bool MayClose(const CNorvakPage& page);
bool MayDelete(const CNorvakPage& page, const CString& user, const CString& password);
// The user name alone, or with the password: free on an unprotected page.
bool MaySetUser(const CNorvakPage& page, const CString& user, const CString& password);
// The password and the privilege: only on a protected page.
bool MaySetPassword(const CNorvakPage& page, const CString& user, const CString& password);
bool MaySetPrivilege(const CNorvakPage& page, const CString& user, const CString& password);
bool MayReadUser(const CNorvakPage& page);
bool MayReadPassword(const CNorvakPage& page);
// Hiding needs an open page; showing content already shown is refused.
bool MaySetContentVisible(const CNorvakPage& page, bool visible);

} // namespace PageProtection
