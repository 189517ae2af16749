#include "host/FormatCodeDlg.h"

#include "NorvakResource.h"
#include "framework/DataExchange.h"

CFormatCodeDlg::CFormatCodeDlg(int code, HWND parent) : CDialog(IDD_FORMAT_CODE, parent), m_code(code) {}

void CFormatCodeDlg::DoDataExchange(CDataExchange* dx)
{
    DDX_Text(dx, IDC_FORMAT_CODE, m_code);
}
