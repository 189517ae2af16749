#include "tabs/TitleEdit.h"

#include "chart/model/NorvakChart.h"
#include "sheet/NorvakCtrl.h"
#include "tabs/PageTitle.h"

#include <cstdlib>
#include <cstring>

namespace {

constexpr int kChartEditHeight = 20;

CChartTitleBlock* TitleOf(CNorvakChart& chart, int code)
{
    switch (code) {
    case kChartTitle:
        return &chart.chartTitle;
    case kChartXAxisTitle:
        return &chart.xAxisTitle;
    case kChartYAxisTitle:
        return &chart.yAxisTitle;
    default:
        return nullptr;
    }
}

// The caption's font fitted to its box: as high as the box, each character a share of its width.
LOGFONTA CaptionFont(const CChartTextItem& entry)
{
    LOGFONTA font = entry.font;
    if (entry.bFitText) {
        const CRect box = entry.rcCaption;
        font.lfHeight = box.Height();
        if (const int length = entry.strCaption.GetLength(); length > 0)
            font.lfWidth = box.Width() / length;
    }
    return font;
}

} // namespace

CTitleEdit::CTitleEdit(CPageTitle& owner, const CString& text) : m_owner(&owner), m_strInitial(text)
{
    m_font.CreatePointFont(90, "宋体");
    m_background.CreateSolidBrush(m_crBackground);
}

CTitleEdit::CTitleEdit(CNorvakCtrl& control, CNorvakChart& chart, int code, CChartTextItem* entry)
    : m_pControl(&control), m_pChart(&chart), m_pEntry(entry), m_nCode(code)
{
    if (m_pEntry) {
        const LOGFONTA font = CaptionFont(*m_pEntry);
        m_font.CreateFontIndirect(&font);
        m_crText = m_pEntry->crText;
        m_crBackground = m_pEntry->bTransparent ? RGB(255, 255, 255) : m_pEntry->crBack;
    } else if (const CChartTitleBlock* title = TitleOf(chart, code)) {
        m_font.CreateFontIndirect(&title->font);
        m_crText = title->crText;
        m_crBackground = title->bTransparent ? RGB(255, 255, 255) : title->crBack;
    }
    m_background.CreateSolidBrush(m_crBackground);
}

bool CTitleEdit::ShowOver(HWND parent, DWORD style, const RECT& rect, const CString& text)
{
    if (!Create(style, rect, parent, kId))
        return false;
    SetFont(m_font);
    SetWindowText(text);
    SendMessage(EM_SETSEL, 0, -1);
    SendMessage(EM_SCROLLCARET);
    SetFocus();
    return true;
}

CTitleEdit* CTitleEdit::Open(CPageTitle& owner, DWORD extraStyle, const RECT& rect, const CString& text)
{
    auto* edit = new CTitleEdit(owner, text);
    if (!edit->Create(extraStyle | kStyle, rect, owner.m_hWnd, kId)) {
        delete edit;
        return nullptr;
    }
    edit->SetFont(edit->m_font);
    edit->SetWindowText(text);
    edit->SendMessage(EM_SETSEL, 0xFFFF, 0xFFFF);
    edit->SendMessage(EM_SCROLLCARET);
    edit->SetFocus();
    return edit;
}

CRect CTitleEdit::ChartCaptionEditRect(const RECT& caption, int fontHeight)
{
    const CRect box = caption;
    const int middle = (box.top + box.bottom) / 2;
    const int height = std::abs(fontHeight);
    if (height == 0 || box.Height() < kChartEditHeight)
        return CRect(box.left, middle - kChartEditHeight / 2, box.right, middle + kChartEditHeight / 2);
    return CRect(box.left, middle - height / 2 - 3, box.right, middle + height / 2 + 2);
}

CRect CTitleEdit::ChartTitleEditRect(const RECT& title)
{
    const CRect box = title;
    if (box.Height() >= kChartEditHeight)
        return box;
    const int middle = (box.top + box.bottom) / 2;
    return CRect(box.left, middle - kChartEditHeight / 2, box.right, middle + kChartEditHeight / 2);
}

CTitleEdit* CTitleEdit::OpenChartText(CNorvakCtrl& control, CNorvakChart& chart, int code, CChartTextItem* entry)
{
    CChartTitleBlock* title = TitleOf(chart, code);
    if (!control.m_hWnd || (code == 20 ? !entry : !title))
        return nullptr;
    auto* edit = new CTitleEdit(control, chart, code, code == 20 ? entry : nullptr);
    bool shown;
    if (code == 20) {
        const CString caption = entry->strCaption;
        const CRect rect = ChartCaptionEditRect(entry->rcCaption, CaptionFont(*entry).lfHeight);
        edit->m_chSavedSelection = entry->chSelPart;
        entry->strCaption.Empty();
        entry->chSelPart = ' ';
        shown = edit->ShowOver(control.m_hWnd, kChartCaptionStyle, rect, caption);
        if (!shown) {
            entry->strCaption = caption;
            entry->chSelPart = edit->m_chSavedSelection;
        }
    } else {
        shown = edit->ShowOver(control.m_hWnd, kChartTitleStyle, ChartTitleEditRect(title->rc), title->strText);
    }
    if (!shown) {
        delete edit;
        return nullptr;
    }
    return edit;
}

LRESULT CTitleEdit::WindowProc(UINT msg, WPARAM wp, LPARAM lp)
{
    if (!m_pControl && msg == WM_CHAR && (wp == VK_RETURN || wp == VK_ESCAPE)) {
        if (wp == VK_ESCAPE)
            SetWindowText(m_strInitial);
        // Leaving the edit ends it.
        ::SetFocus(GetParent());
        return 0;
    }
    return CEdit::WindowProc(msg, wp, lp);
}

void CTitleEdit::PostNcDestroy()
{
    if (m_pControl)
        m_pControl->OnChartTextEditorGone(this);
    delete this;
}

bool CTitleEdit::OnChildNotify(UINT msg, WPARAM wp, LPARAM lp, LRESULT* result)
{
    if (msg == WM_COMMAND && HIWORD(wp) == EN_KILLFOCUS) {
        OnKillFocus();
        *result = 0;
        return true;
    }
    if (msg == WM_CTLCOLOREDIT) {
        ::SetTextColor(reinterpret_cast<HDC>(wp), m_crText);
        ::SetBkColor(reinterpret_cast<HDC>(wp), m_crBackground);
        *result = reinterpret_cast<LRESULT>(static_cast<HBRUSH>(m_background));
        return true;
    }
    return CEdit::OnChildNotify(msg, wp, lp, result);
}

void CTitleEdit::EndChartText()
{
    if (m_bEnded)
        return;
    m_bEnded = true;
    const CString text = GetWindowText();
    if (m_pEntry) {
        m_pEntry->chSelPart = m_chSavedSelection;
        m_pEntry->strCaption = text;
    } else if (CChartTitleBlock* title = TitleOf(*m_pChart, m_nCode)) {
        // The edited title is kept, not dropped with the editor.
        title->strText = text;
    }
    m_pControl->InvalidateControl();
}

void CTitleEdit::CloseChartText()
{
    if (!m_pControl || !m_hWnd)
        return;
    EndChartText();
    DestroyWindow();
}

void CTitleEdit::OnKillFocus()
{
    if (!m_hWnd)
        return;
    if (m_pControl) {
        EndChartText();
        PostMessage(WM_CLOSE);
        return;
    }
    CString title = GetWindowText();
    title.Trim();
    if (title.IsEmpty())
        return Refuse("请输入一个有效的文本!");
    if (m_owner->IsTitleTaken(title, m_owner->GetControl().GetPageStore().GetActive()))
        return Refuse("所命名的工作表名不能与其它工作表重名!");
    const std::wstring wide = title.ToWide();
    m_owner->SendMessage(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(wide.c_str()));
    PostMessage(WM_CLOSE);
}

void CTitleEdit::Refuse(const char* message)
{
    m_owner->MessageBox(message, CString(), MB_OK);
    SetFocus();
}
