#pragma once

// A record of many fields is listed once, in file order, in a function template over one of these
// two: CFieldsOut writes each field it is shown, CFieldsIn reads each back into the member it is
// shown. Writer and reader then cannot disagree on an order or a width.
//
// Point lists carry their count in front; the reader checks every count against the data that
// remain before it allocates. A negative count reads as an empty list.

#include "framework/Archive.h"
#include "workbook/CellRecord.h"

#include <cstring>
#include <numeric>
#include <type_traits>
#include <vector>

// No point list the chart drawing makes comes near this many points.
constexpr size_t kMaxStoredPoints = size_t(1) << 20;

template <class T>
concept CFourByteInt = std::is_integral_v<T> && sizeof(T) == 4;

class CFieldsOut
{
public:
    explicit CFieldsOut(CArchiveWriter& out) : m_out(out) {}

    template <CFourByteInt T> void Int(const T& value) { m_out.WriteInt(int32_t(value)); }
    template <CFourByteInt T, size_t N> void Ints(const T (&values)[N])
    {
        for (const T& value : values)
            Int(value);
    }
    void Byte(const BYTE& value) { m_out.WriteByte(value); }
    void Byte(const char& value) { m_out.WriteByte(uint8_t(value)); }
    void Double(const double& value) { m_out.WriteDouble(value); }
    // A 32-bit float by its bits, in an int.
    void Float(const float& value)
    {
        uint32_t bits = 0;
        std::memcpy(&bits, &value, sizeof bits);
        m_out.WriteInt(int32_t(bits));
    }
    void Rect(const RECT& rect) { m_out.WriteRect(rect); }
    void Point(const POINT& point)
    {
        Int(point.x);
        Int(point.y);
    }
    template <size_t N> void Points(const POINT (&points)[N])
    {
        for (const POINT& point : points)
            Point(point);
    }
    void String(const CString& text) { m_out.WriteString(text); }
    void Font(const LOGFONTA& font) { WriteFontRecord(m_out, font); }

    // The counts of all the lists first, then the points of each list.
    template <size_t N> void CountsThenPoints(const std::vector<POINT> (&lists)[N])
    {
        for (const std::vector<POINT>& list : lists)
            m_out.WriteInt(int32_t(list.size()));
        for (const std::vector<POINT>& list : lists)
            PointList(list);
    }
    void CountedPoints(const std::vector<POINT>& list)
    {
        m_out.WriteInt(int32_t(list.size()));
        PointList(list);
    }

    CArchiveWriter& Archive() { return m_out; }

private:
    void PointList(const std::vector<POINT>& list)
    {
        for (const POINT& point : list)
            Point(point);
    }

    CArchiveWriter& m_out;
};

class CFieldsIn
{
public:
    explicit CFieldsIn(CArchiveReader& in) : m_in(in) {}

    template <CFourByteInt T> void Int(T& value) { value = T(uint32_t(m_in.ReadInt())); }
    template <CFourByteInt T, size_t N> void Ints(T (&values)[N])
    {
        for (T& value : values)
            Int(value);
    }
    void Byte(BYTE& value) { value = m_in.ReadByte(); }
    void Byte(char& value) { value = char(m_in.ReadByte()); }
    void Double(double& value) { value = m_in.ReadDouble(); }
    void Float(float& value)
    {
        const uint32_t bits = uint32_t(m_in.ReadInt());
        std::memcpy(&value, &bits, sizeof value);
    }
    void Rect(RECT& rect) { rect = m_in.ReadRect(); }
    void Point(POINT& point)
    {
        Int(point.x);
        Int(point.y);
    }
    template <size_t N> void Points(POINT (&points)[N])
    {
        for (POINT& point : points)
            Point(point);
    }
    void String(CString& text) { text = m_in.ReadString(); }
    void Font(LOGFONTA& font) { ReadFontRecord(m_in, font); }

    template <size_t N> void CountsThenPoints(std::vector<POINT> (&lists)[N])
    {
        size_t counts[N];
        for (size_t& count : counts)
            count = m_in.ReadCount(kPointBytes, kMaxStoredPoints);
        // Each count fits what remains on its own; together they must too.
        if (std::accumulate(counts, counts + N, uint64_t(0)) * kPointBytes > m_in.Remaining())
            CArchiveReader::Fail("a count larger than the data allow");
        for (size_t i = 0; i < N; ++i)
            PointList(lists[i], counts[i]);
    }
    void CountedPoints(std::vector<POINT>& list)
    {
        PointList(list, m_in.ReadCount(kPointBytes, kMaxStoredPoints));
    }

    CArchiveReader& Archive() { return m_in; }

private:
    static constexpr size_t kPointBytes = 8;

    void PointList(std::vector<POINT>& list, size_t count)
    {
        list.assign(count, POINT{});
        for (POINT& point : list)
            Point(point);
    }

    CArchiveReader& m_in;
};

inline CFieldsOut FieldsOf(CArchiveWriter& out)
{
    return CFieldsOut(out);
}

inline CFieldsIn FieldsOf(CArchiveReader& in)
{
    return CFieldsIn(in);
}
