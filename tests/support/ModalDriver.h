#pragma once

// Answers the modal seam for a test and drives the dialogs and sheets it lets run. While a driver
// lives it is the seam's hook: it records every request and answers it through `answer` (by
// default: dialogs and sheets run, message boxes get IDOK, common dialogs IDCANCEL, menus 0). Once
// a dialog or sheet is up, the queued steps run one at a time, each from its own posted message,
// in the innermost modal loop, and get its window. A watchdog fails the test and closes every
// dialog of the thread when one stays open too long; the driver's end fails the test for a dialog
// still open or a step that never ran.

#include "framework/ModalUI.h"

#include <deque>
#include <functional>
#include <string>
#include <vector>

class ModalDriver
{
public:
    using SetHookFunction = void (*)(ModalHook);
    using Step = std::function<void(HWND modal)>;

    // setHook: the seam to answer (another module's, for a control loaded as a library).
    explicit ModalDriver(SetHookFunction setHook = &ModalUI::SetHook, UINT watchdogMilliseconds = 20000);
    ~ModalDriver();
    ModalDriver(const ModalDriver&) = delete;
    ModalDriver& operator=(const ModalDriver&) = delete;

    struct Seen
    {
        ModalRequest::Kind kind;
        UINT resourceId;
        std::wstring text;
        std::wstring caption;
        UINT type; // a message box's MB_* flags
    };
    std::vector<Seen> seen; // every request but Shown, in order
    std::function<INT_PTR(const ModalRequest&)> answer = &DefaultAnswer;

    void Then(Step step) { m_steps.push_back(std::move(step)); }
    bool StepsDone() const { return m_steps.empty(); }
    // The requests of one kind seen so far.
    std::vector<Seen> SeenOf(ModalRequest::Kind kind) const;

    static INT_PTR DefaultAnswer(const ModalRequest& request);
    // Posted actions on a dialog: a click on a button (as the user's, so check boxes and radio
    // buttons change), a command as a button or a key sends it, and characters typed into a control.
    static void Click(HWND dialog, int id);
    static void Command(HWND dialog, int id);
    static void Type(HWND control, const wchar_t* text);
    // Replaces a control's text at once (a step may do what a user's typing would end in).
    static void SetText(HWND dialog, int id, const wchar_t* text);
    static std::wstring Text(HWND dialog, int id);

private:
    static INT_PTR CALLBACK Hook(const ModalRequest* request);
    static LRESULT CALLBACK RunnerProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    static void CALLBACK Watchdog(HWND, UINT, UINT_PTR, DWORD);
    INT_PTR OnRequest(const ModalRequest& request);
    void PostNextStep();
    void RunStep();
    HWND InnermostModal();
    // Destroys the dialogs and sheets of this thread; how many there were.
    static int CloseDialogsOfThread();

    SetHookFunction m_setHook;
    HWND m_runner = nullptr;
    UINT_PTR m_watchdog = 0;
    std::deque<Step> m_steps;
    std::vector<HWND> m_modalWindows;
    bool m_stepQueued = false;
};

// Installed once by a test program: after each test, fails the test for every window of the
// thread still open whose class is a dialog's (a sheet's too) or one of `popupClasses`, and
// destroys them, so that no dialog outlives the test that opened it.
void FailTestsThatLeaveDialogsOpen(std::vector<std::wstring> popupClasses = {});
