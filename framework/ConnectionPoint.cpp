#include "framework/ConnectionPoint.h"

#include "framework/ComBoundary.h"

CConnectionPoint::CConnectionPoint(IConnectionPointContainer* container, REFIID iid)
    : m_container(container), m_iid(iid)
{
}

CConnectionPoint::~CConnectionPoint()
{
    UnadviseAll();
}

void CConnectionPoint::FireEvent(DISPID dispid, DISPPARAMS* params)
{
    std::vector<IDispatch*> snapshot;
    snapshot.reserve(m_sinks.size());
    for (const Sink& sink : m_sinks) {
        sink.dispatch->AddRef();
        snapshot.push_back(sink.dispatch);
    }
    for (IDispatch* sink : snapshot) {
        VARIANT result;
        ::VariantInit(&result);
        EXCEPINFO exception{};
        UINT argError = 0;
        sink->Invoke(dispid, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, params, &result, &exception,
                     &argError);
        ::VariantClear(&result);
        ::SysFreeString(exception.bstrSource);
        ::SysFreeString(exception.bstrDescription);
        ::SysFreeString(exception.bstrHelpFile);
        sink->Release();
    }
}

void CConnectionPoint::UnadviseAll()
{
    std::vector<Sink> sinks;
    sinks.swap(m_sinks);
    for (const Sink& sink : sinks)
        sink.dispatch->Release();
}

STDMETHODIMP CConnectionPoint::QueryInterface(REFIID iid, void** object)
{
    if (!object)
        return E_POINTER;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IConnectionPoint)) {
        *object = static_cast<IConnectionPoint*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

STDMETHODIMP_(ULONG) CConnectionPoint::AddRef()
{
    return m_container->AddRef();
}

STDMETHODIMP_(ULONG) CConnectionPoint::Release()
{
    return m_container->Release();
}

STDMETHODIMP CConnectionPoint::GetConnectionInterface(IID* iid)
{
    if (!iid)
        return E_POINTER;
    *iid = m_iid;
    return S_OK;
}

STDMETHODIMP CConnectionPoint::GetConnectionPointContainer(IConnectionPointContainer** container)
{
    if (!container)
        return E_POINTER;
    *container = m_container;
    m_container->AddRef();
    return S_OK;
}

STDMETHODIMP CConnectionPoint::Advise(IUnknown* sink, DWORD* cookie)
{
    if (!cookie)
        return E_POINTER;
    *cookie = 0;
    if (!sink)
        return E_POINTER;
    IDispatch* dispatch = nullptr;
    if (FAILED(sink->QueryInterface(m_iid, reinterpret_cast<void**>(&dispatch))) || !dispatch) {
        if (FAILED(sink->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&dispatch))) || !dispatch)
            return CONNECT_E_CANNOTCONNECT;
    }
    const HRESULT hr = ComBoundary([&] {
        m_sinks.push_back({m_nextCookie, dispatch});
        return S_OK;
    });
    if (FAILED(hr)) {
        dispatch->Release();
        return hr;
    }
    *cookie = m_nextCookie++;
    return S_OK;
}

STDMETHODIMP CConnectionPoint::Unadvise(DWORD cookie)
{
    for (auto it = m_sinks.begin(); it != m_sinks.end(); ++it) {
        if (it->cookie == cookie) {
            IDispatch* dispatch = it->dispatch;
            m_sinks.erase(it);
            dispatch->Release();
            return S_OK;
        }
    }
    return CONNECT_E_NOCONNECTION;
}

STDMETHODIMP CConnectionPoint::EnumConnections(IEnumConnections** connections)
{
    if (connections)
        *connections = nullptr;
    return E_NOTIMPL;
}

namespace {

class CEnumConnectionPoints final : public IEnumConnectionPoints
{
public:
    CEnumConnectionPoints(IConnectionPoint* const* points, ULONG count) : m_points(points, points + count)
    {
        for (IConnectionPoint* point : m_points)
            point->AddRef();
    }
    virtual ~CEnumConnectionPoints()
    {
        for (IConnectionPoint* point : m_points)
            point->Release();
    }

    STDMETHODIMP QueryInterface(REFIID iid, void** object) override
    {
        if (!object)
            return E_POINTER;
        if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IEnumConnectionPoints)) {
            *object = static_cast<IEnumConnectionPoints*>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return ULONG(::InterlockedIncrement(&m_refs)); }
    STDMETHODIMP_(ULONG) Release() override
    {
        LONG refs = ::InterlockedDecrement(&m_refs);
        if (refs == 0)
            delete this;
        return ULONG(refs);
    }
    STDMETHODIMP Next(ULONG wanted, IConnectionPoint** points, ULONG* fetched) override
    {
        if (!points || (wanted > 1 && !fetched))
            return E_POINTER;
        ULONG given = 0;
        while (given < wanted && m_next < m_points.size()) {
            points[given] = m_points[m_next++];
            points[given++]->AddRef();
        }
        if (fetched)
            *fetched = given;
        return given == wanted ? S_OK : S_FALSE;
    }
    STDMETHODIMP Skip(ULONG count) override
    {
        size_t left = m_points.size() - m_next;
        m_next += count < left ? count : left;
        return count <= left ? S_OK : S_FALSE;
    }
    STDMETHODIMP Reset() override
    {
        m_next = 0;
        return S_OK;
    }
    STDMETHODIMP Clone(IEnumConnectionPoints** copy) override
    {
        if (!copy)
            return E_POINTER;
        *copy = nullptr;
        return ComBoundary([&] {
            auto* clone = new CEnumConnectionPoints(m_points.data(), ULONG(m_points.size()));
            clone->m_next = m_next;
            *copy = clone;
            return S_OK;
        });
    }

private:
    LONG m_refs = 1;
    std::vector<IConnectionPoint*> m_points;
    size_t m_next = 0;
};

} // namespace

HRESULT CreateConnectionPointEnumerator(IConnectionPoint* const* points, ULONG count,
                                        IEnumConnectionPoints** result)
{
    if (!result)
        return E_POINTER;
    *result = nullptr;
    return ComBoundary([&] {
        *result = new CEnumConnectionPoints(points, count);
        return S_OK;
    });
}
