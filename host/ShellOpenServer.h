#pragma once

// The program's side of the shell's DDE conversation (application "CQuilm", topic "system"): a
// workbook opened from the shell while the program runs comes to it as [open("path")] commands
// rather than starting a second program. The main frame passes its DDE messages here.
//
// Ownership: the server owns its two global atoms.

#include "framework/CString.h"

#include <windows.h>

#include <functional>

class CShellOpenServer
{
public:
    static constexpr wchar_t kApplication[] = L"CQuilm";
    static constexpr wchar_t kTopic[] = L"system";

    CShellOpenServer() = default;
    ~CShellOpenServer();
    CShellOpenServer(const CShellOpenServer&) = delete;
    CShellOpenServer& operator=(const CShellOpenServer&) = delete;

    // Starts answering; open is called for each file a client asks to open and says whether it
    // was opened.
    void Enable(std::function<bool(const CString& path)> open);
    bool Enabled() const { return m_application != 0; }

    // A DDE message to the frame; true when it was one (and has been answered).
    bool OnMessage(HWND frame, UINT msg, WPARAM wp, LPARAM lp);

private:
    void OnInitiate(HWND frame, HWND client, ATOM application, ATOM topic) const;
    void OnExecute(HWND frame, HWND client, LPARAM lp) const;

    ATOM m_application = 0;
    ATOM m_topic = 0;
    std::function<bool(const CString&)> m_open;
};
