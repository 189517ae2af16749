#pragma once

// The document of a window. It holds nothing of the workbook, which lives in the control; its
// one job when a file is opened through the document route is to bring the window that already
// shows that file to the front. While a document lives the program stays up for automation
// clients.

#include "framework/CString.h"

class CCQuilmDoc
{
public:
    CCQuilmDoc();
    ~CCQuilmDoc();
    CCQuilmDoc(const CCQuilmDoc&) = delete;
    CCQuilmDoc& operator=(const CCQuilmDoc&) = delete;

    bool OnNewDocument() { return true; }
    void SetTitle(const CString& title) { m_title = title; }
    const CString& GetTitle() const { return m_title; }
    int GetFlag() const { return m_flag; }
    void SetFlag(int flag) { m_flag = flag; }

    // Loading a file through the document route: the window already showing it comes forward.
    // Nothing is read or written.
    void SerializeLoad(const CString& path) const;

private:
    CString m_text;
    int m_flag = 0;
    CString m_title;
};
