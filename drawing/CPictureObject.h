#pragma once

// Holds one OLE picture decoded from an image file (bitmap, icon, JPEG, GIF, metafile) and draws it
// stretched into a rectangle. Copies share the picture by reference count.

#include "framework/CDC.h"
#include "framework/CString.h"

#include <ocidl.h>
#include <olectl.h>

class CPictureObject
{
public:
    CPictureObject() = default;
    CPictureObject(const CPictureObject& other);
    CPictureObject& operator=(const CPictureObject& other);
    ~CPictureObject() { Release(); }

    void Release();
    // FALSE when the file cannot be opened, its contents cannot be decoded or the name holds a
    // NUL; in each case the picture held before stays.
    bool LoadFromFile(const CString& path);
    bool LoadFromStream(IStream* stream);
    // A bitmap, icon or metafile of a module's resources (RT_BITMAP, RT_GROUP_ICON as MAKEINTRESOURCEW(2),
    // (14), or a custom type holding the bytes of an image file).
    bool LoadFromResource(HINSTANCE module, UINT id, const wchar_t* type);

    bool HasPicture() const { return m_picture != nullptr; }
    IPicture* GetPicture() const { return m_picture; }
    HRESULT GetLastResult() const { return m_lastResult; }
    // Natural size in device units of dc (the screen when dc is null); (0, 0) without a picture.
    CSize GetSize(const CDC* dc) const;
    // Draws the whole picture upright into (left, top, right, bottom); an all-zero rectangle means
    // the natural size at the origin. Without a picture nothing is drawn and FALSE returned.
    bool Render(const CDC* dc, int left, int top, int right, int bottom, const RECT* wBounds = nullptr);

private:
    void Replace(IPicture* picture);

    IPicture* m_picture = nullptr;
    HRESULT m_lastResult = S_OK;
};
