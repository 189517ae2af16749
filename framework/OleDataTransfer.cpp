#include "framework/OleDataTransfer.h"

#include "framework/ComBoundary.h"

#include <shlobj.h>

#include <cstring>
#include <utility>
#include <vector>

namespace {

DragDropHook g_dragDropHook = nullptr;

HGLOBAL CopyBlock(HGLOBAL block)
{
    const SIZE_T size = ::GlobalSize(block);
    const void* from = ::GlobalLock(block);
    if (!from)
        return nullptr;
    HGLOBAL copy = ::GlobalAlloc(GMEM_MOVEABLE, size);
    if (void* to = copy ? ::GlobalLock(copy) : nullptr) {
        std::memcpy(to, from, size);
        ::GlobalUnlock(copy);
    }
    ::GlobalUnlock(block);
    return copy;
}

bool IsGlobalFormat(const FORMATETC* format)
{
    return format && (format->tymed & TYMED_HGLOBAL) && format->dwAspect == DVASPECT_CONTENT &&
           format->lindex == -1;
}

} // namespace

// ---- COleDataSource ----

COleDataSource::~COleDataSource()
{
    for (auto& [format, block] : m_blocks)
        ::GlobalFree(block);
}

void COleDataSource::CacheGlobalData(CLIPFORMAT format, HGLOBAL data)
{
    HGLOBAL& slot = m_blocks[format];
    if (slot)
        ::GlobalFree(slot);
    slot = data;
}

bool COleDataSource::SetClipboard()
{
    return SUCCEEDED(::OleSetClipboard(this));
}

void COleDataSource::SetDragDropHook(DragDropHook hook)
{
    g_dragDropHook = hook;
}

DROPEFFECT COleDataSource::DoDragDrop(DROPEFFECT allowed)
{
    if (g_dragDropHook)
        return g_dragDropHook(this, allowed);
    DWORD effect = DROPEFFECT_NONE;
    return ::DoDragDrop(this, this, allowed, &effect) == DRAGDROP_S_DROP ? effect : DROPEFFECT_NONE;
}

STDMETHODIMP COleDataSource::QueryInterface(REFIID iid, void** object)
{
    if (!object)
        return E_POINTER;
    if (iid == IID_IUnknown || iid == IID_IDataObject)
        *object = static_cast<IDataObject*>(this);
    else if (iid == IID_IDropSource)
        *object = static_cast<IDropSource*>(this);
    else {
        *object = nullptr;
        return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
}

STDMETHODIMP_(ULONG) COleDataSource::AddRef()
{
    return ULONG(::InterlockedIncrement(&m_refs));
}

STDMETHODIMP_(ULONG) COleDataSource::Release()
{
    const LONG refs = ::InterlockedDecrement(&m_refs);
    if (refs == 0)
        delete this;
    return ULONG(refs);
}

STDMETHODIMP COleDataSource::GetData(FORMATETC* format, STGMEDIUM* medium)
{
    if (!medium)
        return E_POINTER;
    if (QueryGetData(format) != S_OK)
        return DV_E_FORMATETC;
    HGLOBAL copy = CopyBlock(m_blocks.find(format->cfFormat)->second);
    if (!copy)
        return E_OUTOFMEMORY;
    medium->tymed = TYMED_HGLOBAL;
    medium->hGlobal = copy;
    medium->pUnkForRelease = nullptr;
    return S_OK;
}

STDMETHODIMP COleDataSource::GetDataHere(FORMATETC*, STGMEDIUM*)
{
    return E_NOTIMPL;
}

STDMETHODIMP COleDataSource::QueryGetData(FORMATETC* format)
{
    if (!IsGlobalFormat(format))
        return DV_E_FORMATETC;
    return m_blocks.count(format->cfFormat) ? S_OK : DV_E_FORMATETC;
}

STDMETHODIMP COleDataSource::GetCanonicalFormatEtc(FORMATETC*, FORMATETC* out)
{
    if (out)
        out->ptd = nullptr;
    return DATA_S_SAMEFORMATETC;
}

STDMETHODIMP COleDataSource::SetData(FORMATETC*, STGMEDIUM*, BOOL)
{
    return E_NOTIMPL;
}

STDMETHODIMP COleDataSource::EnumFormatEtc(DWORD direction, IEnumFORMATETC** formats)
{
    if (!formats)
        return E_POINTER;
    *formats = nullptr;
    if (direction != DATADIR_GET)
        return E_NOTIMPL;
    return ComBoundary([&] {
        std::vector<FORMATETC> list;
        for (const auto& entry : m_blocks)
            list.push_back(FORMATETC{entry.first, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL});
        return ::SHCreateStdEnumFmtEtc(UINT(list.size()), list.data(), formats);
    });
}

STDMETHODIMP COleDataSource::DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*)
{
    return OLE_E_ADVISENOTSUPPORTED;
}

STDMETHODIMP COleDataSource::DUnadvise(DWORD)
{
    return OLE_E_ADVISENOTSUPPORTED;
}

STDMETHODIMP COleDataSource::EnumDAdvise(IEnumSTATDATA**)
{
    return OLE_E_ADVISENOTSUPPORTED;
}

STDMETHODIMP COleDataSource::QueryContinueDrag(BOOL escapePressed, DWORD keyState)
{
    if (escapePressed)
        return DRAGDROP_S_CANCEL;
    return (keyState & (MK_LBUTTON | MK_RBUTTON)) ? S_OK : DRAGDROP_S_DROP;
}

STDMETHODIMP COleDataSource::GiveFeedback(DWORD)
{
    return DRAGDROP_S_USEDEFAULTCURSORS;
}

// ---- COleDataObject ----

bool COleDataObject::AttachClipboard()
{
    Release();
    return SUCCEEDED(::OleGetClipboard(&m_data)) && m_data;
}

void COleDataObject::Attach(IDataObject* data)
{
    if (data)
        data->AddRef();
    Release();
    m_data = data;
}

void COleDataObject::Release()
{
    if (m_data)
        m_data->Release();
    m_data = nullptr;
}

bool COleDataObject::IsDataAvailable(CLIPFORMAT format) const
{
    FORMATETC query{format, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
    return m_data && m_data->QueryGetData(&query) == S_OK;
}

HGLOBAL COleDataObject::GetGlobalData(CLIPFORMAT format) const
{
    if (!m_data)
        return nullptr;
    FORMATETC query{format, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
    STGMEDIUM medium{};
    if (FAILED(m_data->GetData(&query, &medium)))
        return nullptr;
    HGLOBAL copy = medium.tymed == TYMED_HGLOBAL && medium.hGlobal ? CopyBlock(medium.hGlobal) : nullptr;
    ::ReleaseStgMedium(&medium);
    return copy;
}

// ---- COleDropTarget ----

bool COleDropTarget::Register(HWND window)
{
    if (m_window || !window)
        return false;
    if (FAILED(::RegisterDragDrop(window, this)))
        return false;
    m_window = window;
    return true;
}

void COleDropTarget::Revoke()
{
    if (!m_window)
        return;
    ::RevokeDragDrop(m_window);
    m_window = nullptr;
    m_dragged.Release();
}

DROPEFFECT COleDropTarget::OnDragEnter(COleDataObject* data, DWORD keyState, CPoint point)
{
    return OnDragOver(data, keyState, point);
}

DROPEFFECT COleDropTarget::OnDragOver(COleDataObject*, DWORD, CPoint)
{
    return DROPEFFECT_NONE;
}

bool COleDropTarget::OnDrop(COleDataObject*, DROPEFFECT, CPoint)
{
    return false;
}

DROPEFFECT COleDropTarget::Resolve(DROPEFFECT wanted, DROPEFFECT allowed)
{
    // A move the source does not allow becomes a copy.
    if (wanted & allowed & DROPEFFECT_MOVE)
        return DROPEFFECT_MOVE;
    if ((wanted & (DROPEFFECT_MOVE | DROPEFFECT_COPY)) && (allowed & DROPEFFECT_COPY))
        return DROPEFFECT_COPY;
    return wanted & allowed & DROPEFFECT_LINK;
}

CPoint COleDropTarget::ToClient(POINTL point) const
{
    POINT client{point.x, point.y};
    ::ScreenToClient(m_window, &client);
    return CPoint(client);
}

STDMETHODIMP COleDropTarget::QueryInterface(REFIID iid, void** object)
{
    if (!object)
        return E_POINTER;
    if (iid == IID_IUnknown || iid == IID_IDropTarget) {
        *object = static_cast<IDropTarget*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

// A handler that fails answers that the data cannot be dropped here.
STDMETHODIMP COleDropTarget::DragEnter(IDataObject* data, DWORD keyState, POINTL point, DWORD* effect)
{
    if (!effect)
        return E_INVALIDARG;
    m_dragged.Attach(data);
    const DROPEFFECT allowed = std::exchange(*effect, DROPEFFECT_NONE);
    return ComBoundary([&] {
        *effect = Resolve(OnDragEnter(&m_dragged, keyState, ToClient(point)), allowed);
        return S_OK;
    });
}

STDMETHODIMP COleDropTarget::DragOver(DWORD keyState, POINTL point, DWORD* effect)
{
    if (!effect)
        return E_INVALIDARG;
    const DROPEFFECT allowed = std::exchange(*effect, DROPEFFECT_NONE);
    return ComBoundary([&] {
        *effect = Resolve(OnDragOver(&m_dragged, keyState, ToClient(point)), allowed);
        return S_OK;
    });
}

STDMETHODIMP COleDropTarget::DragLeave()
{
    const HRESULT hr = ComBoundary([&] {
        OnDragLeave();
        return S_OK;
    });
    m_dragged.Release();
    return hr;
}

STDMETHODIMP COleDropTarget::Drop(IDataObject* data, DWORD keyState, POINTL point, DWORD* effect)
{
    if (!effect)
        return E_INVALIDARG;
    COleDataObject dropped;
    dropped.Attach(data);
    const CPoint client = ToClient(point);
    const DROPEFFECT allowed = std::exchange(*effect, DROPEFFECT_NONE);
    const HRESULT hr = ComBoundary([&] {
        const DROPEFFECT chosen = Resolve(OnDragOver(&dropped, keyState, client), allowed);
        if (chosen != DROPEFFECT_NONE && OnDrop(&dropped, chosen, client))
            *effect = chosen;
        return S_OK;
    });
    m_dragged.Release();
    return hr;
}
