// Drawing the control into a container's device context.

#include "framework/CDC.h"
#include "framework/ComBoundary.h"
#include "framework/OleControl.h"

STDMETHODIMP COleControl::Draw(DWORD aspect, LONG, void*, DVTARGETDEVICE*, HDC, HDC drawDC, LPCRECTL bounds,
                               LPCRECTL, BOOL(STDMETHODCALLTYPE*)(ULONG_PTR), ULONG_PTR)
{
    if (aspect != DVASPECT_CONTENT)
        return DV_E_DVASPECT;
    if (!drawDC || !bounds)
        return E_INVALIDARG;
    CRect rect(bounds->left, bounds->top, bounds->right, bounds->bottom);
    // The container's device context is given back as it came, also after a failed drawing.
    struct SavedState
    {
        HDC dc;
        int saved = ::SaveDC(dc);
        ~SavedState() { ::RestoreDC(dc, saved); }
    } state{drawDC};
    return ComBoundary([&] {
        CDC dc(drawDC); // wraps the handle without owning it
        OnDraw(&dc, rect, rect);
        return S_OK;
    });
}

STDMETHODIMP COleControl::GetColorSet(DWORD, LONG, void*, DVTARGETDEVICE*, HDC, LOGPALETTE** colors)
{
    if (colors)
        *colors = nullptr;
    return E_NOTIMPL;
}

STDMETHODIMP COleControl::Freeze(DWORD, LONG, void*, DWORD* freeze)
{
    if (freeze)
        *freeze = 0;
    return E_NOTIMPL;
}

STDMETHODIMP COleControl::Unfreeze(DWORD)
{
    return E_NOTIMPL;
}

STDMETHODIMP COleControl::SetAdvise(DWORD aspects, DWORD flags, IAdviseSink* sink)
{
    if (sink)
        sink->AddRef();
    if (m_viewAdvise)
        m_viewAdvise->Release();
    m_viewAdvise = sink;
    m_viewAdviseAspects = aspects;
    m_viewAdviseFlags = flags;
    return S_OK;
}

STDMETHODIMP COleControl::GetAdvise(DWORD* aspects, DWORD* flags, IAdviseSink** sink)
{
    if (aspects)
        *aspects = m_viewAdviseAspects;
    if (flags)
        *flags = m_viewAdviseFlags;
    if (sink) {
        *sink = m_viewAdvise;
        if (m_viewAdvise)
            m_viewAdvise->AddRef();
    }
    return S_OK;
}

STDMETHODIMP COleControl::GetExtent(DWORD aspect, LONG, DVTARGETDEVICE*, LPSIZEL size)
{
    if (aspect != DVASPECT_CONTENT)
        return DV_E_DVASPECT;
    if (!size)
        return E_POINTER;
    *size = m_extent;
    return S_OK;
}
