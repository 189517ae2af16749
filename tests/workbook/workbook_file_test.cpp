// The workbook file on disk: saves replace the old file only when the new one is complete, loads
// and their failures, and the messages each failure shows.

#include "framework/Application.h"
#include "tests/support/AllocationProbe.h"
#include "tests/support/ModalDriver.h"
#include "tests/workbook/TempFolder.h"
#include "tests/workbook/WorkbookSamples.h"
#include "workbook/WorkbookFile.h"

#include <set>

namespace {

struct SampleWorkbook
{
    SamplePage page{"报表", 12, 8};
    SampleWorkbook() { FillSample(page); }
    CPageToSave pages[1] = {page.ToSave()};
};

} // namespace

TEST(WorkbookFile, SaveWritesTheBytesUnderTheChosenNameAndLeavesNothingElse)
{
    TempFolder folder;
    SampleWorkbook book;
    struct Case
    {
        const wchar_t* given;
        const wchar_t* written;
        const char* extension;
    } cases[] = {
        {L"a.txt", L"a.txt.nvk", ".nvk"},
        {L"b.NOR", L"b.NOR", ".nor"},
        {L"报表.fcs", L"报表.fcs", ".fcs"},
    };
    for (const Case& c : cases) {
        CWorkbookOutcome outcome =
            CWorkbookFile::SaveWorkbook(folder.Path(c.given), book.pages, "V1.0.0.1", {1, 1});
        ASSERT_TRUE(outcome.Succeeded()) << outcome.path.str() << " " << outcome.osError;
        EXPECT_EQ(outcome.path, folder.Path(c.written));
        EXPECT_EQ(ReadFile(folder.Path(c.written)), SaveBytes(book.pages, {1, 1}, c.extension));
    }
    EXPECT_EQ(folder.Files(), (std::set<std::wstring>{L"a.txt.nvk", L"b.NOR", L"报表.fcs"}));

    std::vector<CLoadedPage> pages;
    ASSERT_TRUE(CWorkbookFile::LoadWorkbook(folder.Path(L"b.NOR"), pages).Succeeded());
    ASSERT_EQ(pages.size(), 1u);
    SamplePage back(std::move(pages[0]));
    EXPECT_EQ(PageDifference(book.page, back), "");
}

TEST(WorkbookFile, AFailedSaveKeepsThePreviousFile)
{
    TempFolder folder;
    SampleWorkbook book;
    const std::vector<uint8_t> previous = {1, 2, 3, 4};
    CString target = folder.Path(L"old.nvk");
    CString readOnly = folder.Path(L"locked.nvk");
    WriteFile(target, previous);
    WriteFile(readOnly, previous);
    ::SetFileAttributesW(readOnly.ToWide().c_str(), FILE_ATTRIBUTE_READONLY);

    CWorkbookOutcome locked = CWorkbookFile::SaveWorkbook(readOnly, book.pages, "V1.0.0.1", {});
    EXPECT_EQ(locked.status, CWorkbookStatus::NotOpened);
    EXPECT_NE(locked.osError, 0u);
    EXPECT_EQ(ReadFile(readOnly), previous);

    // Saves that run out of memory at each allocation in turn, some after the temporary file was
    // made, until one completes.
    bool failedHalfWay = false;
    for (long long step = 0;; ++step) {
        AllocationProbe::FailAllocation(step);
        CWorkbookStatus status = CWorkbookStatus::Failed;
        try {
            status = CWorkbookFile::SaveWorkbook(target, book.pages, "V1.0.0.1", {}).status;
        } catch (const std::bad_alloc&) {
        }
        const bool failed = AllocationProbe::Failed();
        AllocationProbe::FailAllocation(-1);
        if (!failed) {
            EXPECT_EQ(status, CWorkbookStatus::Done);
            break;
        }
        failedHalfWay |= status == CWorkbookStatus::Failed;
        ASSERT_EQ(ReadFile(target), previous) << "allocation " << step;
        ASSERT_EQ(folder.Files(), (std::set<std::wstring>{L"old.nvk", L"locked.nvk"}))
            << "no temporary file is left, allocation " << step;
    }
    EXPECT_TRUE(failedHalfWay);
    EXPECT_NE(ReadFile(target), previous);

    CWorkbookOutcome noFolder =
        CWorkbookFile::SaveWorkbook(folder.Path(L"missing\\x.nvk"), book.pages, "V1.0.0.1", {});
    EXPECT_EQ(noFolder.status, CWorkbookStatus::NotOpened);
}

TEST(WorkbookFile, LoadFailuresHandOutNoPage)
{
    TempFolder folder;
    SampleWorkbook book;
    std::vector<uint8_t> good = SaveBytes(book.pages);
    std::vector<uint8_t> cut(good.begin(), good.begin() + std::ptrdiff_t(good.size() / 2));
    std::vector<uint8_t> foreign = SaveBytes(book.pages, {}, ".txt");
    std::vector<uint8_t> negative = SaveBytes({});
    negative[14] = 0xFF, negative[15] = 0xFF, negative[16] = 0xFF, negative[17] = 0xFF;
    WriteFile(folder.Path(L"cut.nvk"), cut);
    WriteFile(folder.Path(L"foreign.nvk"), foreign);
    WriteFile(folder.Path(L"negative.nvk"), negative);
    struct Case
    {
        const wchar_t* name;
        CWorkbookStatus status;
    } cases[] = {
        {L"absent.nvk", CWorkbookStatus::NotOpened},
        {L"cut.nvk", CWorkbookStatus::Failed},
        {L"foreign.nvk", CWorkbookStatus::UnknownFormat},
        {L"negative.nvk", CWorkbookStatus::NegativePageCount},
    };
    for (const Case& c : cases) {
        std::vector<CLoadedPage> pages(1);
        EXPECT_EQ(CWorkbookFile::LoadWorkbook(folder.Path(c.name), pages).status, c.status);
        EXPECT_EQ(pages.size(), 1u);
    }
}

namespace {

CWorkbookOutcome Outcome(CWorkbookStatus status, const char* path, DWORD error = 0)
{
    CWorkbookOutcome outcome;
    outcome.status = status;
    outcome.path = path;
    outcome.osError = error;
    return outcome;
}

// The message boxes shown since the last call, as "text|caption|type".
std::vector<std::wstring> TakeMessages(ModalDriver& modal)
{
    std::vector<std::wstring> texts;
    for (const ModalDriver::Seen& seen : modal.SeenOf(ModalRequest::MessageBox))
        texts.push_back(seen.text + L"|" + seen.caption + L"|" + std::to_wstring(seen.type));
    modal.seen.clear();
    return texts;
}

} // namespace

// The failures that name no caption of their own show the program's title.
TEST(WorkbookFile, EachFailureShowsItsMessage)
{
    ModalDriver modal;
    const std::wstring program = Application::Title().ToWide();
    struct Case
    {
        CWorkbookOutcome outcome;
        std::wstring message; // empty: no message
    } cases[] = {
        {Outcome(CWorkbookStatus::Done, "a.nvk"), L""},
        {Outcome(CWorkbookStatus::NegativePageCount, "a.nvk"), L""},
        {Outcome(CWorkbookStatus::Failed, "a.nvk"), L"保存文件失败!|" + program + L"|0"},
        {Outcome(CWorkbookStatus::UnknownFormat, "a.nvk"), L"无法识别的文件格式!|警告|16"},
    };
    for (const Case& c : cases) {
        CWorkbookFile::ReportFailure(nullptr, c.outcome);
        if (!c.message.empty())
            EXPECT_EQ(TakeMessages(modal), std::vector<std::wstring>{c.message});
        else
            EXPECT_TRUE(TakeMessages(modal).empty());
    }
    CWorkbookFile::ReportFailure(nullptr,
                                 Outcome(CWorkbookStatus::NotOpened, "报表.nvk", ERROR_ACCESS_DENIED));
    const std::vector<std::wstring> messages = TakeMessages(modal);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].rfind(L"报表.nvk\n", 0), 0u) << "the message names the file";
    const std::wstring ending = L"|" + program + L"|0";
    ASSERT_GT(messages[0].size(), std::wstring(L"报表.nvk\n").size() + ending.size()) << "and says why";
    EXPECT_EQ(messages[0].substr(messages[0].size() - ending.size()), ending);
}
