// Persistence: the same DoPropExchange serves streams, property bags and storages.

#include "framework/ComBoundary.h"
#include "framework/OleControl.h"
#include "framework/PropExchange.h"

namespace {

const wchar_t kContentsStream[] = L"Contents";

} // namespace

void COleControl::DoPropExchange(CPropExchange*) {}

HRESULT COleControl::LoadFrom(CPropExchange& exchange)
{
    DoPropExchange(&exchange);
    if (!exchange.Succeeded())
        return E_FAIL;
    m_modified = false;
    InvalidateControl();
    return S_OK;
}

HRESULT COleControl::SaveTo(CPropExchange& exchange)
{
    DoPropExchange(&exchange);
    return exchange.Succeeded() ? S_OK : E_FAIL;
}

STDMETHODIMP COleControl::GetClassID(CLSID* clsid)
{
    if (!clsid)
        return E_POINTER;
    *clsid = GetControlClassID();
    return S_OK;
}

STDMETHODIMP COleControl::IsDirty()
{
    return m_modified ? S_OK : S_FALSE;
}

STDMETHODIMP COleControl::InitNew()
{
    return ComBoundary([&] {
        OnResetState();
        m_modified = false;
        return S_OK;
    });
}

STDMETHODIMP COleControl::Load(IStream* stream)
{
    if (!stream)
        return E_POINTER;
    return ComBoundary([&] {
        CStreamPropExchange exchange(stream, true);
        return LoadFrom(exchange);
    });
}

STDMETHODIMP COleControl::Save(IStream* stream, BOOL clearDirty)
{
    if (!stream)
        return E_POINTER;
    return ComBoundary([&] {
        CStreamPropExchange exchange(stream, false);
        HRESULT hr = SaveTo(exchange);
        if (SUCCEEDED(hr) && clearDirty)
            m_modified = false;
        return SUCCEEDED(hr) ? S_OK : STG_E_CANTSAVE;
    });
}

STDMETHODIMP COleControl::GetSizeMax(ULARGE_INTEGER* size)
{
    if (!size)
        return E_POINTER;
    size->QuadPart = 0;
    IStream* stream = nullptr;
    if (FAILED(::CreateStreamOnHGlobal(nullptr, TRUE, &stream)))
        return E_OUTOFMEMORY;
    const HRESULT hr = ComBoundary([&] {
        CStreamPropExchange exchange(stream, false);
        HRESULT saved = SaveTo(exchange);
        STATSTG stat{};
        if (SUCCEEDED(saved) && SUCCEEDED(stream->Stat(&stat, STATFLAG_NONAME)))
            size->QuadPart = stat.cbSize.QuadPart;
        return saved;
    });
    stream->Release();
    return hr;
}

STDMETHODIMP COleControl::Load(IPropertyBag* bag, IErrorLog* log)
{
    if (!bag)
        return E_POINTER;
    return ComBoundary([&] {
        CBagPropExchange exchange(bag, log, true);
        return LoadFrom(exchange);
    });
}

STDMETHODIMP COleControl::Save(IPropertyBag* bag, BOOL clearDirty, BOOL)
{
    if (!bag)
        return E_POINTER;
    return ComBoundary([&] {
        CBagPropExchange exchange(bag, nullptr, false);
        HRESULT hr = SaveTo(exchange);
        if (SUCCEEDED(hr) && clearDirty)
            m_modified = false;
        return hr;
    });
}

STDMETHODIMP COleControl::InitNew(IStorage* storage)
{
    if (!storage)
        return E_POINTER;
    return InitNew();
}

STDMETHODIMP COleControl::Load(IStorage* storage)
{
    if (!storage)
        return E_POINTER;
    IStream* stream = nullptr;
    HRESULT hr = storage->OpenStream(kContentsStream, nullptr, STGM_READ | STGM_SHARE_EXCLUSIVE, 0, &stream);
    if (FAILED(hr))
        return hr;
    hr = Load(stream);
    stream->Release();
    return hr;
}

STDMETHODIMP COleControl::Save(IStorage* storage, BOOL)
{
    if (!storage)
        return E_POINTER;
    IStream* stream = nullptr;
    HRESULT hr = storage->CreateStream(kContentsStream, STGM_CREATE | STGM_WRITE | STGM_SHARE_EXCLUSIVE, 0, 0,
                                       &stream);
    if (FAILED(hr))
        return hr;
    hr = Save(stream, TRUE);
    stream->Release();
    return hr;
}

STDMETHODIMP COleControl::SaveCompleted(IStorage*)
{
    return S_OK;
}

STDMETHODIMP COleControl::HandsOffStorage()
{
    return S_OK;
}
