#pragma once
#include <QElapsedTimer>
#include <QWidget>

#include <vector>

class QLineEdit;
class QToolButton;

// Up and down arrows that step a number, optionally shown in a buddy field: each step reads
// the field, moves by the increment that the time held calls for, keeps to the range and
// writes the field back in plain decimal.
class UpDownWidget : public QWidget {
public:
    struct Accel {
        unsigned seconds;
        unsigned increment;
    };

    explicit UpDownWidget(QWidget* parent);

    void SetRange(int lower, int upper);
    int Lower() const { return m_lower; }
    int Upper() const { return m_upper; }
    void SetAccel(std::vector<Accel> accel);
    void SetPos(int pos);
    int Pos() const;
    // The field the arrows write to; with arrowKeys its Up and Down keys step too.
    void SetBuddy(QLineEdit* buddy, bool setBuddyInt, bool arrowKeys);
    QLineEdit* Buddy() const { return m_buddy; }
    // One step up (+1) or down (-1).
    void Step(int direction);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int CurrentIncrement();

    QToolButton* m_up;
    QToolButton* m_down;
    QLineEdit* m_buddy = nullptr;
    bool m_setBuddyInt = false;
    int m_lower = 0;
    int m_upper = 100;
    int m_pos = 0;
    std::vector<Accel> m_accel{{0, 1}, {2, 5}, {5, 20}};
    QElapsedTimer m_holdStart;
    QElapsedTimer m_lastStep;
};
