#pragma once
// On Windows a later start finds the running copy's main window by the dialog property
// (platform/process/RunningCopy.h), which the dialogs over Win32 carry from their creation;
// this gives every window of the toolkit's the same mark while it is shown. Windows only.
#include <QObject>

class DialogWindowMarker : public QObject {
public:
    // Marks the windows of the running application from now on.
    DialogWindowMarker();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
