#pragma once
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QWidget>

// Fails the running test, instead of letting it hang, when a modal window stays open that
// the test did not deal with; then closes that window so that the test can end.
class ModalWatchdog : public QObject {
public:
    explicit ModalWatchdog(int patienceMs = 3000);
    ~ModalWatchdog() override;
    int Closed() const { return m_closed; }

private:
    void Check();

    QTimer m_timer;
    QPointer<QWidget> m_seen;
    qint64 m_seenSinceMs = 0;
    int m_patienceMs;
    int m_closed = 0;
};
