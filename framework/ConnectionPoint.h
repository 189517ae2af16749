#pragma once

// One outgoing interface of a connectable object: advised sinks are kept by cookie and events
// reach them through IDispatch::Invoke. The connection point lives inside its container and
// shares its reference count.

#include <ocidl.h>
#include <olectl.h>

#include <vector>

class CConnectionPoint : public IConnectionPoint
{
public:
    CConnectionPoint(IConnectionPointContainer* container, REFIID iid);
    ~CConnectionPoint();
    CConnectionPoint(const CConnectionPoint&) = delete;
    CConnectionPoint& operator=(const CConnectionPoint&) = delete;

    const IID& GetIID() const { return m_iid; }
    bool HasSinks() const { return !m_sinks.empty(); }

    // Invokes dispid on every sink advised when the call starts. Each sink is held for the call,
    // so a handler may unadvise, advise or call back into the control.
    void FireEvent(DISPID dispid, DISPPARAMS* params);
    // Drops every sink (the control is going away).
    void UnadviseAll();

    // IUnknown (delegates to the container)
    STDMETHODIMP QueryInterface(REFIID iid, void** object) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;
    // IConnectionPoint
    STDMETHODIMP GetConnectionInterface(IID* iid) override;
    STDMETHODIMP GetConnectionPointContainer(IConnectionPointContainer** container) override;
    STDMETHODIMP Advise(IUnknown* sink, DWORD* cookie) override;
    STDMETHODIMP Unadvise(DWORD cookie) override;
    STDMETHODIMP EnumConnections(IEnumConnections** connections) override;

private:
    struct Sink
    {
        DWORD cookie;
        IDispatch* dispatch;
    };
    IConnectionPointContainer* m_container;
    IID m_iid;
    std::vector<Sink> m_sinks;
    DWORD m_nextCookie = 1;
};

// An enumerator over a fixed list of connection points (each AddRef'd while enumerated).
HRESULT CreateConnectionPointEnumerator(IConnectionPoint* const* points, ULONG count,
                                        IEnumConnectionPoints** result);
