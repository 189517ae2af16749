#pragma once

// A property page that a container shows in a property frame of its own (OleCreatePropertyFrame):
// one COM object speaking IPropertyPage, whose window is a child dialog made from a template of
// this module (WS_CHILD, no caption or border) inside the frame's page area. The page edits the
// properties of the objects the frame hands it: DoDataExchange moves them between those objects
// and the page's members with DDP_Text, between the members and the controls with the DDX_
// functions, and ends with DDP_PostProcessing. On opening (Activate, or new objects) the
// properties are read from the first object; Apply writes each property whose member changed to
// every object. The page is dirty, and tells its site, once a control bound to a property changes.
//
// A frame that shows each page inside a property sheet page of its own, sends that page PSN_APPLY
// on OK and Apply and leaves the rest to the page (Wine's OleCreatePropertyFrame calls neither
// Apply nor enables its Apply button when told of a change) gets the same from the page itself: it
// watches the notices of the sheet page around it, applies on PSN_APPLY and marks that sheet page
// changed. A frame that calls Apply itself finds nothing left to apply.
//
// Ownership: a COM object made with one reference and deleted by its last Release; it holds a
// reference to its site and to each object; its window goes with Deactivate or with the object.
// No C++ exception leaves one of its interface methods.

#include "framework/ClassFactory.h"
#include "framework/Dialog.h"

#include <ocidl.h>

#include <vector>

class COlePropertyPage : public CDialog, public IPropertyPage
{
public:
    // captionId: the string resource that names the page on its tab.
    COlePropertyPage(UINT templateId, UINT captionId);
    ~COlePropertyPage() override;

    // IUnknown
    STDMETHODIMP QueryInterface(REFIID iid, void** object) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;
    // IPropertyPage
    STDMETHODIMP SetPageSite(IPropertyPageSite* site) override;
    STDMETHODIMP Activate(HWND parent, LPCRECT rect, BOOL modal) override;
    STDMETHODIMP Deactivate() override;
    STDMETHODIMP GetPageInfo(PROPPAGEINFO* info) override;
    STDMETHODIMP SetObjects(ULONG count, IUnknown** objects) override;
    STDMETHODIMP Show(UINT command) override;
    STDMETHODIMP Move(LPCRECT rect) override;
    STDMETHODIMP IsPageDirty() override;
    STDMETHODIMP Apply() override;
    STDMETHODIMP Help(LPCOLESTR helpDir) override;
    STDMETHODIMP TranslateAccelerator(MSG* msg) override;

    bool IsModified() const { return m_bDirty; }
    ULONG GetObjectCount() const { return ULONG(m_objects.size()); }

    // Property exchange, called from DoDataExchange.
    friend void DDP_Text(CDataExchange* dx, int id, int& member, const char* property);
    friend void DDP_PostProcessing(CDataExchange* dx);

protected:
    // Marks the page changed (or not) and tells the site.
    void SetModifiedFlag(bool modified = true);
    // What the frame shows with the page's help button.
    void SetHelpInfo(const char* docString, const char* helpFile, DWORD helpContext);

    // A page ends nothing: Enter and Esc inside it belong to the frame.
    void OnOK() override {}
    void OnCancel() override {}
    // The frame runs the dialog keys of its pages.
    bool PreTranslateMessage(MSG*) override { return false; }
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    // One property bound to a member and its control, with the value the objects hold as last
    // read or written.
    struct Binding
    {
        int controlId;
        CString property;
        int* member;
        int read;
    };
    Binding& BindingOf(int controlId, const CString& property, int& member);
    bool ReadProperty(const CString& property, int& value) const;
    bool WriteProperty(const CString& property, int value) const;
    void ReleaseObjects();
    bool IsBoundControl(int id) const;
    // The sheet page of a frame around the page's window, watched while the window lives.
    void WatchFramePage(HWND parent);
    void StopWatchingFramePage();
    static LRESULT CALLBACK FramePageProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR id,
                                          DWORD_PTR page);

    LONG m_refs = 1;
    UINT m_captionId;
    IPropertyPageSite* m_site = nullptr;
    HWND m_framePage = nullptr;
    std::vector<IDispatch*> m_objects;
    std::vector<Binding> m_bindings;
    CString m_docString;
    CString m_helpFile;
    DWORD m_helpContext = 0;
    bool m_bDirty = false;
    bool m_bLoading = false;  // the controls are being filled: their notices change nothing
    bool m_bWriteFailed = false;
};

// A new page of class Page with one reference, or none when it could not be made (memory ran
// out): the creator of the page's class factory.
template <class Page> IUnknown* CreatePropertyPage() noexcept
{
    try {
        return static_cast<IPropertyPage*>(new Page);
    } catch (...) {
        return nullptr;
    }
}

void DDP_Text(CDataExchange* dx, int id, int& member, const char* property);
void DDP_PostProcessing(CDataExchange* dx);

// The class object of a property page: a static object of the module, found by
// DllGetClassObject; its registration names the page's class (string resource nameId, 0 for no
// name) and its server, and its unregistration removes the class again. The ProgID is the
// factory's name only: it is not registered.
class COlePropertyPageFactory : public COleObjectFactory
{
public:
    COlePropertyPageFactory(REFCLSID clsid, Creator creator, const char* progId, UINT nameId)
        : COleObjectFactory(clsid, creator, progId), m_nameId(nameId)
    {
    }
    bool UpdateRegistry(bool registering) override;

private:
    UINT m_nameId;
};
