#include "sheet/NorvakCtrl.h"
#include "sheet/NorvakDispatchMap.h"
#include "sheet/NorvakModule.h"

#include "framework/Dispatch.h"
#include "framework/PropExchange.h"
#include "resources/NorvakResource.h"
#include "sheet/windows/CellNotify.h"

#include "Norvak_h.h"
#include <olectl.h>
#include <windowsx.h>

#include <climits>
#include <utility>

namespace {

const wchar_t kWindowClass[] = L"NorvakCtrl";
const DWORD kPersistVersion = MAKELONG(0, 1); // 1.0
const char kDefaultTitles[3][8] = {"Sheet1", "Sheet2", "Sheet3"};
constexpr int kInitialRows = 100;
constexpr int kInitialColumns = 50;

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

} // namespace

// ---- construction and destruction ----

// Every other default is a member initializer, of this class or of the records it inherits.
CNorvakCtrl::CNorvakCtrl() : m_tabBand(CreateTabBand(*this))
{
    BuildDefaultTables();
    UseDefaultPrinter();
    m_hSheetCursor = ::LoadCursorW(nullptr, MAKEINTRESOURCEW(32512)); // IDC_ARROW
    m_chartTracker.m_nStyle = CRectTracker::resizeInside;
    m_chartTracker.SetSite(this);
}

CNorvakCtrl::~CNorvakCtrl()
{
    // Objects a client still holds answer failure from now on.
    m_objects.reset();
    CloseChartTextEditor();
    // The window must go while this object is still whole: its messages reach our handlers.
    if (m_hWnd)
        ::DestroyWindow(m_hWnd);
    m_pageStore.Clear(*this);
    ReleaseClipboardSource();
    if (NorvakApp().m_pCurrentControl == this)
        NorvakApp().m_pCurrentControl = nullptr;
}

IUnknown* CNorvakCtrl::CreateObject()
{
    return static_cast<IOleObject*>(new CNorvakCtrl);
}

// ---- automation: control ----

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
    if (m_bInCreate && m_hWnd)
        ApplyBorderStyleInPlace();
    else
        RecreateControlWindow();
    return previous;
}

void CNorvakCtrl::DoSetInitializePageCounts(BOOL bDefault, long nPages, CString lpszTitle1,
                                            CString lpszTitle2, CString lpszTitle3)
{
    m_bCreateDefaultPages = bDefault;
    // The count is kept short; a value beyond it is no count of pages at all.
    m_nInitialPageCount = nPages >= SHRT_MIN && nPages <= SHRT_MAX ? short(nPages) : 0;
    // Moved, not copied: the settings change whole or not at all.
    m_InitialTitles[0] = std::move(lpszTitle1);
    m_InitialTitles[1] = std::move(lpszTitle2);
    m_InitialTitles[2] = std::move(lpszTitle3);
}

// ---- events and container notification ----

void CNorvakCtrl::Fire(NorvakEventId event)
{
    FireEvent(event);
}

void CNorvakCtrl::Fire(NorvakEventId event, CEventArgs& args)
{
    if (args.IsComplete())
        FireEvent(event, args.Data(), args.Count());
}

LRESULT CNorvakCtrl::SendMessageToParent(int row, int col, int code)
{
    return SendCellNotify(m_hWnd, row, col, code);
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
    return DispatchInvoke(NorvakDispatchMap(), this, dispid, flags, params, result, exception, argError);
}

HRESULT CNorvakCtrl::GetMemberIDs(LPOLESTR* names, UINT count, DISPID* ids)
{
    return DispatchGetIDsOfNames(NorvakDispatchMap(), names, count, ids);
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

namespace {

// The window style and extended style bits of a border style.
void AddBorderBits(short borderStyle, DWORD& style, DWORD& exStyle)
{
    switch (borderStyle) {
    case 1:
        style |= WS_BORDER;
        break;
    case 2:
        exStyle |= WS_EX_DLGMODALFRAME;
        break;
    case 3:
        exStyle |= WS_EX_STATICEDGE;
        break;
    case 4:
        exStyle |= WS_EX_CLIENTEDGE;
        break;
    case 5:
        exStyle |= WS_EX_STATICEDGE | WS_EX_CLIENTEDGE;
        break;
    case 6:
        exStyle |= WS_EX_CLIENTEDGE | WS_EX_DLGMODALFRAME;
        break;
    default:
        break;
    }
}

} // namespace

bool CNorvakCtrl::PreCreateWindow(CREATESTRUCTW& cs)
{
    DWORD style = cs.style;
    DWORD exStyle = cs.dwExStyle;
    AddBorderBits(m_nBorderStyle, style, exStyle);
    cs.style = LONG(style);
    cs.dwExStyle = exStyle;
    return COleControl::PreCreateWindow(cs);
}

// A window still in its creation cannot be destroyed and made again: it takes the border in place.
void CNorvakCtrl::ApplyBorderStyleInPlace()
{
    DWORD style = DWORD(::GetWindowLongPtrW(m_hWnd, GWL_STYLE)) & ~DWORD(WS_BORDER);
    DWORD exStyle = DWORD(::GetWindowLongPtrW(m_hWnd, GWL_EXSTYLE)) &
                    ~DWORD(WS_EX_DLGMODALFRAME | WS_EX_STATICEDGE | WS_EX_CLIENTEDGE);
    AddBorderBits(m_nBorderStyle, style, exStyle);
    ::SetWindowLongPtrW(m_hWnd, GWL_STYLE, LONG_PTR(style));
    ::SetWindowLongPtrW(m_hWnd, GWL_EXSTYLE, LONG_PTR(exStyle));
    ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0,
                   SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT CNorvakCtrl::WindowProc(UINT msg, WPARAM wp, LPARAM lp)
{
    switch (msg) {
    case WM_DESTROY:
        OnDestroy();
        break;
    case WM_SIZE:
        OnSize(LOWORD(lp), HIWORD(lp));
        return 0;
    case WM_HSCROLL:
    case WM_VSCROLL:
        OnScroll(msg == WM_HSCROLL, LOWORD(wp));
        return 0;
    case WM_SETFOCUS:
        COleControl::WindowProc(msg, wp, lp);
        OnSetFocus();
        return 0;
    case WM_DRAWCLIPBOARD:
        return OnDrawClipboard(wp, lp);
    case WM_CHANGECBCHAIN:
        return OnChangeClipboardChain(reinterpret_cast<HWND>(wp), reinterpret_cast<HWND>(lp));
    case WM_KEYDOWN:
        OnKeyDown(UINT(wp), LOWORD(lp), HIWORD(lp));
        break;
    case WM_KEYUP: {
        LRESULT result = COleControl::WindowProc(msg, wp, lp);
        OnKeyUp(UINT(wp), LOWORD(lp), HIWORD(lp));
        return result;
    }
    case WM_CHAR:
        OnChar(UINT(wp), LOWORD(lp), HIWORD(lp));
        break;
    case WM_NOTIFY:
        if (auto* header = reinterpret_cast<const NMHDR*>(lp);
            header && header->code == kNotifyEndEdit && header->idFrom == kCellEditId) {
            LRESULT result = 0;
            OnEndInPlaceEdit(header, &result);
            return result;
        }
        break;
    case WM_CONTEXTMENU:
        OnContextMenu(reinterpret_cast<HWND>(wp), CPoint(GET_X_LPARAM(lp), GET_Y_LPARAM(lp)));
        return 0;
    case WM_COMMAND:
        // Menu and accelerator commands only; the child windows' notices go on below.
        if (lp == 0 && OnCommand(LOWORD(wp)))
            return 0;
        break;
    case WM_MOUSEMOVE:
    case WM_MOUSEHOVER:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_MOUSEWHEEL:
    case WM_SETCURSOR:
        return OnMouseMessage(msg, wp, lp);
    default:
        break;
    }
    return COleControl::WindowProc(msg, wp, lp);
}

int CNorvakCtrl::OnCreate(CREATESTRUCTW* cs)
{
    if (COleControl::OnCreate(cs) == -1)
        return -1;
    // Handlers of the events fired from here run while the window is being created.
    m_bInCreate = true;
    // The container may set the initial pages from its handler, so they are read only after it.
    Fire(kEventShellOnCreate);
    JoinClipboardChain();
    m_dropTarget.Register(m_hWnd);
    CreateChildWindows();
    NorvakApp().m_pCurrentControl = this;
    if (!m_bPagesCreated) {
        m_bPagesCreated = TRUE;
        CreateInitialPages();
    }
    CreatePrintFrame();
    m_bInCreate = false;
    return 0;
}

// The default pages are all inserted before their grids are set; the titled ones each in turn.
void CNorvakCtrl::CreateInitialPages()
{
    if (m_bCreateDefaultPages) {
        for (const char* title : kDefaultTitles)
            InsertPage(title);
        for (int page = 0; page < 3; ++page)
            SetDefaultGrid(page);
        return;
    }
    if (m_nInitialPageCount < 1 || m_nInitialPageCount > 3)
        return;
    for (int n = 0; n < m_nInitialPageCount; ++n)
        SetDefaultGrid(
            InsertPage(m_InitialTitles[n].IsEmpty() ? CString(kDefaultTitles[n]) : m_InitialTitles[n]));
}

void CNorvakCtrl::SetDefaultGrid(int page)
{
    SetRowCount(page, kInitialRows);
    SetColumnCount(page, kInitialColumns);
    SetFixedRowCount(page, 1);
    SetFixedColumnCount(page, 1);
}

void CNorvakCtrl::OnDestroy()
{
    LeaveClipboardChain();
    m_dropTarget.Revoke();
    // The copied text outlives the control; the data object, whose code is the module's, does not.
    if (IsOwnDataOnClipboard())
        ::OleFlushClipboard();
    ReleaseClipboardSource();
    m_pPrintFrame.reset();
    m_tabBand->WindowsDestroyed();
    m_horzBar.Detach();
    m_vertBar.Detach();
    if (NorvakApp().m_pCurrentControl == this)
        NorvakApp().m_pCurrentControl = nullptr;
}

void CNorvakCtrl::OnSetFocus()
{
    PageRef ref = GetPageRef(-1);
    if (ref && ref.page->m_nFixedRows == 0 && ref.page->m_nFixedCols == 0)
        InvalidateControl();
}
