// The view's commands on the control's tab objects: each runs one entry of the tab command table.

#include "host/QuilmView.h"

#include "framework/CommonDialogs.h"
#include "host/PageAccountDlg.h"
#include "host/PageLoginDlg.h"
#include "host/QuilmApp.h"
#include "host/model/TabCommands.h"

#include <array>

namespace {

// The tab objects one command uses, fetched on first use and released when the command ends.
class TabObjects
{
public:
    explicit TabObjects(const CNorvak& control) : m_control(control) {}

    const CObjectDriver& Get(TabObject which)
    {
        CObjectDriver& driver = m_drivers[size_t(which)];
        if (m_fetched[size_t(which)])
            return driver;
        m_fetched[size_t(which)] = true;
        switch (which) {
        case TabObject::Arrow:
            driver.AttachDispatch(m_control.DoGetTabArrowObject());
            break;
        case TabObject::Title:
            driver.AttachDispatch(m_control.DoGetTabTitleObject());
            break;
        case TabObject::ArrowFont:
            driver.AttachDispatch(Get(TabObject::Arrow).Call<IDispatch*>(tab_arrow_id::DoGetFontObject));
            break;
        case TabObject::PageFont:
            driver.AttachDispatch(Get(TabObject::Title).Call<IDispatch*>(tab_title_id::DoGetFontObject, ActivePage()));
            break;
        }
        return driver;
    }
    long ActivePage() { return Get(TabObject::Title).Call<long>(tab_title_id::DoGetActivePage); }

private:
    const CNorvak& m_control;
    std::array<CObjectDriver, 4> m_drivers{};
    std::array<bool, 4> m_fetched{};
};

// What the user gave before the calls.
struct TabChoices
{
    CString path;
    COLORREF colour = 0;
    CString user, password, newPassword, newUser;
    int privilege = 2;
};

bool AskUser(const TabCommand& command, HWND owner, TabChoices& choices)
{
    switch (command.prompt) {
    case TabPrompt::IconFile: {
        CFileDialog dialog(true, nullptr, nullptr, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, "(图标*.ico)|*.ico||", owner);
        if (dialog.DoModal() != IDOK)
            return false;
        choices.path = dialog.GetPathName();
        return true;
    }
    case TabPrompt::Colour: {
        CColorDialog dialog(0, 0, owner);
        if (dialog.DoModal() != IDOK)
            return false;
        choices.colour = dialog.GetColor();
        return true;
    }
    case TabPrompt::Login: {
        CPageLoginDlg dialog(command.caption, owner);
        if (dialog.DoModal() != IDOK)
            return false;
        choices.user = dialog.m_user;
        choices.password = dialog.m_password;
        return true;
    }
    case TabPrompt::Account: {
        CPageAccountDlg dialog(command.caption, command.accountMode, owner);
        if (dialog.DoModal() != IDOK)
            return false;
        choices.user = dialog.m_user;
        choices.password = dialog.m_password;
        choices.newPassword = dialog.m_newPassword;
        choices.newUser = dialog.m_newUser;
        choices.privilege = dialog.m_privilege;
        return true;
    }
    default:
        return true;
    }
}

HICON HostIcon(long id)
{
    return id ? ::LoadIconW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id)) : nullptr;
}

// Adds one argument; a toggle asks its getter with the arguments before it.
void AddArgument(CDispatchArgs& args, const TabArg& arg, const CObjectDriver& object, TabObjects& objects,
                 const TabChoices& choices)
{
    switch (arg.kind) {
    case TabArgKind::Short:
        args.Add(short(arg.value));
        break;
    case TabArgKind::Long:
        args.Add(arg.value);
        break;
    case TabArgKind::Bool:
        args.Add(arg.value != 0);
        break;
    case TabArgKind::Icon:
        args.Add(HostIcon(arg.value));
        break;
    case TabArgKind::Text:
        args.Add(CString(arg.text));
        break;
    case TabArgKind::Path:
        args.Add(choices.path);
        break;
    case TabArgKind::ActivePage:
        args.Add(objects.ActivePage());
        break;
    case TabArgKind::Toggle: {
        VARIANT result;
        ::VariantInit(&result);
        const HRESULT hr = object.InvokeHelper(DISPID(arg.value), DISPATCH_METHOD, args.data(), args.size(), &result);
        args.Add(!(SUCCEEDED(hr) && dispatch_client::ToBool(result)));
        ::VariantClear(&result);
        break;
    }
    case TabArgKind::Colour:
        args.Add(long(choices.colour));
        break;
    case TabArgKind::User:
        args.Add(choices.user);
        break;
    case TabArgKind::Password:
        args.Add(choices.password);
        break;
    case TabArgKind::NewPassword:
        args.Add(choices.newPassword);
        break;
    case TabArgKind::NewUser:
        args.Add(choices.newUser);
        break;
    case TabArgKind::Privilege:
        args.Add(short(choices.privilege));
        break;
    case TabArgKind::None:
        break;
    }
}

} // namespace

void CCQuilmView::RunTabCommand(const TabCommand& command)
{
    TabChoices choices;
    if (!AskUser(command, m_hWnd, choices))
        return;
    TabObjects objects(m_norvak);
    for (const TabCall& call : command.calls) {
        if (!call.method)
            continue;
        const CObjectDriver& object = objects.Get(call.object);
        CDispatchArgs args;
        for (int i = 0; i < TabCallArgCount(call); ++i)
            AddArgument(args, call.args[size_t(i)], object, objects, choices);
        VARIANT result;
        ::VariantInit(&result);
        const HRESULT hr = object.InvokeHelper(call.method, DISPATCH_METHOD, args.data(), args.size(), &result);
        if (command.prompt == TabPrompt::ShowText) {
            HostMessageBox(SUCCEEDED(hr) ? dispatch_client::ToString(result) : CString());
        } else if (command.prompt == TabPrompt::ShowCount) {
            CString text;
            text.Format("当前只有%d个图标", int(SUCCEEDED(hr) ? dispatch_client::ToLong(result) : 0));
            HostMessageBox(text);
        }
        ::VariantClear(&result);
    }
}

void CCQuilmView::UpdateTabCommand(const TabCommand& command, CCmdUI& ui)
{
    const TabCheckRule& rule = command.check;
    if (rule.kind == TabCheck::None)
        return;
    TabObjects objects(m_norvak);
    const CObjectDriver& object = objects.Get(rule.object);
    CDispatchArgs args;
    AddArgument(args, rule.arg, object, objects, TabChoices{});
    VARIANT result;
    ::VariantInit(&result);
    if (SUCCEEDED(object.InvokeHelper(rule.getter, DISPATCH_METHOD, args.data(), args.size(), &result))) {
        switch (rule.kind) {
        case TabCheck::IsTrue:
            ui.SetCheck(dispatch_client::ToBool(result));
            break;
        case TabCheck::IsFalse:
            ui.SetCheck(!dispatch_client::ToBool(result));
            break;
        default:
            ui.SetCheck(dispatch_client::ToLong(result) == rule.value);
            break;
        }
    }
    ::VariantClear(&result);
}
