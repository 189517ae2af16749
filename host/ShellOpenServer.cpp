#include "host/ShellOpenServer.h"

#include "framework/ComBoundary.h"
#include "host/model/ShellOpenCommands.h"

#include <dde.h>

#include <string>

namespace {

constexpr WORD kAccepted = 0x8000;

// The command text of an execute: Unicode when both windows are, else the system's code page.
std::wstring CommandText(HWND frame, HWND client, HGLOBAL commands)
{
    const void* data = ::GlobalLock(commands);
    if (!data)
        return L"";
    const SIZE_T size = ::GlobalSize(commands);
    std::wstring text;
    if (::IsWindowUnicode(client) && ::IsWindowUnicode(frame)) {
        const auto* wide = static_cast<const wchar_t*>(data);
        text.assign(wide, wcsnlen(wide, size / sizeof(wchar_t)));
    } else {
        const auto* bytes = static_cast<const char*>(data);
        const int length = int(strnlen(bytes, size));
        text.resize(size_t(::MultiByteToWideChar(CP_ACP, 0, bytes, length, nullptr, 0)));
        ::MultiByteToWideChar(CP_ACP, 0, bytes, length, text.data(), int(text.size()));
    }
    ::GlobalUnlock(commands);
    return text;
}

} // namespace

CShellOpenServer::~CShellOpenServer()
{
    if (m_application)
        ::GlobalDeleteAtom(m_application);
    if (m_topic)
        ::GlobalDeleteAtom(m_topic);
}

void CShellOpenServer::Enable(std::function<bool(const CString&)> open)
{
    m_open = std::move(open);
    if (!m_application)
        m_application = ::GlobalAddAtomW(kApplication);
    if (!m_topic)
        m_topic = ::GlobalAddAtomW(kTopic);
}

bool CShellOpenServer::OnMessage(HWND frame, UINT msg, WPARAM wp, LPARAM lp)
{
    if (!Enabled())
        return false;
    const HWND client = reinterpret_cast<HWND>(wp);
    switch (msg) {
    case WM_DDE_INITIATE:
        OnInitiate(frame, client, LOWORD(lp), HIWORD(lp));
        return true;
    case WM_DDE_EXECUTE:
        OnExecute(frame, client, lp);
        return true;
    case WM_DDE_TERMINATE:
        ::PostMessageW(client, WM_DDE_TERMINATE, reinterpret_cast<WPARAM>(frame), 0);
        return true;
    default:
        return false;
    }
}

void CShellOpenServer::OnInitiate(HWND frame, HWND client, ATOM application, ATOM topic) const
{
    if (client == frame || (application && application != m_application) || (topic && topic != m_topic))
        return;
    // The acknowledgement carries atoms of its own, which the client deletes.
    ::SendMessageW(client, WM_DDE_ACK, reinterpret_cast<WPARAM>(frame),
                   MAKELPARAM(::GlobalAddAtomW(kApplication), ::GlobalAddAtomW(kTopic)));
}

void CShellOpenServer::OnExecute(HWND frame, HWND client, LPARAM lp) const
{
    UINT_PTR unused = 0, handle = 0;
    ::UnpackDDElParam(WM_DDE_EXECUTE, lp, &unused, &handle);
    const HGLOBAL commands = reinterpret_cast<HGLOBAL>(handle);
    // Commands that cannot be carried out, for want of memory too, are answered as refused: the
    // client waits for the acknowledgement either way.
    const bool done = AtBoundary(false, [&] {
        const ShellOpenCommands parsed = ParseShellOpenCommands(CommandText(frame, client, commands));
        bool all = parsed.understood;
        for (const std::wstring& path : parsed.paths)
            all = m_open(CString::FromWide(path)) && all;
        return all;
    });
    // The client frees the commands when the acknowledgement comes back.
    ::PostMessageW(client, WM_DDE_ACK, reinterpret_cast<WPARAM>(frame),
                   ::PackDDElParam(WM_DDE_ACK, done ? kAccepted : 0, handle));
}
