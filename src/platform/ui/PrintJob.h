#pragma once
// A page the program draws itself, printed. The page is drawn through a device context over
// it: its units are the device's (LOGPIXELSX and LOGPIXELSY of them to the inch), its origin
// is the top left of the printable area, and HORZRES and VERTRES are that area's size. The
// paper is the one the system's locale says, A4, or Letter where the locale measures in
// inches, unless the player chooses another in the print dialog.
#include "platform/core/CString.h"
#include "platform/ui/CDC.h"

#include <functional>

class CWnd;

// Draws the page; it may be called more than once (a preview, then the printer).
using PagePainter = std::function<void(CDC& dc)>;

enum class PrintOutcome {
    printed,
    cancelled,  // the player closed the dialog without printing
    failed,     // no printer could be had, or the output could not be written
    unsupported // the system has no such printing of its own
};

// Through the system's print dialog, over the window, after a preview of the page where the
// toolkit has one (over Qt the preview comes first, and its Print button opens the dialog).
PrintOutcome PrintWithDialog(CWnd* pParent, const CString& strTitle, const PagePainter& paint);
// The page as a PDF file, without a window; unsupported on Windows, where PDF is a printer
// the print dialog offers ("Microsoft Print to PDF").
PrintOutcome PrintToPdfFile(const CString& strPath, const CString& strTitle,
                            const PagePainter& paint);
// The page to the named printer, its output into a file instead of the printer's port, as the
// print dialog's "Print to file" does: in the printer's own language on Windows (PostScript
// from a PostScript driver), a PDF over Qt.
PrintOutcome PrintToFile(const CString& strPrinter, const CString& strPath, const CString& strTitle,
                         const PagePainter& paint);
