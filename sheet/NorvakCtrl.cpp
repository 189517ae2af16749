#include "sheet/NorvakCtrl.h"
#include "sheet/NorvakDispatchMap.h"
#include "sheet/NorvakModule.h"

#include "framework/Dispatch.h"
#include "framework/PropExchange.h"
#include "resources/NorvakResource.h"

#include "Norvak_h.h"
#include <olectl.h>

#include <vector>

namespace {

const wchar_t kWindowClass[] = L"NorvakCtrl";
const DWORD kPersistVersion = MAKELONG(0, 1); // 1.0

INT_PTR CALLBACK AboutDialogProc(HWND dialog, UINT msg, WPARAM wp, LPARAM)
{
    if (msg == WM_INITDIALOG)
        return TRUE;
    if (msg == WM_COMMAND && (LOWORD(wp) == IDOK || LOWORD(wp) == IDCANCEL)) {
        ::EndDialog(dialog, LOWORD(wp));
        return TRUE;
    }
    return FALSE;
}

DispatchHandler HandlerOf(const DispatchMember& member)
{
    switch (member.id) {
    case 1:
        return member.kind == DispatchKind::PropertyPut ? DispatchTo<&CNorvakCtrl::SetWindowBorderStyle>
                                                        : DispatchTo<&CNorvakCtrl::GetWindowBorderStyle>;
    case 36:
        return DispatchTo<&CNorvakCtrl::DoSetWindowBorderStyle>;
    case 71:
        return DispatchTo<&CNorvakCtrl::DoSetInitializePageCounts>;
    case DISPID_ABOUTBOX:
        return DispatchTo<&CNorvakCtrl::AboutBox>;
    default:
        return nullptr;
    }
}

// The member table of _DNorvak with this class's handlers where the table has none.
DispatchTable ControlDispatchTable()
{
    static const std::vector<DispatchMember> table = [] {
        DispatchTable declared = NorvakDispatchMap();
        std::vector<DispatchMember> members(declared.begin(), declared.end());
        for (DispatchMember& member : members) {
            if (!member.handler)
                member.handler = HandlerOf(member);
        }
        return members;
    }();
    return table;
}

} // namespace

CNorvakCtrl::CNorvakCtrl() = default;

CNorvakCtrl::~CNorvakCtrl()
{
    // The window must go while this object is still whole: its messages reach our handlers.
    if (m_hWnd)
        ::DestroyWindow(m_hWnd);
    if (NorvakApp().m_pCurrentControl == this)
        NorvakApp().m_pCurrentControl = nullptr;
}

IUnknown* CNorvakCtrl::CreateObject()
{
    return static_cast<IOleObject*>(new CNorvakCtrl);
}

// ---- automation ----

void CNorvakCtrl::AboutBox()
{
    ModalUI::ShowDialog(OleModule::Instance(), IDD_ABOUTBOX_NORVAK, m_hWnd, &AboutDialogProc, 0);
}

void CNorvakCtrl::SetWindowBorderStyle(short style)
{
    m_WindowBorderStyle = style;
    if (style != m_nBorderStyle) {
        DoSetWindowBorderStyle(style);
        SetModifiedFlag();
    }
}

short CNorvakCtrl::DoSetWindowBorderStyle(short nStyle)
{
    short previous = m_nBorderStyle;
    m_nBorderStyle = nStyle;
    RecreateControlWindow();
    return previous;
}

void CNorvakCtrl::DoSetInitializePageCounts(BOOL bDefault, long nPages, CString lpszTitle1,
                                            CString lpszTitle2, CString lpszTitle3)
{
    m_bCreateDefaultPages = bDefault;
    m_nInitialPageCount = nPages;
    m_InitialTitles[0] = lpszTitle1;
    m_InitialTitles[1] = lpszTitle2;
    m_InitialTitles[2] = lpszTitle3;
}

// ---- module-level overrides ----

const CLSID& CNorvakCtrl::GetControlClassID() const
{
    return NorvakRegistration::kControlClassID;
}

const IID& CNorvakCtrl::GetPrimaryDispatchIID() const
{
    return DIID__DNorvak;
}

const IID& CNorvakCtrl::GetEventsIID() const
{
    return DIID__DNorvakEvents;
}

HRESULT CNorvakCtrl::GetControlTypeLib(LCID locale, ITypeLib** library)
{
    if (!library)
        return E_POINTER;
    HRESULT hr = ::LoadRegTypeLib(NorvakRegistration::kTypeLibID, NorvakRegistration::kVersionMajor,
                                  NorvakRegistration::kVersionMinor, locale, library);
    // An unregistered module still describes itself from its own resource.
    return SUCCEEDED(hr) ? hr : COleControl::GetControlTypeLib(locale, library);
}

DWORD CNorvakCtrl::GetMiscStatusBits() const
{
    return NorvakRegistration::kMiscStatus;
}

UINT CNorvakCtrl::GetUserTypeNameID() const
{
    return IDS_NORVAK;
}

const CLSID* CNorvakCtrl::GetPropPageIDs(ULONG& count)
{
    if (!m_bPropPagesBuilt) {
        m_PropPageIDs[0] = NorvakRegistration::kPropPageID;
        m_PropPageIDs[1] = NorvakRegistration::kPageSetupPageID;
        m_bPropPagesBuilt = true;
    }
    count = 2;
    return m_PropPageIDs;
}

void CNorvakCtrl::DoPropExchange(CPropExchange* exchange)
{
    DWORD version = kPersistVersion;
    exchange->ExchangeVersion(version, kPersistVersion, true);
}

HRESULT CNorvakCtrl::InvokeMember(DISPID dispid, WORD flags, DISPPARAMS* params, VARIANT* result,
                                  EXCEPINFO* exception, UINT* argError)
{
    return DispatchInvoke(ControlDispatchTable(), this, dispid, flags, params, result, exception, argError);
}

HRESULT CNorvakCtrl::GetMemberIDs(LPOLESTR* names, UINT count, DISPID* ids)
{
    return DispatchGetIDsOfNames(ControlDispatchTable(), names, count, ids);
}

HRESULT CNorvakCtrl::GetMemberTypeInfo(ITypeInfo** info)
{
    return LoadModuleTypeInfo(nullptr, DIID__DNorvak, info);
}

// ---- window ----

const wchar_t* CNorvakCtrl::GetWindowClassName() const
{
    return kWindowClass;
}

bool CNorvakCtrl::PreCreateWindow(CREATESTRUCTW& cs)
{
    switch (m_nBorderStyle) {
    case 1:
        cs.style |= WS_BORDER;
        break;
    case 2:
        cs.dwExStyle |= WS_EX_DLGMODALFRAME;
        break;
    case 3:
        cs.dwExStyle |= WS_EX_STATICEDGE;
        break;
    case 4:
        cs.dwExStyle |= WS_EX_CLIENTEDGE;
        break;
    case 5:
        cs.dwExStyle |= WS_EX_STATICEDGE | WS_EX_CLIENTEDGE;
        break;
    case 6:
        cs.dwExStyle |= WS_EX_CLIENTEDGE | WS_EX_DLGMODALFRAME;
        break;
    default:
        break;
    }
    return COleControl::PreCreateWindow(cs);
}

LRESULT CNorvakCtrl::WindowProc(UINT msg, WPARAM wp, LPARAM lp)
{
    switch (msg) {
    case WM_DESTROY:
        OnDestroy();
        break;
    default:
        break;
    }
    return COleControl::WindowProc(msg, wp, lp);
}

int CNorvakCtrl::OnCreate(CREATESTRUCTW* cs)
{
    if (COleControl::OnCreate(cs) == -1)
        return -1;
    // The container may set the initial pages from its handler, so they are read only after it.
    FireEvent(kEventShellOnCreate);
    NorvakApp().m_pCurrentControl = this;
    if (!m_bPagesCreated)
        m_bPagesCreated = TRUE;
    return 0;
}

void CNorvakCtrl::OnDestroy()
{
    if (NorvakApp().m_pCurrentControl == this)
        NorvakApp().m_pCurrentControl = nullptr;
}
