#pragma once

// Reading and patching the bytes of a saved workbook in tests: ints at an offset, and the offset of
// a marker value or text the sample put there.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

inline int32_t IntAt(const std::vector<uint8_t>& bytes, size_t at)
{
    int32_t value = 0;
    EXPECT_LE(at + 4, bytes.size());
    if (at + 4 <= bytes.size())
        std::memcpy(&value, bytes.data() + at, 4);
    return value;
}

inline void PutInt(std::vector<uint8_t>& bytes, size_t at, int32_t value)
{
    ASSERT_LE(at + 4, bytes.size());
    std::memcpy(bytes.data() + at, &value, 4);
}

inline void PutBytes(std::vector<uint8_t>& bytes, size_t at, std::vector<uint8_t> patch)
{
    ASSERT_LE(at + patch.size(), bytes.size());
    std::copy(patch.begin(), patch.end(), bytes.begin() + std::ptrdiff_t(at));
}

inline size_t Find(const std::vector<uint8_t>& bytes, const void* pattern, size_t size)
{
    auto p = static_cast<const uint8_t*>(pattern);
    auto found = std::search(bytes.begin(), bytes.end(), p, p + size);
    EXPECT_NE(found, bytes.end()) << "marker not found";
    return size_t(found - bytes.begin());
}

inline size_t FindInt(const std::vector<uint8_t>& bytes, int32_t value)
{
    return Find(bytes, &value, 4);
}

inline size_t FindTextBytes(const std::vector<uint8_t>& bytes, const char* text)
{
    return Find(bytes, text, std::strlen(text));
}
