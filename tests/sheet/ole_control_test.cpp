// The control object driven in-process, where the container protocol does not reach: colour
// translation, ambient properties read from the site, and the module's current-control slot.

#include "sheet/NorvakCtrl.h"
#include "sheet/NorvakModule.h"

#include <gtest/gtest.h>

namespace {

// A client site that answers ambient properties through IDispatch.
class AmbientSite : public IOleClientSite, public IDispatch
{
public:
    VARIANT_BOOL userMode = VARIANT_FALSE;
    STDMETHODIMP QueryInterface(REFIID iid, void** object) override
    {
        if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IOleClientSite))
            *object = static_cast<IOleClientSite*>(this);
        else if (IsEqualIID(iid, IID_IDispatch))
            *object = static_cast<IDispatch*>(this);
        else
            *object = nullptr;
        return *object ? S_OK : E_NOINTERFACE;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return 2; }
    STDMETHODIMP_(ULONG) Release() override { return 1; }
    STDMETHODIMP SaveObject() override { return S_OK; }
    STDMETHODIMP GetMoniker(DWORD, DWORD, IMoniker**) override { return E_NOTIMPL; }
    STDMETHODIMP GetContainer(IOleContainer**) override { return E_NOINTERFACE; }
    STDMETHODIMP ShowObject() override { return S_OK; }
    STDMETHODIMP OnShowWindow(BOOL) override { return S_OK; }
    STDMETHODIMP RequestNewObjectLayout() override { return E_NOTIMPL; }
    STDMETHODIMP GetTypeInfoCount(UINT* count) override
    {
        *count = 0;
        return S_OK;
    }
    STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    STDMETHODIMP Invoke(DISPID dispid, REFIID, LCID, WORD, DISPPARAMS*, VARIANT* result, EXCEPINFO*,
                        UINT*) override
    {
        if (dispid != DISPID_AMBIENT_USERMODE)
            return DISP_E_MEMBERNOTFOUND;
        result->vt = VT_BOOL;
        result->boolVal = userMode;
        return S_OK;
    }
};

struct ControlHolder
{
    CNorvakCtrl* control = new CNorvakCtrl;
    ~ControlHolder() { control->Release(); }
};

TEST(OleControl, TranslatesOleColours)
{
    ControlHolder holder;
    struct Case
    {
        OLE_COLOR color;
        COLORREF expected;
    } cases[] = {
        {0x00123456, 0x00123456},
        {0x80000000 | COLOR_WINDOW, GetSysColor(COLOR_WINDOW)},
        {0x80000000 | COLOR_BTNFACE, GetSysColor(COLOR_BTNFACE)},
        {0x800000FF, RGB(0, 0, 0)}, // no such system colour
        {0xFF000000, RGB(0, 0, 0)}, // not a colour at all
    };
    for (const Case& c : cases)
        EXPECT_EQ(holder.control->TranslateColor(c.color), c.expected) << std::hex << c.color;
}

TEST(OleControl, ReadsAmbientPropertiesFromTheSite)
{
    ControlHolder holder;
    EXPECT_TRUE(holder.control->AmbientUserMode()) << "without a site the control runs in user mode";
    AmbientSite site;
    ASSERT_EQ(holder.control->SetClientSite(&site), S_OK);
    EXPECT_FALSE(holder.control->AmbientUserMode());
    site.userMode = VARIANT_TRUE;
    EXPECT_TRUE(holder.control->AmbientUserMode());
    VARIANT value;
    EXPECT_FALSE(holder.control->GetAmbientProperty(DISPID_AMBIENT_BACKCOLOR, VT_I4, &value));
    holder.control->SetClientSite(nullptr);
}

TEST(OleControl, TheCurrentControlSlotFollowsWindowCreationAndDestruction)
{
    HWND parent = CreateWindowExW(0, L"STATIC", L"", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr, nullptr,
                                  nullptr, nullptr);
    ControlHolder first, second;
    ASSERT_TRUE(first.control->CreateControlWindow(parent, RECT{0, 0, 50, 50}));
    EXPECT_EQ(NorvakApp().m_pCurrentControl, first.control);
    ASSERT_TRUE(second.control->CreateControlWindow(parent, RECT{50, 0, 100, 50}));
    EXPECT_EQ(NorvakApp().m_pCurrentControl, second.control);
    first.control->DestroyWindow();
    EXPECT_EQ(NorvakApp().m_pCurrentControl, second.control) << "only its own control clears the slot";
    second.control->DestroyWindow();
    EXPECT_EQ(NorvakApp().m_pCurrentControl, nullptr);
    DestroyWindow(parent);
}

TEST(OleControl, RecreatingAWindowWithoutASiteKeepsItsPlace)
{
    HWND parent = CreateWindowExW(0, L"STATIC", L"", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr, nullptr,
                                  nullptr, nullptr);
    ControlHolder holder;
    ASSERT_TRUE(holder.control->CreateControlWindow(parent, RECT{10, 20, 110, 70}));
    EXPECT_EQ(holder.control->DoSetWindowBorderStyle(4), 1);
    HWND window = holder.control->GetSafeHwnd();
    ASSERT_TRUE(IsWindow(window));
    EXPECT_EQ(GetParent(window), parent);
    RECT rect{};
    GetWindowRect(window, &rect);
    MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&rect), 2);
    EXPECT_EQ(rect.left, 10);
    EXPECT_EQ(rect.top, 20);
    EXPECT_EQ(rect.right, 110);
    EXPECT_EQ(rect.bottom, 70);
    EXPECT_TRUE(GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
    holder.control->DestroyWindow();
    DestroyWindow(parent);
}

} // namespace
