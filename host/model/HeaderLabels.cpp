#include "host/model/HeaderLabels.h"

#include <string>

CString ColumnLetters(long column)
{
    // Bijective base 26: "A".."Z", then "AA".."ZZ", then "AAA" on.
    std::string letters;
    for (long n = column; n > 0; n = (n - 1) / 26)
        letters.insert(letters.begin(), char('A' + (n - 1) % 26));
    return CString(letters.c_str());
}

CString RowNumberLabel(long row, long fixed)
{
    CString text;
    text.Format("%d", int(row - fixed + 1));
    return text;
}
