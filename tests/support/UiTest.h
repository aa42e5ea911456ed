#pragma once
// The base of every UI test: one offscreen application per process, the Fusion style, the
// program's resources, a temporary home with its own settings and data directories, the
// message box seam emptied, and a watchdog against modal windows nobody answers.
#include "platform/ui/CDialog.h"
#include "platform/ui/qt/Handles.h"
#include "support/ModalWatchdog.h"

#include <QString>
#include <QTemporaryDir>

#include <functional>
#include <memory>
#include <optional>
#include <ostream>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

class QWidget;

// Failed comparisons of texts print the text itself.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

// The test process's one application (offscreen unless QT_QPA_PLATFORM says otherwise), with
// the toolkit started and the program's resources entered; made by the first call.
void EnsureTestApplication();

class UiTest : public ::testing::Test {
public:
    // Runs act on the modal window as soon as the next modal loop shows it; for windows
    // that are run with exec() by the code under test (Player::WithModalDialog for the
    // program's dialogs).
    static void WhenModal(std::function<void(QWidget*)> act);

protected:
    void SetUp() override;
    void TearDown() override;

    // The temporary home; XDG_CONFIG_HOME and XDG_DATA_HOME lie inside it.
    QString HomeDir() const;
    QString ConfigDir() const;
    QString DataDir() const;

    // Waits until the widget's window is active, for key presses to reach it.
    static bool Activate(QWidget* widget);

private:
    std::unique_ptr<QTemporaryDir> m_home;
    // The environment as it was before the test changed it, put back after it.
    std::vector<std::pair<QByteArray, std::optional<QByteArray>>> m_savedEnvironment;
    std::unique_ptr<ModalWatchdog> m_watchdog;
};
