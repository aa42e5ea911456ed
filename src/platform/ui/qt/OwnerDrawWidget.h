#pragma once
#include <QWidget>

// A control its dialog paints whole (SS_OWNERDRAW): each paint asks the dialog's draw handler,
// with a device context over a painter on the widget. Its text is what assistive technology
// reads for it, since nothing of it is drawn by the control itself.
class OwnerDrawWidget : public QWidget {
public:
    explicit OwnerDrawWidget(QWidget* parent);
    void SetText(const QString& text);
    QString Text() const { return accessibleName(); }

protected:
    void paintEvent(QPaintEvent* event) override;
};
