// The control as a container embeds it: creation by CLSID, in-place activation, events, drawing,
// automation, persistence and clean teardown; and Wine's ATL host creating it from its ProgID.

#include "tests/support/ControlTest.h"
#include "tests/support/EventSinkBase.h"
#include "tests/support/GuiResources.h"
#include "tests/support/InputPump.h"
#include "tabs/model/TabGeometry.h"

#include "Norvak_h.h"

#include <gtest/gtest.h>
#include <olectl.h>

#include <algorithm>
#include <map>
#include <string>

namespace {

const auto* const g_environment = ::testing::AddGlobalTestEnvironment(new OleEnvironment(true));

class Control : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_EQ(container.Create(), S_OK); }
    TestContainer container;
};

size_t CountOf(const std::vector<RecordedEvent>& events, DISPID dispid)
{
    size_t count = 0;
    for (const RecordedEvent& event : events)
        count += event.dispid == dispid;
    return count;
}

std::vector<Variant> InitialPages(bool defaults, LONG count)
{
    return {Variant::Bool(defaults), Variant::Long(count), Variant::String(L""), Variant::String(L"第二页"),
            Variant::String(L"")};
}

TEST_F(Control, ActivationCreatesTheWindowAndFiresShellOnCreateOnce)
{
    EXPECT_TRUE(container.events.empty()) << "no event before the window exists";
    ASSERT_EQ(container.Activate(), S_OK);
    HWND window = container.ControlWindow();
    ASSERT_TRUE(IsWindow(window));
    EXPECT_EQ(GetParent(window), container.ParentWindow());
    EXPECT_TRUE(container.inPlaceActive);
    ASSERT_EQ(CountOf(container.events, kEventShellOnCreate), 1u);
    EXPECT_EQ(container.events[0].dispid, kEventShellOnCreate);
    EXPECT_TRUE(container.events[0].args.empty());

    EXPECT_EQ(container.Destroy(), 0u) << "the container held the last reference";
    EXPECT_FALSE(IsWindow(window));
    EXPECT_FALSE(container.inPlaceActive);
    EXPECT_EQ(container.RefCount(), 1) << "the control released every site reference";
}

TEST_F(Control, EnumeratesItsOneConnectionPoint)
{
    IConnectionPointContainer* points =
        container.Query<IConnectionPointContainer>(IID_IConnectionPointContainer);
    ASSERT_NE(points, nullptr);
    IEnumConnectionPoints* enumerator = nullptr;
    ASSERT_EQ(points->EnumConnectionPoints(&enumerator), S_OK);
    IConnectionPoint* found[2] = {};
    ULONG fetched = 0;
    EXPECT_EQ(enumerator->Next(2, found, &fetched), S_FALSE);
    ASSERT_EQ(fetched, 1u);
    IID iid{};
    EXPECT_EQ(found[0]->GetConnectionInterface(&iid), S_OK);
    EXPECT_TRUE(IsEqualIID(iid, DIID__DNorvakEvents));
    found[0]->Release();
    enumerator->Release();
    IConnectionPoint* other = nullptr;
    EXPECT_EQ(points->FindConnectionPoint(IID_IPropertyNotifySink, &other), CONNECT_E_NOCONNECTION);
    points->Release();
}

TEST_F(Control, AShellOnCreateHandlerCanCallBackIntoTheControl)
{
    HRESULT fromHandler = E_FAIL;
    container.onEvent = [&](const RecordedEvent& event) {
        if (event.dispid == kEventShellOnCreate)
            fromHandler = container.Call(kDoSetInitializePageCounts, InitialPages(false, 2));
    };
    ASSERT_EQ(container.Activate(), S_OK);
    EXPECT_EQ(fromHandler, S_OK);
}

TEST_F(Control, ABorderStyleSetWhileTheWindowIsBeingCreatedTakesEffect)
{
    // From the first event and from an event of the initial pages.
    for (DISPID during : {kEventShellOnCreate, kEventShellDoInsertedPage}) {
        SCOPED_TRACE(during);
        TestContainer host;
        ASSERT_EQ(host.Create(), S_OK);
        bool set = false;
        host.onEvent = [&](const RecordedEvent& event) {
            if (event.dispid == during && !set) {
                set = true;
                EXPECT_EQ(host.Call(kDoSetWindowBorderStyle, {Variant::Short(4)}), S_OK);
            }
        };
        ASSERT_EQ(host.Activate(), S_OK);
        HWND window = host.ControlWindow();
        ASSERT_TRUE(IsWindow(window));
        EXPECT_TRUE(GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
        EXPECT_FALSE(GetWindowLongPtrW(window, GWL_STYLE) & WS_BORDER);
        EXPECT_EQ(CountOf(host.events, kEventShellDoInsertedPage), 3u);
    }
}

TEST_F(Control, AHandlerThatUnadvisesDuringTheEventStopsLaterEvents)
{
    container.onEvent = [&](const RecordedEvent&) { container.UnadviseEvents(); };
    ASSERT_EQ(container.Activate(), S_OK);
    ASSERT_EQ(container.PutProperty(kWindowBorderStyle, Variant::Short(3)),
              S_OK); // re-creates: would fire again
    EXPECT_EQ(container.events.size(), 1u);
}

// A sink that counts the events it gets into a counter that outlives it.
class CountingSink : public EventSinkBase
{
public:
    explicit CountingSink(int* calls) : m_calls(calls) {}

protected:
    void OnEvent(DISPID, DISPPARAMS*) override { ++*m_calls; }

private:
    int* m_calls;
};

TEST_F(Control, ASinkUnadvisedByAnotherHandlerStillGetsTheEventInFlightAndNoLaterOne)
{
    IConnectionPointContainer* points =
        container.Query<IConnectionPointContainer>(IID_IConnectionPointContainer);
    ASSERT_NE(points, nullptr);
    IConnectionPoint* point = nullptr;
    ASSERT_EQ(points->FindConnectionPoint(DIID__DNorvakEvents, &point), S_OK);
    points->Release();
    int calls = 0;
    auto* second = new CountingSink(&calls);
    DWORD cookie = 0;
    ASSERT_EQ(point->Advise(second, &cookie), S_OK);
    second->Release(); // the connection point holds the only reference now

    container.onEvent = [&](const RecordedEvent&) {
        if (cookie) {
            EXPECT_EQ(point->Unadvise(cookie), S_OK);
        }
        cookie = 0;
    };
    ASSERT_EQ(container.Activate(), S_OK);
    EXPECT_EQ(calls, 1);
    const size_t before = container.events.size();
    ASSERT_EQ(container.PutProperty(kWindowBorderStyle, Variant::Short(3)), S_OK);
    EXPECT_EQ(container.events.size(), before + 1u);
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(point->Unadvise(12345), CONNECT_E_NOCONNECTION);
    point->Release();
}

// Border style -> the style bits the re-created window carries.
TEST_F(Control, WindowBorderStyleRecreatesTheWindowWithItsBorder)
{
    ASSERT_EQ(container.Activate(), S_OK);
    const DWORD exMask = WS_EX_DLGMODALFRAME | WS_EX_STATICEDGE | WS_EX_CLIENTEDGE;
    struct Case
    {
        short style;
        DWORD border;
        DWORD exStyle;
    } cases[] = {
        {0, 0, 0},
        {1, WS_BORDER, 0},
        {2, 0, WS_EX_DLGMODALFRAME},
        {3, 0, WS_EX_STATICEDGE},
        {4, 0, WS_EX_CLIENTEDGE},
        {5, 0, WS_EX_STATICEDGE | WS_EX_CLIENTEDGE},
        {6, 0, WS_EX_CLIENTEDGE | WS_EX_DLGMODALFRAME},
        {7, 0, 0},
    };
    short previous = 1;
    for (const Case& c : cases) {
        Variant result;
        ASSERT_EQ(container.Call(kDoSetWindowBorderStyle, {Variant::Short(c.style)}, &result), S_OK);
        EXPECT_EQ((*result).vt, VT_I2);
        EXPECT_EQ((*result).iVal, previous) << "returns the style in force before";
        previous = c.style;
        HWND window = container.ControlWindow();
        ASSERT_TRUE(IsWindow(window)) << c.style;
        EXPECT_EQ(DWORD(GetWindowLongPtrW(window, GWL_STYLE)) & WS_BORDER, c.border) << c.style;
        EXPECT_EQ(DWORD(GetWindowLongPtrW(window, GWL_EXSTYLE)) & exMask, c.exStyle) << c.style;
    }
    EXPECT_EQ(CountOf(container.events, kEventShellOnCreate), 1u + std::size(cases))
        << "ShellOnCreate with every window creation";

    IPersistStreamInit* persist = container.Query<IPersistStreamInit>(IID_IPersistStreamInit);
    ASSERT_NE(persist, nullptr);
    EXPECT_EQ(persist->IsDirty(), S_FALSE);
    ASSERT_EQ(container.PutProperty(kWindowBorderStyle, Variant::Short(3)), S_OK);
    EXPECT_EQ(persist->IsDirty(), S_OK) << "a new border style marks the control modified";
    persist->Release();
    Variant value;
    ASSERT_EQ(container.Invoke(kWindowBorderStyle, DISPATCH_PROPERTYGET, {}, &value), S_OK);
    EXPECT_EQ((*value).vt, VT_I2);
    EXPECT_EQ((*value).iVal, 3);
    EXPECT_TRUE(GetWindowLongPtrW(container.ControlWindow(), GWL_EXSTYLE) & WS_EX_STATICEDGE);
}

TEST_F(Control, ObjectRectsMoveTheWindowAndClipIt)
{
    ASSERT_EQ(container.Activate(), S_OK);
    IOleInPlaceObject* inPlace = container.Query<IOleInPlaceObject>(IID_IOleInPlaceObject);
    ASSERT_NE(inPlace, nullptr);
    HWND window = container.ControlWindow();
    RECT position{10, 10, 110, 60}, clip{0, 0, 60, 200};
    ASSERT_EQ(inPlace->SetObjectRects(&position, &clip), S_OK);
    RECT box{};
    EXPECT_EQ(GetWindowRgnBox(window, &box), SIMPLEREGION);
    EXPECT_EQ(box.right, 50) << "clipped at the container's edge";
    EXPECT_EQ(box.bottom, 50);
    ASSERT_EQ(inPlace->SetObjectRects(&position, &position), S_OK);
    EXPECT_EQ(GetWindowRgnBox(window, &box), ERROR) << "no clipping when all of it shows";
    RECT placed{};
    GetWindowRect(window, &placed);
    MapWindowPoints(HWND_DESKTOP, container.ParentWindow(), reinterpret_cast<POINT*>(&placed), 2);
    EXPECT_TRUE(EqualRect(&placed, &position));
    inPlace->Release();
}

TEST_F(Control, NamesResolveWithoutRegardToCase)
{
    struct Case
    {
        const wchar_t* name;
        HRESULT hr;
        DISPID id;
    } cases[] = {
        {L"WindowBorderStyle", S_OK, 1},
        {L"windowborderstyle", S_OK, 1},
        {L"ABOUTBOX", S_OK, DISPID_ABOUTBOX},
        {L"DoSetWindowBorderStyle", S_OK, 36},
        {L"NoSuchMember", DISP_E_UNKNOWNNAME, DISPID_UNKNOWN},
    };
    for (const Case& c : cases) {
        LPOLESTR names[] = {const_cast<LPOLESTR>(c.name)};
        DISPID id = 12345;
        EXPECT_EQ(container.Dispatch()->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id), c.hr);
        EXPECT_EQ(id, c.id);
    }
    Variant previous;
    ASSERT_EQ(container.CallByName(L"dosetwindowborderstyle", {Variant::Short(2)}, &previous), S_OK);
    EXPECT_EQ((*previous).iVal, 1);
}

TEST_F(Control, BadDispatchCallsGiveTheirErrors)
{
    ASSERT_EQ(container.Activate(), S_OK);
    UINT argError = 99;
    EXPECT_EQ(container.Invoke(58, DISPATCH_METHOD), DISP_E_MEMBERNOTFOUND);
    EXPECT_EQ(container.Invoke(9999, DISPATCH_METHOD), DISP_E_MEMBERNOTFOUND);
    EXPECT_EQ(container.Invoke(kDoSetWindowBorderStyle, DISPATCH_METHOD), DISP_E_BADPARAMCOUNT);
    EXPECT_EQ(container.Invoke(kDoSetWindowBorderStyle, DISPATCH_METHOD, {Variant::String(L"thick")}, nullptr,
                               &argError),
              DISP_E_TYPEMISMATCH);
    EXPECT_EQ(argError, 0u);
    DISPPARAMS none{nullptr, nullptr, 0, 0};
    VARIANT result;
    VariantInit(&result);
    EXPECT_EQ(container.Dispatch()->Invoke(DISPID_ABOUTBOX, DIID__DNorvak, 0, DISPATCH_METHOD, &none, &result,
                                           nullptr, nullptr),
              DISP_E_UNKNOWNINTERFACE);

    // A by-reference argument is read through its reference.
    SHORT style = 4;
    VARIANT byRef;
    VariantInit(&byRef);
    byRef.vt = VT_I2 | VT_BYREF;
    byRef.piVal = &style;
    ASSERT_EQ(container.Call(kDoSetWindowBorderStyle, {Variant(byRef)}), S_OK);
    EXPECT_TRUE(GetWindowLongPtrW(container.ControlWindow(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
}

TEST_F(Control, TypeInformationComesFromTheEmbeddedLibrary)
{
    ITypeInfo* info = nullptr;
    ASSERT_EQ(container.Dispatch()->GetTypeInfo(0, LOCALE_USER_DEFAULT, &info), S_OK);
    TYPEATTR* attributes = nullptr;
    ASSERT_EQ(info->GetTypeAttr(&attributes), S_OK);
    EXPECT_TRUE(IsEqualGUID(attributes->guid, DIID__DNorvak));
    info->ReleaseTypeAttr(attributes);
    info->Release();
    EXPECT_EQ(container.Dispatch()->GetTypeInfo(1, LOCALE_USER_DEFAULT, &info), DISP_E_BADINDEX);

    IProvideClassInfo2* classInfo = container.Query<IProvideClassInfo2>(IID_IProvideClassInfo2);
    ASSERT_NE(classInfo, nullptr);
    GUID events{};
    EXPECT_EQ(classInfo->GetGUID(GUIDKIND_DEFAULT_SOURCE_DISP_IID, &events), S_OK);
    EXPECT_TRUE(IsEqualGUID(events, DIID__DNorvakEvents));
    ASSERT_EQ(classInfo->GetClassInfo(&info), S_OK);
    ASSERT_EQ(info->GetTypeAttr(&attributes), S_OK);
    EXPECT_TRUE(IsEqualGUID(attributes->guid, CLSID_Norvak));
    info->ReleaseTypeAttr(attributes);
    info->Release();
    classInfo->Release();
}

TEST_F(Control, PropertyPagesAreTheSameTwoInTheSameOrderOnEveryCall)
{
    const CLSID general = {0x212DBDC1, 0xC90B, 0x4886, {0xA7, 0x9C, 0xC0, 0x9F, 0x2E, 0x84, 0x45, 0xC5}};
    const CLSID pageSetup = {0x0CC7FA99, 0xF090, 0x447F, {0xAF, 0x79, 0xF8, 0xB8, 0xBC, 0xC2, 0xF2, 0xFA}};
    ISpecifyPropertyPages* pages = container.Query<ISpecifyPropertyPages>(IID_ISpecifyPropertyPages);
    ASSERT_NE(pages, nullptr);
    for (int call = 0; call < 3; ++call) {
        CAUUID ids{};
        ASSERT_EQ(pages->GetPages(&ids), S_OK);
        ASSERT_EQ(ids.cElems, 2u);
        EXPECT_TRUE(IsEqualGUID(ids.pElems[0], general));
        EXPECT_TRUE(IsEqualGUID(ids.pElems[1], pageSetup));
        CoTaskMemFree(ids.pElems);
    }
    pages->Release();
}

TEST_F(Control, MiscStatusAndUserTypeAreTheRegisteredOnes)
{
    DWORD status = 0;
    EXPECT_EQ(container.Object()->GetMiscStatus(DVASPECT_CONTENT, &status), S_OK);
    EXPECT_EQ(status, 0x20191u);
    LPOLESTR name = nullptr;
    ASSERT_EQ(container.Object()->GetUserType(USERCLASSTYPE_FULL, &name), S_OK);
    EXPECT_STREQ(name, L"Norvak Control");
    CoTaskMemFree(name);
}

TEST_F(Control, DrawsIntoAMemoryDeviceContext)
{
    ASSERT_EQ(container.Activate(), S_OK);
    HRESULT hr = E_FAIL;
    std::vector<DWORD> pixels = container.DrawToMemory(64, 48, 0x123456, &hr);
    ASSERT_EQ(hr, S_OK);
    EXPECT_EQ(std::count(pixels.begin(), pixels.end(), 0x123456u), 0) << "the whole bounds are painted";

    IViewObject2* view = container.Query<IViewObject2>(IID_IViewObject2);
    ASSERT_NE(view, nullptr);
    RECTL bounds{0, 0, 10, 10};
    HDC dc = CreateCompatibleDC(nullptr);
    EXPECT_EQ(view->Draw(DVASPECT_ICON, -1, nullptr, nullptr, nullptr, dc, &bounds, nullptr, nullptr, 0),
              DV_E_DVASPECT);
    EXPECT_EQ(
        view->Draw(DVASPECT_CONTENT, -1, nullptr, nullptr, nullptr, nullptr, &bounds, nullptr, nullptr, 0),
        E_INVALIDARG);
    EXPECT_EQ(view->Draw(DVASPECT_CONTENT, -1, nullptr, nullptr, nullptr, dc, nullptr, nullptr, nullptr, 0),
              E_INVALIDARG);
    DeleteDC(dc);
    view->Release();
}

TEST_F(Control, DrawnByTheContainerTheBottomBandShowsTheTabsAndATabClickActivatesItsPage)
{
    ASSERT_EQ(container.Activate(), S_OK);
    constexpr int kWidth = 800, kHeight = 300;
    IOleInPlaceObject* inPlace = container.Query<IOleInPlaceObject>(IID_IOleInPlaceObject);
    ASSERT_NE(inPlace, nullptr);
    const RECT wide{0, 0, kWidth, kHeight};
    ASSERT_EQ(inPlace->SetObjectRects(&wide, &wide), S_OK);
    inPlace->Release();
    HWND strip = FindWindowExW(container.ControlWindow(), nullptr, L"NorvakPageTitle", nullptr);
    ASSERT_NE(strip, nullptr);
    RECT place{};
    GetWindowRect(strip, &place);
    MapWindowPoints(HWND_DESKTOP, container.ControlWindow(), reinterpret_cast<POINT*>(&place), 2);

    // The tabs as the strip lays them out: its own measure of each title, an icon and the padding,
    // each tab 8 pixels into the one before.
    std::vector<std::pair<int, int>> tabs;
    HDC dc = GetDC(strip);
    int right = 8;
    for (const char* title : {"Sheet1", "Sheet2", "Sheet3"}) {
        CNorvakPage page(0, title, 0);
        const int left = right - 8;
        right = left + TabGeometry::MeasureTitle(dc, page) + 20 + 30;
        tabs.emplace_back(left, right);
    }
    ReleaseDC(strip, dc);

    HRESULT hr = E_FAIL;
    std::vector<DWORD> pixels = container.DrawToMemory(kWidth, kHeight, 0x123456, &hr);
    ASSERT_EQ(hr, S_OK);
    for (const auto& [left, tabRight] : tabs) {
        int ink = 0;
        for (int x = left + 30; x < tabRight - 10; ++x)
            for (int y = place.top + 3; y < place.bottom - 3; ++y) {
                const DWORD pixel = pixels[size_t(y * kWidth + place.left + x)];
                ink += (pixel & 0xFF) + (pixel >> 8 & 0xFF) + (pixel >> 16 & 0xFF) < 200;
            }
        EXPECT_GT(ink, 10) << "the title of the tab at " << left;
    }
    const int middle = (tabs[1].first + tabs[1].second) / 2;
    SendMessageW(strip, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(middle, 9));
    SendMessageW(strip, WM_LBUTTONUP, 0, MAKELPARAM(middle, 9));
    Variant active;
    ASSERT_EQ(container.Call(5, {}, &active), S_OK); // DoGetActivePageIndex
    EXPECT_EQ((*active).lVal, 1);
}

// Version 1.0 as the control saves it, then streams it must refuse.
TEST_F(Control, PersistsItsVersionAndRefusesStreamsItCannotRead)
{
    IPersistStreamInit* persist = container.Query<IPersistStreamInit>(IID_IPersistStreamInit);
    ASSERT_NE(persist, nullptr);
    IStream* saved = nullptr;
    ASSERT_EQ(CreateStreamOnHGlobal(nullptr, TRUE, &saved), S_OK);
    ASSERT_EQ(persist->Save(saved, TRUE), S_OK);
    EXPECT_EQ(persist->IsDirty(), S_FALSE);
    STATSTG stat{};
    saved->Stat(&stat, STATFLAG_NONAME);
    ASSERT_EQ(stat.cbSize.QuadPart, 4u);

    struct Case
    {
        const char* what;
        std::vector<BYTE> bytes;
        HRESULT loads;
    } cases[] = {
        {"version 1.0", {0x00, 0x00, 0x01, 0x00}, S_OK},
        {"empty stream", {}, E_FAIL},
        {"short stream", {0x00, 0x00}, E_FAIL},
        {"newer version 2.0", {0x00, 0x00, 0x02, 0x00}, E_FAIL},
    };
    for (const Case& c : cases) {
        IStream* stream = nullptr;
        ASSERT_EQ(CreateStreamOnHGlobal(nullptr, TRUE, &stream), S_OK);
        if (!c.bytes.empty())
            stream->Write(c.bytes.data(), ULONG(c.bytes.size()), nullptr);
        LARGE_INTEGER start{};
        stream->Seek(start, STREAM_SEEK_SET, nullptr);
        EXPECT_EQ(persist->Load(stream), c.loads) << c.what;
        stream->Release();
    }
    saved->Release();
    persist->Release();
}

// A property bag as a container's text format keeps it: named values.
class PropertyBag : public IPropertyBag
{
public:
    std::map<std::wstring, Variant> values;
    STDMETHODIMP QueryInterface(REFIID iid, void** object) override
    {
        if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IPropertyBag)) {
            *object = this;
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return 2; }
    STDMETHODIMP_(ULONG) Release() override { return 1; }
    STDMETHODIMP Read(LPCOLESTR name, VARIANT* value, IErrorLog*) override
    {
        auto found = values.find(name);
        if (found == values.end())
            return E_INVALIDARG;
        return VariantCopy(value, found->second.get());
    }
    STDMETHODIMP Write(LPCOLESTR name, VARIANT* value) override
    {
        values[name] = Variant(*value);
        return S_OK;
    }
};

TEST_F(Control, PersistsItsVersionInPropertyBagsAndStorages)
{
    IPersistPropertyBag* bagPersist = container.Query<IPersistPropertyBag>(IID_IPersistPropertyBag);
    ASSERT_NE(bagPersist, nullptr);
    PropertyBag saved;
    ASSERT_EQ(bagPersist->Save(&saved, TRUE, TRUE), S_OK);
    ASSERT_EQ(saved.values.count(L"_Version"), 1u);
    EXPECT_EQ((*saved.values[L"_Version"]).vt, VT_I4);
    EXPECT_EQ((*saved.values[L"_Version"]).lVal, 0x10000);
    EXPECT_EQ(bagPersist->Load(&saved, nullptr), S_OK);
    PropertyBag empty;
    EXPECT_EQ(bagPersist->Load(&empty, nullptr), S_OK) << "a missing value keeps its default";
    PropertyBag newer;
    newer.values[L"_Version"] = Variant::Long(0x20000);
    EXPECT_EQ(bagPersist->Load(&newer, nullptr), E_FAIL);
    bagPersist->Release();

    IPersistStorage* storagePersist = container.Query<IPersistStorage>(IID_IPersistStorage);
    ASSERT_NE(storagePersist, nullptr);
    ILockBytes* bytes = nullptr;
    IStorage* storage = nullptr;
    ASSERT_EQ(CreateILockBytesOnHGlobal(nullptr, TRUE, &bytes), S_OK);
    ASSERT_EQ(
        StgCreateDocfileOnILockBytes(bytes, STGM_CREATE | STGM_READWRITE | STGM_SHARE_EXCLUSIVE, 0, &storage),
        S_OK);
    EXPECT_NE(storagePersist->Load(storage), S_OK) << "no contents to read";
    ASSERT_EQ(storagePersist->Save(storage, TRUE), S_OK);
    EXPECT_EQ(storagePersist->SaveCompleted(nullptr), S_OK);
    EXPECT_EQ(storagePersist->Load(storage), S_OK);
    storage->Release();
    bytes->Release();
    storagePersist->Release();
}

TEST_F(Control, AboutBoxShowsDialogOneThroughTheModalSeam)
{
    static std::vector<UINT> shown;
    shown.clear();
    auto setHook = reinterpret_cast<void (*)(INT_PTR(CALLBACK*)(const void*))>(
        reinterpret_cast<void*>(GetProcAddress(TestContainer::ControlModule(), "NorvakSetModalHook")));
    ASSERT_NE(setHook, nullptr);
    struct Request
    {
        int kind;
        UINT resourceId;
    };
    setHook([](const void* request) CALLBACK -> INT_PTR {
        shown.push_back(static_cast<const Request*>(request)->resourceId);
        return IDOK;
    });
    ASSERT_EQ(container.Activate(), S_OK);
    EXPECT_EQ(container.Call(DISPID_ABOUTBOX), S_OK);
    setHook(nullptr);
    EXPECT_EQ(shown, std::vector<UINT>{1});
    EXPECT_NE(FindResourceW(TestContainer::ControlModule(), MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(5)),
              nullptr)
        << "dialog resource 1";
}

TEST(ControlLifetime, HundredCyclesLeakNoHandleAndNoReference)
{
    auto cycle = [] {
        TestContainer container;
        ASSERT_EQ(container.Create(), S_OK);
        ASSERT_EQ(container.Activate(OLEIVERB_UIACTIVATE), S_OK);
        container.DrawToMemory(32, 32, 0);
        ASSERT_EQ(container.PutProperty(kWindowBorderStyle, Variant::Short(4)), S_OK);
        EXPECT_EQ(container.Destroy(), 0u);
        EXPECT_EQ(container.RefCount(), 1);
    };
    cycle(); // first use loads what stays loaded (classes, fonts)
    DWORD gdi = GdiObjectCount();
    DWORD user = UserObjectCount();
    ASSERT_GT(gdi, 0u) << "the handle counts must be measurable";
    {
        HBRUSH probe = CreateSolidBrush(RGB(1, 2, 3));
        EXPECT_EQ(GdiObjectCount(), gdi + 1) << "the count must see one more object";
        DeleteObject(probe);
    }
    for (int i = 0; i < 100; ++i)
        cycle();
    EXPECT_EQ(GdiObjectCount(), gdi);
    EXPECT_EQ(UserObjectCount(), user);
    auto canUnload = reinterpret_cast<HRESULT(STDAPICALLTYPE*)()>(
        reinterpret_cast<void*>(GetProcAddress(TestContainer::ControlModule(), "DllCanUnloadNow")));
    ASSERT_NE(canUnload, nullptr);
    EXPECT_EQ(canUnload(), S_OK) << "no control object is left alive";
}

Variant CallMethod(IDispatch* dispatch, DISPID dispid, std::vector<Variant> args)
{
    std::vector<VARIANT> reversed;
    for (auto it = args.rbegin(); it != args.rend(); ++it)
        reversed.push_back(**it);
    DISPPARAMS params{reversed.data(), nullptr, UINT(reversed.size()), 0};
    VARIANT result;
    VariantInit(&result);
    EXPECT_EQ(dispatch->Invoke(dispid, IID_NULL, 0, DISPATCH_METHOD, &params, &result, nullptr, nullptr), S_OK)
        << dispid;
    Variant out(result);
    VariantClear(&result);
    return out;
}

// A call by name, as a late-binding client makes it: the DISPID asked of the object first.
Variant CallByName(IDispatch* dispatch, const wchar_t* name, std::vector<Variant> args = {})
{
    LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
    DISPID dispid = DISPID_UNKNOWN;
    EXPECT_EQ(dispatch->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &dispid), S_OK)
        << std::string(name, name + wcslen(name));
    return CallMethod(dispatch, dispid, std::move(args));
}

// Wine's ATL host window holding the control, made from its ProgID in a top-level window.
struct AtlHost
{
    AtlHost()
    {
        HMODULE atl = LoadLibraryW(L"atl.dll");
        EXPECT_NE(atl, nullptr);
        if (!atl)
            return;
        auto init =
            reinterpret_cast<BOOL(WINAPI*)()>(reinterpret_cast<void*>(GetProcAddress(atl, "AtlAxWinInit")));
        auto getControl = reinterpret_cast<HRESULT(WINAPI*)(HWND, IUnknown**)>(
            reinterpret_cast<void*>(GetProcAddress(atl, "AtlAxGetControl")));
        EXPECT_TRUE(init && getControl);
        if (!init || !getControl)
            return;
        init(); // FALSE once the host's window class is registered

        parent = CreateWindowExW(0, L"STATIC", L"", WS_OVERLAPPEDWINDOW, 0, 0, 420, 320, nullptr, nullptr, nullptr,
                                 nullptr);
        host = CreateWindowExW(0, L"AtlAxWin", L"NORVAK.NorvakCtrl.1", WS_CHILD | WS_VISIBLE, 0, 0, 400, 300,
                               parent, nullptr, nullptr, nullptr);
        if (host)
            getControl(host, &control);
    }
    ~AtlHost()
    {
        if (dispatch)
            dispatch->Release();
        if (active)
            active->Release();
        if (control)
            control->Release();
        if (parent)
            DestroyWindow(parent);
    }
    HWND ControlWindow() const { return FindWindowExW(host, nullptr, L"NorvakCtrl", nullptr); }
    // Shows the host and takes the control's window, active object and dispatch; false without them.
    bool Show()
    {
        window = control ? ControlWindow() : nullptr;
        if (!window)
            return false;
        ShowWindow(parent, SW_SHOW);
        control->QueryInterface(IID_IOleInPlaceActiveObject, reinterpret_cast<void**>(&active));
        control->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&dispatch));
        return active && dispatch;
    }
    std::wstring CellText(LONG row, LONG col) const
    {
        Variant text = CallMethod(dispatch, kDoGetPageCellText, {Variant::Long(-1), Variant::Long(row), Variant::Long(col)});
        return std::wstring((*text).vt == VT_BSTR && (*text).bstrVal ? (*text).bstrVal : L"");
    }

    HWND parent = nullptr;
    HWND host = nullptr;
    IUnknown* control = nullptr;
    HWND window = nullptr;
    IOleInPlaceActiveObject* active = nullptr;
    IDispatch* dispatch = nullptr;
};

TEST(AtlHost, CreatesTheControlFromItsProgIdAndHandsOutItsDispatch)
{
    AtlHost atl;
    ASSERT_NE(atl.host, nullptr);
    EXPECT_NE(atl.ControlWindow(), nullptr) << "activated in place in the host";
    ASSERT_NE(atl.control, nullptr);
    IDispatch* dispatch = nullptr;
    ASSERT_EQ(atl.control->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&dispatch)), S_OK);
    DISPPARAMS none{nullptr, nullptr, 0, 0};
    VARIANT style;
    VariantInit(&style);
    EXPECT_EQ(dispatch->Invoke(kWindowBorderStyle, IID_NULL, 0, DISPATCH_PROPERTYGET, &none, &style, nullptr,
                               nullptr),
              S_OK);
    EXPECT_EQ(style.vt, VT_I2);
    dispatch->Release();
}

// The host's loop offers every message to the control's TranslateAccelerator before it translates
// and dispatches it itself, so a key the control handled there must not arrive a second time.
TEST(AtlHost, TypedTextArrivesOnceAndTheArrowsMoveTheFocus)
{
    AtlHost atl;
    ASSERT_TRUE(atl.Show());
    HWND window = atl.window;
    IOleInPlaceActiveObject* active = atl.active;
    IDispatch* dispatch = atl.dispatch;
    auto cellText = [&](LONG row, LONG col) { return atl.CellText(row, col); };
    auto selected = [&](DISPID dispid) { return (*CallMethod(dispatch, dispid, {Variant::Long(-1)})).lVal; };

    Click(active, window, 70 * 2 + 35, 20 * 2 + 10); // cell (2, 2)
    PressKey(active, window, 'A');
    PressKey(active, window, 'B');
    PressKey(active, window, VK_RETURN); // a line break in the editor
    Click(active, window, 70 * 4 + 35, 20 * 4 + 10); // cell (4, 4) ends the edit
    EXPECT_EQ(cellText(2, 2), L"ab\r\n");
    EXPECT_EQ(selected(kDoGetPageMinSelectedRow), 4);

    PressKey(active, window, VK_DOWN);
    EXPECT_EQ(selected(kDoGetPageMinSelectedRow), 5);
    PressKey(active, window, VK_RIGHT);
    EXPECT_EQ(selected(kDoGetPageMinSelectedCol), 5);
    EXPECT_EQ(cellText(5, 5), L"") << "a moving key types nothing";
}

// Ctrl+C, Ctrl+X and Ctrl+V reach the control through the host's TranslateAccelerator like any key.
TEST(AtlHost, CtrlCXAndVCopyCutAndPasteThroughTheHostsLoop)
{
    AtlHost atl;
    ASSERT_TRUE(atl.Show());
    HWND window = atl.window;
    IOleInPlaceActiveObject* active = atl.active;
    IDispatch* dispatch = atl.dispatch;
    auto cellText = [&](LONG row, LONG col) { return atl.CellText(row, col); };
    CallMethod(dispatch, kDoSetPageCellText, {Variant::Long(-1), Variant::Long(2), Variant::Long(2), Variant::String(L"甲")});
    CallMethod(dispatch, kDoSetPageCellText, {Variant::Long(-1), Variant::Long(2), Variant::Long(3), Variant::String(L"乙")});
    // A click on the focus cell would open the editor: the cell is made the focus from elsewhere.
    auto selectTwo = [&](int row, int col) {
        Click(active, window, 70 * 1 + 35, 20 * 10 + 10);
        Click(active, window, 70 * col + 35, 20 * row + 10);
        HoldKeys(true, false);
        PressKey(active, window, VK_RIGHT);
        HoldKeys(false, false);
    };
    auto ctrlKey = [&](UINT key) {
        HoldKeys(false, true);
        PressKey(active, window, key);
        HoldKeys(false, false);
    };

    selectTwo(2, 2);
    ctrlKey('C');
    Click(active, window, 70 * 2 + 35, 20 * 5 + 10);
    ctrlKey('V');
    EXPECT_EQ(cellText(5, 2), L"甲");
    EXPECT_EQ(cellText(5, 3), L"乙");
    EXPECT_EQ(cellText(2, 2), L"甲") << "a copy keeps its source";

    selectTwo(5, 2);
    ctrlKey('X');
    Click(active, window, 70 * 3 + 35, 20 * 8 + 10);
    ctrlKey('V');
    EXPECT_EQ(cellText(8, 3), L"甲");
    EXPECT_EQ(cellText(8, 4), L"乙");
    EXPECT_EQ(cellText(5, 2), L"") << "the cut's source is cleared at the paste";
    EXPECT_EQ(cellText(5, 3), L"");
}

// A client of another container that knows only the members' names.
TEST(AtlHost, ALateBindingClientSelectsFocusesLabelsAndCopiesThroughARangeObject)
{
    AtlHost atl;
    ASSERT_TRUE(atl.Show());
    IDispatch* norvak = atl.dispatch;
    auto number = [](const Variant& v) { return (*v).vt == VT_BOOL ? ((*v).boolVal ? 1L : 0L) : LONG((*v).lVal); };
    auto l = [](LONG value) { return Variant::Long(value); };

    EXPECT_EQ(number(CallByName(norvak, L"DoSetPageGridRangeSelected",
                                {l(-1), l(2), l(3), l(4), l(5), Variant::Bool(true)})),
              1);
    EXPECT_EQ(number(CallByName(norvak, L"DoGetPageMinSelectedRow", {l(-1)})), 2);
    EXPECT_EQ(number(CallByName(norvak, L"DoGetPageMaxSelectedCol", {l(-1)})), 5);

    EXPECT_EQ(number(CallByName(norvak, L"DoSetPageFocusGrid", {l(-1), l(6), l(7)})), 1);
    Variant focus = CallByName(norvak, L"DoGetPageFocusGrid", {l(-1)});
    ASSERT_EQ((*focus).vt, VT_DISPATCH);
    ASSERT_NE((*focus).pdispVal, nullptr);
    EXPECT_EQ(number(CallByName((*focus).pdispVal, L"DoGetRowIndex")), 6);
    EXPECT_EQ(number(CallByName((*focus).pdispVal, L"DoGetColumnIndex")), 7);

    EXPECT_EQ(number(CallByName(norvak, L"DoSetPageColumnABCD", {l(-1), l(1), l(-1)})), 1);
    EXPECT_EQ(number(CallByName(norvak, L"DoSetPageRow1234", {l(-1), l(1), l(-1)})), 1);
    EXPECT_EQ(atl.CellText(0, 1), L"A");
    EXPECT_EQ(atl.CellText(0, 27), L"AA");
    EXPECT_EQ(atl.CellText(1, 0), L"1");
    EXPECT_EQ(atl.CellText(12, 0), L"12");

    CallByName(norvak, L"DoSetPageCellText", {l(-1), l(8), l(2), Variant::String(L"甲")});
    CallByName(norvak, L"DoSetPageCellText", {l(-1), l(8), l(3), Variant::String(L"乙")});
    Variant range = CallByName(norvak, L"DoGetGridRangeObject", {l(-1), l(8), l(2), l(8), l(3)});
    ASSERT_NE((*range).pdispVal, nullptr);
    EXPECT_EQ(number(CallByName((*range).pdispVal, L"DoCopy")), 1);
    CallByName(norvak, L"DoGetGridRangeObject", {l(-1), l(10), l(4), l(10), l(5)});
    EXPECT_EQ(number(CallByName((*range).pdispVal, L"DoGetMinRowIndex")), 10) << "the held object, re-bound";
    EXPECT_EQ(number(CallByName((*range).pdispVal, L"DoIsPaste")), 1);
    EXPECT_EQ(number(CallByName((*range).pdispVal, L"DoPaste")), 1);
    EXPECT_EQ(atl.CellText(10, 4), L"甲");
    EXPECT_EQ(atl.CellText(10, 5), L"乙");
    EXPECT_EQ(atl.CellText(8, 2), L"甲") << "a copy keeps its source";
}

} // namespace
