// Printing over the system's own: the print dialog (PrintDlgEx) gives a printer's device
// context, on which the page is a document of its own (StartDoc, StartPage, EndPage, EndDoc).
#include "platform/ui/PrintJob.h"

#include "platform/ui/CWnd.h"
#include "platform/ui/win32/Text.h"

// The print dialog's declarations stand on COM's (objbase.h), which the lean headers leave out.
#include <objbase.h>

#include <commdlg.h>
#include <winspool.h>

namespace {

// The locale's paper: Letter where it measures in inches (LOCALE_IMEASURE "1"), else A4.
short LocalePaper() {
    wchar_t measure[4] = {};
    GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_IMEASURE, measure, 4);
    return measure[0] == L'1' ? DMPAPER_LETTER : DMPAPER_A4;
}

void AskForLocalePaper(DEVMODEW& devMode) {
    devMode.dmFields |= DM_PAPERSIZE;
    devMode.dmPaperSize = LocalePaper();
}

// The printer's own settings with the locale's paper, as a block of global memory; null when
// the printer could not be asked.
HGLOBAL PrinterSettings(const CString& strPrinter) {
    auto* name = const_cast<LPWSTR>(Wide(strPrinter));
    HANDLE printer = nullptr;
    if (!OpenPrinterW(name, &printer, nullptr)) {
        return nullptr;
    }
    const LONG size = DocumentPropertiesW(nullptr, printer, name, nullptr, nullptr, 0);
    HGLOBAL block = size > 0 ? GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size) : nullptr;
    if (block != nullptr) {
        auto* devMode = static_cast<DEVMODEW*>(GlobalLock(block));
        bool read =
            DocumentPropertiesW(nullptr, printer, name, devMode, nullptr, DM_OUT_BUFFER) == IDOK;
        if (read) {
            AskForLocalePaper(*devMode);
            // The driver merges the change into the rest of its settings.
            read = DocumentPropertiesW(nullptr, printer, name, devMode, devMode,
                                       DM_IN_BUFFER | DM_OUT_BUFFER) == IDOK;
        }
        GlobalUnlock(block);
        if (!read) {
            block = GlobalFree(block);
        }
    }
    ClosePrinter(printer);
    return block;
}

// The page as one document on the printer's device context; `output` names a file to print
// into instead of the printer's port, or is null.
PrintOutcome PrintOn(HDC hDC, const CString& strTitle, LPCWSTR output, const PagePainter& paint) {
    DOCINFOW doc{};
    doc.cbSize = sizeof doc;
    doc.lpszDocName = Wide(strTitle);
    doc.lpszOutput = output;
    if (StartDocW(hDC, &doc) <= 0) {
        return PrintOutcome::failed;
    }
    if (StartPage(hDC) <= 0) {
        AbortDoc(hDC);
        return PrintOutcome::failed;
    }
    const int saved = SaveDC(hDC);
    CDC dc = CDC::FromHandle(hDC);
    paint(dc);
    RestoreDC(hDC, saved);
    if (EndPage(hDC) <= 0) {
        AbortDoc(hDC);
        return PrintOutcome::failed;
    }
    return EndDoc(hDC) > 0 ? PrintOutcome::printed : PrintOutcome::failed;
}

// The default printer's settings, with the locale's paper, for the dialog to open with.
void DefaultPrinterWithLocalePaper(PRINTDLGEXW& pd) {
    pd.Flags = PD_RETURNDEFAULT;
    if (FAILED(PrintDlgExW(&pd)) || pd.hDevMode == nullptr) {
        return;
    }
    if (auto* devMode = static_cast<DEVMODEW*>(GlobalLock(pd.hDevMode)); devMode != nullptr) {
        AskForLocalePaper(*devMode);
        GlobalUnlock(pd.hDevMode);
    }
}

} // namespace

PrintOutcome PrintWithDialog(CWnd* pParent, const CString& strTitle, const PagePainter& paint) {
    PRINTDLGEXW pd{};
    pd.lStructSize = sizeof pd;
    pd.hwndOwner = pParent != nullptr ? pParent->m_hWnd : nullptr;
    DefaultPrinterWithLocalePaper(pd);
    pd.Flags = PD_RETURNDC | PD_NOPAGENUMS | PD_NOSELECTION | PD_NOCURRENTPAGE |
               PD_USEDEVMODECOPIESANDCOLLATE;
    pd.nStartPage = START_PAGE_GENERAL;
    pd.nCopies = 1;
    PrintOutcome outcome = PrintOutcome::failed;
    if (SUCCEEDED(PrintDlgExW(&pd))) {
        outcome = pd.dwResultAction != PD_RESULT_PRINT ? PrintOutcome::cancelled
                  : pd.hDC != nullptr                  ? PrintOn(pd.hDC, strTitle, nullptr, paint)
                                                       : PrintOutcome::failed;
    }
    if (pd.hDC != nullptr) {
        DeleteDC(pd.hDC);
    }
    GlobalFree(pd.hDevMode);
    GlobalFree(pd.hDevNames);
    return outcome;
}

PrintOutcome PrintToPdfFile(const CString& /*strPath*/, const CString& /*strTitle*/,
                            const PagePainter& /*paint*/) {
    return PrintOutcome::unsupported;
}

PrintOutcome PrintToFile(const CString& strPrinter, const CString& strPath, const CString& strTitle,
                         const PagePainter& paint) {
    const HGLOBAL settings = PrinterSettings(strPrinter);
    if (settings == nullptr) {
        return PrintOutcome::failed;
    }
    const auto* devMode = static_cast<const DEVMODEW*>(GlobalLock(settings));
    const HDC hDC = CreateDCW(nullptr, Wide(strPrinter), nullptr, devMode);
    GlobalUnlock(settings);
    GlobalFree(settings);
    if (hDC == nullptr) {
        return PrintOutcome::failed;
    }
    const PrintOutcome outcome = PrintOn(hDC, strTitle, Wide(strPath), paint);
    DeleteDC(hDC);
    return outcome;
}
