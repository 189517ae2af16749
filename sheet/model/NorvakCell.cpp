#include "sheet/model/NorvakCell.h"

CNorvakCell::CNorvakCell() = default;

CNorvakCell::~CNorvakCell() = default;

void CNorvakCell::SetText(const char* text)
{
    if (!text || !*text) {
        m_pText.reset();
        return;
    }
    size_t size = std::strlen(text) + 1;
    auto copy = std::make_unique_for_overwrite<char[]>(size);
    std::memcpy(copy.get(), text, size);
    m_pText = std::move(copy);
}

const CFontRecord& CNorvakCell::DefaultFont()
{
    static const CFontRecord shared;
    return shared;
}

void CNorvakCell::SetFont(const CFontRecord& font)
{
    if (font == DefaultFont())
        m_pFont.reset();
    else if (m_pFont)
        *m_pFont = font;
    else
        m_pFont = std::make_unique<CFontRecord>(font);
}

CFontRecord& CNorvakCell::EditFont()
{
    if (!m_pFont)
        m_pFont = std::make_unique<CFontRecord>(DefaultFont());
    return *m_pFont;
}

CNorvakCell::Extras& CNorvakCell::EditExtras()
{
    if (!m_pExtras)
        m_pExtras = std::make_unique<Extras>();
    return *m_pExtras;
}

void CNorvakCell::SetIndent(int indent)
{
    if (indent || m_pExtras)
        EditExtras().indent = indent;
}

void CNorvakCell::SetBitmap(HBITMAP bitmap)
{
    if (bitmap || m_pExtras)
        EditExtras().bitmap = bitmap;
}

void CNorvakCell::SetIcon(HICON icon)
{
    if (icon || m_pExtras)
        EditExtras().icon = icon;
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
    if (image || m_pExtras)
        EditExtras().image = image;
}

void CNorvakCell::SetImageValue(int value)
{
    if (value || m_pExtras)
        EditExtras().imageValue = value;
}

void CNorvakCell::ClearMerge()
{
    m_bCovered = false;
    m_bMergedRight = false;
    m_bMergedBelow = false;
    m_nEditLock = 0;
    m_nRowSpan = 0;
    m_nColSpan = 0;
    m_mergeOrigin = CCellCoord();
}
