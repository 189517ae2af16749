#pragma once

// The program as an automation server of documents ("CQuilm.Document"): the class object that a
// client's CoCreateInstance reaches makes a new document window and answers with the document's
// dispatch interface, which has no members. Also the registry entries of the server and of the
// workbook file type.

#include <windows.h>

#include <objbase.h>

class CDocumentServer
{
public:
    static const CLSID kClassId;

    ~CDocumentServer() { Revoke(); }
    // Registers the class object with COM for this process.
    bool RegisterAll();
    void Revoke();
    // The server's class and program ids under HKEY_CURRENT_USER\Software\Classes.
    static bool UpdateRegistry();
    // The ".nvk" file type: opened with this program.
    static bool RegisterShellFileTypes();

private:
    DWORD m_cookie = 0;
    IClassFactory* m_factory = nullptr;
};
