#pragma once
#include <QDialog>

class CDialog;

// The window of a CDialog. Enter, Escape and the caption's close box become the commands
// the dialog's message map expects instead of Qt's own accept and reject.
class DialogWidget : public QDialog {
public:
    DialogWidget(CDialog& owner, QWidget* parent, int closeCommand);
    CDialog& Owner() const { return m_owner; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    CDialog& m_owner;
    int m_closeCommand;
};
