#pragma once

// The spreadsheet control. The base class speaks COM and OLE; this class holds the workbook and
// everything the container sees of it.

#include "framework/CString.h"
#include "framework/OleControl.h"

class CNorvakCtrl : public COleControl
{
public:
    CNorvakCtrl();
    ~CNorvakCtrl() override;

    static IUnknown* CreateObject();

    // ---- automation ----
    void AboutBox();
    short GetWindowBorderStyle() { return m_WindowBorderStyle; }
    void SetWindowBorderStyle(short style);
    short DoSetWindowBorderStyle(short nStyle);
    void DoSetInitializePageCounts(BOOL bDefault, long nPages, CString lpszTitle1, CString lpszTitle2,
                                   CString lpszTitle3);

    // ---- COleControl ----
    const CLSID& GetControlClassID() const override;
    const IID& GetPrimaryDispatchIID() const override;
    const IID& GetEventsIID() const override;
    HRESULT GetControlTypeLib(LCID locale, ITypeLib** library) override;
    DWORD GetMiscStatusBits() const override;
    UINT GetUserTypeNameID() const override;
    const CLSID* GetPropPageIDs(ULONG& count) override;
    void DoPropExchange(CPropExchange* exchange) override;
    HRESULT InvokeMember(DISPID dispid, WORD flags, DISPPARAMS* params, VARIANT* result, EXCEPINFO* exception,
                         UINT* argError) override;
    HRESULT GetMemberIDs(LPOLESTR* names, UINT count, DISPID* ids) override;
    HRESULT GetMemberTypeInfo(ITypeInfo** info) override;

    // Initial-pages settings that the first window creation reads.
    bool CreatesDefaultPages() const { return m_bCreateDefaultPages != FALSE; }
    long GetInitialPageCount() const { return m_nInitialPageCount; }
    const CString& GetInitialTitle(int index) const { return m_InitialTitles[index]; }
    short GetBorderStyleInForce() const { return m_nBorderStyle; }

protected:
    bool PreCreateWindow(CREATESTRUCTW& cs) override;
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;
    int OnCreate(CREATESTRUCTW* cs) override;
    const wchar_t* GetWindowClassName() const override;

private:
    void OnDestroy();

    BOOL m_bCreateDefaultPages = TRUE;
    long m_nInitialPageCount = 0;
    CString m_InitialTitles[3];
    short m_nBorderStyle = 1;
    BOOL m_bPagesCreated = FALSE;
    short m_WindowBorderStyle = 1;
    CLSID m_PropPageIDs[2]{};
    bool m_bPropPagesBuilt = false;
};
