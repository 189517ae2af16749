#pragma once

// The workbook file dialog of Save and Save As; it keeps a copy of the initial file name.

#include "framework/CommonDialogs.h"

class CQuilmFileDialog : public CFileDialog
{
public:
    CQuilmFileDialog(bool open, const char* defaultExt, const char* fileName, DWORD flags, const char* filter,
                     HWND parent)
        : CFileDialog(open, defaultExt, fileName, flags, filter, parent), m_initialName(fileName ? fileName : "")
    {
    }
    CString m_initialName;
};
