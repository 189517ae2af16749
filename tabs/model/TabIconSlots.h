#pragma once

// Which slots of a page's tab icon list an icon operation fills. The list holds the cool (0), hot (1)
// and active (2) icons; an operation on a later slot first appends the missing earlier ones. With
// a caller's icon every appended slot takes that icon; by default each slot its own built-in one.

#include <optional>
#include <vector>

namespace TabIconSlots {

enum CIconKind : int
{
    kCool = 0,
    kHot = 1,
    kActive = 2,
};

enum COperation : int
{
    kInsert,
    kUpdate,
};

struct CStep
{
    bool append; // append, else replace the slot
    int slot;    // the slot the icon lands in
    CIconKind kind;
    friend bool operator==(const CStep&, const CStep&) = default;
};

// The steps for a list of count icons; none when the operation is refused.
std::optional<std::vector<CStep>> Plan(COperation operation, CIconKind kind, int count);

} // namespace TabIconSlots
