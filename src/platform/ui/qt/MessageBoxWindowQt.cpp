#include "platform/ui/MessageBoxWindow.h"

#include "platform/ui/qt/QtConvert.h"
#include "platform/ui/UiApi.h"

#include <QApplication>
#include <QMessageBox>

int ShowMessageBoxWindow(const CString& text, UINT nType) {
    QMessageBox box(QApplication::activeWindow());
    // The program's name alone: the title the player reads is exactly it.
    box.setWindowTitle(QApplication::applicationName());
    box.setText(ToQString(text));
    box.setIcon((nType & MB_ICONEXCLAMATION) ? QMessageBox::Warning : QMessageBox::NoIcon);
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
    return IDOK;
}
