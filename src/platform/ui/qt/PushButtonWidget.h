#pragma once
#include <QPushButton>

// A push button painted flat in the colours its dialog's colour query answered (the style's
// gradient would lighten the brush and halve the contrast of its text), with a frame that
// marks the default button and a ring that marks the focus.
class PushButtonWidget : public QPushButton {
public:
    explicit PushButtonWidget(QWidget* parent) : QPushButton(parent) {}

    // How far inside the edge the focus ring runs, and how wide it is.
    static constexpr int kFocusRingInset = 3;
    static constexpr int kFocusRingWidth = 1;

protected:
    void paintEvent(QPaintEvent* event) override;
};
