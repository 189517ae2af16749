// Self-registration of the control module, run in-process against a private copy of
// HKEY_CLASSES_ROOT so the shared test prefix keeps its real registration.

#include "framework/OleModule.h"
#include "framework/OleRegistry.h"
#include "sheet/NorvakModule.h"

#include <gtest/gtest.h>
#include <ocidl.h>
#include <olectl.h>

#include <string>

namespace {

using namespace NorvakRegistration;

const std::wstring kClsidKey = L"CLSID\\{08B9F660-1240-41D7-98A9-4281DCA7C209}";
const std::wstring kTypeLibKey = L"TypeLib\\{F586FA87-05C9-4CD2-A445-885137F24A18}";
const std::wstring kProgIdKey = L"NORVAK.NorvakCtrl.1";
const std::wstring kPropPageKey = L"CLSID\\{212DBDC1-C90B-4886-A79C-C09F2E8445C5}";
const std::wstring kPageSetupKey = L"CLSID\\{0CC7FA99-F090-447F-AF79-F8B8BCC2F2FA}";

bool KeyExists(const std::wstring& path)
{
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CLASSES_ROOT, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
}

// The value, or "<missing>".
std::wstring ValueOf(const std::wstring& path, const wchar_t* name = nullptr)
{
    wchar_t data[1024] = {};
    DWORD size = sizeof(data);
    if (RegGetValueW(HKEY_CLASSES_ROOT, path.c_str(), name, RRF_RT_REG_SZ, nullptr, data, &size) !=
        ERROR_SUCCESS)
        return L"<missing>";
    return data;
}

DWORD SubkeyCount(const std::wstring& path)
{
    HKEY key = nullptr;
    DWORD count = 0;
    if (RegOpenKeyExW(HKEY_CLASSES_ROOT, path.c_str(), 0, KEY_READ, &key) == ERROR_SUCCESS) {
        RegQueryInfoKeyW(key, nullptr, nullptr, nullptr, &count, nullptr, nullptr, nullptr, nullptr, nullptr,
                         nullptr, nullptr);
        RegCloseKey(key);
    }
    return count;
}

bool FailingTypeLibRegistration(HINSTANCE, REFGUID)
{
    return false;
}

class Registration : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_name = L"Software\\NorvakRegistrationTest" + std::to_wstring(GetCurrentProcessId());
        ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, m_name.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                                  &m_root, nullptr),
                  ERROR_SUCCESS);
        ASSERT_EQ(RegOverridePredefKey(HKEY_CLASSES_ROOT, m_root), ERROR_SUCCESS);
        ASSERT_FALSE(KeyExists(kClsidKey)) << "the private hive must start empty";
    }
    void TearDown() override
    {
        OleRegistry::SetTypeLibSteps(nullptr);
        RegOverridePredefKey(HKEY_CLASSES_ROOT, nullptr);
        RegCloseKey(m_root);
        RegDeleteTreeW(HKEY_CURRENT_USER, m_name.c_str());
        RegDeleteKeyW(HKEY_CURRENT_USER, m_name.c_str());
    }
    std::wstring m_name;
    HKEY m_root = nullptr;
};

TEST_F(Registration, RegisteringTwiceSucceedsAndLeavesOneCompleteSetOfEntries)
{
    ASSERT_EQ(RegisterServer(), S_OK);
    ASSERT_EQ(RegisterServer(), S_OK);

    const std::wstring path = OleModule::ModulePathW();
    struct Expected
    {
        std::wstring key;
        const wchar_t* name;
        std::wstring value;
    } expected[] = {
        {kClsidKey, nullptr, L"Norvak Control"},
        {kClsidKey + L"\\InprocServer32", nullptr, path},
        {kClsidKey + L"\\InprocServer32", L"ThreadingModel", L"Apartment"},
        {kClsidKey + L"\\ProgID", nullptr, L"NORVAK.NorvakCtrl.1"},
        {kClsidKey + L"\\Control", nullptr, L""},
        {kClsidKey + L"\\Insertable", nullptr, L""},
        {kClsidKey + L"\\MiscStatus\\1", nullptr, std::to_wstring(0x20191)},
        {kClsidKey + L"\\ToolboxBitmap32", nullptr, path + L", 1"},
        {kClsidKey + L"\\TypeLib", nullptr, L"{F586FA87-05C9-4CD2-A445-885137F24A18}"},
        {kClsidKey + L"\\Version", nullptr, L"1.0"},
        {kProgIdKey, nullptr, L"Norvak Control"},
        {kProgIdKey + L"\\CLSID", nullptr, L"{08B9F660-1240-41D7-98A9-4281DCA7C209}"},
        {kTypeLibKey + L"\\1.0", nullptr, L"Norvak ActiveX Control module"},
        {kPropPageKey, nullptr, L"Norvak Property Page"},
        {kPropPageKey + L"\\InprocServer32", nullptr, path},
        {kPropPageKey + L"\\InprocServer32", L"ThreadingModel", L"Apartment"},
        {kPageSetupKey, nullptr, L"<missing>"}, // registered without a name
        {kPageSetupKey + L"\\InprocServer32", nullptr, path},
        {kPageSetupKey + L"\\InprocServer32", L"ThreadingModel", L"Apartment"},
    };
    for (const Expected& entry : expected)
        EXPECT_EQ(ValueOf(entry.key, entry.name), entry.value)
            << std::string(entry.key.begin(), entry.key.end());
    // InprocServer32 ProgID Control Insertable MiscStatus ToolboxBitmap32 TypeLib Version
    EXPECT_EQ(SubkeyCount(kClsidKey), 8u);
    EXPECT_EQ(SubkeyCount(kTypeLibKey), 1u);
    EXPECT_EQ(SubkeyCount(kPropPageKey), 1u);
    EXPECT_EQ(SubkeyCount(kPageSetupKey), 1u);
    // The pages' ProgIDs name their factories only.
    EXPECT_FALSE(KeyExists(L"NORVAK.NorvakPropPage.1"));
    EXPECT_FALSE(KeyExists(L"Norvak.CNorvakPageSetPDlg"));
}

TEST_F(Registration, UnregisteringRemovesTheEntries)
{
    ASSERT_EQ(RegisterServer(), S_OK);
    EXPECT_EQ(UnregisterServer(), S_OK);
    for (const std::wstring& key : {kClsidKey, kProgIdKey, kTypeLibKey + L"\\1.0", kPropPageKey, kPageSetupKey})
        EXPECT_FALSE(KeyExists(key)) << std::string(key.begin(), key.end());
}

TEST_F(Registration, UnregisteringWithoutARegisteredTypeLibFailsAndKeepsTheClass)
{
    ASSERT_EQ(RegisterServer(), S_OK);
    ASSERT_EQ(UnRegisterTypeLib(kTypeLibID, 1, 0, 0, sizeof(void*) == 8 ? SYS_WIN64 : SYS_WIN32), S_OK);
    EXPECT_EQ(UnregisterServer(), SELFREG_E_TYPELIB);
    EXPECT_TRUE(KeyExists(kClsidKey + L"\\InprocServer32"));
    EXPECT_TRUE(KeyExists(kProgIdKey));
    EXPECT_TRUE(KeyExists(kPropPageKey + L"\\InprocServer32"));
}

TEST_F(Registration, AFailingTypeLibStepReportsItAndSkipsTheClassStep)
{
    OleRegistry::TypeLibSteps failing{&FailingTypeLibRegistration, &OleRegistry::UnregisterRegisteredTypeLib};
    OleRegistry::SetTypeLibSteps(&failing);
    EXPECT_EQ(RegisterServer(), SELFREG_E_TYPELIB);
    EXPECT_FALSE(KeyExists(kClsidKey));

    // Over an existing registration the class entries stay as they were.
    OleRegistry::SetTypeLibSteps(nullptr);
    ASSERT_EQ(RegisterServer(), S_OK);
    OleRegistry::SetTypeLibSteps(&failing);
    EXPECT_EQ(RegisterServer(), SELFREG_E_TYPELIB);
    EXPECT_EQ(ValueOf(kClsidKey + L"\\InprocServer32"), OleModule::ModulePathW());
}

// The module's class objects make the two pages, each naming itself on its tab.
TEST(PropertyPageClasses, EachClassObjectMakesItsPage)
{
    struct Case
    {
        const CLSID* clsid;
        const wchar_t* title;
    } cases[] = {{&kPropPageID, L"General"}, {&kPageSetupPageID, L"页面设置"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.title, c.title + 2));
        IClassFactory* factory = nullptr;
        ASSERT_EQ(DllGetClassObject(*c.clsid, IID_IClassFactory, reinterpret_cast<void**>(&factory)), S_OK);
        IPropertyPage* page = nullptr;
        ASSERT_EQ(factory->CreateInstance(nullptr, IID_IPropertyPage, reinterpret_cast<void**>(&page)), S_OK);
        factory->Release();
        PROPPAGEINFO info{};
        ASSERT_EQ(page->GetPageInfo(&info), S_OK);
        EXPECT_STREQ(info.pszTitle, c.title);
        EXPECT_GT(info.size.cx, 300);
        EXPECT_GT(info.size.cy, 150);
        CoTaskMemFree(info.pszTitle);
        CoTaskMemFree(info.pszDocString);
        CoTaskMemFree(info.pszHelpFile);
        EXPECT_EQ(page->IsPageDirty(), S_FALSE);
        EXPECT_EQ(page->Release(), 0u);
    }
    EXPECT_EQ(OleModule::ActiveCount(), 0) << "the pages went with their last reference";
}

} // namespace
