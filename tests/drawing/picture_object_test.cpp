// The picture holder: every image format it reads, written by the test itself, loads and renders
// stretched into the asked rectangle; failures keep the picture held before.

#include "drawing/CPictureObject.h"
#include "tests/support/DrawingCanvas.h"
#include "tests/support/GuiResources.h"
#include "tests/support/PictureFiles.h"

#include <wincodec.h>

#include <string>
#include <vector>

namespace {

// A metafile that fills its whole frame (0, 0)-(1000, 1000) with one colour.
void FillFrame(HDC dc, COLORREF colour)
{
    HBRUSH brush = ::CreateSolidBrush(colour);
    HGDIOBJ old = ::SelectObject(dc, brush);
    ::SelectObject(dc, ::GetStockObject(NULL_PEN));
    ::Rectangle(dc, 0, 0, 1001, 1001);
    ::SelectObject(dc, old);
    ::DeleteObject(brush);
}

Bytes PlaceableMetafile(COLORREF colour)
{
    HDC dc = ::CreateMetaFileW(nullptr);
    ::SetWindowOrgEx(dc, 0, 0, nullptr);
    ::SetWindowExtEx(dc, 1000, 1000, nullptr);
    FillFrame(dc, colour);
    HMETAFILE meta = ::CloseMetaFile(dc);
    Bytes body(::GetMetaFileBitsEx(meta, 0, nullptr));
    ::GetMetaFileBitsEx(meta, UINT(body.size()), body.data());
    ::DeleteMetaFile(meta);
    // The placeable header: key, handle, bounds, units per inch, reserved, checksum.
    WORD header[11] = {0xCDD7, 0x9AC6, 0, 0, 0, 1000, 1000, 1000, 0, 0, 0};
    for (int i = 0; i < 10; ++i)
        header[10] ^= header[i];
    Bytes out(reinterpret_cast<BYTE*>(header), reinterpret_cast<BYTE*>(header) + sizeof(header));
    out.insert(out.end(), body.begin(), body.end());
    return out;
}

std::string EnhancedMetafile(COLORREF colour)
{
    std::string path = TempPath("fill.emf");
    HDC screen = ::GetDC(nullptr);
    RECT frame{0, 0, 2000, 2000}; // 0.01 mm
    HDC dc = ::CreateEnhMetaFileW(screen, CString(path.c_str()).ToWide().c_str(), &frame, nullptr);
    ::ReleaseDC(nullptr, screen);
    const int right = ::MulDiv(2000, ::GetDeviceCaps(dc, HORZRES), ::GetDeviceCaps(dc, HORZSIZE) * 100);
    HBRUSH brush = ::CreateSolidBrush(colour);
    RECT all{0, 0, right, right};
    ::FillRect(dc, &all, brush);
    ::DeleteObject(brush);
    ::DeleteEnhMetaFile(::CloseEnhMetaFile(dc));
    return path;
}

// JPEG and GIF files through the system's imaging encoders.
bool EncodeWithImaging(const GUID& container, const std::string& path, COLORREF colour)
{
    IWICImagingFactory* factory = nullptr;
    if (FAILED(::CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                  IID_IWICImagingFactory, reinterpret_cast<void**>(&factory))))
        return false;
    IWICStream* stream = nullptr;
    IWICBitmapEncoder* encoder = nullptr;
    IWICBitmapFrameEncode* frame = nullptr;
    bool ok =
        SUCCEEDED(factory->CreateStream(&stream)) &&
        SUCCEEDED(stream->InitializeFromFilename(CString(path.c_str()).ToWide().c_str(), GENERIC_WRITE)) &&
        SUCCEEDED(factory->CreateEncoder(container, nullptr, &encoder)) &&
        SUCCEEDED(encoder->Initialize(stream, WICBitmapEncoderNoCache)) &&
        SUCCEEDED(encoder->CreateNewFrame(&frame, nullptr)) && SUCCEEDED(frame->Initialize(nullptr));
    const UINT size = 16;
    WICPixelFormatGUID format = GUID_WICPixelFormat24bppBGR;
    if (container == GUID_ContainerFormatGif)
        format = GUID_WICPixelFormat8bppIndexed;
    ok = ok && SUCCEEDED(frame->SetSize(size, size)) && SUCCEEDED(frame->SetPixelFormat(&format));
    if (ok && format == GUID_WICPixelFormat8bppIndexed) {
        IWICPalette* palette = nullptr;
        WICColor colours[2] = {
            0xFF000000 | GetRValue(colour) << 16 | GetGValue(colour) << 8 | GetBValue(colour), 0xFFFFFFFF};
        ok = SUCCEEDED(factory->CreatePalette(&palette)) &&
             SUCCEEDED(palette->InitializeCustom(colours, 2)) && SUCCEEDED(frame->SetPalette(palette));
        if (palette)
            palette->Release();
        Bytes pixels(size * size, 0);
        ok = ok && SUCCEEDED(frame->WritePixels(size, size, size * size, pixels.data()));
    } else if (ok) {
        Bytes pixels;
        for (UINT i = 0; i < size * size; ++i)
            pixels.insert(pixels.end(), {GetBValue(colour), GetGValue(colour), GetRValue(colour)});
        ok = SUCCEEDED(frame->WritePixels(size, size * 3, size * size * 3, pixels.data()));
    }
    ok = ok && SUCCEEDED(frame->Commit()) && SUCCEEDED(encoder->Commit());
    for (IUnknown* object : {static_cast<IUnknown*>(frame), static_cast<IUnknown*>(encoder),
                             static_cast<IUnknown*>(stream), static_cast<IUnknown*>(factory)})
        if (object)
            object->Release();
    return ok;
}

bool IsNear(COLORREF a, COLORREF b)
{
    return std::abs(GetRValue(a) - GetRValue(b)) < 24 && std::abs(GetGValue(a) - GetGValue(b)) < 24 &&
           std::abs(GetBValue(a) - GetBValue(b)) < 24;
}

class PictureObject : public testing::Test
{
protected:
    void SetUp() override { ::CoInitialize(nullptr); }
    void TearDown() override { ::CoUninitialize(); }
};

} // namespace

TEST_F(PictureObject, EveryFormatLoadsAndFillsTheAskedRectangle)
{
    const COLORREF colour = RGB(200, 30, 40);
    std::vector<std::pair<const char*, std::string>> files = {
        {"bmp", WriteFile("red.bmp", BitmapFile(5, 3, colour))},
        {"dib", WriteFile("red.dib", BitmapFile(4, 4, colour))},
        {"ico", WriteFile("red.ico", IconFile(colour))},
        {"wmf", WriteFile("red.wmf", PlaceableMetafile(colour))},
        {"emf", EnhancedMetafile(colour)},
    };
    for (auto [kind, guid] : {std::pair{"jpg", GUID_ContainerFormatJpeg}, {"gif", GUID_ContainerFormatGif}}) {
        std::string path = TempPath((std::string("red.") + kind).c_str());
        ASSERT_TRUE(EncodeWithImaging(guid, path, colour)) << "no " << kind << " encoder";
        files.emplace_back(kind, path);
    }
    for (const auto& [kind, path] : files) {
        SCOPED_TRACE(kind);
        CPictureObject picture;
        ASSERT_TRUE(picture.LoadFromFile(path.c_str()));
        EXPECT_NE(picture.GetSize(nullptr), CSize());
        DrawingCanvas canvas(80, 60);
        EXPECT_TRUE(picture.Render(canvas.dc(), 10, 12, 50, 42));
        EXPECT_TRUE(IsNear(canvas.At(12, 14), colour)) << std::hex << canvas.At(12, 14);
        EXPECT_TRUE(IsNear(canvas.At(47, 39), colour)) << std::hex << canvas.At(47, 39);
        EXPECT_TRUE(IsNear(canvas.At(30, 27), colour));
        EXPECT_EQ(canvas.At(8, 27), RGB(255, 255, 255));
        EXPECT_EQ(canvas.At(52, 27), RGB(255, 255, 255));
        EXPECT_EQ(canvas.At(30, 10), RGB(255, 255, 255));
        EXPECT_EQ(canvas.At(30, 44), RGB(255, 255, 255));
        ::DeleteFileW(CString(path.c_str()).ToWide().c_str());
    }
}

TEST_F(PictureObject, ZeroRectangleRendersTheNaturalSizeAtTheOrigin)
{
    CPictureObject picture;
    std::string path = WriteFile("natural.bmp", BitmapFile(7, 5, RGB(0, 0, 255)));
    ASSERT_TRUE(picture.LoadFromFile(path.c_str()));
    DrawingCanvas canvas(40, 40);
    EXPECT_EQ(picture.GetSize(canvas.dc()), CSize(7, 5));
    picture.Render(canvas.dc(), 0, 0, 0, 0);
    EXPECT_EQ(canvas.At(6, 4), RGB(0, 0, 255));
    EXPECT_EQ(canvas.At(7, 2), RGB(255, 255, 255));
    EXPECT_EQ(canvas.At(3, 5), RGB(255, 255, 255));
}

TEST_F(PictureObject, FailedLoadsKeepThePreviousPicture)
{
    CPictureObject picture;
    std::string good = WriteFile("keep.bmp", BitmapFile(3, 3, RGB(0, 255, 0)));
    ASSERT_TRUE(picture.LoadFromFile(good.c_str()));
    IPicture* held = picture.GetPicture();
    std::string garbage =
        WriteFile("garbage.jpg", Bytes{'n', 'o', 't', ' ', 'a', 'n', ' ', 'i', 'm', 'a', 'g', 'e'});
    std::string empty = WriteFile("empty.bmp", Bytes{});
    // A name with a NUL inside is no file name, though the part before the NUL names a picture.
    std::string beforeNul = WriteFile("before_nul.bmp", BitmapFile(2, 2, RGB(0, 0, 0)));
    for (const std::string& path : {TempPath("missing.bmp"), garbage, empty, beforeNul + '\0' + ".bmp"}) {
        EXPECT_FALSE(picture.LoadFromFile(CString(path))) << path;
        EXPECT_EQ(picture.GetPicture(), held) << path;
    }
    std::string other = WriteFile("other.bmp", BitmapFile(2, 2, RGB(0, 0, 0)));
    EXPECT_TRUE(picture.LoadFromFile(other.c_str()));
    EXPECT_NE(picture.GetPicture(), held);
    CPictureObject copy = picture;
    EXPECT_EQ(copy.GetPicture(), picture.GetPicture());
    picture.Release();
    EXPECT_FALSE(picture.HasPicture());
    EXPECT_TRUE(copy.HasPicture()) << "a copy keeps its own reference";
    DrawingCanvas canvas(10, 10);
    EXPECT_FALSE(picture.Render(canvas.dc(), 0, 0, 5, 5)) << "nothing to draw";
}

TEST_F(PictureObject, ThousandLoadsAndRendersLeakNoGdiObject)
{
    std::string path = WriteFile("leak.bmp", BitmapFile(4, 4, RGB(1, 2, 3)));
    DrawingCanvas canvas(20, 20);
    {
        CPictureObject warmUp;
        warmUp.LoadFromFile(path.c_str());
        warmUp.Render(canvas.dc(), 0, 0, 10, 10);
    }
    const DWORD before = GdiObjectCount();
    for (int i = 0; i < 1000; ++i) {
        CPictureObject picture;
        picture.LoadFromFile(path.c_str());
        picture.Render(canvas.dc(), 0, 0, 10, 10);
    }
    EXPECT_EQ(GdiObjectCount(), before);
}

TEST_F(PictureObject, PictureLoadsFromTheModulesResources)
{
    CPictureObject picture;
    ASSERT_TRUE(picture.LoadFromResource(::GetModuleHandleW(nullptr), 7, MAKEINTRESOURCEW(10))); // RT_RCDATA
    DrawingCanvas canvas(20, 20);
    EXPECT_EQ(picture.GetSize(canvas.dc()), CSize(2, 2));
    picture.Render(canvas.dc(), 2, 2, 12, 12);
    EXPECT_EQ(canvas.At(7, 7), RGB(200, 30, 40));
    EXPECT_EQ(canvas.At(13, 7), RGB(255, 255, 255));
    EXPECT_FALSE(picture.LoadFromResource(::GetModuleHandleW(nullptr), 8, MAKEINTRESOURCEW(10)));
    EXPECT_FALSE(picture.LoadFromResource(::GetModuleHandleW(nullptr), 7, MAKEINTRESOURCEW(2)))
        << "no such bitmap";
    EXPECT_TRUE(picture.HasPicture());
}
