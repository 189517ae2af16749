#include "framework/OleModule.h"

#include <atomic>

extern "C" IMAGE_DOS_HEADER __ImageBase;

namespace {

COleControlModule* g_module = nullptr;
std::atomic<LONG> g_objects{0};
std::atomic<LONG> g_locks{0};
std::atomic<LONG> g_windows{0};

} // namespace

COleControlModule::COleControlModule()
{
    g_module = this;
}

COleControlModule::~COleControlModule()
{
    if (g_module == this)
        g_module = nullptr;
}

COleControlModule* COleControlModule::Current()
{
    return g_module;
}

namespace OleModule {

HINSTANCE Instance()
{
    return reinterpret_cast<HINSTANCE>(&__ImageBase);
}

std::wstring ModulePathW()
{
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        DWORD length = ::GetModuleFileNameW(Instance(), path.data(), DWORD(path.size()));
        if (length == 0)
            return {};
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

CString ModulePath()
{
    return CString::FromWide(ModulePathW());
}

void AddObject()
{
    ++g_objects;
}

void ReleaseObject()
{
    --g_objects;
}

void Lock()
{
    ++g_locks;
}

void Unlock()
{
    --g_locks;
}

LONG ActiveCount()
{
    return g_objects + g_locks;
}

void AddWindow()
{
    ++g_windows;
}

void ReleaseWindow()
{
    --g_windows;
}

LONG WindowCount()
{
    return g_windows;
}

HRESULT CanUnloadNow()
{
    return ActiveCount() == 0 && WindowCount() == 0 ? S_OK : S_FALSE;
}

} // namespace OleModule
