#pragma once

// The host's wrappers of the control and of the objects it hands out. Every method calls the
// member of the same name by its dispatch id; a member the control does not answer gives the
// result type's empty value (see DispatchCall). The object drivers are attached to the IDispatch a
// getter returned and release it when they go, at the end of the command that fetched it.

#include "framework/DispatchDriver.h"
#include "framework/OleControlSite.h"
#include "host/model/ControlMembers.h"

// The control in a view's window.
class CNorvak : public COleControlWnd
{
public:
    static const CLSID kClassId;

    bool Create(DWORD style, const RECT& rect, HWND parent, UINT id);

    void SetWindowBorderStyle(short style);
    long DoInsertPage(const CString& title) const { return Call<long>(norvak_id::DoInsertPage, title); }
    long DoGetActivePageIndex() const { return Call<long>(norvak_id::DoGetActivePageIndex); }
    long DoGetPageCounts() const { return Call<long>(norvak_id::DoGetPageCounts); }
    bool DoSetPageRowCounts(long page, long rows, long fixed) const
    {
        return Call<bool>(norvak_id::DoSetPageRowCounts, page, rows, fixed);
    }
    bool DoSetPageColumnCounts(long page, long columns, long fixed) const
    {
        return Call<bool>(norvak_id::DoSetPageColumnCounts, page, columns, fixed);
    }
    long DoInsertPageRow(long page, long row) const { return Call<long>(norvak_id::DoInsertPageRow, page, row); }
    long DoInsertPageColumn(long page, long column, short format, const CString& text) const
    {
        return Call<long>(norvak_id::DoInsertPageColumn, page, column, format, text);
    }
    bool DoRemovePageRow(long page, long row) const { return Call<bool>(norvak_id::DoRemovePageRow, page, row); }
    bool DoRemovePageColumn(long page, long column) const
    {
        return Call<bool>(norvak_id::DoRemovePageColumn, page, column);
    }
    bool DoSetPageRowHeight(long page, long row, long height) const
    {
        return Call<bool>(norvak_id::DoSetPageRowHeight, page, row, height);
    }
    long DoGetPageRowHeight(long page, long row) const { return Call<long>(norvak_id::DoGetPageRowHeight, page, row); }
    bool DoSetPageColumnWidth(long page, long column, long width) const
    {
        return Call<bool>(norvak_id::DoSetPageColumnWidth, page, column, width);
    }
    long DoGetPageColumns(long page, long which) const { return Call<long>(norvak_id::DoGetPageColumns, page, which); }
    long DoGetPageRows(long page, long which) const { return Call<long>(norvak_id::DoGetPageRows, page, which); }
    IDispatch* DoGetTabArrowObject() const { return Call<IDispatch*>(norvak_id::DoGetTabArrowObject); }
    IDispatch* DoGetTabTitleObject() const { return Call<IDispatch*>(norvak_id::DoGetTabTitleObject); }
    bool DoSetPageCellText(long page, long row, long col, const CString& text) const
    {
        return Call<bool>(norvak_id::DoSetPageCellText, page, row, col, text);
    }
    bool DoSetPageCellTextFormat(long page, long row, long col, short format) const
    {
        return Call<bool>(norvak_id::DoSetPageCellTextFormat, page, row, col, format);
    }
    short DoGetPageCellTextFormat(long page, long row, long col) const
    {
        return Call<short>(norvak_id::DoGetPageCellTextFormat, page, row, col);
    }
    void DoPrint() const { Call<void>(norvak_id::DoPrint); }
    void DoPreview() const { Call<void>(norvak_id::DoPreview); }
    void DoPrintSetup(bool paper, bool data, bool margins, bool title, bool header, bool footer, bool frame,
                      bool numbers) const
    {
        Call<void>(norvak_id::DoPrintSetup, paper, data, margins, title, header, footer, frame, numbers);
    }
    bool DoSetPageCellCombine(long page, long minRow, long maxRow, long minCol, long maxCol) const
    {
        return Call<bool>(norvak_id::DoSetPageCellCombine, page, minRow, maxRow, minCol, maxCol);
    }
    bool DoSetPageCellUnCombine(long page, long row, long col) const
    {
        return Call<bool>(norvak_id::DoSetPageCellUnCombine, page, row, col);
    }
    long DoGetPageMinSelectedRow(long page) const { return Call<long>(norvak_id::DoGetPageMinSelectedRow, page); }
    long DoGetPageMaxSelectedRow(long page) const { return Call<long>(norvak_id::DoGetPageMaxSelectedRow, page); }
    long DoGetPageMinSelectedCol(long page) const { return Call<long>(norvak_id::DoGetPageMinSelectedCol, page); }
    long DoGetPageMaxSelectedCol(long page) const { return Call<long>(norvak_id::DoGetPageMaxSelectedCol, page); }
    bool DoGetPageRowIsSelected(long page, long row) const
    {
        return Call<bool>(norvak_id::DoGetPageRowIsSelected, page, row);
    }
    bool DoGetPageColIsSelected(long page, long col) const
    {
        return Call<bool>(norvak_id::DoGetPageColIsSelected, page, col);
    }
    IDispatch* DoGetGridObject(long page, long row, long col) const
    {
        return Call<IDispatch*>(norvak_id::DoGetGridObject, page, row, col);
    }
    IDispatch* DoGetGridRangeObject(long page, long minRow, long minCol, long maxRow, long maxCol) const
    {
        return Call<IDispatch*>(norvak_id::DoGetGridRangeObject, page, minRow, minCol, maxRow, maxCol);
    }
    bool DoSetGridHeadSelectedStyle(long page, short style) const
    {
        return Call<bool>(norvak_id::DoSetGridHeadSelectedStyle, page, style);
    }
    short DoGetGridHeadSelectedStyle(long page) const
    {
        return Call<short>(norvak_id::DoGetGridHeadSelectedStyle, page);
    }
    bool DoSetPageDragAndDrop(long page, bool allow) const
    {
        return Call<bool>(norvak_id::DoSetPageDragAndDrop, page, allow);
    }
    bool DoGetPageDragAndDrop(long page) const { return Call<bool>(norvak_id::DoGetPageDragAndDrop, page); }
    bool DoGetPageGridIsSelected(long page, long row, long col) const
    {
        return Call<bool>(norvak_id::DoGetPageGridIsSelected, page, row, col);
    }
    bool DoSetPageFormatBrush(long page, long minRow, long minCol, long maxRow, long maxCol) const
    {
        return Call<bool>(norvak_id::DoSetPageFormatBrush, page, minRow, minCol, maxRow, maxCol);
    }
    bool DoSetPageColumnABCD(long page, long first, long last) const
    {
        return Call<bool>(norvak_id::DoSetPageColumnABCD, page, first, last);
    }
    bool DoSetPageRow1234(long page, long first, long last) const
    {
        return Call<bool>(norvak_id::DoSetPageRow1234, page, first, last);
    }
    bool DoSave(const CString& path, bool allPages, long page, bool rowHeaders, bool columnHeaders) const
    {
        return Call<bool>(norvak_id::DoSave, path, allPages, page, rowHeaders, columnHeaders);
    }
    bool DoOpen(const CString& path) const { return Call<bool>(norvak_id::DoOpen, path); }
    void DoSetInitializePageCounts(bool useDefault, long pages, const CString& title1, const CString& title2,
                                   const CString& title3) const
    {
        Call<void>(norvak_id::DoSetInitializePageCounts, useDefault, pages, title1, title2, title3);
    }
    bool DoSetPageLockRowAndColumn(long page, long rows, long cols) const
    {
        return Call<bool>(norvak_id::DoSetPageLockRowAndColumn, page, rows, cols);
    }
    long DoGetPageLockRow(long page) const { return Call<long>(norvak_id::DoGetPageLockRow, page); }
    long DoGetPageLockColumn(long page) const { return Call<long>(norvak_id::DoGetPageLockColumn, page); }

private:
    template <class R, class... A> R Call(DISPID id, const A&... args) const
    {
        return DispatchCall<R>(*this, id, args...);
    }
};

// A driver of one object the control handed out.
class CObjectDriver : public COleDispatchDriver
{
public:
    using COleDispatchDriver::COleDispatchDriver;
    template <class R, class... A> R Call(DISPID id, const A&... args) const
    {
        return DispatchCall<R>(*this, id, args...);
    }
};

class CFontObjectDriver : public CObjectDriver
{
public:
    using CObjectDriver::CObjectDriver;
    bool DoSetFontWeight(long weight) const { return Call<bool>(font_id::DoSetFontWeight, weight); }
    long DoGetFontWeight() const { return Call<long>(font_id::DoGetFontWeight); }
    bool DoSetFontItalic(bool on) const { return Call<bool>(font_id::DoSetFontItalic, on); }
    bool DoGetFontIsItalic() const { return Call<bool>(font_id::DoGetFontIsItalic); }
    bool DoSetFontUnderline(bool on) const { return Call<bool>(font_id::DoSetFontUnderline, on); }
    bool DoGetFontIsUnderline() const { return Call<bool>(font_id::DoGetFontIsUnderline); }
    bool DoSetFontFaceName(const CString& face) const { return Call<bool>(font_id::DoSetFontFaceName, face); }
    bool DoSetFontSize(long points) const { return Call<bool>(font_id::DoSetFontSize, points); }
};

class CGridObjectDriver : public CObjectDriver
{
public:
    using CObjectDriver::CObjectDriver;
    bool DoSetBkColor(COLORREF colour) const { return Call<bool>(grid_id::DoSetBkColor, long(colour)); }
    COLORREF DoGetBkColor() const { return COLORREF(Call<long>(grid_id::DoGetBkColor)); }
    bool DoSetTextColor(COLORREF colour) const { return Call<bool>(grid_id::DoSetTextColor, long(colour)); }
    COLORREF DoGetTextColor() const { return COLORREF(Call<long>(grid_id::DoGetTextColor)); }
    IDispatch* DoGetFontObject() const { return Call<IDispatch*>(grid_id::DoGetFontObject); }
    COLORREF DoGetHorLineColor(long side) const { return COLORREF(Call<long>(grid_id::DoGetHorLineColor, side)); }
    // One line of the cell: horizontal or vertical, on side 0, 1 or 2.
    void SetLine(bool horizontal, long side, short style, short width, COLORREF colour) const;
    bool DoSetIconFromHandle(HICON icon) const { return Call<bool>(grid_id::DoSetIconFromHandle, icon); }
    bool DoSetBitmapFromHandle(HBITMAP bitmap) const { return Call<bool>(grid_id::DoSetBitmapFromHandle, bitmap); }
    bool DoSetImageFromFile(const CString& path) const { return Call<bool>(grid_id::DoSetImageFromFile, path); }
};

class CGridRangeObjectDriver : public CObjectDriver
{
public:
    using CObjectDriver::CObjectDriver;
    bool DoCopy() const { return Call<bool>(range_id::DoCopy); }
    bool DoCut() const { return Call<bool>(range_id::DoCut); }
    bool DoPaste() const { return Call<bool>(range_id::DoPaste); }
    bool DoIsPaste() const { return Call<bool>(range_id::DoIsPaste); }
};
