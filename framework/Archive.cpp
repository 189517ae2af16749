#include "framework/Archive.h"

#include <algorithm>
#include <climits>
#include <cstring>

namespace {

// Large enough that a file costs few calls into the system, small enough to stay in the cache.
constexpr size_t kFileBufferSize = 1024 * 1024;
constexpr size_t kMemoryStartSize = 4 * 1024;
constexpr uint8_t kLongString = 0xFF;
constexpr uint16_t kLongerString = 0xFFFF;
// A 16-bit length of this value is never written: the 32-bit form starts there.
constexpr uint16_t kFirstLongerLength = 0xFFFE;

} // namespace

// ---- writer ----

CArchiveWriter::CArchiveWriter() : m_buffer(kMemoryStartSize) {}

CArchiveWriter::CArchiveWriter(HANDLE file) : m_file(file), m_buffer(kFileBufferSize) {}

void CArchiveWriter::MakeRoom(size_t size)
{
    if (!m_file) {
        m_buffer.resize(std::max(m_buffer.size() * 2, m_used + size));
        return;
    }
    Flush();
    if (m_buffer.size() < size)
        m_buffer.resize(size);
}

void CArchiveWriter::Flush()
{
    if (!m_file)
        return;
    const uint8_t* next = m_buffer.data();
    size_t left = m_used;
    while (left > 0) {
        DWORD written = 0;
        DWORD chunk = DWORD(std::min<size_t>(left, 1u << 30));
        if (!::WriteFile(m_file, next, chunk, &written, nullptr) || written == 0)
            throw CArchiveError("the file could not be written");
        next += written;
        left -= written;
    }
    m_flushed += m_used;
    m_used = 0;
}

void CArchiveWriter::PatchInt(uint64_t position, int32_t value)
{
    if (position + 4 > Position())
        throw CArchiveError("a patch past the end of what was written");
    if (position >= m_flushed) {
        StoreLE(m_buffer.data() + (position - m_flushed), uint32_t(value), 4);
        return;
    }
    Flush();
    uint8_t bytes[4];
    StoreLE(bytes, uint32_t(value), 4);
    LARGE_INTEGER at{}, end{};
    at.QuadPart = LONGLONG(position);
    end.QuadPart = LONGLONG(m_flushed);
    DWORD written = 0;
    if (!::SetFilePointerEx(m_file, at, nullptr, FILE_BEGIN) ||
        !::WriteFile(m_file, bytes, sizeof bytes, &written, nullptr) || written != sizeof bytes ||
        !::SetFilePointerEx(m_file, end, nullptr, FILE_BEGIN))
        throw CArchiveError("the file could not be written");
}

std::vector<uint8_t> CArchiveWriter::TakeBytes()
{
    m_buffer.resize(m_used);
    m_buffer.shrink_to_fit();
    m_used = 0;
    return std::move(m_buffer);
}

void CArchiveWriter::WriteDouble(double value)
{
    uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    StoreLE(Room(4), uint32_t(bits), 4);
    StoreLE(Room(4), uint32_t(bits >> 32), 4);
}

void CArchiveWriter::WriteSize(const SIZE& size)
{
    WriteInt(int32_t(size.cx));
    WriteInt(int32_t(size.cy));
}

void CArchiveWriter::WriteRect(const RECT& rect)
{
    WriteInt(int32_t(rect.left));
    WriteInt(int32_t(rect.top));
    WriteInt(int32_t(rect.right));
    WriteInt(int32_t(rect.bottom));
}

void CArchiveWriter::WriteString(const char* text, size_t length)
{
    if (length < kLongString) {
        WriteByte(uint8_t(length));
    } else if (length < kFirstLongerLength) {
        WriteByte(kLongString);
        WriteShort(uint16_t(length));
    } else {
        if (length > UINT32_MAX)
            throw CArchiveError("a string is too long to be stored");
        WriteByte(kLongString);
        WriteShort(kLongerString);
        WriteInt(int32_t(uint32_t(length)));
    }
    WriteBytes(text, length);
}

void CArchiveWriter::WriteBytes(const void* data, size_t size)
{
    const uint8_t* next = static_cast<const uint8_t*>(data);
    while (size > 0) {
        size_t chunk = m_file ? std::min(size, kFileBufferSize) : size;
        std::memcpy(Room(chunk), next, chunk);
        next += chunk;
        size -= chunk;
    }
}

// ---- reader ----

CArchiveReader::CArchiveReader(const void* data, size_t size)
    : m_next(static_cast<const uint8_t*>(data)), m_end(m_next + size)
{
}

CArchiveReader::CArchiveReader(HANDLE file) : m_file(file)
{
    LARGE_INTEGER size{}, position{}, zero{};
    if (!::GetFileSizeEx(file, &size) || !::SetFilePointerEx(file, zero, &position, FILE_CURRENT))
        Fail("the file could not be read");
    m_fileLeft = uint64_t(std::max<LONGLONG>(size.QuadPart - position.QuadPart, 0));
    // No larger than the file: a small file is not given a large buffer.
    m_buffer.resize(size_t(std::clamp<uint64_t>(m_fileLeft, kMaxFieldsBytes, kFileBufferSize)));
    m_next = m_end = m_buffer.data();
}

void CArchiveReader::Fail(const char* what)
{
    throw CArchiveError(what);
}

void CArchiveReader::Refill(size_t size)
{
    size_t kept = size_t(m_end - m_next);
    if (!m_file || kept + m_fileLeft < size || size > m_buffer.size())
        Fail("the data end early");
    std::memmove(m_buffer.data(), m_next, kept);
    size_t wanted = size_t(std::min<uint64_t>(m_buffer.size() - kept, m_fileLeft));
    DWORD got = 0;
    if (!::ReadFile(m_file, m_buffer.data() + kept, DWORD(wanted), &got, nullptr) || got != wanted)
        Fail("the file could not be read");
    m_fileLeft -= got;
    m_next = m_buffer.data();
    m_end = m_next + kept + got;
}

double CArchiveReader::ReadDouble()
{
    uint64_t low = uint32_t(ReadInt());
    uint64_t bits = low | uint64_t(uint32_t(ReadInt())) << 32;
    double value = 0;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

SIZE CArchiveReader::ReadSize()
{
    SIZE size;
    size.cx = ReadInt();
    size.cy = ReadInt();
    return size;
}

RECT CArchiveReader::ReadRect()
{
    RECT rect;
    rect.left = ReadInt();
    rect.top = ReadInt();
    rect.right = ReadInt();
    rect.bottom = ReadInt();
    return rect;
}

void CArchiveReader::ReadString(std::string& text, size_t maxLength)
{
    size_t length = ReadByte();
    if (length == kLongString) {
        length = ReadShort();
        if (length == kFirstLongerLength)
            Fail("a string length of unknown form");
        if (length == kLongerString)
            length = uint32_t(ReadInt());
    }
    if (length > maxLength || length > Remaining() || length > size_t(INT_MAX))
        Fail("a string longer than its place allows");
    if (size_t(m_end - m_next) >= length) {
        text.assign(reinterpret_cast<const char*>(m_next), length);
        m_next += length;
        return;
    }
    text.resize(length);
    ReadBytes(text.data(), length);
}

CString CArchiveReader::ReadString(size_t maxLength)
{
    std::string text;
    ReadString(text, maxLength);
    return CString(std::move(text));
}

void CArchiveReader::ReadBytes(void* data, size_t size)
{
    if (size > Remaining())
        Fail("the data end early");
    uint8_t* next = static_cast<uint8_t*>(data);
    while (size > 0) {
        if (m_next == m_end)
            Refill(1);
        size_t chunk = std::min(size, size_t(m_end - m_next));
        std::memcpy(next, m_next, chunk);
        m_next += chunk;
        next += chunk;
        size -= chunk;
    }
}

void CArchiveReader::Skip(size_t size)
{
    if (size > Remaining())
        Fail("the data end early");
    while (size > 0) {
        if (m_next == m_end)
            Refill(1);
        size_t chunk = std::min(size, size_t(m_end - m_next));
        m_next += chunk;
        size -= chunk;
    }
}

size_t CArchiveReader::ReadCount(size_t elementBytes, size_t limit)
{
    int32_t stored = ReadInt();
    if (stored <= 0)
        return 0;
    size_t count = size_t(stored);
    if (count > limit || (elementBytes > 0 && count > Remaining() / elementBytes))
        Fail("a count larger than the data allow");
    return count;
}
