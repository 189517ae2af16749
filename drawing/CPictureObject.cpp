#include "drawing/CPictureObject.h"

#include "framework/FileName.h"

#include <new>
#include <optional>
#include <vector>

namespace {

// HIMETRIC (0.01 mm) to device units of dc.
CSize HimetricToDevice(HDC dc, OLE_XSIZE_HIMETRIC width, OLE_YSIZE_HIMETRIC height)
{
    const int xPerInch = ::GetDeviceCaps(dc, LOGPIXELSX), yPerInch = ::GetDeviceCaps(dc, LOGPIXELSY);
    return CSize(::MulDiv(width, xPerInch, 2540), ::MulDiv(height, yPerInch, 2540));
}

std::vector<BYTE> ReadWholeFile(HANDLE file, bool& ok)
{
    std::vector<BYTE> bytes;
    LARGE_INTEGER size{};
    ok = ::GetFileSizeEx(file, &size) && size.QuadPart < 0x40000000;
    if (!ok)
        return bytes;
    try {
        bytes.resize(size_t(size.QuadPart));
    } catch (const std::bad_alloc&) {
        ok = false; // a large file in the 32-bit build
        return bytes;
    }
    DWORD read = 0;
    ok = bytes.empty() ||
         (::ReadFile(file, bytes.data(), DWORD(bytes.size()), &read, nullptr) && read == bytes.size());
    return bytes;
}

// An IStream over a private copy of bytes, released with the stream.
IStream* StreamOverBytes(const void* data, size_t size)
{
    HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE, size ? size : 1);
    if (!memory)
        return nullptr;
    if (void* target = ::GlobalLock(memory)) {
        if (size)
            memcpy(target, data, size);
        ::GlobalUnlock(memory);
    }
    IStream* stream = nullptr;
    if (FAILED(::CreateStreamOnHGlobal(memory, TRUE, &stream))) {
        ::GlobalFree(memory);
        return nullptr;
    }
    ULARGE_INTEGER length{};
    length.QuadPart = size;
    stream->SetSize(length);
    return stream;
}

} // namespace

CPictureObject::CPictureObject(const CPictureObject& other)
    : m_picture(other.m_picture), m_lastResult(other.m_lastResult)
{
    if (m_picture)
        m_picture->AddRef();
}

CPictureObject& CPictureObject::operator=(const CPictureObject& other)
{
    if (other.m_picture)
        other.m_picture->AddRef();
    Release();
    m_picture = other.m_picture;
    m_lastResult = other.m_lastResult;
    return *this;
}

void CPictureObject::Release()
{
    if (m_picture) {
        m_picture->Release();
        m_picture = nullptr;
    }
}

void CPictureObject::Replace(IPicture* picture)
{
    Release();
    m_picture = picture;
}

bool CPictureObject::LoadFromStream(IStream* stream)
{
    if (!stream)
        return false;
    IPicture* picture = nullptr;
    m_lastResult = ::OleLoadPicture(stream, 0, FALSE, IID_IPicture, reinterpret_cast<void**>(&picture));
    if (FAILED(m_lastResult) || !picture)
        return false;
    Replace(picture);
    return true;
}

bool CPictureObject::LoadFromFile(const CString& path)
{
    std::optional<std::wstring> widePath;
    try {
        widePath = SystemFileName(path);
    } catch (const std::bad_alloc&) {
        return false;
    }
    if (!widePath)
        return false;
    HANDLE file = ::CreateFileW(widePath->c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    bool ok = false;
    std::vector<BYTE> bytes = ReadWholeFile(file, ok);
    ::CloseHandle(file);
    if (!ok || bytes.empty())
        return false;
    IStream* stream = StreamOverBytes(bytes.data(), bytes.size());
    bool loaded = LoadFromStream(stream);
    if (stream)
        stream->Release();
    return loaded;
}

bool CPictureObject::LoadFromResource(HINSTANCE module, UINT id, const wchar_t* type)
{
    PICTDESC description{};
    description.cbSizeofstruct = sizeof(description);
    if (type == MAKEINTRESOURCEW(2)) { // RT_BITMAP
        description.picType = PICTYPE_BITMAP;
        description.bmp.hbitmap = static_cast<HBITMAP>(
            ::LoadImageW(module, MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
        if (!description.bmp.hbitmap)
            return false;
    } else if (type == MAKEINTRESOURCEW(14) || type == MAKEINTRESOURCEW(3)) { // RT_GROUP_ICON, RT_ICON
        description.picType = PICTYPE_ICON;
        description.icon.hicon =
            static_cast<HICON>(::LoadImageW(module, MAKEINTRESOURCEW(id), IMAGE_ICON, 0, 0, LR_DEFAULTSIZE));
        if (!description.icon.hicon)
            return false;
    } else {
        HRSRC found = ::FindResourceW(module, MAKEINTRESOURCEW(id), type);
        HGLOBAL loaded = found ? ::LoadResource(module, found) : nullptr;
        const void* data = loaded ? ::LockResource(loaded) : nullptr;
        if (!data)
            return false;
        IStream* stream = StreamOverBytes(data, ::SizeofResource(module, found));
        bool ok = LoadFromStream(stream);
        if (stream)
            stream->Release();
        return ok;
    }
    IPicture* picture = nullptr;
    m_lastResult =
        ::OleCreatePictureIndirect(&description, IID_IPicture, TRUE, reinterpret_cast<void**>(&picture));
    if (FAILED(m_lastResult) || !picture) {
        if (description.picType == PICTYPE_BITMAP)
            ::DeleteObject(description.bmp.hbitmap);
        else
            ::DestroyIcon(description.icon.hicon);
        return false;
    }
    Replace(picture);
    return true;
}

CSize CPictureObject::GetSize(const CDC* dc) const
{
    if (!m_picture)
        return CSize();
    OLE_XSIZE_HIMETRIC width = 0;
    OLE_YSIZE_HIMETRIC height = 0;
    m_picture->get_Width(&width);
    m_picture->get_Height(&height);
    if (dc && dc->m_hAttribDC)
        return HimetricToDevice(dc->m_hAttribDC, width, height);
    HDC screen = ::GetWindowDC(nullptr);
    CSize size = HimetricToDevice(screen, width, height);
    ::ReleaseDC(nullptr, screen);
    return size;
}

bool CPictureObject::Render(const CDC* dc, int left, int top, int right, int bottom, const RECT* wBounds)
{
    if (!m_picture || !dc)
        return false;
    if (left == 0 && top == 0 && right == 0 && bottom == 0) {
        CSize size = GetSize(dc);
        right = size.cx;
        bottom = size.cy;
    }
    OLE_XSIZE_HIMETRIC width = 0;
    OLE_YSIZE_HIMETRIC height = 0;
    m_lastResult = m_picture->get_Width(&width);
    m_lastResult = m_picture->get_Height(&height);
    m_lastResult = m_picture->Render(dc->GetSafeHdc(), left, top, right - left, bottom - top, 0, height,
                                     width, -height, wBounds);
    return true;
}
