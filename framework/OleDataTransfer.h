#pragma once

// OLE data transfer: the data offered to the clipboard or to a drag (COleDataSource), the data
// read from the clipboard or a drop (COleDataObject), and the target a window registers for
// drops (COleDropTarget).
//
// Ownership: a COleDataSource is reference counted; new gives one reference, which its maker
// releases (Release) once it has handed the source on; the clipboard keeps its own. A
// COleDataObject owns the reference to the data object it is attached to. A COleDropTarget lives
// in its window's object and is registered from the window's creation to its destruction.
//
// DoDragDrop waits for the mouse; tests answer it through the drag hook instead.

#include "framework/Geometry.h"

#include <ole2.h>

#include <map>

using DROPEFFECT = DWORD;

// Stands in for the system's drag loop: gets the data and the allowed effects, answers with the
// effect the drop had (DROPEFFECT_NONE when cancelled).
using DragDropHook = DROPEFFECT (*)(IDataObject* data, DROPEFFECT allowed);

class COleDataSource : public IDataObject, public IDropSource
{
public:
    COleDataSource() = default;
    COleDataSource(const COleDataSource&) = delete;
    COleDataSource& operator=(const COleDataSource&) = delete;

    // The source takes the block; a second block of the format replaces the first.
    void CacheGlobalData(CLIPFORMAT format, HGLOBAL data);
    // Puts the source on the OLE clipboard; false when it could not go there.
    bool SetClipboard();
    // Runs a drag of the data: the effect of the drop, DROPEFFECT_NONE when cancelled.
    DROPEFFECT DoDragDrop(DROPEFFECT allowed = DROPEFFECT_COPY | DROPEFFECT_MOVE);
    static void SetDragDropHook(DragDropHook hook);

    // IUnknown
    STDMETHODIMP QueryInterface(REFIID iid, void** object) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;
    // IDataObject
    STDMETHODIMP GetData(FORMATETC* format, STGMEDIUM* medium) override;
    STDMETHODIMP GetDataHere(FORMATETC* format, STGMEDIUM* medium) override;
    STDMETHODIMP QueryGetData(FORMATETC* format) override;
    STDMETHODIMP GetCanonicalFormatEtc(FORMATETC* in, FORMATETC* out) override;
    STDMETHODIMP SetData(FORMATETC* format, STGMEDIUM* medium, BOOL release) override;
    STDMETHODIMP EnumFormatEtc(DWORD direction, IEnumFORMATETC** formats) override;
    STDMETHODIMP DAdvise(FORMATETC* format, DWORD flags, IAdviseSink* sink, DWORD* connection) override;
    STDMETHODIMP DUnadvise(DWORD connection) override;
    STDMETHODIMP EnumDAdvise(IEnumSTATDATA** advises) override;
    // IDropSource
    STDMETHODIMP QueryContinueDrag(BOOL escapePressed, DWORD keyState) override;
    STDMETHODIMP GiveFeedback(DWORD effect) override;

private:
    virtual ~COleDataSource();

    LONG m_refs = 1;
    std::map<CLIPFORMAT, HGLOBAL> m_blocks;
};

class COleDataObject
{
public:
    COleDataObject() = default;
    COleDataObject(const COleDataObject&) = delete;
    COleDataObject& operator=(const COleDataObject&) = delete;
    ~COleDataObject() { Release(); }

    // The data now on the clipboard; false when there is none to be had.
    bool AttachClipboard();
    // Adds a reference of its own to data.
    void Attach(IDataObject* data);
    void Release();
    IDataObject* GetIDataObject() const { return m_data; }

    bool IsDataAvailable(CLIPFORMAT format) const;
    // A copy of the format's block, which the caller frees with GlobalFree; null without it.
    HGLOBAL GetGlobalData(CLIPFORMAT format) const;

private:
    IDataObject* m_data = nullptr;
};

class COleDropTarget : public IDropTarget
{
public:
    COleDropTarget() = default;
    COleDropTarget(const COleDropTarget&) = delete;
    COleDropTarget& operator=(const COleDropTarget&) = delete;
    virtual ~COleDropTarget() { Revoke(); }

    // false when OLE is not initialised on this thread or the window already has a target.
    bool Register(HWND window);
    void Revoke();
    HWND GetWindow() const { return m_window; }

    // Points are in the window's client coordinates.
    virtual DROPEFFECT OnDragEnter(COleDataObject* data, DWORD keyState, CPoint point);
    virtual DROPEFFECT OnDragOver(COleDataObject* data, DWORD keyState, CPoint point);
    virtual void OnDragLeave() {}
    virtual bool OnDrop(COleDataObject* data, DROPEFFECT effect, CPoint point);

    // IUnknown: the target lives as long as its owner; the counts only balance OLE's.
    STDMETHODIMP QueryInterface(REFIID iid, void** object) override;
    STDMETHODIMP_(ULONG) AddRef() override { return ULONG(++m_refs); }
    STDMETHODIMP_(ULONG) Release() override { return ULONG(--m_refs); }
    // IDropTarget
    STDMETHODIMP DragEnter(IDataObject* data, DWORD keyState, POINTL point, DWORD* effect) override;
    STDMETHODIMP DragOver(DWORD keyState, POINTL point, DWORD* effect) override;
    STDMETHODIMP DragLeave() override;
    STDMETHODIMP Drop(IDataObject* data, DWORD keyState, POINTL point, DWORD* effect) override;

    // One effect of those the source allows: the wanted move, else a copy, else none.
    static DROPEFFECT Resolve(DROPEFFECT wanted, DROPEFFECT allowed);

private:
    CPoint ToClient(POINTL point) const;

    HWND m_window = nullptr;
    LONG m_refs = 0;
    COleDataObject m_dragged;
};
