#pragma once

// The class object of one creatable COM class. Factories are static objects that link themselves
// into the module's list, so DllGetClassObject and self-registration find every class.

#include "framework/CString.h"

#include <objbase.h>

class COleObjectFactory : public IClassFactory
{
public:
    using Creator = IUnknown* (*)(); // a new object holding one reference, or null

    COleObjectFactory(REFCLSID clsid, Creator creator, const char* progId);
    virtual ~COleObjectFactory();
    COleObjectFactory(const COleObjectFactory&) = delete;
    COleObjectFactory& operator=(const COleObjectFactory&) = delete;

    const CLSID& GetClassID() const { return m_clsid; }
    const CString& GetProgID() const { return m_progId; }

    // Writes (TRUE) or removes (FALSE) the class's registry entries.
    virtual bool UpdateRegistry(bool registering) = 0;

    // Every factory of the module, in the order they were built.
    static bool UpdateRegistryAll(bool registering);
    static HRESULT GetClassObject(REFCLSID clsid, REFIID iid, void** object);

    // IUnknown: the factory is static, its references only lock the module.
    STDMETHODIMP QueryInterface(REFIID iid, void** object) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;
    // IClassFactory
    STDMETHODIMP CreateInstance(IUnknown* outer, REFIID iid, void** object) override;
    STDMETHODIMP LockServer(BOOL lock) override;

private:
    CLSID m_clsid;
    Creator m_creator;
    CString m_progId;
    COleObjectFactory* m_next = nullptr;
};
