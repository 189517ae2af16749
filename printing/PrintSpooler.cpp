#include "printing/PrintSpooler.h"

#include <commdlg.h>
#include <winspool.h>

namespace {

CPrintSpooler*& Installed()
{
    static CPrintSpooler* spooler = nullptr;
    return spooler;
}

constexpr int kPaperNameLength = 64;

} // namespace

CPrintSpooler& CPrintSpooler::Current()
{
    static CPrintSpooler system;
    return Installed() ? *Installed() : system;
}

void CPrintSpooler::Install(CPrintSpooler* spooler)
{
    Installed() = spooler;
}

std::vector<CString> CPrintSpooler::EnumPrinters()
{
    const DWORD flags = PRINTER_ENUM_LOCAL | PRINTER_ENUM_CONNECTIONS;
    DWORD needed = 0, count = 0;
    ::EnumPrintersW(flags, nullptr, 1, nullptr, 0, &needed, &count);
    std::vector<CString> names;
    if (needed == 0)
        return names;
    std::vector<BYTE> buffer(needed);
    if (!::EnumPrintersW(flags, nullptr, 1, buffer.data(), needed, &needed, &count))
        return names;
    const auto* info = reinterpret_cast<const PRINTER_INFO_1W*>(buffer.data());
    for (DWORD i = 0; i < count; ++i)
        names.push_back(CString::FromWide(info[i].pName ? info[i].pName : L""));
    return names;
}

std::vector<BYTE> CPrintSpooler::GetPrinterDevMode(const CString& printer)
{
    std::vector<BYTE> mode;
    std::wstring name = printer.ToWide();
    HANDLE handle = nullptr;
    if (printer.IsEmpty() || !::OpenPrinterW(name.data(), &handle, nullptr))
        return mode;
    DWORD needed = 0;
    ::GetPrinterW(handle, 2, nullptr, 0, &needed);
    std::vector<BYTE> buffer(needed);
    if (needed && ::GetPrinterW(handle, 2, buffer.data(), needed, &needed)) {
        const auto* info = reinterpret_cast<const PRINTER_INFO_2W*>(buffer.data());
        if (const DEVMODEW* devMode = info->pDevMode) {
            const BYTE* bytes = reinterpret_cast<const BYTE*>(devMode);
            mode.assign(bytes, bytes + devMode->dmSize + devMode->dmDriverExtra);
        }
    }
    ::ClosePrinter(handle);
    return mode;
}

CPaperList CPrintSpooler::GetPapers(const CString& printer)
{
    CPaperList papers;
    const std::wstring name = printer.ToWide();
    const int count = ::DeviceCapabilitiesW(name.c_str(), L"LPT1", DC_PAPERNAMES, nullptr, nullptr);
    if (count <= 0)
        return papers;
    std::vector<wchar_t> names(size_t(count) * kPaperNameLength);
    std::vector<WORD> codes(static_cast<size_t>(count));
    if (::DeviceCapabilitiesW(name.c_str(), L"LPT1", DC_PAPERNAMES, names.data(), nullptr) <= 0 ||
        ::DeviceCapabilitiesW(name.c_str(), L"LPT1", DC_PAPERS, reinterpret_cast<wchar_t*>(codes.data()), nullptr) <= 0)
        return papers;
    for (int i = 0; i < count; ++i) {
        const wchar_t* entry = names.data() + size_t(i) * kPaperNameLength;
        papers.names.push_back(CString::FromWide(entry, int(wcsnlen(entry, kPaperNameLength))));
        papers.codes.push_back(codes[size_t(i)]);
    }
    return papers;
}

HDC CPrintSpooler::CreatePrinterDC(const CString& printer, const DEVMODEW* mode)
{
    if (printer.IsEmpty())
        return nullptr;
    return ::CreateDCW(nullptr, printer.ToWide().c_str(), nullptr, mode);
}

HDC CPrintSpooler::CreateDefaultPrinterDC()
{
    PRINTDLGW query{};
    query.lStructSize = sizeof(query);
    query.Flags = PD_RETURNDEFAULT | PD_RETURNDC;
    if (!::PrintDlgW(&query))
        return nullptr;
    if (query.hDevMode)
        ::GlobalFree(query.hDevMode);
    if (query.hDevNames)
        ::GlobalFree(query.hDevNames);
    return query.hDC;
}

void CPrintSpooler::ResetDC(HDC dc, const DEVMODEW& mode)
{
    ::ResetDCW(dc, &mode);
}

void CPrintSpooler::DeletePrinterDC(HDC dc)
{
    if (dc)
        ::DeleteDC(dc);
}

int CPrintSpooler::SetAbortProc(HDC dc, ABORTPROC proc)
{
    return ::SetAbortProc(dc, proc);
}

int CPrintSpooler::StartDoc(HDC dc, const CString& documentName)
{
    const std::wstring name = documentName.ToWide();
    DOCINFOW info{};
    info.cbSize = sizeof(info);
    info.lpszDocName = name.c_str();
    return ::StartDocW(dc, &info);
}

int CPrintSpooler::StartPage(HDC dc)
{
    return ::StartPage(dc);
}

int CPrintSpooler::EndPage(HDC dc)
{
    return ::EndPage(dc);
}

int CPrintSpooler::EndDoc(HDC dc)
{
    return ::EndDoc(dc);
}

int CPrintSpooler::AbortDoc(HDC dc)
{
    return ::AbortDoc(dc);
}

std::vector<BYTE> PrinterModeFor(const CString& printer, int orientation, int paperSize)
{
    std::vector<BYTE> mode = CPrintSpooler::Current().GetPrinterDevMode(printer);
    if (mode.size() < offsetof(DEVMODEW, dmPaperSize) + sizeof(short))
        return {};
    auto* devMode = reinterpret_cast<DEVMODEW*>(mode.data());
    devMode->dmOrientation = short(orientation);
    devMode->dmPaperSize = short(paperSize);
    devMode->dmFields |= DM_ORIENTATION | DM_PAPERSIZE;
    return mode;
}
