#include "sheet/model/ClipboardText.h"

#include "framework/OleDataTransfer.h"

#include <algorithm>
#include <cstring>
#include <new>

namespace {

bool IsCellDelimiter(char ch)
{
    return ch == '\t' || ch == ',' || ch == '\n';
}

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

HGLOBAL SharedBlock(const void* data, size_t size)
{
    HGLOBAL block = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE | GMEM_ZEROINIT, size);
    void* to = block ? ::GlobalLock(block) : nullptr;
    if (!to) {
        if (block)
            ::GlobalFree(block);
        return nullptr;
    }
    std::memcpy(to, data, size);
    ::GlobalUnlock(block);
    return block;
}

// The block is a copy of the caller's; it is freed here.
template <class Char> std::basic_string<Char> ReadBlock(HGLOBAL block)
{
    std::basic_string<Char> text;
    if (!block)
        return text;
    const size_t count = ::GlobalSize(block) / sizeof(Char);
    if (const auto* data = static_cast<const Char*>(::GlobalLock(block))) {
        text.assign(data, std::find(data, data + count, Char(0)));
        ::GlobalUnlock(block);
    }
    ::GlobalFree(block);
    return text;
}

} // namespace

std::string BuildClipboardText(const CCellRect& block, const std::function<bool(int row, int col)>& offered,
                               const std::function<CString(int row, int col)>& textOf)
{
    std::string text;
    for (int row = block.minRow; row <= block.maxRow; ++row) {
        if (row > block.minRow)
            text += '\n';
        for (int col = block.minCol; col <= block.maxCol; ++col) {
            if (col > block.minCol)
                text += '\t';
            if (!offered(row, col))
                continue;
            const CString cellText = textOf(row, col);
            text += cellText.IsEmpty() ? std::string(" ") : cellText.str();
        }
    }
    return text;
}

std::vector<std::vector<CString>> SplitPasteText(const CString& text)
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

COleDataSource* MakeTextDataSource(const std::string& text)
{
    const std::wstring wide = CString(text).ToWide();
    HGLOBAL ansi = SharedBlock(text.c_str(), text.size() + 1);
    HGLOBAL unicode = SharedBlock(wide.c_str(), (wide.size() + 1) * sizeof(wchar_t));
    auto* source = ansi && unicode ? new (std::nothrow) COleDataSource : nullptr;
    if (!source) {
        if (ansi)
            ::GlobalFree(ansi);
        if (unicode)
            ::GlobalFree(unicode);
        return nullptr;
    }
    source->CacheGlobalData(CF_TEXT, ansi);
    source->CacheGlobalData(CF_UNICODETEXT, unicode);
    return source;
}

std::string ReadTextBlock(const COleDataObject& data, CLIPFORMAT format)
{
    return ReadBlock<char>(data.GetGlobalData(format));
}

std::wstring ReadUnicodeBlock(const COleDataObject& data)
{
    return ReadBlock<wchar_t>(data.GetGlobalData(CF_UNICODETEXT));
}
