#include "tabs/NewPageDlg.h"

#include "resources/NorvakResource.h"
#include "tabs/PageTitle.h"

CNewPageDlg::CNewPageDlg(const CPageTitle& strip, HWND parent) : CDialog(IDD_NEW_PAGE, parent), m_strip(strip) {}

void CNewPageDlg::OnOK()
{
    CString title = TextOf(GetDlgItem(IDC_NEW_PAGE_TITLE));
    title.Trim();
    if (title.IsEmpty()) {
        MessageBox("请输入一个有效的页标题!", CString(), MB_OK);
        return;
    }
    if (m_strip.IsTitleTaken(title, -1)) {
        MessageBox("所命名的工作表名不能与其它工作表重名!", CString(), MB_OK);
        return;
    }
    m_strTitle = title;
    EndDialog(IDOK);
}
