#pragma once

// The picture of a printed header or footer, loaded from the file the user chose: a bitmap for the
// extensions "bmp" and "dib", an icon for "ico" (in any case), nothing for any other file. A file
// of the right extension that does not load as its kind is unreadable.
//
// Ownership: the loaded handle belongs to the result.

#include "framework/CString.h"
#include "sheet/model/PageSetup.h"

struct CBandPictureFile
{
    enum Result
    {
        Bitmap,
        Icon,
        NotAPicture, // another extension
        Unreadable
    };

    Result result = NotAPicture;
    CBandPicture<HBITMAP> bitmap;
    CBandPicture<HICON> icon;

    static CBandPictureFile Load(const CString& path);
    // The message that refuses a file that gave no picture.
    static CString RefusalText(Result result, const CString& path);
};
