#pragma once

// Records drawing into an enhanced metafile and reads back the text it wrote: each ExtTextOutW
// with its reference point, the text alignment in force and the escapement of the selected font.

#include "framework/CDC.h"

#include <functional>
#include <map>
#include <string>
#include <vector>

struct RecordedText
{
    std::wstring text;
    POINT reference;
    UINT align;
    LONG escapement;
    COLORREF colour;
    RECT bounds; // as the metafile gives them, in device units
};

struct RecordedPicture
{
    std::vector<RecordedText> texts;
    std::vector<LOGFONTW> fonts; // every font created, in order
    int fontsCreated = 0;
    int fontsDeleted = 0;
};

inline RecordedPicture RecordTexts(const std::function<void(CDC*)>& draw)
{
    HDC reference = ::GetDC(nullptr);
    HDC metaDc = ::CreateEnhMetaFileW(reference, nullptr, nullptr, nullptr);
    ::ReleaseDC(nullptr, reference);
    {
        CDC dc(metaDc);
        draw(&dc);
    }
    HENHMETAFILE meta = ::CloseEnhMetaFile(metaDc);
    struct State
    {
        RecordedPicture picture;
        UINT align = TA_LEFT | TA_TOP;
        COLORREF colour = 0;
        std::map<DWORD, LONG> fontEscapements;
        LONG escapement = 0;
    } state;
    auto callback = [](HDC, HANDLETABLE*, const ENHMETARECORD* record, int, LPARAM data) CALLBACK -> int {
        State& s = *reinterpret_cast<State*>(data);
        switch (record->iType) {
        case EMR_SETTEXTALIGN:
            s.align = reinterpret_cast<const EMRSETTEXTALIGN*>(record)->iMode;
            break;
        case EMR_SETTEXTCOLOR:
            s.colour = reinterpret_cast<const EMRSETTEXTCOLOR*>(record)->crColor;
            break;
        case EMR_EXTCREATEFONTINDIRECTW: {
            auto font = reinterpret_cast<const EMREXTCREATEFONTINDIRECTW*>(record);
            s.fontEscapements[font->ihFont] = font->elfw.elfLogFont.lfEscapement;
            s.picture.fonts.push_back(font->elfw.elfLogFont);
            ++s.picture.fontsCreated;
            break;
        }
        case EMR_SELECTOBJECT: {
            DWORD handle = reinterpret_cast<const EMRSELECTOBJECT*>(record)->ihObject;
            if (s.fontEscapements.count(handle))
                s.escapement = s.fontEscapements[handle];
            else if (handle == (0x80000000 | SYSTEM_FONT) || handle == (0x80000000 | DEVICE_DEFAULT_FONT))
                s.escapement = 0;
            break;
        }
        case EMR_DELETEOBJECT: {
            DWORD handle = reinterpret_cast<const EMRDELETEOBJECT*>(record)->ihObject;
            if (s.fontEscapements.erase(handle))
                ++s.picture.fontsDeleted;
            break;
        }
        case EMR_EXTTEXTOUTW: {
            auto out = reinterpret_cast<const EMREXTTEXTOUTW*>(record);
            const wchar_t* chars = reinterpret_cast<const wchar_t*>(reinterpret_cast<const BYTE*>(record) +
                                                                    out->emrtext.offString);
            RecordedText text;
            text.text.assign(chars, out->emrtext.nChars);
            text.reference = {out->emrtext.ptlReference.x, out->emrtext.ptlReference.y};
            text.align = s.align;
            text.escapement = s.escapement;
            text.colour = s.colour;
            text.bounds = {out->rclBounds.left, out->rclBounds.top, out->rclBounds.right,
                           out->rclBounds.bottom};
            s.picture.texts.push_back(text);
            break;
        }
        }
        return 1;
    };
    ::EnumEnhMetaFile(nullptr, meta, callback, &state, nullptr);
    ::DeleteEnhMetaFile(meta);
    return state.picture;
}
