#pragma once

// One cell of a page. A page may hold millions of them, so the record is packed: the font record
// is shared with every other cell that keeps the default one (a cell gets its own copy on its first
// change), an empty text costs one null pointer, and the rarely used picture, handles, image values
// and indent live in a side record that exists only once one of them is set.

#include "sheet/model/CellTypes.h"

#include <memory>

class CPictureObject;

class CNorvakCell
{
public:
    // The owner of a picture decides how it is freed, so this record needs no picture code.
    using PicturePtr = std::unique_ptr<CPictureObject, void (*)(CPictureObject*)>;

    static constexpr WORD kDefaultTextFormat = 5;
    static constexpr WORD kStretchTextFormat = 49;

    CNorvakCell();
    CNorvakCell(const CNorvakCell&) = delete;
    CNorvakCell& operator=(const CNorvakCell&) = delete;
    virtual ~CNorvakCell();

    // Grid lines: the vertical line is the cell's right-hand one, the horizontal its bottom one.
    BOOL IsMergedRight() const { return m_bMergedRight; }
    void SetMergedRight(BOOL on) { m_bMergedRight = on != FALSE; }
    BOOL IsMergedBelow() const { return m_bMergedBelow; }
    void SetMergedBelow(BOOL on) { m_bMergedBelow = on != FALSE; }
    COLORREF GetVerLineColor() const { return m_crVerLine; }
    void SetVerLineColor(COLORREF cr) { m_crVerLine = cr; }
    COLORREF GetHorLineColor() const { return m_crHorLine; }
    void SetHorLineColor(COLORREF cr) { m_crHorLine = cr; }
    BYTE GetVerLineWidth() const { return m_nVerLineWidth; }
    void SetVerLineWidth(BYTE w) { m_nVerLineWidth = w; }
    BYTE GetHorLineWidth() const { return m_nHorLineWidth; }
    void SetHorLineWidth(BYTE w) { m_nHorLineWidth = w; }
    BYTE GetVerLineStyle() const { return m_nVerLineStyle; }
    void SetVerLineStyle(BYTE s) { m_nVerLineStyle = s; }
    BYTE GetHorLineStyle() const { return m_nHorLineStyle; }
    void SetHorLineStyle(BYTE s) { m_nHorLineStyle = s; }

    // Merges.
    BOOL IsCovered() const { return m_bCovered; }
    void SetCovered(BOOL on) { m_bCovered = on != FALSE; }
    int GetEditLock() const { return m_nEditLock; }
    void SetEditLock(int lock) { m_nEditLock = lock; }
    BOOL HasSelectionFrame() const { return m_bSelectionFrame; }
    void SetSelectionFrame(BOOL on) { m_bSelectionFrame = on != FALSE; }
    WORD GetRowSpan() const { return m_nRowSpan; }
    void SetRowSpan(WORD n) { m_nRowSpan = n; }
    WORD GetColSpan() const { return m_nColSpan; }
    void SetColSpan(WORD n) { m_nColSpan = n; }
    bool IsMergeOrigin() const { return m_nRowSpan != 0 || m_nColSpan != 0; }
    CCellCoord GetMergeOrigin() const { return m_mergeOrigin; }
    void SetMergeOrigin(CCellCoord origin) { m_mergeOrigin = origin; }

    WORD GetState() const { return m_nState; }
    void SetState(WORD state) { m_nState = state; }
    WORD GetTextFormat() const { return m_nTextFormat; }
    void SetTextFormat(WORD code) { m_nTextFormat = code; }
    WORD GetValueWord() const { return m_nValueWord; }
    void SetValueWord(WORD value) { m_nValueWord = value; }

    CString GetText() const { return CString(GetTextPtr()); }
    const char* GetTextPtr() const { return m_pText ? m_pText.get() : ""; }
    bool HasText() const { return m_pText != nullptr; }
    void SetText(const char* text);

    // The font record. Editing it gives the cell its own copy; setting the default record again
    // returns the cell to the shared one.
    const CFontRecord& GetFont() const { return m_pFont ? *m_pFont : DefaultFont(); }
    void SetFont(const CFontRecord& font);
    CFontRecord& EditFont();
    bool HasOwnFont() const { return m_pFont != nullptr; }
    static const CFontRecord& DefaultFont();

    // Rare fields.
    int GetIndent() const { return m_pExtras ? m_pExtras->indent : 0; }
    void SetIndent(int indent);
    HBITMAP GetBitmap() const { return m_pExtras ? m_pExtras->bitmap : nullptr; }
    void SetBitmap(HBITMAP bitmap);
    HICON GetIcon() const { return m_pExtras ? m_pExtras->icon : nullptr; }
    void SetIcon(HICON icon);
    CPictureObject* GetPicture() const { return m_pExtras ? m_pExtras->picture.get() : nullptr; }
    void SetPicture(PicturePtr picture);
    PicturePtr TakePicture();
    int GetImage() const { return m_pExtras ? m_pExtras->image : 0; }
    void SetImage(int image);
    int GetImageValue() const { return m_pExtras ? m_pExtras->imageValue : 0; }
    void SetImageValue(int value);

    BYTE GetPicturePlacement() const { return m_nPicturePlacement; }
    void SetPicturePlacement(BYTE placement) { m_nPicturePlacement = placement; }
    BYTE GetCellType() const { return m_nCellType; }
    void SetCellType(BYTE type) { m_nCellType = type; }
    BYTE GetFillerChar() const { return m_nFillerChar; }
    void SetFillerChar(BYTE ch) { m_nFillerChar = ch; }

    // Back to a plain cell of no merge.
    void ClearMerge();

private:
    struct Extras
    {
        int indent = 0;
        int image = 0;
        int imageValue = 0;
        HBITMAP bitmap = nullptr;
        HICON icon = nullptr;
        PicturePtr picture{nullptr, nullptr};
    };
    Extras& EditExtras();

    COLORREF m_crVerLine = kDefaultLineColor;
    COLORREF m_crHorLine = kDefaultLineColor;
    BYTE m_nVerLineWidth = 1;
    BYTE m_nHorLineWidth = 1;
    BYTE m_nVerLineStyle = 1;
    BYTE m_nHorLineStyle = 1;
    int m_nEditLock = 0;
    WORD m_nRowSpan = 0;
    WORD m_nColSpan = 0;
    CCellCoord m_mergeOrigin;
    WORD m_nState = 0;
    WORD m_nTextFormat = kDefaultTextFormat;
    WORD m_nValueWord = 0;
    BYTE m_nPicturePlacement = 6;
    BYTE m_nCellType = 1;
    BYTE m_nFillerChar = ' ';
    bool m_bMergedRight : 1 = false;
    bool m_bMergedBelow : 1 = false;
    bool m_bCovered : 1 = false;
    bool m_bSelectionFrame : 1 = false;
    std::unique_ptr<char[]> m_pText;
    std::unique_ptr<CFontRecord> m_pFont;
    std::unique_ptr<Extras> m_pExtras;
};
