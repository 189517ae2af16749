#include "sheet/model/NorvakCell.h"

#include "sheet/model/CellRecordBlocks.h"

#include <cstring>

char* CCellText::HeapText() const
{
    char* text;
    std::memcpy(&text, m_bytes, sizeof(text));
    return text;
}

void CCellText::Free()
{
    if (!IsInline())
        delete[] HeapText();
}

void CCellText::Set(const char* text)
{
    const size_t length = text ? std::strlen(text) : 0;
    char next[8] = {};
    if (length <= kInlineBytes) {
        std::memcpy(next, text ? text : "", length);
        next[7] = kInlineTag;
    } else {
        char* copy = new char[length + 1];
        std::memcpy(copy, text, length + 1);
        std::memcpy(next, &copy, sizeof(copy));
    }
    Free();
    std::memcpy(m_bytes, next, sizeof(m_bytes));
}

CNorvakCell::CNorvakCell() = default;

CNorvakCell::~CNorvakCell() = default;

void CNorvakCell::operator delete(CNorvakCell* cell, std::destroying_delete_t)
{
    const uint16_t slot = cell->m_nBlockSlot;
    cell->~CNorvakCell();
    if (slot)
        CCellRecordBlocks::Release(cell, slot);
    else
        ::operator delete(cell);
}

const CFontRecord& CNorvakCell::DefaultFont()
{
    static const CFontRecord shared;
    return shared;
}

CNorvakCell::Extras& CNorvakCell::EditExtras()
{
    if (!m_pExtras)
        m_pExtras = std::make_unique<Extras>();
    return *m_pExtras;
}

void CNorvakCell::SetFont(const CFontRecord& font)
{
    if (font == DefaultFont()) {
        if (m_pExtras)
            m_pExtras->font.reset();
    } else if (HasOwnFont()) {
        *m_pExtras->font = font;
    } else {
        auto copy = std::make_unique<CFontRecord>(font);
        EditExtras().font = std::move(copy);
    }
}

CFontRecord& CNorvakCell::EditFont()
{
    if (!HasOwnFont()) {
        auto copy = std::make_unique<CFontRecord>(DefaultFont());
        EditExtras().font = std::move(copy);
    }
    return *m_pExtras->font;
}

void CNorvakCell::SetEditLock(int lock)
{
    SetExtra(&Extras::editLock, lock);
}

void CNorvakCell::SetRowSpan(WORD n)
{
    SetExtra(&Extras::rowSpan, n);
}

void CNorvakCell::SetColSpan(WORD n)
{
    SetExtra(&Extras::colSpan, n);
}

void CNorvakCell::SetMergeOrigin(CCellCoord origin)
{
    if (m_pExtras || !(origin == CCellCoord()))
        EditExtras().mergeOrigin = origin;
}

void CNorvakCell::SetIndent(int indent)
{
    SetExtra(&Extras::indent, indent);
}

void CNorvakCell::SetBitmap(HBITMAP bitmap)
{
    SetExtra(&Extras::bitmap, bitmap);
}

void CNorvakCell::SetIcon(HICON icon)
{
    SetExtra(&Extras::icon, icon);
}

void CNorvakCell::SetPicture(PicturePtr picture)
{
    if (picture || m_pExtras)
        EditExtras().picture = std::move(picture);
}

CNorvakCell::PicturePtr CNorvakCell::TakePicture()
{
    if (!m_pExtras)
        return PicturePtr(nullptr, nullptr);
    return std::move(m_pExtras->picture);
}

void CNorvakCell::SetImage(int image)
{
    SetExtra(&Extras::image, image);
}

void CNorvakCell::SetImageValue(int value)
{
    SetExtra(&Extras::imageValue, value);
}

void CNorvakCell::ClearMerge()
{
    m_bCovered = false;
    m_bMergedRight = false;
    m_bMergedBelow = false;
    if (m_pExtras) {
        m_pExtras->editLock = 0;
        m_pExtras->rowSpan = 0;
        m_pExtras->colSpan = 0;
        m_pExtras->mergeOrigin = CCellCoord();
    }
}
