#include "gridwnd/GridClipboardText.h"

namespace {

bool IsCellDelimiter(char ch)
{
    return ch == '\t' || ch == ',' || ch == '\n';
}

// The tokens of a line; no delimiter is ever the trail byte of a double-byte character.
std::vector<CString> SplitLine(const CString& line)
{
    std::vector<CString> tokens;
    const int length = line.GetLength();
    int at = 0;
    while (at < length) {
        while (at < length && IsCellDelimiter(line[at]))
            ++at;
        const int start = at;
        while (at < length && !IsCellDelimiter(line[at]))
            at = line.NextCharIndex(at);
        if (at > start)
            tokens.push_back(line.Mid(start, at - start));
    }
    return tokens;
}

} // namespace

std::optional<std::string> BuildGridClipboardText(const CGridCellStore& store,
                                                  const CGridSelection& selection,
                                                  const GridTextGetter& getText)
{
    const CCellRect range = selection.GetSelectedGridRange();
    if (!store.IsValid(range))
        return std::nullopt;
    std::string text;
    for (int row = range.minRow; row <= range.maxRow; ++row) {
        if (row > range.minRow)
            text += '\n';
        for (int col = range.minCol; col <= range.maxCol; ++col) {
            if (col > range.minCol)
                text += '\t';
            if (!selection.IsSelected(row, col))
                continue;
            const CString cellText = getText(row, col);
            text += cellText.IsEmpty() ? std::string(" ") : cellText.str();
        }
    }
    return text;
}

std::vector<std::vector<CString>> SplitGridPasteText(const CString& text)
{
    std::vector<std::vector<CString>> lines;
    CString rest = text;
    while (!rest.IsEmpty()) {
        const int end = rest.Find('\n');
        CString line = end < 0 ? rest : rest.Left(end);
        rest = end < 0 ? CString() : rest.Mid(end + 1);
        if (line.IsEmpty())
            line = " ";
        lines.push_back(SplitLine(line));
    }
    return lines;
}
