#include "dialogs/SheetPage.h"

#include "dialogs/NorvakSheet.h"
#include "framework/MemoryDC.h"

CNorvakSheet* CSheetPage::GetNorvakSheet() const
{
    return dynamic_cast<CNorvakSheet*>(GetSheet());
}

CNorvakCtrl* CSheetPage::GetSheetControl() const
{
    CNorvakSheet* sheet = GetNorvakSheet();
    return sheet ? sheet->GetControl() : nullptr;
}

bool CSheetPage::IsActiveSheetPage() const
{
    CPropertySheet* sheet = GetSheet();
    return sheet && sheet->GetActivePage() == this;
}

void CSheetPage::PaintInto(HDC target)
{
    const CRect client = GetClientRect();
    CMemoryDC dc(target, client.Size());
    dc.FillSolidRect(client, ::GetSysColor(COLOR_BTNFACE));
    PaintPage(dc);
}

LRESULT CSheetPage::WindowProc(UINT msg, WPARAM wp, LPARAM lp)
{
    if (m_bPaintsWholeClient) {
        switch (msg) {
        case WM_ERASEBKGND:
            return TRUE;
        case WM_PAINT: {
            PAINTSTRUCT ps;
            HDC dc = ::BeginPaint(m_hWnd, &ps);
            PaintInto(dc);
            ::EndPaint(m_hWnd, &ps);
            return 0;
        }
        case WM_PRINTCLIENT:
            PaintInto(reinterpret_cast<HDC>(wp));
            return 0;
        default:
            break;
        }
    }
    return CPropertyPage::WindowProc(msg, wp, lp);
}
