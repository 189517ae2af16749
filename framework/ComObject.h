#pragma once

// The IUnknown of a small COM object that answers one interface: made with one reference, which
// its creator owns, and deleted with its last. CDispatchWithoutTypes is such an IDispatch that
// names no members and has no type information (event sinks, member-less automation objects).

#include <windows.h>
#include <oleauto.h>
#include <unknwn.h>

template <class I, const IID* InterfaceId> class CComObject : public I
{
public:
    virtual ~CComObject() = default;

    STDMETHODIMP QueryInterface(REFIID iid, void** object) override
    {
        if (!object)
            return E_POINTER;
        if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, *InterfaceId) || AnswersAlso(iid)) {
            *object = static_cast<I*>(this);
            this->AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return ULONG(::InterlockedIncrement(&m_refs)); }
    STDMETHODIMP_(ULONG) Release() override
    {
        const LONG refs = ::InterlockedDecrement(&m_refs);
        if (refs == 0)
            delete this;
        return ULONG(refs);
    }

protected:
    // Another interface id that this object's interface stands for (a dispinterface).
    virtual bool AnswersAlso(REFIID) const { return false; }

private:
    LONG m_refs = 1;
};

class CDispatchWithoutTypes : public CComObject<IDispatch, &IID_IDispatch>
{
public:
    STDMETHODIMP GetTypeInfoCount(UINT* count) override
    {
        if (!count)
            return E_POINTER;
        *count = 0;
        return S_OK;
    }
    STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo** info) override
    {
        if (info)
            *info = nullptr;
        return E_NOTIMPL;
    }
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT count, LCID, DISPID* ids) override
    {
        for (UINT i = 0; ids && i < count; ++i)
            ids[i] = DISPID_UNKNOWN;
        return DISP_E_UNKNOWNNAME;
    }
};
