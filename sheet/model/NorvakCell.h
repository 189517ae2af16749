#pragma once

// One cell of a page that holds something of its own; a cell with only the defaults has no record
// (the table answers reads of it with a shared default cell). A page may hold millions of these,
// so the record is packed: a short text lives inside it, and the font, indent, pictures, handles,
// image values and merge marks live in one side record that exists only once one of them is set.

#include "sheet/model/CellTypes.h"

#include <cstdint>
#include <cstring>
#include <memory>
#include <new>
#include <utility>

class CCellRecordBlocks;
class CPictureObject;

// A cell's text: up to kInlineBytes bytes live in the record itself, a longer one on the heap.
class CCellText
{
public:
    static constexpr size_t kInlineBytes = 6;

    CCellText() = default;
    CCellText(const CCellText&) = delete;
    CCellText& operator=(const CCellText&) = delete;
    ~CCellText() { Free(); }

    const char* Get() const { return IsInline() ? m_bytes : (HeapText() ? HeapText() : ""); }
    bool IsEmpty() const { return IsInline() ? m_bytes[0] == 0 : HeapText() == nullptr; }
    // May throw std::bad_alloc, leaving the old text; a text that fits inline never throws.
    void Set(const char* text);
    static bool FitsInline(const char* text) { return !text || std::strlen(text) <= kInlineBytes; }
    // Exchanges the two texts; cannot fail.
    void Swap(CCellText& other) noexcept { std::swap(m_bytes, other.m_bytes); }

private:
    // Byte 7 is the tag: a heap pointer (bytes 0-3 or 0-7) never has it set in a user-mode address.
    static constexpr char kInlineTag = char(0x80);
    bool IsInline() const { return m_bytes[7] == kInlineTag; }
    char* HeapText() const;
    void Free();

    alignas(void*) char m_bytes[8] = {};
};
static_assert(sizeof(CCellText) == 8);

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
    // A cell made in a block of records (CCellRecordBlocks) goes back to its block; any other to
    // the heap.
    static void operator delete(CNorvakCell* cell, std::destroying_delete_t);

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

    // Merges. The setters that store a non-zero value may throw std::bad_alloc.
    BOOL IsCovered() const { return m_bCovered; }
    void SetCovered(BOOL on) { m_bCovered = on != FALSE; }
    int GetEditLock() const { return m_pExtras ? m_pExtras->editLock : 0; }
    void SetEditLock(int lock);
    BOOL HasSelectionFrame() const { return m_bSelectionFrame; }
    void SetSelectionFrame(BOOL on) { m_bSelectionFrame = on != FALSE; }
    WORD GetRowSpan() const { return m_pExtras ? m_pExtras->rowSpan : WORD(0); }
    void SetRowSpan(WORD n);
    WORD GetColSpan() const { return m_pExtras ? m_pExtras->colSpan : WORD(0); }
    void SetColSpan(WORD n);
    bool IsMergeOrigin() const { return GetRowSpan() != 0 || GetColSpan() != 0; }
    CCellCoord GetMergeOrigin() const { return m_pExtras ? m_pExtras->mergeOrigin : CCellCoord(); }
    void SetMergeOrigin(CCellCoord origin);

    // The state bits the cell keeps. The selected bit is never among them: whether a cell is
    // selected is the page's selection alone (SheetModel::GetItemState joins the two), so that a
    // selection costs the same whatever the cells hold.
    WORD GetState() const { return m_nState; }
    void SetState(WORD state) { m_nState = WORD(state & ~CIS_SELECTED); }
    WORD GetTextFormat() const { return m_nTextFormat; }
    void SetTextFormat(WORD code) { m_nTextFormat = code; }
    WORD GetValueWord() const { return m_nValueWord; }
    void SetValueWord(WORD value) { m_nValueWord = value; }

    CString GetText() const { return CString(GetTextPtr()); }
    const char* GetTextPtr() const { return m_text.Get(); }
    bool HasText() const { return !m_text.IsEmpty(); }
    // May throw std::bad_alloc, leaving the old text.
    void SetText(const char* text) { m_text.Set(text); }
    // Puts in a text built beforehand and gives back the old one; cannot fail.
    void SwapText(CCellText& text) noexcept { m_text.Swap(text); }

    // The font record. Editing it gives the cell its own copy; setting the default record again
    // returns the cell to the shared one. Both may throw std::bad_alloc.
    const CFontRecord& GetFont() const { return m_pExtras && m_pExtras->font ? *m_pExtras->font : DefaultFont(); }
    void SetFont(const CFontRecord& font);
    CFontRecord& EditFont();
    bool HasOwnFont() const { return m_pExtras && m_pExtras->font; }
    static const CFontRecord& DefaultFont();

    // Rare fields; the setters may throw std::bad_alloc, unless ReserveRareFields ran.
    void ReserveRareFields() { EditExtras(); }
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
        std::unique_ptr<CFontRecord> font;
        int indent = 0;
        int image = 0;
        int imageValue = 0;
        HBITMAP bitmap = nullptr;
        HICON icon = nullptr;
        PicturePtr picture{nullptr, nullptr};
        int editLock = 0;
        WORD rowSpan = 0;
        WORD colSpan = 0;
        CCellCoord mergeOrigin;
    };
    Extras& EditExtras();
    // A value that equals the default needs no side record.
    template <class T> void SetExtra(T Extras::*field, T value)
    {
        if (m_pExtras || value != T{})
            EditExtras().*field = value;
    }

    CCellText m_text;
    std::unique_ptr<Extras> m_pExtras;
    COLORREF m_crVerLine = kDefaultLineColor;
    COLORREF m_crHorLine = kDefaultLineColor;
    BYTE m_nVerLineWidth = 1;
    BYTE m_nHorLineWidth = 1;
    BYTE m_nVerLineStyle = 1;
    BYTE m_nHorLineStyle = 1;
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
    // 0 for a record of its own on the heap; n for slot n - 1 of a block of records.
    uint16_t m_nBlockSlot = 0;

    friend class CCellRecordBlocks;
};
// The block slot takes what was padding: the record stays 48 bytes (40 in the 32-bit build).
static_assert(sizeof(CNorvakCell) <= (sizeof(void*) == 8 ? 48 : 40));
