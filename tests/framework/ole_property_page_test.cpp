// A property page for containers' property frames, on objects of the test's own: the values read
// from the first object on opening, a change of a bound control making the page dirty and telling
// its site, Apply writing what changed to every object (and nothing else), refusals written as
// data, the page's information, a frame that only notifies its sheet pages, and no window or GDI
// object left behind.

#include "tests/framework/framework_test_ids.h"
#include "tests/support/GuiResources.h"
#include "tests/support/ModalDriver.h"
#include "tests/support/PickerParent.h"

#include "framework/DataExchange.h"
#include "framework/OleModule.h"
#include "framework/OlePropertyPage.h"

#include <gtest/gtest.h>

#include <commctrl.h>
#include <prsht.h>

#include <functional>
#include <new>
#include <string>
#include <vector>

namespace {

constexpr DISPID kValueId = 7;

// An automation object with one property "Value"; it counts the writes and can refuse them.
class ValueObject : public IDispatch
{
public:
    explicit ValueObject(int initial) : value(initial) {}
    int value;
    int writes = 0;
    bool refuseWrites = false;

    STDMETHODIMP QueryInterface(REFIID iid, void** object) override
    {
        if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch)) {
            *object = this;
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return ULONG(++m_refs); }
    STDMETHODIMP_(ULONG) Release() override { return ULONG(--m_refs); } // lives on the test's stack
    STDMETHODIMP GetTypeInfoCount(UINT* count) override
    {
        *count = 0;
        return S_OK;
    }
    STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) override
    {
        if (count != 1 || std::wstring(names[0]) != L"Value")
            return DISP_E_UNKNOWNNAME;
        ids[0] = kValueId;
        return S_OK;
    }
    STDMETHODIMP Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params, VARIANT* result, EXCEPINFO*,
                        UINT*) override
    {
        if (id != kValueId)
            return DISP_E_MEMBERNOTFOUND;
        if (flags & DISPATCH_PROPERTYPUT) {
            if (refuseWrites)
                return E_ACCESSDENIED;
            VARIANT v;
            VariantInit(&v);
            if (FAILED(VariantChangeType(&v, &params->rgvarg[0], 0, VT_I4)))
                return DISP_E_TYPEMISMATCH;
            value = v.lVal;
            ++writes;
            return S_OK;
        }
        result->vt = VT_I2; // as the control's properties answer
        result->iVal = short(value);
        return S_OK;
    }
    LONG References() const { return m_refs; }

private:
    LONG m_refs = 0;
};

// The page's site: what the page told it.
class RecordingSite : public IPropertyPageSite
{
public:
    std::vector<DWORD> statusChanges;
    STDMETHODIMP QueryInterface(REFIID iid, void** object) override
    {
        if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IPropertyPageSite)) {
            *object = this;
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return 2; }
    STDMETHODIMP_(ULONG) Release() override { return 1; }
    STDMETHODIMP OnStatusChange(DWORD flags) override
    {
        statusChanges.push_back(flags);
        return S_OK;
    }
    STDMETHODIMP GetLocaleID(LCID* locale) override
    {
        *locale = LOCALE_USER_DEFAULT;
        return S_OK;
    }
    STDMETHODIMP GetPageContainer(IUnknown** container) override
    {
        *container = nullptr;
        return E_NOTIMPL;
    }
    STDMETHODIMP TranslateAccelerator(MSG*) override { return S_FALSE; }
};

// The value edit is bound to "Value"; the text edit is bound to nothing.
class ValuePage : public COlePropertyPage
{
public:
    ValuePage() : COlePropertyPage(IDD_OLE_VALUE_PAGE, IDS_OLE_VALUE_PAGE)
    {
        SetHelpInfo("说明", "TEST.HLP", 42);
    }
    int value = -1;
    CString text;
    bool throwOnSave = false;

protected:
    void DoDataExchange(CDataExchange* dx) override
    {
        if (throwOnSave && dx->m_bSaveAndValidate)
            throw std::bad_alloc();
        DDP_Text(dx, IDC_VALUE, value, "Value");
        DDX_Text(dx, IDC_VALUE, value);
        DDX_Text(dx, IDC_TEXT, text);
        DDP_PostProcessing(dx);
    }
};

class OlePropertyPage : public ::testing::Test
{
public:
    void SetUp() override
    {
        ASSERT_TRUE(parent.Create(CRect(100, 100, 500, 400)));
        page = new ValuePage;
        page->SetPageSite(&site);
    }
    void TearDown() override
    {
        if (page) {
            EXPECT_EQ(page->Release(), 0u);
        }
        EXPECT_EQ(OleModule::ActiveCount(), 0);
    }
    HRESULT Open(std::vector<IUnknown*> objects)
    {
        EXPECT_EQ(page->SetObjects(ULONG(objects.size()), objects.data()), S_OK);
        const RECT rect{0, 0, 300, 200};
        return page->Activate(parent, &rect, TRUE);
    }
    HWND Control(int id) const { return GetDlgItem(page->m_hWnd, id); }
    std::wstring Shown(int id) const
    {
        wchar_t text[64]{};
        GetWindowTextW(Control(id), text, 64);
        return text;
    }
    // Typing ends in the edit's text and its EN_CHANGE.
    void Type(int id, const wchar_t* text) const { SetWindowTextW(Control(id), text); }

    PickerParent parent;
    RecordingSite site;
    ValuePage* page = nullptr;
};

TEST_F(OlePropertyPage, OpensOnTheFirstObjectAndApplyWritesAChangeToEveryObject)
{
    ValueObject first(5), second(9);
    ASSERT_EQ(Open({&first, &second}), S_OK);
    EXPECT_EQ(Shown(IDC_VALUE), L"5");
    EXPECT_EQ(page->IsPageDirty(), S_FALSE);
    EXPECT_TRUE(site.statusChanges.empty()) << "filling the controls changes nothing";

    Type(IDC_VALUE, L"12");
    EXPECT_EQ(page->IsPageDirty(), S_OK);
    EXPECT_EQ(site.statusChanges, std::vector<DWORD>{PROPPAGESTATUS_DIRTY | PROPPAGESTATUS_VALIDATE});
    EXPECT_EQ(page->Apply(), S_OK);
    EXPECT_EQ(first.value, 12);
    EXPECT_EQ(second.value, 12);
    EXPECT_EQ(page->IsPageDirty(), S_FALSE);

    EXPECT_EQ(page->Apply(), S_OK);
    EXPECT_EQ(first.writes + second.writes, 2) << "a clean page writes nothing";
    EXPECT_EQ(page->Deactivate(), S_OK);
    EXPECT_EQ(page->SetObjects(0, nullptr), S_OK);
    EXPECT_EQ(first.References() + second.References(), 0) << "the objects are let go";
}

TEST_F(OlePropertyPage, WhatApplyWritesAndWhatItRefuses)
{
    struct Case
    {
        const char* name;
        std::function<void(OlePropertyPage&, ValueObject&, ValueObject&)> act;
        HRESULT applied;
        int firstWrites, secondWrites;
        bool dirtyAfter;
    } cases[] = {
        {"typed back to the value read", [](auto& t, auto&, auto&) { t.Type(IDC_VALUE, L"6"), t.Type(IDC_VALUE, L"5"); },
         S_OK, 0, 0, false},
        {"only an unbound control changed", [](auto& t, auto&, auto&) { t.Type(IDC_TEXT, L"x"); }, S_OK, 0, 0, false},
        {"the second object refuses",
         [](auto& t, auto&, auto& second) {
             second.refuseWrites = true;
             t.Type(IDC_VALUE, L"7");
         },
         E_FAIL, 1, 0, true},
        {"a value the exchange refuses", [](auto& t, auto&, auto&) { t.Type(IDC_VALUE, L"七"); }, E_FAIL, 0, 0, true},
        {"new objects while open show their value and clean the page",
         [](auto& t, auto&, auto& second) {
             t.Type(IDC_VALUE, L"7");
             second.value = 9;
             IUnknown* objects[] = {&second};
             EXPECT_EQ(t.page->SetObjects(1, objects), S_OK);
             EXPECT_EQ(t.Shown(IDC_VALUE), L"9");
         },
         S_OK, 0, 0, false},
        {"the exchange throws", [](auto& t, auto&, auto&) { t.Type(IDC_VALUE, L"7"), t.page->throwOnSave = true; },
         E_OUTOFMEMORY, 0, 0, true},
    };
    ModalDriver driver; // answers the refusal's message
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        page->Release();
        page = new ValuePage;
        ValueObject first(5), second(5);
        ASSERT_EQ(Open({&first, &second}), S_OK);
        c.act(*this, first, second);
        EXPECT_EQ(page->Apply(), c.applied);
        EXPECT_EQ(first.writes, c.firstWrites);
        EXPECT_EQ(second.writes, c.secondWrites);
        EXPECT_EQ(page->IsPageDirty(), c.dirtyAfter ? S_OK : S_FALSE);
        page->SetObjects(0, nullptr);
    }
    EXPECT_EQ(driver.SeenOf(ModalRequest::MessageBox).size(), 1u) << "the refused value told the user";
}

TEST_F(OlePropertyPage, CallsOutOfTurn)
{
    const RECT rect{0, 0, 100, 100};
    EXPECT_EQ(page->Deactivate(), E_UNEXPECTED);
    EXPECT_EQ(page->Show(SW_SHOW), E_UNEXPECTED);
    EXPECT_EQ(page->Move(&rect), E_UNEXPECTED);
    EXPECT_EQ(page->Apply(), S_OK) << "no window, nothing to apply";
    EXPECT_EQ(page->Activate(parent, nullptr, TRUE), E_POINTER);
    EXPECT_EQ(page->SetObjects(1, nullptr), E_POINTER);
    IUnknown* none[] = {nullptr};
    EXPECT_EQ(page->SetObjects(1, none), E_POINTER);
    ASSERT_EQ(Open({}), S_OK);
    EXPECT_EQ(Shown(IDC_VALUE), L"-1") << "without objects the member shows";
    EXPECT_EQ(page->Activate(parent, &rect, TRUE), E_UNEXPECTED) << "already open";
    Type(IDC_VALUE, L"3");
    EXPECT_EQ(page->Apply(), S_OK) << "nobody to write to";
    // Enter and Esc in the page belong to the frame: the page stays.
    SendMessageW(page->m_hWnd, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    SendMessageW(page->m_hWnd, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    EXPECT_TRUE(IsWindow(page->m_hWnd));
    EXPECT_EQ(page->Show(SW_SHOW), S_OK);
    EXPECT_TRUE(IsWindowVisible(page->m_hWnd));
    MSG key{Control(IDC_VALUE), WM_KEYDOWN, VK_TAB, 0, 0, {0, 0}};
    EXPECT_EQ(page->TranslateAccelerator(&key), S_FALSE) << "the frame runs the dialog keys";
    HWND window = page->m_hWnd;
    EXPECT_EQ(page->Release(), 0u);
    page = nullptr;
    EXPECT_FALSE(IsWindow(window)) << "the window goes with the last reference";
}

TEST_F(OlePropertyPage, PageInformationAsTheTemplateAndTheCaptionGiveIt)
{
    ASSERT_EQ(Open({}), S_OK);
    PROPPAGEINFO info{};
    ASSERT_EQ(page->GetPageInfo(&info), S_OK);
    EXPECT_EQ(info.cb, sizeof(info));
    EXPECT_STREQ(info.pszTitle, L"数值");
    EXPECT_STREQ(info.pszDocString, L"说明");
    EXPECT_STREQ(info.pszHelpFile, L"TEST.HLP");
    EXPECT_EQ(info.dwHelpContext, 42u);
    RECT units{0, 0, 160, 60};
    MapDialogRect(page->m_hWnd, &units);
    EXPECT_EQ(info.size.cx, units.right);
    EXPECT_EQ(info.size.cy, units.bottom);
    CoTaskMemFree(info.pszTitle);
    CoTaskMemFree(info.pszDocString);
    CoTaskMemFree(info.pszHelpFile);
    EXPECT_EQ(page->GetPageInfo(nullptr), E_POINTER);
    EXPECT_EQ(page->Help(nullptr), E_NOTIMPL);
}

LRESULT CALLBACK RecordChanged(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR changed)
{
    if (msg == PSM_CHANGED)
        reinterpret_cast<std::vector<WPARAM>*>(changed)->push_back(wp);
    return DefSubclassProc(hwnd, msg, wp, lp);
}

// A frame of sheet pages that only notifies them: the page applies on its sheet page's PSN_APPLY
// and marks that sheet page changed with the sheet.
TEST_F(OlePropertyPage, InsideASheetPageOfAFrameThatOnlyNotifies)
{
    HWND sheet = CreateWindowExW(0, L"#32770", L"", WS_POPUP, 0, 0, 400, 300, nullptr, nullptr, nullptr, nullptr);
    CreateWindowExW(0, WC_TABCONTROLW, L"", WS_CHILD, 0, 0, 400, 20, sheet, nullptr, nullptr, nullptr);
    HWND sheetPage = CreateWindowExW(WS_EX_CONTROLPARENT, L"#32770", L"", WS_CHILD, 0, 20, 400, 260, sheet, nullptr,
                                     nullptr, nullptr);
    std::vector<WPARAM> changed;
    SetWindowSubclass(sheet, &RecordChanged, 1, reinterpret_cast<DWORD_PTR>(&changed));
    ValueObject object(5);
    IUnknown* objects[] = {&object};
    ASSERT_EQ(page->SetObjects(1, objects), S_OK);
    const RECT rect{0, 0, 300, 200};
    ASSERT_EQ(page->Activate(sheetPage, &rect, TRUE), S_OK);
    Type(IDC_VALUE, L"8");
    EXPECT_EQ(changed, std::vector<WPARAM>{reinterpret_cast<WPARAM>(sheetPage)});
    NMHDR apply{sheet, 0, UINT(PSN_APPLY)};
    SendMessageW(sheetPage, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&apply));
    EXPECT_EQ(object.value, 8);
    EXPECT_EQ(page->Apply(), S_OK) << "a frame that applies too finds nothing left";
    EXPECT_EQ(object.writes, 1);
    EXPECT_EQ(page->Deactivate(), S_OK);
    SendMessageW(sheetPage, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&apply)); // no page behind it any more
    page->SetObjects(0, nullptr);
    RemoveWindowSubclass(sheet, &RecordChanged, 1);
    DestroyWindow(sheet);
}

TEST_F(OlePropertyPage, OpeningAndClosingLeavesNoWindowOrGdiObject)
{
    ValueObject object(5);
    ExpectNoGuiObjectsLeftBy([&] {
        ASSERT_EQ(Open({&object}), S_OK);
        page->Show(SW_SHOW);
        UpdateWindow(page->m_hWnd);
        Type(IDC_VALUE, L"6");
        page->Apply();
        PROPPAGEINFO info{};
        page->GetPageInfo(&info);
        CoTaskMemFree(info.pszTitle);
        CoTaskMemFree(info.pszDocString);
        CoTaskMemFree(info.pszHelpFile);
        page->Deactivate();
    });
    page->SetObjects(0, nullptr);
}

} // namespace
