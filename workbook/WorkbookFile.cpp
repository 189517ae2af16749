#include "workbook/WorkbookFile.h"

#include "framework/FileName.h"
#include "framework/OleModule.h"

#include <memory>
#include <new>
#include <optional>

namespace {

const char kSaveFailed[] = "保存文件失败!";
const char kUnknownFormat[] = "无法识别的文件格式!";
const char kWarning[] = "警告";

struct HandleCloser
{
    void operator()(HANDLE h) const { ::CloseHandle(h); }
};
using FileHandle = std::unique_ptr<void, HandleCloser>;

// The temporary file a save writes first; gone again unless it became the saved file, even when
// the save ends by an exception.
class TemporaryFile
{
public:
    explicit TemporaryFile(const wchar_t* path) : m_path(path) {}
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    ~TemporaryFile()
    {
        if (!m_moved)
            ::DeleteFileW(m_path);
    }
    bool MoveTo(const std::wstring& target)
    {
        m_moved = ::MoveFileExW(m_path, target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
        return m_moved;
    }

private:
    const wchar_t* m_path;
    bool m_moved = false;
};

FileHandle Open(const std::wstring& path, DWORD access, DWORD disposition, DWORD flags)
{
    HANDLE h = ::CreateFileW(path.c_str(), access, access == GENERIC_READ ? FILE_SHARE_READ : 0, nullptr,
                             disposition, flags, nullptr);
    return FileHandle(h == INVALID_HANDLE_VALUE ? nullptr : h);
}

CWorkbookOutcome NotOpened(const CString& path, DWORD error)
{
    return {CWorkbookStatus::NotOpened, path, error ? error : DWORD(ERROR_GEN_FAILURE), {}};
}

// A text that names no file: refused before any file is looked at. The message shows the name as
// far as it goes.
CWorkbookOutcome NotAName(const CString& path)
{
    return NotOpened(CString(path.GetString()), ERROR_INVALID_NAME);
}

CWorkbookOutcome Failed(const CString& path, std::string why)
{
    return {CWorkbookStatus::Failed, path, 0, std::move(why)};
}

// The folder of a path, made absolute.
std::wstring FolderOf(const std::wstring& path)
{
    DWORD size = ::GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
    if (size == 0)
        return {};
    std::wstring full(size, L'\0');
    wchar_t* name = nullptr;
    full.resize(::GetFullPathNameW(path.c_str(), size, full.data(), &name));
    if (!name)
        return {};
    return full.substr(0, size_t(name - full.data()));
}

// Writes the workbook into the open temporary file and flushes it to the disk.
CWorkbookOutcome WriteInto(HANDLE file, const CString& path, std::span<const CPageToSave> pages,
                           const CString& version, const CString& extension, const CHeaderFlags& flags)
{
    try {
        CArchiveWriter out(file);
        WriteWorkbook(out, version, extension, pages, flags);
        out.Flush();
    } catch (const CArchiveError& error) {
        return Failed(path, error.what());
    } catch (const std::bad_alloc&) {
        return Failed(path, "out of memory");
    }
    if (!::FlushFileBuffers(file))
        return Failed(path, "the file could not be flushed");
    return {CWorkbookStatus::Done, path, 0, {}};
}

std::wstring SystemMessage(DWORD error)
{
    wchar_t* text = nullptr;
    DWORD length = ::FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                        FORMAT_MESSAGE_IGNORE_INSERTS,
                                    nullptr, error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::wstring message = length ? std::wstring(text, length) : L"#" + std::to_wstring(error);
    ::LocalFree(text);
    return message;
}

} // namespace

CWorkbookOutcome CWorkbookFile::SaveWorkbook(const CString& path, std::span<const CPageToSave> pages,
                                             const CString& version, const CHeaderFlags& flags)
{
    CSaveTarget target = ChooseSaveTarget(path);
    const std::optional<std::wstring> name = SystemFileName(target.path);
    if (!name)
        return NotAName(path);
    const std::wstring& wideTarget = *name;
    // A file that may not be written is refused before anything is written, as opening it would be.
    DWORD attributes = ::GetFileAttributesW(wideTarget.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES &&
        (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)))
        return NotOpened(target.path, ERROR_ACCESS_DENIED);
    std::wstring folder = FolderOf(wideTarget);
    wchar_t temporary[MAX_PATH] = {};
    if (folder.empty() || !::GetTempFileNameW(folder.c_str(), L"nvk", 0, temporary))
        return NotOpened(target.path, ::GetLastError());

    TemporaryFile written(temporary);
    CWorkbookOutcome outcome;
    if (FileHandle file = Open(temporary, GENERIC_WRITE, TRUNCATE_EXISTING, FILE_ATTRIBUTE_NORMAL))
        outcome = WriteInto(file.get(), target.path, pages, version, target.extension, flags);
    else
        outcome = NotOpened(target.path, ::GetLastError());
    if (outcome.Succeeded() && !written.MoveTo(wideTarget))
        outcome = NotOpened(target.path, ::GetLastError());
    return outcome;
}

CWorkbookOutcome CWorkbookFile::LoadWorkbook(const CString& path, std::vector<CLoadedPage>& pages)
{
    const std::optional<std::wstring> name = SystemFileName(path);
    if (!name)
        return NotAName(path);
    FileHandle file = Open(*name, GENERIC_READ, OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN);
    if (!file)
        return NotOpened(path, ::GetLastError());
    std::string why;
    CReadResult result = CReadResult::Refused;
    try {
        CArchiveReader in(file.get());
        result = ReadWorkbook(in, pages, &why);
    } catch (const CArchiveError& error) {
        why = error.what();
    } catch (const std::bad_alloc&) {
        why = "out of memory";
    }
    switch (result) {
    case CReadResult::Read:
        return {CWorkbookStatus::Done, path, 0, {}};
    case CReadResult::UnknownFormat:
        return {CWorkbookStatus::UnknownFormat, path, 0, {}};
    case CReadResult::NegativePageCount:
        return {CWorkbookStatus::NegativePageCount, path, 0, {}};
    case CReadResult::Refused:
        break;
    }
    return Failed(path, why);
}

void CWorkbookFile::ReportFailure(HWND owner, const CWorkbookOutcome& outcome)
{
    switch (outcome.status) {
    case CWorkbookStatus::Done:
    case CWorkbookStatus::NegativePageCount:
        return;
    case CWorkbookStatus::NotOpened:
        ModalUI::ShowMessage(owner, outcome.path + "\n" + CString::FromWide(SystemMessage(outcome.osError)),
                             CString(), MB_OK);
        return;
    case CWorkbookStatus::UnknownFormat:
        ModalUI::ShowMessage(owner, kUnknownFormat, kWarning, MB_ICONERROR);
        return;
    case CWorkbookStatus::Failed:
        ModalUI::ShowMessage(owner, kSaveFailed, CString(), 0);
        return;
    }
}
