#pragma once

// Painting without flicker: a memory DC with a bitmap the size of the area to paint, copied to the
// target DC with one BitBlt when the object goes. Drawing uses the target's coordinates from
// (0, 0); a CMemoryDC that could not make its bitmap draws straight into the target.

#include "framework/CDC.h"

class CMemoryDC : public CDC
{
public:
    CMemoryDC(HDC target, int width, int height) : m_target(target), m_width(width), m_height(height)
    {
        if (width > 0 && height > 0 && CreateCompatibleDC(target) &&
            m_bitmap.CreateCompatibleBitmap(target, width, height)) {
            m_previous = SelectObject(m_bitmap.GetSafeHandle());
        } else {
            DeleteDC();
            Attach(target);
        }
    }
    CMemoryDC(HDC target, SIZE size) : CMemoryDC(target, size.cx, size.cy) {}
    ~CMemoryDC() override
    {
        if (m_previous) {
            ::BitBlt(m_target, 0, 0, m_width, m_height, m_hDC, 0, 0, SRCCOPY);
            SelectObject(m_previous);
        }
    }
    CMemoryDC(const CMemoryDC&) = delete;
    CMemoryDC& operator=(const CMemoryDC&) = delete;

private:
    HDC m_target;
    int m_width;
    int m_height;
    CBitmap m_bitmap;
    HGDIOBJ m_previous = nullptr;
};
