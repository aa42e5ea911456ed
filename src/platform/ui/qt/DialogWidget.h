#pragma once
#include <QDialog>

#include <functional>
#include <vector>

class ControlHost;

// The window of a dialog. Enter, Escape and the caption's close box become the commands the
// dialog's message map expects instead of Qt's own accept and reject.
class DialogWidget : public QDialog {
public:
    DialogWidget(ControlHost& host, QWidget* parent, int closeCommand);
    ControlHost& Host() const { return m_host; }

    // Runs the work once the window has painted its first frame (at once when it has), for
    // what the player need not wait for.
    void AfterFirstFrame(std::function<void()> work);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    ControlHost& m_host;
    int m_closeCommand;
    bool m_shownFirstFrame = false;
    std::vector<std::function<void()>> m_afterFirstFrame;
};
