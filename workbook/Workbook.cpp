#include "workbook/Workbook.h"

#include <new>

namespace {

const char* const kExtensions[] = {".nvk", ".nor", ".fcs"};
const char kDefaultExtension[] = ".nvk";

} // namespace

bool IsWorkbookExtension(const CString& extension)
{
    CString lower = extension;
    lower.MakeLower();
    for (const char* known : kExtensions)
        if (lower == known)
            return true;
    return false;
}

CSaveTarget ChooseSaveTarget(const CString& path)
{
    CString extension = path.Right(4);
    if (IsWorkbookExtension(extension))
        return {path, extension.MakeLower()};
    return {path + kDefaultExtension, CString(kDefaultExtension)};
}

void WriteWorkbook(CArchiveWriter& out, const CString& version, const CString& extension,
                   std::span<const CPageToSave> pages, const CHeaderFlags& flags)
{
    out.WriteString(version);
    out.WriteString(extension);
    out.WriteInt(int32_t(pages.size()));
    out.WriteInt(flags.bRowHeader);
    out.WriteInt(flags.bColHeader);
    for (const CPageToSave& page : pages)
        WritePageBlock(out, *page.page, *page.cells, flags);
}

CReadResult ReadWorkbook(CArchiveReader& in, std::vector<CLoadedPage>& pages, std::string* why)
{
    try {
        in.ReadString(); // the version that wrote the file; any text is accepted
        if (!IsWorkbookExtension(in.ReadString()))
            return CReadResult::UnknownFormat;
        int count = in.ReadInt();
        if (count < 0)
            return CReadResult::NegativePageCount;
        CHeaderFlags flags;
        flags.bRowHeader = in.ReadInt();
        flags.bColHeader = in.ReadInt();
        if (uint64_t(count) * MinimumPageBlockBytes(flags) > in.Remaining())
            CArchiveReader::Fail("more pages than the data hold");
        std::vector<CLoadedPage> read;
        read.reserve(size_t(count));
        for (int index = 0; index < count; ++index)
            read.push_back(ReadPageBlock(in, index, flags));
        pages = std::move(read);
        return CReadResult::Read;
    } catch (const CArchiveError& error) {
        if (why)
            *why = error.what();
    } catch (const std::bad_alloc&) {
        if (why)
            *why = "out of memory";
    }
    return CReadResult::Refused;
}
