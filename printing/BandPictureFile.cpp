#include "printing/BandPictureFile.h"

#include "framework/FileName.h"

#include <algorithm>
#include <optional>

namespace {

CString LowerExtension(const CString& path)
{
    const int slash = std::max(path.ReverseFind('\\'), path.ReverseFind('/'));
    const CString name = path.Mid(slash + 1);
    const int dot = name.ReverseFind('.');
    CString extension = dot < 0 ? CString() : name.Mid(dot + 1);
    return extension.MakeLower();
}

} // namespace

CBandPictureFile CBandPictureFile::Load(const CString& path)
{
    CBandPictureFile loaded;
    const CString extension = LowerExtension(path);
    const bool bitmap = extension == "bmp" || extension == "dib";
    if (!bitmap && extension != "ico")
        return loaded;
    const std::optional<std::wstring> file = SystemFileName(path);
    HANDLE image =
        file ? ::LoadImageW(nullptr, file->c_str(), bitmap ? IMAGE_BITMAP : IMAGE_ICON, 0, 0, LR_LOADFROMFILE) : nullptr;
    if (!image) {
        loaded.result = Unreadable;
    } else if (bitmap) {
        loaded.result = Bitmap;
        loaded.bitmap.Reset(static_cast<HBITMAP>(image));
    } else {
        loaded.result = Icon;
        loaded.icon.Reset(static_cast<HICON>(image));
    }
    return loaded;
}

CString CBandPictureFile::RefusalText(Result result, const CString& path)
{
    if (result == NotAPicture)
        return "只能选择位图(*.bmp;*.dib)或图标(*.ico)文件!\n" + path;
    return "无法读取图片文件!\n" + path;
}
