// CQuilm.exe as an automation server, started by COM as a client starts it: the registration
// that /RegServer writes is found by name and by class id, a document made through COM shows no
// window, and the process ends within a second of the release of the last document. (The locks on
// the class object are the window test's: Wine's proxy of a class object takes no lock.)

#include "host/DocumentServer.h"

#include <gtest/gtest.h>

#include <ole2.h>
#include <tlhelp32.h>

#include <string>

namespace {

constexpr DWORD kOneSecond = 1000;

HRESULT RegisterControl()
{
    HMODULE module = ::LoadLibraryW(NORVAK_OCX_PATH);
    if (!module)
        return HRESULT_FROM_WIN32(::GetLastError());
    auto registerServer = reinterpret_cast<HRESULT(STDAPICALLTYPE*)()>(
        reinterpret_cast<void*>(::GetProcAddress(module, "DllRegisterServer")));
    return registerServer ? registerServer() : E_FAIL;
}

// Runs CQuilm.exe with the arguments and waits for it; its exit code, or -1 (it is ended when it
// runs on for a minute).
long RunQuilm(const std::wstring& arguments)
{
    std::wstring command = L"\"" + std::wstring(QUILM_EXE_PATH) + L"\" " + arguments;
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    if (!::CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return -1;
    DWORD code = DWORD(-1);
    if (::WaitForSingleObject(process.hProcess, 60 * kOneSecond) == WAIT_OBJECT_0)
        ::GetExitCodeProcess(process.hProcess, &code);
    else
        ::TerminateProcess(process.hProcess, 1);
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    return long(code);
}

// The running CQuilm.exe, opened to wait for and end; none when there is none.
HANDLE ServerProcess(DWORD* id = nullptr)
{
    HANDLE snapshot = ::CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof(entry);
    HANDLE found = nullptr;
    for (BOOL more = ::Process32FirstW(snapshot, &entry); more && !found; more = ::Process32NextW(snapshot, &entry))
        if (::lstrcmpiW(entry.szExeFile, L"CQuilm.exe") == 0) {
            found = ::OpenProcess(SYNCHRONIZE | PROCESS_TERMINATE | PROCESS_QUERY_LIMITED_INFORMATION, FALSE,
                                  entry.th32ProcessID);
            if (id)
                *id = entry.th32ProcessID;
        }
    ::CloseHandle(snapshot);
    return found;
}

struct WindowCount
{
    DWORD process;
    int windows;
};

BOOL CALLBACK CountVisibleOfProcess(HWND window, LPARAM data)
{
    auto* count = reinterpret_cast<WindowCount*>(data);
    DWORD owner = 0;
    ::GetWindowThreadProcessId(window, &owner);
    if (owner == count->process && ::IsWindowVisible(window))
        ++count->windows;
    return TRUE;
}

int VisibleWindowsOf(DWORD processId)
{
    WindowCount count{processId, 0};
    ::EnumWindows(&CountVisibleOfProcess, reinterpret_cast<LPARAM>(&count));
    return count.windows;
}

// How long the process took to end, in milliseconds, or -1 when it was still up after limit.
long MillisecondsToEnd(HANDLE process, DWORD limit)
{
    const ULONGLONG start = ::GetTickCount64();
    if (::WaitForSingleObject(process, limit) != WAIT_OBJECT_0)
        return -1;
    return long(::GetTickCount64() - start);
}

class HostServerTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        ::OleInitialize(nullptr);
        ASSERT_EQ(RegisterControl(), S_OK) << "Norvak.ocx must load and register";
        ASSERT_EQ(RunQuilm(L"/RegServer"), 0) << "/RegServer registers and ends";
    }
    static void TearDownTestSuite() { ::OleUninitialize(); }

    // A server that did not end is ended here, so no test leaves one running.
    void TearDown() override
    {
        if (HANDLE left = ServerProcess()) {
            ::TerminateProcess(left, 1);
            ::WaitForSingleObject(left, 10 * kOneSecond);
            ::CloseHandle(left);
        }
    }
};

TEST_F(HostServerTest, TheDocumentTypeIsFoundByNameAndItsServerByClassIdInTheMachinesClasses)
{
    CLSID found{};
    ASSERT_EQ(::CLSIDFromProgID(L"CQuilm.Document", &found), S_OK);
    EXPECT_TRUE(IsEqualCLSID(found, CDocumentServer::kClassId));
    wchar_t id[64]{};
    ::StringFromGUID2(CDocumentServer::kClassId, id, 64);
    wchar_t server[MAX_PATH]{};
    DWORD size = sizeof(server);
    const std::wstring key = std::wstring(L"Software\\Classes\\CLSID\\") + id + L"\\LocalServer32";
    ASSERT_EQ(::RegGetValueW(HKEY_LOCAL_MACHINE, key.c_str(), nullptr, RRF_RT_REG_SZ, nullptr, server, &size),
              ERROR_SUCCESS);
    EXPECT_NE(std::wstring(server).find(L"CQuilm.exe"), std::wstring::npos) << "the server is " << server;
}

TEST_F(HostServerTest, TheServerEndsWithinASecondOfTheReleaseOfItsLastDocument)
{
    IDispatch* document = nullptr;
    ASSERT_EQ(::CoCreateInstance(CDocumentServer::kClassId, nullptr, CLSCTX_LOCAL_SERVER, IID_IDispatch,
                                 reinterpret_cast<void**>(&document)),
              S_OK);
    DWORD id = 0;
    HANDLE process = ServerProcess(&id);
    ASSERT_NE(process, nullptr) << "COM started CQuilm.exe";
    EXPECT_EQ(VisibleWindowsOf(id), 0) << "a server started for automation shows nothing";
    IDispatch* second = nullptr;
    ASSERT_EQ(::CoCreateInstance(CDocumentServer::kClassId, nullptr, CLSCTX_LOCAL_SERVER, IID_IDispatch,
                                 reinterpret_cast<void**>(&second)),
              S_OK);
    EXPECT_EQ(document->Release(), 0u);
    EXPECT_EQ(::WaitForSingleObject(process, kOneSecond), WAIT_TIMEOUT) << "a document is still held";

    EXPECT_EQ(second->Release(), 0u);
    const long took = MillisecondsToEnd(process, kOneSecond);
    EXPECT_GE(took, 0) << "the server still runs a second after the last release";
    std::printf("server ended %ld ms after the last release\n", took);
    ::CloseHandle(process);
}

} // namespace
