#include "DialogWidget.h"

#include "CDialog.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QPushButton>
#include <QTimer>

DialogWidget::DialogWidget(CDialog& owner, QWidget* parent, int closeCommand)
    : QDialog(parent), m_owner(owner), m_closeCommand(closeCommand) {}

void DialogWidget::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: {
        // A push button with the focus is the one Enter presses; otherwise the default.
        int id = m_owner.GetDefID();
        if (auto* button = qobject_cast<QPushButton*>(focusWidget())) {
            if (CWnd* control = m_owner.FromHandle(button)) {
                id = control->GetDlgCtrlID();
            }
        }
        m_owner.OnCommand(static_cast<UINT>(id), BN_CLICKED);
        event->accept();
        return;
    }
    case Qt::Key_Escape:
        m_owner.OnCommand(IDCANCEL, BN_CLICKED);
        event->accept();
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}

void DialogWidget::closeEvent(QCloseEvent* event) {
    // The window stays until the dialog's own handler ends it.
    event->ignore();
    if (m_closeCommand != 0) {
        m_owner.OnCommand(static_cast<UINT>(m_closeCommand), BN_CLICKED);
    }
}

void DialogWidget::AfterFirstFrame(std::function<void()> work) {
    if (m_shownFirstFrame) {
        work();
    } else {
        m_afterFirstFrame.push_back(std::move(work));
    }
}

void DialogWidget::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    if (m_shownFirstFrame) {
        return;
    }
    m_shownFirstFrame = true;
    // The frame reaches the screen when this paint returns; the waiting work comes after.
    QTimer::singleShot(0, this, [this] {
        for (auto& work : std::exchange(m_afterFirstFrame, {})) {
            work();
        }
    });
}
