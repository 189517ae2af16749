// Self-registration of the control module, run in-process against a private copy of
// HKEY_CLASSES_ROOT so the shared test prefix keeps its real registration.

#include "framework/OleModule.h"
#include "framework/OleRegistry.h"
#include "sheet/NorvakModule.h"

#include <gtest/gtest.h>
#include <olectl.h>

#include <string>

namespace {

using namespace NorvakRegistration;

const std::wstring kClsidKey = L"CLSID\\{08B9F660-1240-41D7-98A9-4281DCA7C209}";
const std::wstring kTypeLibKey = L"TypeLib\\{F586FA87-05C9-4CD2-A445-885137F24A18}";
const std::wstring kProgIdKey = L"NORVAK.NorvakCtrl.1";

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
    };
    for (const Expected& entry : expected)
        EXPECT_EQ(ValueOf(entry.key, entry.name), entry.value)
            << std::string(entry.key.begin(), entry.key.end());
    // InprocServer32 ProgID Control Insertable MiscStatus ToolboxBitmap32 TypeLib Version
    EXPECT_EQ(SubkeyCount(kClsidKey), 8u);
    EXPECT_EQ(SubkeyCount(kTypeLibKey), 1u);
}

TEST_F(Registration, UnregisteringRemovesTheEntries)
{
    ASSERT_EQ(RegisterServer(), S_OK);
    EXPECT_EQ(UnregisterServer(), S_OK);
    for (const std::wstring& key : {kClsidKey, kProgIdKey, kTypeLibKey + L"\\1.0"})
        EXPECT_FALSE(KeyExists(key)) << std::string(key.begin(), key.end());
}

TEST_F(Registration, UnregisteringWithoutARegisteredTypeLibFailsAndKeepsTheClass)
{
    ASSERT_EQ(RegisterServer(), S_OK);
    ASSERT_EQ(UnRegisterTypeLib(kTypeLibID, 1, 0, 0, sizeof(void*) == 8 ? SYS_WIN64 : SYS_WIN32), S_OK);
    EXPECT_EQ(UnregisterServer(), SELFREG_E_TYPELIB);
    EXPECT_TRUE(KeyExists(kClsidKey + L"\\InprocServer32"));
    EXPECT_TRUE(KeyExists(kProgIdKey));
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

} // namespace
