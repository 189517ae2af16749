#include "framework/ClassFactory.h"
#include "framework/ComBoundary.h"
#include "framework/OleModule.h"

namespace {

COleObjectFactory*& FirstFactory()
{
    static COleObjectFactory* first = nullptr;
    return first;
}

} // namespace

COleObjectFactory::COleObjectFactory(REFCLSID clsid, Creator creator, const char* progId)
    : m_clsid(clsid), m_creator(creator), m_progId(progId)
{
    COleObjectFactory** link = &FirstFactory();
    while (*link)
        link = &(*link)->m_next;
    *link = this;
}

COleObjectFactory::~COleObjectFactory()
{
    for (COleObjectFactory** link = &FirstFactory(); *link; link = &(*link)->m_next) {
        if (*link == this) {
            *link = m_next;
            break;
        }
    }
}

bool COleObjectFactory::UpdateRegistryAll(bool registering)
{
    bool ok = true;
    for (COleObjectFactory* factory = FirstFactory(); factory; factory = factory->m_next)
        ok = factory->UpdateRegistry(registering) && ok;
    return ok;
}

HRESULT COleObjectFactory::GetClassObject(REFCLSID clsid, REFIID iid, void** object)
{
    if (!object)
        return E_POINTER;
    *object = nullptr;
    for (COleObjectFactory* factory = FirstFactory(); factory; factory = factory->m_next) {
        if (IsEqualCLSID(factory->m_clsid, clsid))
            return factory->QueryInterface(iid, object);
    }
    return CLASS_E_CLASSNOTAVAILABLE;
}

STDMETHODIMP COleObjectFactory::QueryInterface(REFIID iid, void** object)
{
    if (!object)
        return E_POINTER;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IClassFactory)) {
        *object = static_cast<IClassFactory*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

STDMETHODIMP_(ULONG) COleObjectFactory::AddRef()
{
    OleModule::Lock();
    return 2;
}

STDMETHODIMP_(ULONG) COleObjectFactory::Release()
{
    OleModule::Unlock();
    return 1;
}

STDMETHODIMP COleObjectFactory::CreateInstance(IUnknown* outer, REFIID iid, void** object)
{
    if (!object)
        return E_POINTER;
    *object = nullptr;
    if (outer)
        return CLASS_E_NOAGGREGATION;
    IUnknown* created = nullptr;
    if (HRESULT hr = ComBoundary([&] {
            created = m_creator ? m_creator() : nullptr;
            return S_OK;
        });
        FAILED(hr))
        return hr;
    if (!created)
        return E_OUTOFMEMORY;
    HRESULT hr = created->QueryInterface(iid, object);
    created->Release();
    return hr;
}

STDMETHODIMP COleObjectFactory::LockServer(BOOL lock)
{
    if (lock)
        OleModule::Lock();
    else
        OleModule::Unlock();
    return S_OK;
}
