#pragma once
// The base of every UI test: one offscreen application per process, the Fusion style, the
// program's resources, a temporary home with its own settings and data directories, the
// message box seam emptied, and a watchdog against modal windows nobody answers.
#include "ModalWatchdog.h"

#include <QString>
#include <QTemporaryDir>

#include <functional>
#include <memory>

#include <gtest/gtest.h>

class QWidget;

class UiTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // The temporary home; XDG_CONFIG_HOME and XDG_DATA_HOME lie inside it.
    QString HomeDir() const;
    QString ConfigDir() const;
    QString DataDir() const;

    // Runs act on the modal window as soon as the next modal loop shows it; for dialogs
    // that are run with exec() by the code under test.
    static void WhenModal(std::function<void(QWidget*)> act);

    // Waits until the widget's window is active, for key presses to reach it.
    static bool Activate(QWidget* widget);

private:
    std::unique_ptr<QTemporaryDir> m_home;
    std::unique_ptr<ModalWatchdog> m_watchdog;
};
