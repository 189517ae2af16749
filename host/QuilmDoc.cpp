#include "host/QuilmDoc.h"

#include "host/ChildFrame.h"
#include "host/MainFrame.h"
#include "host/QuilmApp.h"

CCQuilmDoc::CCQuilmDoc()
{
    HostApp().LockApp();
}

CCQuilmDoc::~CCQuilmDoc()
{
    HostApp().UnlockApp();
}

void CCQuilmDoc::SerializeLoad(const CString& path) const
{
    CMainFrame* frame = HostMainFrame();
    if (!frame)
        return;
    if (const OpenFileEntry* entry = frame->m_openFiles.FindPath(path); entry && entry->frame)
        ::SendMessageW(frame->MDIClient(), WM_MDIACTIVATE,
                       reinterpret_cast<WPARAM>(static_cast<CChildFrame*>(entry->frame)->m_hWnd), 0);
}
