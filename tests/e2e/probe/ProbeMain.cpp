// e2e_probe: what the end-to-end scenarios ask of the Windows side, printed as UTF-8 lines.
//
//   e2e_probe windows                          every window shown, and the focus
//   e2e_probe wait <title> [seconds]           waits for a window whose title begins with title;
//                                              prints its screen rectangle "x y w h"
//   e2e_probe gone <title> [seconds]           waits until no such window is shown
//   e2e_probe control <title> <id>             the screen rectangle of a control of that window
//   e2e_probe cell <title> <row> <col>         the screen point "x y" of a cell's centre in the
//                                              active document window of that frame
//   e2e_probe combo <title> <id>               "dropped" or "closed", and the selected item
//   e2e_probe list-item <index>                the screen point of an item of the open drop-down
//                                              list
//   e2e_probe shell-open <file>                opens the file as the shell does (ShellExecute)
//   e2e_probe workbook <file> <question>...    opens the file with the control and answers, one
//                                              line each: pages | text P R C | merged P R C |
//                                              selected P R C | line P R C (the cell's own
//                                              bottom line)
//
// Exit code 0 when every answer was found, 1 when one was not (the reason on standard error),
// 2 for a command it does not know.

#include "tests/e2e/probe/WindowProbe.h"
#include "tests/e2e/probe/WorkbookProbe.h"

#include <ole2.h>
#include <shellapi.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace {

void Write(DWORD stream, const std::wstring& text)
{
    const int size = ::WideCharToMultiByte(CP_UTF8, 0, text.c_str(), int(text.size()), nullptr, 0, nullptr, nullptr);
    std::string bytes(size_t(size), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, text.c_str(), int(text.size()), bytes.data(), size, nullptr, nullptr);
    DWORD written = 0;
    ::WriteFile(::GetStdHandle(stream), bytes.data(), DWORD(bytes.size()), &written, nullptr);
}

int Fail(const std::wstring& why)
{
    Write(STD_ERROR_HANDLE, L"e2e_probe: " + why + L"\n");
    return 1;
}

double SecondsArg(const std::vector<std::wstring>& args, size_t index)
{
    return index < args.size() ? std::wcstod(args[index].c_str(), nullptr) : 10.0;
}

long LongArg(const std::vector<std::wstring>& args, size_t index)
{
    return index < args.size() ? std::wcstol(args[index].c_str(), nullptr, 10) : -1;
}

int AnswerWorkbook(const std::vector<std::wstring>& args)
{
    if (args.size() < 2)
        return Fail(L"workbook needs a file");
    CWorkbookProbe probe;
    std::wstring error;
    if (!probe.Create(error))
        return Fail(error);
    if (!probe.Open(args[1]))
        return Fail(L"the control refused " + args[1] + L"\n" + CWorkbookProbe::Messages());
    for (size_t i = 2; i < args.size();) {
        const std::wstring& question = args[i];
        if (question == L"pages") {
            Write(STD_OUTPUT_HANDLE, std::to_wstring(probe.PageCount()) + L"\n");
            i += 1;
            continue;
        }
        const long page = LongArg(args, i + 1), row = LongArg(args, i + 2), col = LongArg(args, i + 3);
        if (question == L"text")
            Write(STD_OUTPUT_HANDLE, probe.CellText(page, row, col) + L"\n");
        else if (question == L"merged")
            Write(STD_OUTPUT_HANDLE, std::wstring(probe.MergeStartsAt(page, row, col) ? L"yes" : L"no") + L"\n");
        else if (question == L"selected")
            Write(STD_OUTPUT_HANDLE, std::wstring(probe.IsSelected(page, row, col) ? L"yes" : L"no") + L"\n");
        else if (question == L"line")
            Write(STD_OUTPUT_HANDLE, probe.BottomLine(page, row, col) + L"\n");
        else
            return Fail(L"unknown question " + question);
        i += 4;
    }
    return 0;
}

int Run(const std::vector<std::wstring>& args)
{
    using namespace window_probe;
    const std::wstring command = args.empty() ? L"" : args[0];
    if (command == L"windows") {
        Write(STD_OUTPUT_HANDLE, Describe());
        return 0;
    }
    if (command == L"wait" && args.size() >= 2) {
        HWND window = WaitForTopLevel(args[1], true, SecondsArg(args, 2));
        if (!window)
            return Fail(L"no window \"" + args[1] + L"\" appeared");
        Write(STD_OUTPUT_HANDLE, RectText(window) + L"\n");
        return 0;
    }
    if (command == L"gone" && args.size() >= 2)
        return WaitForTopLevel(args[1], false, SecondsArg(args, 2)) ? Fail(L"\"" + args[1] + L"\" is still shown") : 0;
    if (command == L"control" && args.size() >= 3) {
        HWND window = FindTopLevel(args[1]);
        HWND control = window ? FindDescendant(window, int(LongArg(args, 2))) : nullptr;
        if (!control)
            return Fail(L"no control " + args[2] + L" in \"" + args[1] + L"\"");
        Write(STD_OUTPUT_HANDLE, RectText(control) + L"\n");
        return 0;
    }
    if (command == L"cell" && args.size() >= 4) {
        HWND frame = FindTopLevel(args[1]);
        HWND control = frame ? ActiveDocumentControl(frame) : nullptr;
        if (!control)
            return Fail(L"no document window in \"" + args[1] + L"\"");
        const POINT point = CellCentre(control, int(LongArg(args, 2)), int(LongArg(args, 3)));
        Write(STD_OUTPUT_HANDLE, std::to_wstring(point.x) + L" " + std::to_wstring(point.y) + L"\n");
        return 0;
    }
    if (command == L"combo" && args.size() >= 3) {
        HWND window = FindTopLevel(args[1]);
        HWND combo = window ? FindDescendant(window, int(LongArg(args, 2))) : nullptr;
        if (!combo)
            return Fail(L"no combo box " + args[2] + L" in \"" + args[1] + L"\"");
        const bool dropped = ::SendMessageW(combo, CB_GETDROPPEDSTATE, 0, 0) != 0;
        Write(STD_OUTPUT_HANDLE, std::wstring(dropped ? L"dropped " : L"closed ") +
                                     std::to_wstring(::SendMessageW(combo, CB_GETCURSEL, 0, 0)) + L"\n");
        return 0;
    }
    if (command == L"list-item" && args.size() >= 2) {
        POINT point{};
        if (!OpenListItemCentre(int(LongArg(args, 1)), point))
            return Fail(L"no drop-down list is open with item " + args[1]);
        Write(STD_OUTPUT_HANDLE, std::to_wstring(point.x) + L" " + std::to_wstring(point.y) + L"\n");
        return 0;
    }
    if (command == L"shell-open" && args.size() >= 2) {
        const INT_PTR result = INT_PTR(::ShellExecuteW(nullptr, L"open", args[1].c_str(), nullptr, nullptr, SW_SHOWNORMAL));
        return result > 32 ? 0 : Fail(L"the shell could not open " + args[1] + L": " + std::to_wstring(result));
    }
    if (command == L"workbook")
        return AnswerWorkbook(args);
    Write(STD_ERROR_HANDLE, L"e2e_probe: unknown command\n");
    return 2;
}

} // namespace

int wmain(int argc, wchar_t** argv)
{
    std::vector<std::wstring> args(argv + 1, argv + argc);
    ::OleInitialize(nullptr);
    const int code = Run(args);
    ::OleUninitialize();
    return code;
}
