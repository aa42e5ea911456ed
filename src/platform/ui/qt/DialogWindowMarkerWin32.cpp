#include "platform/ui/qt/DialogWindowMarker.h"

#include "platform/process/RunningCopy.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPlatformSurfaceEvent>
#include <QWindow>

#include <windows.h>

DialogWindowMarker::DialogWindowMarker() {
    if (QCoreApplication* app = QCoreApplication::instance()) {
        app->installEventFilter(this);
    }
}

bool DialogWindowMarker::eventFilter(QObject* watched, QEvent* event) {
    if (!watched->isWindowType()) {
        return false;
    }
    auto* window = static_cast<QWindow*>(watched);
    if (event->type() == QEvent::Show && window->handle() != nullptr) {
        SetPropW(reinterpret_cast<HWND>(window->winId()), kDialogWindowProperty,
                 reinterpret_cast<HANDLE>(window));
    } else if (event->type() == QEvent::PlatformSurface &&
               static_cast<QPlatformSurfaceEvent*>(event)->surfaceEventType() ==
                   QPlatformSurfaceEvent::SurfaceAboutToBeDestroyed &&
               window->handle() != nullptr) {
        RemovePropW(reinterpret_cast<HWND>(window->winId()), kDialogWindowProperty);
    }
    return false;
}
