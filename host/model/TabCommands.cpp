#include "host/model/TabCommands.h"

#include "host/model/ControlMembers.h"

#include <algorithm>

namespace {

using K = TabArgKind;
using O = TabObject;
using P = TabPrompt;
namespace ta = tab_arrow_id;
namespace tt = tab_title_id;
namespace fo = font_id;

constexpr TabArg S(long v) { return {K::Short, v, nullptr}; }
constexpr TabArg L(long v) { return {K::Long, v, nullptr}; }
constexpr TabArg B(bool v) { return {K::Bool, v ? 1 : 0, nullptr}; }
constexpr TabArg Icon(long id) { return {K::Icon, id, nullptr}; }
constexpr TabArg Text(const char* text) { return {K::Text, 0, text}; }
constexpr TabArg Toggle(DISPID getter) { return {K::Toggle, getter, nullptr}; }
constexpr TabArg kPath{K::Path, 0, nullptr};
constexpr TabArg kPage{K::ActivePage, 0, nullptr};
constexpr TabArg kColour{K::Colour, 0, nullptr};
constexpr TabArg kUser{K::User, 0, nullptr};
constexpr TabArg kPassword{K::Password, 0, nullptr};
constexpr TabArg kNewPassword{K::NewPassword, 0, nullptr};
constexpr TabArg kNewUser{K::NewUser, 0, nullptr};
constexpr TabArg kPrivilege{K::Privilege, 0, nullptr};

template <class... A> constexpr TabCall Call(O object, DISPID method, A... args)
{
    return {object, method, {args...}};
}

constexpr TabCheckRule NoCheck{};
constexpr TabCheckRule IsTrue(O object, DISPID getter, TabArg arg = {})
{
    return {TabCheck::IsTrue, object, getter, arg, 0};
}
constexpr TabCheckRule IsFalse(O object, DISPID getter, TabArg arg = {})
{
    return {TabCheck::IsFalse, object, getter, arg, 0};
}
constexpr TabCheckRule Equals(O object, DISPID getter, long value, TabArg arg = {})
{
    return {TabCheck::Equals, object, getter, arg, value};
}

// A command that calls one method and needs nothing from the user.
constexpr TabCommand Plain(UINT id, TabCall call, TabCheckRule check = NoCheck)
{
    return {id, P::None, nullptr, 0, {call, {}}, check, check.kind != TabCheck::None};
}
constexpr TabCommand Asking(UINT id, P prompt, TabCall call)
{
    return {id, prompt, nullptr, 0, {call, {}}, NoCheck, false};
}
constexpr TabCommand Dialog(UINT id, P prompt, const char* caption, int mode, TabCall call)
{
    return {id, prompt, caption, mode, {call, {}}, NoCheck, false};
}
// The same font call on the arrow bar's font and on the page tab's font.
constexpr TabCommand Font(UINT id, O font, DISPID method, TabArg arg = {})
{
    return Plain(id, Call(font, method, arg));
}

const TabCommand kTabCommands[] = {
    // The arrow bar's status text.
    {32776, P::None, nullptr, 0,
     {Call(O::Title, tt::DoSetWindowVisible, B(false)),
      Call(O::Arrow, ta::DoSetStatusInfoShow, Toggle(ta::DoGetStatusInfoIsShow))},
     IsTrue(O::Arrow, ta::DoGetStatusInfoIsShow), true},
    Plain(32777, Call(O::Arrow, ta::DoSetStatusInfoShowTrans, Toggle(ta::DoGetStatusInfoShowIsTrans)),
          IsTrue(O::Arrow, ta::DoGetStatusInfoShowIsTrans)),
    Plain(32778, Call(O::Arrow, ta::DoSetStatusInfoFgColor, L(0xFF0000)),
          Equals(O::Arrow, ta::DoGetStatusInfoFgColor, 0xFF0000)),
    Plain(32779, Call(O::Arrow, ta::DoSetStatusInfoBkColor, L(0x0000FF)),
          Equals(O::Arrow, ta::DoGetStatusInfoBkColor, 0x0000FF)),
    Plain(32780, Call(O::Arrow, ta::DoSetStatusInfoFormat, S(0)), Equals(O::Arrow, ta::DoGetStatusInfoFormat, 0)),
    Plain(32781, Call(O::Arrow, ta::DoSetStatusInfoFormat, S(1)), Equals(O::Arrow, ta::DoGetStatusInfoFormat, 1)),
    Plain(32782, Call(O::Arrow, ta::DoSetStatusInfoFormat, S(2)), Equals(O::Arrow, ta::DoGetStatusInfoFormat, 2)),
    Plain(32788, Call(O::Arrow, ta::DoSetStatusInfoType, S(0)), Equals(O::Arrow, ta::DoGetStatusInfoType, 0)),
    Plain(32787, Call(O::Arrow, ta::DoSetStatusInfoType, S(1)), Equals(O::Arrow, ta::DoGetStatusInfoType, 1)),
    Plain(32789, Call(O::Arrow, ta::DoSetStatusInfoType, S(2)), Equals(O::Arrow, ta::DoGetStatusInfoType, 2)),
    Plain(32790, Call(O::Arrow, ta::DoSetStatusInfoType, S(3)), Equals(O::Arrow, ta::DoGetStatusInfoType, 3)),
    Plain(32791, Call(O::Arrow, ta::DoSetStatusInfoType, S(4)), Equals(O::Arrow, ta::DoGetStatusInfoType, 4)),
    Plain(32821, Call(O::Arrow, ta::DoSetIconText, S(0), Text("图标文本"))),
    Asking(32822, P::ShowText, Call(O::Arrow, ta::DoGetIconText, S(0))),
    // The arrow bar's look.
    Plain(32792, Call(O::Arrow, ta::DoSetIconLineType, S(0)), Equals(O::Arrow, ta::DoGetIconLineType, 0)),
    Plain(32793, Call(O::Arrow, ta::DoSetIconLineType, S(1)), Equals(O::Arrow, ta::DoGetIconLineType, 1)),
    Plain(32794, Call(O::Arrow, ta::DoSetIconLineType, S(2)), Equals(O::Arrow, ta::DoGetIconLineType, 2)),
    Plain(32795, Call(O::Arrow, ta::DoSetIconLineType, S(3)), Equals(O::Arrow, ta::DoGetIconLineType, 3)),
    Plain(32796, Call(O::Arrow, ta::DoSetIconLineType, S(4)), Equals(O::Arrow, ta::DoGetIconLineType, 4)),
    Plain(32797, Call(O::Arrow, ta::DoSetButtonLineType, S(0)), Equals(O::Arrow, ta::DoGetButtonLineType, 0)),
    Plain(32798, Call(O::Arrow, ta::DoSetButtonLineType, S(1)), Equals(O::Arrow, ta::DoGetButtonLineType, 1)),
    Plain(32799, Call(O::Arrow, ta::DoSetButtonLineType, S(2)), Equals(O::Arrow, ta::DoGetButtonLineType, 2)),
    Plain(32800, Call(O::Arrow, ta::DoSetButtonLineType, S(3)), Equals(O::Arrow, ta::DoGetButtonLineType, 3)),
    Plain(32801, Call(O::Arrow, ta::DoSetButtonLineType, S(4)), Equals(O::Arrow, ta::DoGetButtonLineType, 4)),
    // The arrow bar's icon buttons.
    Plain(32785, Call(O::Arrow, ta::DoSetShowOnlyIcon, B(true)), IsTrue(O::Arrow, ta::DoGetShowIconIsEnable)),
    Plain(32786, Call(O::Arrow, ta::DoSetShowCommandButton, B(true)),
          IsTrue(O::Arrow, ta::DoGetCommandButtonIsEnable)),
    Plain(32804, Call(O::Arrow, ta::DoAddIcon, B(true), Icon(0), Icon(0))),
    Plain(32805, Call(O::Arrow, ta::DoAddIcon, B(false), Icon(137), Icon(0))),
    Plain(32806, Call(O::Arrow, ta::DoAddIcon, B(false), Icon(133), Icon(134))),
    Asking(32811, P::IconFile, Call(O::Arrow, ta::DoAddIconFromFile, B(false), kPath, Text(""))),
    Plain(32807, Call(O::Arrow, ta::DoUpdateIcon, S(0), B(false), B(true), Icon(135), B(false), Icon(0))),
    Plain(32809, Call(O::Arrow, ta::DoUpdateIcon, S(0), B(true), B(true), Icon(135), B(false), Icon(0))),
    Plain(32808, Call(O::Arrow, ta::DoUpdateIcon, S(0), B(false), B(false), Icon(0), B(true), Icon(136))),
    Plain(32810, Call(O::Arrow, ta::DoUpdateIcon, S(0), B(false), B(false), Icon(0), B(true), Icon(0))),
    Asking(32812,
           P::IconFile, Call(O::Arrow, ta::DoUpdateIconFromFile, S(0), B(false), B(true), kPath, B(false), Text(""))),
    Asking(32813,
           P::IconFile, Call(O::Arrow, ta::DoUpdateIconFromFile, S(0), B(false), B(false), Text(""), B(true), kPath)),
    Plain(32814, Call(O::Arrow, ta::DoInsertIcon, S(2), B(true), Icon(0), Icon(0))),
    Plain(32815, Call(O::Arrow, ta::DoInsertIcon, S(2), B(false), Icon(135), Icon(0))),
    Plain(32816, Call(O::Arrow, ta::DoInsertIcon, S(2), B(false), Icon(135), Icon(136))),
    Asking(32817, P::IconFile, Call(O::Arrow, ta::DoInsertIconFromFile, S(2), B(false), kPath, Text(""))),
    Asking(32818, P::IconFile, Call(O::Arrow, ta::DoInsertIconFromFile, S(2), B(false), kPath, kPath)),
    Plain(32819, Call(O::Arrow, ta::DoDeleteIcon, S(0))),
    Asking(32820, P::ShowCount, Call(O::Arrow, ta::DoGetIconCounts)),
    // The arrow bar's status text font.
    Font(32829, O::ArrowFont, fo::DoSetFontItalic, B(true)),
    Font(32830, O::ArrowFont, fo::DoSetFontUnderline, B(true)),
    Font(32834, O::ArrowFont, fo::DoSetFontStrikeOut, B(true)),
    Font(32831, O::ArrowFont, fo::DoSetFontFaceName, Text("@宋体")),
    Font(32832, O::ArrowFont, fo::DoSetFontColor, L(0x0000FF)),
    Font(32833, O::ArrowFont, fo::DoSetFontFromFontDialog),
    Font(32835, O::ArrowFont, fo::DoSetFontSize, L(10)),
    Font(32836, O::ArrowFont, fo::DoSetSystemFont),
    // The active page's tab font.
    Font(32882, O::PageFont, fo::DoSetFontHeight, L(20)),
    Font(32883, O::PageFont, fo::DoSetFontWidth, L(10)),
    Font(32884, O::PageFont, fo::DoSetFontEscapement, L(1800)),
    Font(32885, O::PageFont, fo::DoSetFontWeight, L(800)),
    Font(32886, O::PageFont, fo::DoSetFontItalic, B(true)),
    Font(32887, O::PageFont, fo::DoSetFontUnderline, B(true)),
    Font(32888, O::PageFont, fo::DoSetFontStrikeOut, B(true)),
    Font(32889, O::PageFont, fo::DoSetFontFaceName, Text("@宋体")),
    Font(32890, O::PageFont, fo::DoSetFontColor, L(0x0000FF)),
    Font(32891, O::PageFont, fo::DoSetFontFromFontDialog),
    Font(32892, O::PageFont, fo::DoSetFontSize, L(10)),
    Font(32893, O::PageFont, fo::DoSetSystemFont),
    // Hot tracking of the arrow bar.
    Plain(32783, Call(O::Arrow, ta::DoSetLeftTopLineColor, L(0xFF0000)),
          Equals(O::Arrow, ta::DoGetLeftTopLineColor, 0xFF0000)),
    Plain(32784, Call(O::Arrow, ta::DoSetRightBottomLineColor, L(0x0000FF)),
          Equals(O::Arrow, ta::DoGetRightBottomLineColor, 0x0000FF)),
    Asking(32803, P::Colour, Call(O::Arrow, ta::DoSetHotTrackColor, kColour)),
    Plain(32823, Call(O::Arrow, ta::DoSetButtonTrack, S(0), Toggle(ta::DoGetButtonIsTrack)),
          IsTrue(O::Arrow, ta::DoGetButtonIsTrack, S(0))),
    Plain(32824, Call(O::Arrow, ta::DoSetButtonEnable, S(0), Toggle(ta::DoGetButtonIsEnable)),
          IsTrue(O::Arrow, ta::DoGetButtonIsEnable, S(0))),
    // The icons of the second page tab.
    Plain(32848, Call(O::Title, tt::DoSetShowIcon, L(1), Toggle(tt::DoGetIconIsShow)),
          IsTrue(O::Title, tt::DoGetIconIsShow, L(1))),
    Plain(32854, Call(O::Title, tt::DoInsertCoolIcon, L(1), B(true), Icon(0))),
    Plain(32855, Call(O::Title, tt::DoInsertCoolIcon, L(1), B(false), Icon(135))),
    Asking(32856, P::IconFile, Call(O::Title, tt::DoInsertCoolIconFromFile, L(1), B(false), kPath)),
    Plain(32857, Call(O::Title, tt::DoInsertHotIcon, L(1), B(true), Icon(0))),
    Plain(32858, Call(O::Title, tt::DoInsertHotIcon, L(1), B(false), Icon(136))),
    Asking(32859, P::IconFile, Call(O::Title, tt::DoInsertHotIconFromFile, L(1), B(false), kPath)),
    Plain(32860, Call(O::Title, tt::DoInsertActiveIcon, L(1), B(true), Icon(0))),
    Plain(32861, Call(O::Title, tt::DoInsertActiveIcon, L(1), B(false), Icon(134))),
    Asking(32862, P::IconFile, Call(O::Title, tt::DoInsertActiveIconFromFile, L(1), B(false), kPath)),
    Plain(32863, Call(O::Title, tt::DoUpdateCoolIcon, L(1), B(true), Icon(0))),
    Plain(32864, Call(O::Title, tt::DoUpdateCoolIcon, L(1), B(false), Icon(133))),
    Asking(32865, P::IconFile, Call(O::Title, tt::DoUpdateCoolIconFromFile, L(1), B(false), kPath)),
    Plain(32866, Call(O::Title, tt::DoUpdateHotIcon, L(1), B(true), Icon(0))),
    Plain(32867, Call(O::Title, tt::DoUpdateHotIcon, L(1), B(false), Icon(136))),
    Asking(32868, P::IconFile, Call(O::Title, tt::DoUpdateHotIconFromFile, L(1), B(false), kPath)),
    Plain(32869, Call(O::Title, tt::DoUpdateActiveIcon, L(1), B(true), Icon(0))),
    Plain(32870, Call(O::Title, tt::DoUpdateActiveIcon, L(1), B(false), Icon(137))),
    Asking(32871, P::IconFile, Call(O::Title, tt::DoUpdateActiveIconFromFile, L(1), B(false), kPath)),
    Plain(32872, Call(O::Title, tt::DoDeleteIcon, L(1))),
    // Page operations on the tab object's active page.
    Plain(32845, Call(O::Title, tt::DoSetPageTabWidth, L(1), B(false), L(100)),
          Equals(O::Title, tt::DoGetPageTabWidth, 100, L(1))),
    Plain(32846, Call(O::Title, tt::DoSetPageTabHeight, L(1), B(false), L(16)),
          Equals(O::Title, tt::DoGetPageTabHeight, 16, L(1))),
    Dialog(32875, P::Login, "打开页...", 0, Call(O::Title, tt::DoOpenPage, kPage, kUser, kPassword)),
    Plain(32876, Call(O::Title, tt::DoClosePage, kPage)),
    Dialog(32877, P::Login, "删除页...", 0, Call(O::Title, tt::DoDeletePage, kPage, kUser, kPassword)),
    Dialog(32878, P::Account, "修改密码...", 0,
           Call(O::Title, tt::DoSetPagePassWord, kPage, kUser, kPassword, kNewPassword)),
    Dialog(32879, P::Account, "修改用户名...", 1,
           Call(O::Title, tt::DoSetPageUser, kPage, kUser, kPassword, kNewUser)),
    Dialog(32880, P::Account, "修改权限...", 2,
           Call(O::Title, tt::DoSetPageOpPrivilege, kPage, kPrivilege, kUser, kPassword)),
    Plain(32894, Call(O::Title, tt::DoSetPageContentVisible, kPage, Toggle(tt::DoGetPageContentIsVisible)),
          IsTrue(O::Title, tt::DoGetPageContentIsVisible, kPage)),
    // The page tabs' look (Format menu).
    Plain(32840, Call(O::Title, tt::DoSetTabType, S(0)), Equals(O::Title, tt::DoGetTabType, 0)),
    Plain(32841, Call(O::Title, tt::DoSetTabType, S(1)), Equals(O::Title, tt::DoGetTabType, 1)),
    Plain(32842, Call(O::Title, tt::DoSet3DFace, B(false)), IsFalse(O::Title, tt::DoGet3DFace)),
    Plain(32843, Call(O::Title, tt::DoSet3DFace, B(true)), IsTrue(O::Title, tt::DoGet3DFace)),
    {32847, P::Colour, nullptr, 0, {Call(O::Title, tt::DoSetWindowBkColor, kColour), {}}, NoCheck, true},
    // The View menu.
    Plain(32838, Call(O::Arrow, ta::DoSetWindowVisible, Toggle(ta::DoGetWindowIsVisible)),
          IsTrue(O::Arrow, ta::DoGetWindowIsVisible)),
    Plain(32839, Call(O::Title, tt::DoSetWindowVisible, Toggle(tt::DoGetWindowIsVisible)),
          IsTrue(O::Title, tt::DoGetWindowIsVisible)),
};

} // namespace

std::span<const TabCommand> TabCommandTable()
{
    return kTabCommands;
}

const TabCommand* FindTabCommand(UINT id)
{
    auto found = std::find_if(std::begin(kTabCommands), std::end(kTabCommands),
                              [id](const TabCommand& command) { return command.id == id; });
    return found == std::end(kTabCommands) ? nullptr : found;
}

int TabCallArgCount(const TabCall& call)
{
    int count = 0;
    while (count < int(call.args.size()) && call.args[size_t(count)].kind != TabArgKind::None)
        ++count;
    return count;
}
