#pragma once
#include <QDialog>

#include <functional>
#include <vector>

class CDialog;

// The window of a CDialog. Enter, Escape and the caption's close box become the commands
// the dialog's message map expects instead of Qt's own accept and reject.
class DialogWidget : public QDialog {
public:
    DialogWidget(CDialog& owner, QWidget* parent, int closeCommand);
    CDialog& Owner() const { return m_owner; }

    // Runs the work once the window has painted its first frame (at once when it has), for
    // what the player need not wait for.
    void AfterFirstFrame(std::function<void()> work);
    bool HasShownFirstFrame() const { return m_shownFirstFrame; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    CDialog& m_owner;
    int m_closeCommand;
    bool m_shownFirstFrame = false;
    std::vector<std::function<void()>> m_afterFirstFrame;
};
