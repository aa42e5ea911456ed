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
#include <type_traits>
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
    // Runs act on the modal window as soon as the next modal loop shows it; for dialogs
    // that are run with exec() by the code under test.
    static void WhenModal(std::function<void(QWidget*)> act);

protected:
    void SetUp() override;
    void TearDown() override;

    // The temporary home; XDG_CONFIG_HOME and XDG_DATA_HOME lie inside it.
    QString HomeDir() const;
    QString ConfigDir() const;
    QString DataDir() const;

    // Runs act on the dialog that the next modal loop shows, which must be a Dialog.
    template <typename Dialog> static void WhenModalDialog(std::function<void(Dialog&)> act) {
        WhenModal([act = std::move(act)](QWidget* modal) {
            auto* dlg = dynamic_cast<Dialog*>(CDialog::FromHandlePermanent(HandleOf(modal)));
            ASSERT_NE(dlg, nullptr) << "another window opened than the dialog expected";
            act(*dlg);
        });
    }

    // Runs `open`, the code that runs a dialog modally, with `act` playing the player in
    // that dialog, which must be a Dialog; answers what `open` answers. The test fails when
    // no such dialog opened.
    template <typename Dialog, typename Open>
    static auto WithModalDialog(std::function<void(Dialog&)> act, Open&& open) {
        bool acted = false;
        WhenModalDialog<Dialog>([&](Dialog& dlg) {
            acted = true;
            act(dlg);
        });
        if constexpr (std::is_void_v<decltype(open())>) {
            open();
            EXPECT_TRUE(acted) << "the dialog never opened";
        } else {
            auto result = open();
            EXPECT_TRUE(acted) << "the dialog never opened";
            return result;
        }
    }

    // Waits until the widget's window is active, for key presses to reach it.
    static bool Activate(QWidget* widget);

private:
    std::unique_ptr<QTemporaryDir> m_home;
    // The environment as it was before the test changed it, put back after it.
    std::vector<std::pair<QByteArray, std::optional<QByteArray>>> m_savedEnvironment;
    std::unique_ptr<ModalWatchdog> m_watchdog;
};
