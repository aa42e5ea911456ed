#include "platform/ui/qt/UpDownWidget.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <limits>

namespace {

// A step that comes later than this after the previous one starts a new press.
constexpr qint64 kNewPressAfterMs = 500;

// The arrows are one spin button to assistive technology, called as the field they step
// unless they have a name of their own (a plain widget would be read as a nameless pane).
class UpDownAccessible : public QAccessibleWidget {
public:
    explicit UpDownAccessible(UpDownWidget* upDown)
        : QAccessibleWidget(upDown, QAccessible::SpinBox) {}

    QString text(QAccessible::Text t) const override {
        const QString own = QAccessibleWidget::text(t);
        QLineEdit* buddy = static_cast<const UpDownWidget*>(widget())->Buddy();
        if (t != QAccessible::Name || !own.isEmpty() || buddy == nullptr) {
            return own;
        }
        const QAccessibleInterface* field = QAccessible::queryAccessibleInterface(buddy);
        return field != nullptr ? field->text(QAccessible::Name) : own;
    }
};

QAccessibleInterface* UpDownFactory(const QString& className, QObject* object) {
    if (className != QLatin1String("QWidget")) {
        return nullptr;
    }
    auto* upDown = dynamic_cast<UpDownWidget*>(object);
    return upDown != nullptr ? new UpDownAccessible(upDown) : nullptr; // owned by Qt's cache
}

} // namespace

UpDownWidget::UpDownWidget(QWidget* parent)
    : QWidget(parent), m_up(new QToolButton(this)), m_down(new QToolButton(this)) {
    static const bool accessible = [] {
        QAccessible::installFactory(&UpDownFactory);
        return true;
    }();
    (void)accessible;
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    for (QToolButton* button : {m_up, m_down}) {
        button->setAutoRepeat(true);
        button->setFocusPolicy(Qt::NoFocus);
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        layout->addWidget(button);
    }
    m_up->setArrowType(Qt::UpArrow);
    m_down->setArrowType(Qt::DownArrow);
    m_up->setAccessibleName(QStringLiteral("Up"));
    m_down->setAccessibleName(QStringLiteral("Down"));
    connect(m_up, &QToolButton::clicked, this, [this] { Step(+1); });
    connect(m_down, &QToolButton::clicked, this, [this] { Step(-1); });
}

void UpDownWidget::SetRange(int lower, int upper) {
    m_lower = lower;
    m_upper = upper;
}

void UpDownWidget::SetAccel(std::vector<Accel> accel) {
    std::sort(accel.begin(), accel.end(),
              [](const Accel& a, const Accel& b) { return a.seconds < b.seconds; });
    m_accel = std::move(accel);
}

void UpDownWidget::SetPos(int pos) {
    m_pos = std::clamp(pos, std::min(m_lower, m_upper), std::max(m_lower, m_upper));
    if (m_buddy != nullptr && m_setBuddyInt) {
        m_buddy->setText(QString::number(m_pos));
    }
}

int UpDownWidget::Pos() const {
    if (m_buddy != nullptr && m_setBuddyInt) {
        bool ok = false;
        const int value = m_buddy->text().trimmed().toInt(&ok);
        if (ok) {
            return value;
        }
    }
    return m_pos;
}

void UpDownWidget::SetBuddy(QLineEdit* buddy, bool setBuddyInt, bool arrowKeys) {
    m_buddy = buddy;
    m_setBuddyInt = setBuddyInt;
    if (arrowKeys && buddy != nullptr) {
        buddy->installEventFilter(this);
    }
}

int UpDownWidget::CurrentIncrement() {
    if (!m_lastStep.isValid() || m_lastStep.elapsed() > kNewPressAfterMs) {
        m_holdStart.start();
    }
    m_lastStep.start();
    const qint64 heldSeconds = m_holdStart.elapsed() / 1000;
    unsigned increment = 1;
    for (const Accel& accel : m_accel) {
        if (static_cast<qint64>(accel.seconds) <= heldSeconds) {
            increment = accel.increment;
        }
    }
    return static_cast<int>(std::min<unsigned>(increment, std::numeric_limits<int>::max()));
}

void UpDownWidget::Step(int direction) {
    const int increment = CurrentIncrement();
    // A range given upside down turns the arrows round.
    const int sign = m_lower <= m_upper ? direction : -direction;
    const long long next = static_cast<long long>(Pos()) + static_cast<long long>(sign) * increment;
    const long long low = std::min(m_lower, m_upper);
    const long long high = std::max(m_lower, m_upper);
    SetPos(static_cast<int>(std::clamp(next, low, high)));
}

bool UpDownWidget::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_buddy && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Up || key->key() == Qt::Key_Down) {
            Step(key->key() == Qt::Key_Up ? +1 : -1);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
