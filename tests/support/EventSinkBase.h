#pragma once

// The IUnknown and IDispatch plumbing of a test's _DNorvakEvents sink; a subclass only says what
// to do with each event. Made with one reference, which the creator owns.

#include "Norvak_h.h"

#include <windows.h>

class EventSinkBase : public IDispatch
{
public:
    virtual ~EventSinkBase() = default;

    STDMETHODIMP QueryInterface(REFIID iid, void** object) override
    {
        if (!object)
            return E_POINTER;
        if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch) ||
            IsEqualIID(iid, DIID__DNorvakEvents)) {
            *object = static_cast<IDispatch*>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return ULONG(++m_refs); }
    STDMETHODIMP_(ULONG) Release() override
    {
        LONG refs = --m_refs;
        if (refs == 0)
            delete this;
        return ULONG(refs);
    }
    STDMETHODIMP GetTypeInfoCount(UINT* count) override
    {
        *count = 0;
        return S_OK;
    }
    STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    STDMETHODIMP Invoke(DISPID dispid, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT*, EXCEPINFO*,
                        UINT*) override
    {
        OnEvent(dispid, params);
        return S_OK;
    }

protected:
    virtual void OnEvent(DISPID dispid, DISPPARAMS* params) = 0;

private:
    LONG m_refs = 1;
};
