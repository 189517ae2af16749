#include "printing/PageNumberText.h"

namespace {

struct PageNumberFormat
{
    const char* pattern;
    bool chinese;
};

constexpr PageNumberFormat kFormats[] = {
    {"第%d页(共%d页)", true}, {"第%d页(共%d页)", false}, {"第%d页 共%d页", true}, {"第%d页 共%d页", false},
    {"第%d页/共%d页", true},  {"第%d页/共%d页", false},  {"%d/%d页", false},       {"%d\\%d页", false},
    {"%d:%d页", false},        {"%d-%d页", false},
};
constexpr int kDefaultFormat = 8;

CString WithChineseDigits(const CString& text)
{
    static const char* const kNumerals[] = {"一", "二", "三", "四", "五", "六", "七", "八", "九"};
    CString out;
    for (int i = 0; i < text.GetLength(); i = text.NextCharIndex(i)) {
        const char ch = text[i];
        if (ch >= '1' && ch <= '9')
            out += kNumerals[ch - '1'];
        else
            out += text.Mid(i, text.NextCharIndex(i) - i);
    }
    return out;
}

} // namespace

CString FormatPageNumber(int format, int current, int total)
{
    const PageNumberFormat& chosen = kFormats[format >= 0 && format <= 9 ? format : kDefaultFormat];
    CString text;
    text.Format(chosen.pattern, current, total);
    return chosen.chinese ? WithChineseDigits(text) : text;
}

bool PageNumberInHeader(int position)
{
    return position == 0 || position == 1 || position == 4;
}

bool PageNumberInFooter(int position)
{
    return position == 2 || position == 3 || position == 5;
}

UINT PageNumberAlignment(int position)
{
    switch (position) {
    case 0:
    case 2:
        return DT_LEFT;
    case 4:
    case 5:
        return DT_CENTER;
    default:
        return DT_RIGHT;
    }
}

CString PrintDocumentName(const CString& pageTitle, const CString& headerText)
{
    CString name = pageTitle;
    if (name.Trim().IsEmpty()) {
        name = headerText;
        name.Trim();
    }
    return name.IsEmpty() ? CString("文档打印") : name;
}
