#pragma once
#include <QLabel>
#include <QTimer>

// A short message at a control, as the platform's edit controls show one when they refuse a
// key: it stays, whatever keys follow, until its time runs out, the control's text changes
// or the control loses the focus. Assistive technology hears it as an alert.
class BalloonTip : public QLabel {
public:
    explicit BalloonTip(QWidget* control);

    void ShowText(const QString& text, int milliseconds);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* m_control;
    QTimer m_timer;
};
