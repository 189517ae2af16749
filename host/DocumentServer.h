#pragma once

// The program as an automation server of documents ("CQuilm.Document"): the class object that a
// client's CoCreateInstance reaches makes a new document window and answers with the document's
// dispatch interface, which has no members. A program started for automation ends when its
// clients have released the last document and the last lock. Also the registry entries of the
// server and of the workbook file type.

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
    // The server's class and program ids, in the machine's classes, which every COM client reads,
    // and in the user's, which a user without the machine's rights can write; true when one of
    // them holds them all.
    static bool UpdateRegistry();
    // Takes them out of both again.
    static void Unregister();
    // The ".nvk" file type: opened with this program, in both classes as the server's keys.
    static bool RegisterShellFileTypes();

private:
    DWORD m_cookie = 0;
    IClassFactory* m_factory = nullptr;
};
