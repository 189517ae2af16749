#pragma once

// Dialog init data: the strings a dialog puts into its list and combo boxes before it initialises,
// kept as a resource of type DLGINIT with the dialog's own id. Each record is a control id (WORD),
// a message (WORD: CB_ADDSTRING or LB_ADDSTRING) and a NUL-terminated text; a control id of 0 ends
// the list. The texts are UTF-8, as windres stores the narrow strings of our UTF-8 .rc files:
//
//     #include "framework/DialogInit.rh"
//     IDD_EXAMPLE DLGINIT
//     BEGIN
//         IDC_ALIGN, DLGINIT_CB_ADDSTRING, "靠左(缩进)\0",
//         IDC_ALIGN, DLGINIT_CB_ADDSTRING, "居中\0",
//         0
//     END

#include "framework/DialogInit.rh"

#include <windows.h>

#include <string>
#include <vector>

constexpr WORD kDialogInitResourceType = DLGINIT;
static_assert(DLGINIT_CB_ADDSTRING == CB_ADDSTRING && DLGINIT_LB_ADDSTRING == LB_ADDSTRING);

struct DialogInitItem
{
    int controlId;
    UINT message;
    std::wstring text;
};

// The records of the data; reading stops at the end marker, at a record that runs past the end
// (a text without its NUL) and at a message other than the two above, which no record may send.
std::vector<DialogInitItem> ParseDialogInitData(const BYTE* data, size_t size);
