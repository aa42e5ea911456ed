#include "support/UiTest.h"

#include "platform/ui/MessageBoxSeam.h"

#include <QApplication>

#include <gtest/gtest-spi.h>

namespace {

class Watchdog : public UiTest {};

TEST_F(Watchdog, FailsTheTestAndClosesAModalWindowNobodyAnswers) {
    // A message with no answer queued is a real modal box; the watchdog must end it.
    EXPECT_NONFATAL_FAILURE(
        {
            ModalWatchdog watchdog(100);
            EXPECT_EQ(MessageBoxSeam::Show(CString(u"nobody answers"), MB_OK), IDOK);
        },
        "an unexpected modal window stayed open");
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    MessageBoxSeam::TakeShownTexts();
}

TEST_F(Watchdog, AQueuedAnswerKeepsTheBoxFromAppearing) {
    MessageBoxSeam::SetNextAnswer(IDCANCEL);
    MessageBoxSeam::SetNextAnswer(IDOK);
    EXPECT_EQ(AfxMessageBox(CString(u"first")), IDCANCEL);
    EXPECT_EQ(AfxMessageBox(CString(u"second")), IDOK);
    const auto texts = MessageBoxSeam::TakeShownTexts();
    ASSERT_EQ(texts.size(), 2U);
    EXPECT_EQ(texts[0], CString(u"first"));
    EXPECT_EQ(texts[1], CString(u"second"));
    EXPECT_EQ(MessageBoxSeam::PendingAnswers(), 0);
}

} // namespace
