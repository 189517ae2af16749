#pragma once

// An automation object handed out by a control: IDispatch over a table of members, with its type
// information read from the type library embedded in the module.
//
// Ownership: reference counted, freed by the last Release. Its owner keeps one reference and may
// hand out more; a client may hold one after the owner is gone, so the members must not assume
// their target still lives: the owner detaches them first.

#include "framework/ComObject.h"
#include "framework/Dispatch.h"

#include <windows.h>
#include <oaidl.h>
#include <olectl.h>

class CAutomationObject : public CComObject<IDispatch, &IID_IDispatch>
{
public:
    CAutomationObject(const IID& iid, DispatchTable members) : m_iid(iid), m_members(members) {}
    CAutomationObject(const CAutomationObject&) = delete;
    CAutomationObject& operator=(const CAutomationObject&) = delete;

    // IDispatch
    STDMETHODIMP GetTypeInfoCount(UINT* count) override;
    STDMETHODIMP GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override;
    STDMETHODIMP GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID locale, DISPID* ids) override;
    STDMETHODIMP Invoke(DISPID dispid, REFIID iid, LCID locale, WORD flags, DISPPARAMS* params, VARIANT* result,
                        EXCEPINFO* exception, UINT* argError) override;

    // This object's IDispatch with one reference added, for a member that hands it out.
    IDispatch* GetDispatch()
    {
        AddRef();
        return this;
    }

protected:
    ~CAutomationObject() override = default;
    // The object's dispinterface answers QueryInterface as IDispatch does.
    bool AnswersAlso(REFIID iid) const override { return IsEqualIID(iid, m_iid); }
    // The object the table's handlers are called on: the most derived one.
    virtual void* DispatchSelf() = 0;

private:
    const IID& m_iid;
    DispatchTable m_members;
};
