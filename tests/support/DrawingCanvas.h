#pragma once

// A white 32-bpp DIB section with a memory DC, for pixel probes of the drawing tools.

#include "framework/CDC.h"

#include <gtest/gtest.h>

#include <vector>

class DrawingCanvas
{
public:
    DrawingCanvas(int width, int height) : m_width(width), m_height(height)
    {
        EXPECT_TRUE(m_bitmap.CreateDIBSection32(width, height, &m_bits));
        EXPECT_TRUE(m_dc.CreateCompatibleDC(static_cast<HDC>(nullptr)));
        m_oldBitmap = m_dc.SelectObject(m_bitmap);
        Clear();
    }
    ~DrawingCanvas() { m_dc.SelectObject(m_oldBitmap); }

    CDC* dc() { return &m_dc; }
    void Clear(COLORREF colour = RGB(255, 255, 255))
    {
        m_dc.FillSolidRect(CRect(0, 0, m_width, m_height), colour);
    }
    // The pixel as a COLORREF; off-canvas reads give CLR_INVALID.
    COLORREF At(int x, int y)
    {
        ::GdiFlush();
        if (x < 0 || y < 0 || x >= m_width || y >= m_height)
            return CLR_INVALID;
        DWORD p = m_bits[y * m_width + x];
        return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
    }
    bool IsInk(int x, int y) { return At(x, y) != RGB(255, 255, 255); }
    // Every pixel as a COLORREF, row by row from the top: one read for comparing whole drawings.
    std::vector<COLORREF> Pixels()
    {
        ::GdiFlush();
        std::vector<COLORREF> pixels(size_t(m_width) * size_t(m_height));
        for (size_t i = 0; i < pixels.size(); ++i)
            pixels[i] = RGB((m_bits[i] >> 16) & 0xFF, (m_bits[i] >> 8) & 0xFF, m_bits[i] & 0xFF);
        return pixels;
    }
    int Width() const { return m_width; }
    int Height() const { return m_height; }
    int InkIn(const RECT& r)
    {
        int ink = 0;
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x)
                ink += IsInk(x, y);
        return ink;
    }

private:
    int m_width, m_height;
    CBitmap m_bitmap;
    DWORD* m_bits = nullptr;
    CDC m_dc;
    HGDIOBJ m_oldBitmap = nullptr;
};
