#pragma once
#include <QLabel>
#include <QPixmap>
#include <QStringList>

#include <functional>

class QPainter;

// A static text or picture. A one-line text too long for its rectangle ends in "…" and shows
// its whole text as a tooltip. A picture is drawn from its high-resolution variant on a
// screen with more than one device pixel per pixel. With notification on, a click is
// reported to the dialog, and assistive technology sees a push button that can be pressed.
class StaticWidget : public QLabel {
public:
    explicit StaticWidget(QWidget* parent);

    void SetSingleLine(bool singleLine);
    // Sets the text; a one-line text that does not fit gets its whole text as a tooltip.
    void SetText(const QString& text);
    // The picture, and how to load its variant at twice the resolution (which may be empty):
    // that is read only when a screen with more device pixels than pixels first needs it.
    void SetPictures(const QPixmap& normal, std::function<QPixmap()> loadDoubled);

    // A notifying control is pressed by a click, by assistive technology or by its keys.
    void SetOnPressed(std::function<void()> onPressed);
    bool Notifies() const { return static_cast<bool>(m_onPressed); }
    void Press();
    // The names of the keys that press it, as the tooltip and assistive technology give them.
    void AddKeyName(const QString& keyName);
    const QStringList& KeyNames() const { return m_keyNames; }
    // What the control is called: the accessible name, with its keys in the tooltip.
    void SetName(const QString& name);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // Answers the accessible interface of notifying statics; installed once per process.
    static void InstallAccessibility();
    void UpdateToolTip();
    bool Elided() const;
    // The width of the text in the widget's font, measured once for each text, font and
    // resolution: the tooltip asks for it whenever any of them may have changed.
    int TextWidth() const;
    QPixmap PictureForRatio(qreal ratio);
    static void DrawPicture(QPainter& painter, const QPixmap& picture);

    bool m_singleLine = false;
    std::function<QPixmap()> m_loadDoubled;
    QPixmap m_doubled;
    QPixmap m_scaled;
    std::function<void()> m_onPressed;
    QStringList m_keyNames;
    QString m_name;
    mutable QString m_measuredText;
    mutable QFont m_measuredFont;
    mutable int m_measuredDpi = 0;
    mutable int m_measuredWidth = -1;
};
