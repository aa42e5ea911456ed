#include "support/ModalWatchdog.h"

#include <QApplication>
#include <QDateTime>
#include <QDialog>

#include <gtest/gtest.h>

ModalWatchdog::ModalWatchdog(int patienceMs) : m_patienceMs(patienceMs) {
    m_timer.setInterval(50);
    QObject::connect(&m_timer, &QTimer::timeout, this, [this] { Check(); });
    m_timer.start();
}

ModalWatchdog::~ModalWatchdog() {
    m_timer.stop();
}

void ModalWatchdog::Check() {
    QWidget* modal = QApplication::activeModalWidget();
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    if (modal == nullptr) {
        m_seen = nullptr;
        return;
    }
    if (modal != m_seen) {
        m_seen = modal;
        m_seenSinceMs = now;
        return;
    }
    if (now - m_seenSinceMs < m_patienceMs) {
        return;
    }
    ADD_FAILURE() << "an unexpected modal window stayed open: \""
                  << modal->windowTitle().toStdString() << "\"";
    ++m_closed;
    m_seen = nullptr;
    if (auto* dialog = qobject_cast<QDialog*>(modal)) {
        dialog->done(QDialog::Rejected);
    } else {
        modal->close();
    }
}
