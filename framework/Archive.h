#pragma once

// Fields of an explicit width in little-endian byte order, written and read one after another with
// no alignment and no padding: the building blocks of the control's own files. Nothing is stored
// as the bytes of a structure, so a file is the same from the 32-bit and the 64-bit build.
//
// A string is its code page 936 bytes, no terminator, behind a length prefix: one byte for a
// length below 255; byte 0xFF and a 16-bit length below 0xFFFE; otherwise byte 0xFF, 16-bit 0xFFFF
// and a 32-bit length.
//
// The reader trusts no length and no count it reads: each is checked against the bytes that remain
// before anyone allocates for it. Every failure (the data end early, a length or count that cannot
// be right, a file that cannot be read or written) throws CArchiveError.
//
// Ownership: a writer or reader over a file uses the caller's handle and never closes it.

#include "framework/CString.h"

#include <windows.h>

#include <bit>
#include <cstdint>
#include <cstring>
#include <stdexcept>
#include <string>
#include <vector>

class CArchiveError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// Every Windows target stores integers little-endian, so a field is moved as one load or store.
static_assert(std::endian::native == std::endian::little);

namespace ArchiveBytes {
inline void Store(uint8_t* at, uint32_t value, int width)
{
    std::memcpy(at, &value, size_t(width));
}
inline uint32_t Load(const uint8_t* at, int width)
{
    uint32_t value = 0;
    std::memcpy(&value, at, size_t(width));
    return value;
}
} // namespace ArchiveBytes

// Fixed-width fields written into one run of bytes the writer made room for once, so a record of
// many small fields costs one check instead of one per field. Fill the run whole before the next
// write to the writer; writing past it throws.
class CArchiveFieldsOut
{
public:
    void Int(int32_t value) { Put(uint32_t(value), 4); }
    void Short(uint16_t value) { Put(value, 2); }
    void Byte(uint8_t value) { Put(value, 1); }
    template <class T> void Int(T) = delete;
    template <class T> void Short(T) = delete;
    template <class T> void Byte(T) = delete;

private:
    friend class CArchiveWriter;
    CArchiveFieldsOut(uint8_t* at, size_t size) : m_at(at), m_end(at + size) {}
    void Put(uint32_t value, int width)
    {
        if (m_end - m_at < width)
            throw CArchiveError("a field past its record");
        ArchiveBytes::Store(m_at, value, width);
        m_at += width;
    }

    uint8_t* m_at;
    uint8_t* m_end;
};

class CArchiveWriter
{
public:
    // Into memory.
    CArchiveWriter();
    // Through a buffer into a file opened for writing; call Flush before closing the file.
    explicit CArchiveWriter(HANDLE file);
    CArchiveWriter(const CArchiveWriter&) = delete;
    CArchiveWriter& operator=(const CArchiveWriter&) = delete;

    void WriteInt(int32_t value) { StoreLE(Room(4), uint32_t(value), 4); }
    void WriteShort(uint16_t value) { StoreLE(Room(2), value, 2); }
    void WriteByte(uint8_t value) { *Room(1) = value; }
    void WriteDouble(double value);
    void WriteSize(const SIZE& size);
    void WriteRect(const RECT& rect);
    void WriteString(const char* text, size_t length);
    void WriteString(const CString& text) { WriteString(text.GetString(), size_t(text.GetLength())); }
    void WriteBytes(const void* data, size_t size);
    // Room for the next size bytes as fields; size at most kMaxFieldsBytes.
    static constexpr size_t kMaxFieldsBytes = 4096;
    CArchiveFieldsOut WriteFields(size_t size) { return CArchiveFieldsOut(Room(size), size); }

    // Only the exact type: a flag, a long or a size_t says explicitly which width it takes.
    template <class T> void WriteInt(T) = delete;
    template <class T> void WriteShort(T) = delete;
    template <class T> void WriteByte(T) = delete;

    // Rewrites an int written earlier at that position, for a count known only after what it counts.
    void PatchInt(uint64_t position, int32_t value);

    // Writes out what the buffer holds (file mode).
    void Flush();
    // Bytes written so far.
    uint64_t Position() const { return m_flushed + m_used; }
    // What a writer into memory holds.
    std::vector<uint8_t> TakeBytes();

private:
    static void StoreLE(uint8_t* at, uint32_t value, int width) { ArchiveBytes::Store(at, value, width); }
    uint8_t* Room(size_t size)
    {
        if (m_buffer.size() - m_used < size)
            MakeRoom(size);
        uint8_t* at = m_buffer.data() + m_used;
        m_used += size;
        return at;
    }
    void MakeRoom(size_t size);

    HANDLE m_file = nullptr;
    std::vector<uint8_t> m_buffer;
    size_t m_used = 0;
    uint64_t m_flushed = 0;
};

// Fixed-width fields read from one run of bytes that the reader checked against the data once, so
// a record of many small fields costs one check instead of one per field. Reading past the run
// throws as reading past the data does.
class CArchiveFields
{
public:
    int32_t Int() { return int32_t(Take(4)); }
    uint16_t Short() { return uint16_t(Take(2)); }
    uint8_t Byte() { return uint8_t(Take(1)); }

private:
    friend class CArchiveReader;
    CArchiveFields(const uint8_t* at, size_t size) : m_at(at), m_end(at + size) {}
    uint32_t Take(int width)
    {
        if (m_end - m_at < width)
            throw CArchiveError("a field past its record");
        const uint32_t value = ArchiveBytes::Load(m_at, width);
        m_at += width;
        return value;
    }

    const uint8_t* m_at;
    const uint8_t* m_end;
};

class CArchiveReader
{
public:
    // Over bytes the caller keeps alive.
    CArchiveReader(const void* data, size_t size);
    // From the file's current position to its end, through a buffer.
    explicit CArchiveReader(HANDLE file);
    CArchiveReader(const CArchiveReader&) = delete;
    CArchiveReader& operator=(const CArchiveReader&) = delete;

    int32_t ReadInt() { return int32_t(LoadLE(Take(4), 4)); }
    uint16_t ReadShort() { return uint16_t(LoadLE(Take(2), 2)); }
    uint8_t ReadByte() { return *Take(1); }
    double ReadDouble();
    SIZE ReadSize();
    RECT ReadRect();
    // Refused when the stored length is above maxLength.
    void ReadString(std::string& text, size_t maxLength = SIZE_MAX);
    CString ReadString(size_t maxLength = SIZE_MAX);
    void ReadBytes(void* data, size_t size);
    void Skip(size_t size);
    // The next size bytes as fields; size at most kMaxFieldsBytes.
    static constexpr size_t kMaxFieldsBytes = 4096;
    CArchiveFields ReadFields(size_t size) { return CArchiveFields(Take(size), size); }

    // A count stored as an int, of elements that take at least elementBytes each in the file: a
    // negative count reads as none; a count above limit, or one whose elements could not fit in
    // what remains, is refused.
    size_t ReadCount(size_t elementBytes, size_t limit = SIZE_MAX);

    uint64_t Remaining() const { return uint64_t(m_end - m_next) + m_fileLeft; }

    [[noreturn]] static void Fail(const char* what);

private:
    static uint32_t LoadLE(const uint8_t* at, int width) { return ArchiveBytes::Load(at, width); }
    const uint8_t* Take(size_t size)
    {
        if (size_t(m_end - m_next) < size)
            Refill(size);
        const uint8_t* at = m_next;
        m_next += size;
        return at;
    }
    // Makes at least size bytes available at m_next (size at most the buffer's size).
    void Refill(size_t size);

    HANDLE m_file = nullptr;
    uint64_t m_fileLeft = 0; // bytes of the file not yet in the buffer
    std::vector<uint8_t> m_buffer;
    const uint8_t* m_next = nullptr;
    const uint8_t* m_end = nullptr;
};
