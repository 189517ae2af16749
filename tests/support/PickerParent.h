#pragma once

// A top-level window of our own class for the picker tests: it records the messages the pickers
// send their parent, and reflects notifications to its child controls as any parent of ours does.
// PumpUntil runs the thread's messages until a condition holds (or a time runs out).

#include "framework/Wnd.h"

#include <functional>
#include <vector>

struct PickerMessage
{
    UINT msg;
    WPARAM wp;
    LPARAM lp;
    friend bool operator==(const PickerMessage& a, const PickerMessage& b)
    {
        return a.msg == b.msg && a.wp == b.wp && a.lp == b.lp;
    }
};
void PrintTo(const PickerMessage& m, std::ostream* out);

class PickerParent : public CWnd
{
public:
    bool Create(const RECT& screenRect);
    std::vector<PickerMessage> messages;

protected:
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;
};

// True when done() held before the time ran out.
bool PumpUntil(const std::function<bool()>& done, DWORD milliseconds = 5000);
// Runs the messages already posted, and those they post in turn.
void PumpPending();
