// The byte archive: every field at its width in little-endian order, the three string forms with
// their boundaries, and a reader that refuses lengths and counts the data cannot hold.

#include "framework/Archive.h"
#include "tests/support/AllocationProbe.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<uint8_t>;

Bytes Written(const std::function<void(CArchiveWriter&)>& write)
{
    CArchiveWriter out;
    write(out);
    return out.TakeBytes();
}

// The prefix followed by that many bytes of text.
Bytes WithData(Bytes prefix, size_t size)
{
    prefix.resize(prefix.size() + size, 'a');
    return prefix;
}

std::wstring TempFile(const wchar_t* name)
{
    wchar_t dir[MAX_PATH];
    ::GetTempPathW(MAX_PATH, dir);
    return std::wstring(dir) + name;
}

struct FileHandle
{
    HANDLE h;
    explicit FileHandle(HANDLE handle) : h(handle) {}
    ~FileHandle()
    {
        if (h != INVALID_HANDLE_VALUE)
            ::CloseHandle(h);
    }
};

} // namespace

TEST(Archive, FieldsHaveTheirWidthInLittleEndianOrder)
{
    struct Case
    {
        const char* name;
        std::function<void(CArchiveWriter&)> write;
        Bytes want;
    } cases[] = {
        {"int", [](CArchiveWriter& o) { o.WriteInt(-2); }, {0xFE, 0xFF, 0xFF, 0xFF}},
        {"colour", [](CArchiveWriter& o) { o.WriteInt(int32_t(0xFF000000u)); }, {0, 0, 0, 0xFF}},
        {"short", [](CArchiveWriter& o) { o.WriteShort(uint16_t(0x1234)); }, {0x34, 0x12}},
        {"byte", [](CArchiveWriter& o) { o.WriteByte(uint8_t(0xA5)); }, {0xA5}},
        {"double", [](CArchiveWriter& o) { o.WriteDouble(-2.5); }, {0, 0, 0, 0, 0, 0, 0x04, 0xC0}},
        {"size pair",
         [](CArchiveWriter& o) {
             o.WriteSize(SIZE{1, -1});
         },
         {1, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF}},
        {"rect",
         [](CArchiveWriter& o) {
             o.WriteRect(RECT{1, 2, 0x300, -4});
         },
         {1, 0, 0, 0, 2, 0, 0, 0, 0, 3, 0, 0, 0xFC, 0xFF, 0xFF, 0xFF}},
        {"string", [](CArchiveWriter& o) { o.WriteString(CString("页1")); }, {3, 0xD2, 0xB3, '1'}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Written(c.write), c.want) << c.name;

    Bytes all = Written([](CArchiveWriter& o) {
        o.WriteInt(-2), o.WriteShort(uint16_t(0x1234)), o.WriteByte(uint8_t(7)), o.WriteDouble(-2.5),
            o.WriteRect(RECT{1, 2, 3, 4});
    });
    CArchiveReader in(all.data(), all.size());
    EXPECT_EQ(in.ReadInt(), -2);
    EXPECT_EQ(in.ReadShort(), 0x1234);
    EXPECT_EQ(in.ReadByte(), 7);
    EXPECT_EQ(in.ReadDouble(), -2.5);
    RECT r = in.ReadRect();
    EXPECT_EQ(r.left + r.top * 10 + r.right * 100 + r.bottom * 1000, 4321);
    EXPECT_EQ(in.Remaining(), 0u);
}

TEST(Archive, StringLengthPrefixAtItsBoundaries)
{
    struct Case
    {
        size_t length;
        Bytes prefix;
    } cases[] = {
        {0, {0x00}},
        {1, {0x01}},
        {254, {0xFE}},
        {255, {0xFF, 0xFF, 0x00}},
        {256, {0xFF, 0x00, 0x01}},
        {0xFFFD, {0xFF, 0xFD, 0xFF}},
        {0xFFFE, {0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00}},
        {0xFFFF, {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00}},
        {0x10000, {0xFF, 0xFF, 0xFF, 0x00, 0x00, 0x01, 0x00}},
    };
    for (const Case& c : cases) {
        std::string text(c.length, 'x');
        if (!text.empty())
            text.back() = 'y';
        Bytes bytes = Written([&](CArchiveWriter& o) { o.WriteString(text.data(), text.size()); });
        ASSERT_EQ(bytes.size(), c.prefix.size() + c.length) << c.length;
        EXPECT_EQ(Bytes(bytes.begin(), bytes.begin() + std::ptrdiff_t(c.prefix.size())), c.prefix)
            << c.length;

        CArchiveReader in(bytes.data(), bytes.size());
        std::string back;
        in.ReadString(back);
        EXPECT_EQ(back, text) << c.length;
        EXPECT_EQ(in.Remaining(), 0u) << c.length;
    }
}

TEST(Archive, ReaderRefusesWhatTheDataCannotHold)
{
    auto refused = [](const Bytes& bytes, const std::function<void(CArchiveReader&)>& read) {
        CArchiveReader in(bytes.data(), bytes.size());
        try {
            read(in);
        } catch (const CArchiveError&) {
            return true;
        }
        return false;
    };
    auto readString = [](CArchiveReader& in) { in.ReadString(); };
    struct Case
    {
        const char* name;
        Bytes bytes;
        std::function<void(CArchiveReader&)> read;
        bool refused;
    } cases[] = {
        {"int from three bytes", {1, 2, 3}, [](CArchiveReader& in) { in.ReadInt(); }, true},
        {"double from seven bytes", {1, 2, 3, 4, 5, 6, 7}, [](CArchiveReader& in) { in.ReadDouble(); }, true},
        {"short string cut", {3, 'a', 'b'}, readString, true},
        {"16-bit length cut", {0xFF, 0x10}, readString, true},
        {"16-bit length beyond the data", {0xFF, 0x00, 0x01, 'a'}, readString, true},
        {"16-bit 0xFFFE is no length", WithData({0xFF, 0xFE, 0xFF}, 0xFFFE), readString, true},
        {"16-bit 0xFFFD is a length", WithData({0xFF, 0xFD, 0xFF}, 0xFFFD), readString, false},
        {"32-bit length beyond the data", {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F, 'a'}, readString, true},
        {"32-bit length that fits", {0xFF, 0xFF, 0xFF, 0x01, 0, 0, 0, 'a'}, readString, false},
        {"string above its maximum",
         {4, 'a', 'b', 'c', 'd'},
         [](CArchiveReader& in) { in.ReadString(3); },
         true},
        {"string at its maximum", {3, 'a', 'b', 'c'}, [](CArchiveReader& in) { in.ReadString(3); }, false},
        {"count of ints beyond the data",
         {3, 0, 0, 0, 1, 0, 0, 0, 2, 0, 0, 0},
         [](CArchiveReader& in) { in.ReadCount(4); },
         true},
        {"count of ints that fit",
         {2, 0, 0, 0, 1, 0, 0, 0, 2, 0, 0, 0},
         [](CArchiveReader& in) { in.ReadCount(4); },
         false},
        {"count above its limit", {2, 0, 0, 0, 0, 0}, [](CArchiveReader& in) { in.ReadCount(1, 1); }, true},
        {"huge count", {0xFF, 0xFF, 0xFF, 0x7F}, [](CArchiveReader& in) { in.ReadCount(1); }, true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(refused(c.bytes, c.read), c.refused) << c.name;

    // A length the data cannot hold is refused before anything is allocated for it.
    Bytes huge = {0xFF, 0xFF, 0xFF, 0xF0, 0xFF, 0xFF, 0x7F, 'a', 'b'};
    AllocationProbe::ResetLargest();
    EXPECT_TRUE(refused(huge, readString));
    EXPECT_LT(AllocationProbe::Largest(), 4096u);

    Bytes negative = {0xFF, 0xFF, 0xFF, 0xFF};
    CArchiveReader in(negative.data(), negative.size());
    EXPECT_EQ(in.ReadCount(4), 0u) << "a negative count reads as none";
}

TEST(Archive, FileWriterAndReaderAgreeWithMemoryAcrossBufferBoundaries)
{
    // Enough fields to cross the buffers many times, with strings straddling their edges.
    auto write = [](CArchiveWriter& o) {
        for (int i = 0; i < 20000; ++i) {
            o.WriteInt(i * 7919);
            o.WriteByte(uint8_t(i));
            o.WriteString(std::string(size_t(i % 300), char('a' + i % 26)).c_str(), size_t(i % 300));
            o.WriteDouble(i / 3.0);
        }
    };
    Bytes memory = Written(write);

    std::wstring path = TempFile(L"norvak_archive_test.bin");
    {
        FileHandle file(::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
        ASSERT_NE(file.h, INVALID_HANDLE_VALUE);
        CArchiveWriter out(file.h);
        write(out);
        out.Flush();
        EXPECT_EQ(out.Position(), memory.size());
    }
    FileHandle file(::CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    ASSERT_NE(file.h, INVALID_HANDLE_VALUE);
    Bytes onDisk(memory.size());
    DWORD got = 0;
    ASSERT_TRUE(::ReadFile(file.h, onDisk.data(), DWORD(onDisk.size()), &got, nullptr));
    EXPECT_EQ(got, memory.size());
    EXPECT_EQ(onDisk, memory);

    LARGE_INTEGER start{};
    ::SetFilePointerEx(file.h, start, nullptr, FILE_BEGIN);
    CArchiveReader in(file.h);
    EXPECT_EQ(in.Remaining(), memory.size());
    for (int i = 0; i < 20000; ++i) {
        ASSERT_EQ(in.ReadInt(), i * 7919);
        ASSERT_EQ(in.ReadByte(), uint8_t(i));
        ASSERT_EQ(in.ReadString().GetLength(), i % 300);
        ASSERT_EQ(in.ReadDouble(), i / 3.0);
    }
    EXPECT_EQ(in.Remaining(), 0u);
    EXPECT_THROW(in.ReadByte(), CArchiveError);
    ::CloseHandle(file.h);
    file.h = INVALID_HANDLE_VALUE;
    ::DeleteFileW(path.c_str());
}

TEST(Archive, PatchRewritesAnIntWrittenEarlier)
{
    // Far enough behind for the file writer to have written it out already.
    auto write = [](CArchiveWriter& o) {
        o.WriteInt(0);
        o.WriteByte(uint8_t(1));
        o.WriteInt(0);
        for (int i = 0; i < 40000; ++i)
            o.WriteInt(i);
        o.WriteInt(0);
        o.PatchInt(0, 0x11223344);
        o.PatchInt(5, -2);
        o.PatchInt(o.Position() - 4, 7);
        EXPECT_THROW(o.PatchInt(o.Position() - 3, 7), CArchiveError);
    };
    Bytes memory = Written(write);
    ASSERT_EQ(memory.size(), 4 + 1 + 4 + 160000 + 4u);
    EXPECT_EQ(Bytes(memory.begin(), memory.begin() + 9),
              (Bytes{0x44, 0x33, 0x22, 0x11, 1, 0xFE, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(Bytes(memory.end() - 4, memory.end()), (Bytes{7, 0, 0, 0}));

    std::wstring path = TempFile(L"norvak_archive_patch.bin");
    FileHandle file(
        ::CreateFileW(path.c_str(), GENERIC_WRITE | GENERIC_READ, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    ASSERT_NE(file.h, INVALID_HANDLE_VALUE);
    CArchiveWriter out(file.h);
    write(out);
    out.Flush();
    Bytes onDisk(memory.size() + 1);
    DWORD got = 0;
    LARGE_INTEGER start{};
    ::SetFilePointerEx(file.h, start, nullptr, FILE_BEGIN);
    ASSERT_TRUE(::ReadFile(file.h, onDisk.data(), DWORD(onDisk.size()), &got, nullptr));
    onDisk.resize(got);
    EXPECT_EQ(onDisk, memory);
    ::CloseHandle(file.h);
    file.h = INVALID_HANDLE_VALUE;
    ::DeleteFileW(path.c_str());
}

TEST(Archive, WriteFailureThrows)
{
    std::wstring path = TempFile(L"norvak_archive_readonly.bin");
    FileHandle create(::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    ::CloseHandle(create.h);
    create.h = INVALID_HANDLE_VALUE;
    FileHandle file(::CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    ASSERT_NE(file.h, INVALID_HANDLE_VALUE);
    CArchiveWriter out(file.h);
    out.WriteInt(1);
    EXPECT_THROW(out.Flush(), CArchiveError);
    ::CloseHandle(file.h);
    file.h = INVALID_HANDLE_VALUE;
    ::DeleteFileW(path.c_str());
}
