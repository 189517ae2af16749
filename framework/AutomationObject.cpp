#include "framework/AutomationObject.h"

#include "framework/ComBoundary.h"
#include "framework/OleModule.h"

STDMETHODIMP CAutomationObject::GetTypeInfoCount(UINT* count)
{
    if (!count)
        return E_POINTER;
    *count = 1;
    return S_OK;
}

STDMETHODIMP CAutomationObject::GetTypeInfo(UINT index, LCID, ITypeInfo** info)
{
    if (!info)
        return E_POINTER;
    *info = nullptr;
    if (index != 0)
        return DISP_E_BADINDEX;
    return ComBoundary([&] {
        ITypeLib* library = nullptr;
        HRESULT hr = ::LoadTypeLibEx(OleModule::ModulePathW().c_str(), REGKIND_NONE, &library);
        if (FAILED(hr))
            return hr;
        hr = library->GetTypeInfoOfGuid(m_iid, info);
        library->Release();
        return hr;
    });
}

STDMETHODIMP CAutomationObject::GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID, DISPID* ids)
{
    if (!IsEqualIID(iid, IID_NULL))
        return DISP_E_UNKNOWNINTERFACE;
    if (!names || !ids)
        return E_POINTER;
    return DispatchGetIDsOfNames(m_members, names, count, ids);
}

STDMETHODIMP CAutomationObject::Invoke(DISPID dispid, REFIID iid, LCID, WORD flags, DISPPARAMS* params,
                                       VARIANT* result, EXCEPINFO* exception, UINT* argError)
{
    if (!IsEqualIID(iid, IID_NULL))
        return DISP_E_UNKNOWNINTERFACE;
    return ComBoundary([&] {
        CCallReference<CAutomationObject> held(this); // a member may make the client release the object
        return DispatchInvoke(m_members, DispatchSelf(), dispid, flags, params, result, exception, argError);
    });
}
