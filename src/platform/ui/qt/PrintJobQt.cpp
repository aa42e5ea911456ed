// Printing over QtPrintSupport: a printer or a PDF writer as the painter's device, its
// resolution the device context's units.
#include "platform/ui/PrintJob.h"

#include "platform/ui/CWnd.h"
#include "platform/ui/qt/Handles.h"
#include "platform/ui/qt/QtConvert.h"

#include <QFile>
#include <QLocale>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrintPreviewDialog>

namespace {

// Room the page keeps free at each edge, beyond what a printer cannot reach anyway.
const QMarginsF kMarginsMm(8, 8, 8, 8);

QPageSize LocalePageSize() {
    return QPageSize(QLocale::system().measurementSystem() == QLocale::ImperialUSSystem
                         ? QPageSize::Letter
                         : QPageSize::A4);
}

bool PaintOn(QPagedPaintDevice& device, const PagePainter& paint) {
    QPainter painter;
    if (!painter.begin(&device)) {
        return false;
    }
    CDC dc = CDC::FromHandle(HandleOf(&painter));
    paint(dc);
    return painter.end();
}

void PreparePrinter(QPrinter& printer, const CString& strTitle) {
    printer.setDocName(ToQString(strTitle));
    printer.setPageSize(LocalePageSize());
    printer.setPageMargins(kMarginsMm, QPageLayout::Millimeter);
}

} // namespace

PrintOutcome PrintWithDialog(CWnd* pParent, const CString& strTitle, const PagePainter& paint) {
    QPrinter printer(QPrinter::HighResolution);
    PreparePrinter(printer, strTitle);
    QWidget* parent = pParent != nullptr ? WidgetOf(pParent->m_hWnd) : nullptr;
    QPrintPreviewDialog preview(&printer, parent);
    preview.setWindowTitle(ToQString(strTitle));
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [&paint](QPrinter* target) { PaintOn(*target, paint); });
    return preview.exec() == QDialog::Accepted ? PrintOutcome::printed : PrintOutcome::cancelled;
}

PrintOutcome PrintToPdfFile(const CString& strPath, const CString& strTitle,
                            const PagePainter& paint) {
    // Opened here, so that a place that cannot be written fails the job before any drawing.
    QFile file(ToQString(strPath));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        return PrintOutcome::failed;
    }
    QPdfWriter writer(&file);
    writer.setTitle(ToQString(strTitle));
    writer.setCreator(QStringLiteral("Caddora"));
    writer.setPageSize(LocalePageSize());
    writer.setPageMargins(kMarginsMm, QPageLayout::Millimeter);
    return PaintOn(writer, paint) ? PrintOutcome::printed : PrintOutcome::failed;
}

PrintOutcome PrintToFile(const CString& strPrinter, const CString& strPath, const CString& strTitle,
                         const PagePainter& paint) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPrinterName(ToQString(strPrinter));
    PreparePrinter(printer, strTitle);
    printer.setOutputFileName(ToQString(strPath));
    return PaintOn(printer, paint) ? PrintOutcome::printed : PrintOutcome::failed;
}
