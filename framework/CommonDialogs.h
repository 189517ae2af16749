#pragma once

// The system's colour, font and file dialogs, each through the modal seam: a hook answers with
// IDOK after writing its choice into the dialog's structure (m_cc, m_cf, m_ofn), or IDCANCEL.
// DoModal returns IDOK or IDCANCEL. Texts are code page 936; the structures hold wide texts.

#include "framework/CString.h"

#include <windows.h>

#include <commdlg.h>

#include <array>
#include <string>

class CColorDialog
{
public:
    explicit CColorDialog(COLORREF initial = 0, DWORD flags = 0, HWND parent = nullptr);
    INT_PTR DoModal();
    COLORREF GetColor() const { return m_cc.rgbResult; }

    CHOOSECOLORW m_cc{};

private:
    std::array<COLORREF, 16> m_customColors{};
};

class CFontDialog
{
public:
    // initial: the font to start from (none: the system's choice); flags: CF_*.
    explicit CFontDialog(const LOGFONTA* initial = nullptr, DWORD flags = CF_EFFECTS | CF_SCREENFONTS,
                         HDC printer = nullptr, HWND parent = nullptr);
    INT_PTR DoModal();
    void GetLogFont(LOGFONTA* font) const;
    COLORREF GetColor() const { return m_cf.rgbColors; }

    CHOOSEFONTW m_cf{};

private:
    LOGFONTW m_font{};
};

class CFileDialog
{
public:
    // filter: pairs of description and pattern separated by '|', ending with "||".
    CFileDialog(bool open, const char* defaultExt = nullptr, const char* fileName = nullptr,
                DWORD flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, const char* filter = nullptr,
                HWND parent = nullptr);
    INT_PTR DoModal();
    // The chosen file: its full path, its name, and its extension without the dot.
    CString GetPathName() const;
    CString GetFileName() const;
    CString GetFileExt() const;

    OPENFILENAMEW m_ofn{};

private:
    bool m_open;
    std::wstring m_defaultExt;
    std::wstring m_filter;
    std::wstring m_file;
};
