#include "platform/ui/TestDialogs.h"
#include "support/UiTest.h"

#include "platform/ui/MessageBoxSeam.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QTest>

namespace {

class Commands : public UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        RegisterTestTemplates();
    }
    static QWidget* Control(CDialog& dialog, int id) {
        return WidgetOf(dialog.GetDlgItem(id)->m_hWnd);
    }
};

TEST_F(Commands, TapsReachTheHandlersMappedToTheirControls) {
    FormDialog dialog;
    ASSERT_TRUE(dialog.Create());
    QTest::mouseClick(Control(dialog, kPicture), Qt::LeftButton);
    QTest::mouseClick(Control(dialog, kPush), Qt::LeftButton);
    QTest::mouseClick(Control(dialog, kRadioA), Qt::LeftButton);
    EXPECT_EQ(dialog.m_commands, (std::vector<int>{kPicture, kPush, kRadioA}));
    EXPECT_FALSE(dialog.OnCommand(kRadioB, BN_CLICKED)) << "an unmapped command finds no handler";
    EXPECT_FALSE(dialog.IsEnded());
}

TEST_F(Commands, RadioButtonsOfOneGroupKeepOneChecked) {
    FormDialog dialog;
    ASSERT_TRUE(dialog.Create());
    CWnd* a = dialog.GetDlgItem(kRadioA);
    CWnd* b = dialog.GetDlgItem(kRadioB);
    a->SetCheck(BST_CHECKED);
    EXPECT_EQ(a->GetCheck(), BST_CHECKED);
    EXPECT_EQ(b->GetCheck(), BST_UNCHECKED);
    QTest::mouseClick(Control(dialog, kRadioB), Qt::LeftButton);
    EXPECT_EQ(a->GetCheck(), BST_UNCHECKED);
    EXPECT_EQ(b->GetCheck(), BST_CHECKED);
    b->SetCheck(BST_UNCHECKED);
    EXPECT_EQ(b->GetCheck(), BST_UNCHECKED) << "a check can be cleared by the program";
}

struct KeyCase {
    const char* name;
    Qt::Key key;
    const char* fieldText;
    int result; // 0: the dialog stays open
    int number;
    int messages;
};

class EndingKeys : public Commands, public ::testing::WithParamInterface<KeyCase> {};

TEST_P(EndingKeys, EndTheDialogAsTheDefaultButtonOrCancel) {
    const KeyCase& c = GetParam();
    FormDialog dialog;
    ASSERT_TRUE(dialog.Create());
    ASSERT_TRUE(Activate(WidgetOf(dialog.GetSafeHwnd())));
    auto* field = qobject_cast<QLineEdit*>(Control(dialog, kNumberField));
    field->setText(QString::fromLatin1(c.fieldText));
    for (int i = 0; i < c.messages; ++i) {
        MessageBoxSeam::SetNextAnswer(IDOK);
    }
    QTest::keyClick(field, c.key);
    EXPECT_EQ(dialog.IsEnded() ? dialog.GetModalResult() : 0, c.result);
    EXPECT_EQ(dialog.m_nNumber, c.number);
    EXPECT_EQ(static_cast<int>(MessageBoxSeam::TakeShownTexts().size()), c.messages);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, EndingKeys,
    ::testing::Values(KeyCase{"EnterAcceptsAValidForm", Qt::Key_Return, "12", IDOK, 12, 0},
                      KeyCase{"KeypadEnterToo", Qt::Key_Enter, "20", IDOK, 20, 0},
                      KeyCase{"EnterKeepsARefusedFormOpen", Qt::Key_Return, "30", 0, 30, 1},
                      KeyCase{"EscapeCancelsWithoutExchange", Qt::Key_Escape, "30", IDCANCEL, 15,
                              0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Commands, EnterOnAFocusedPushButtonPressesThatButton) {
    FormDialog dialog;
    ASSERT_TRUE(dialog.Create());
    ASSERT_TRUE(Activate(WidgetOf(dialog.GetSafeHwnd())));
    Control(dialog, kPush)->setFocus();
    QTest::keyClick(Control(dialog, kPush), Qt::Key_Return);
    EXPECT_EQ(dialog.m_commands, std::vector<int>{kPush});
    EXPECT_FALSE(dialog.IsEnded());
}

TEST_F(Commands, TheCloseBoxOfADialogWithASystemMenuCancels) {
    FormDialog dialog;
    ASSERT_TRUE(dialog.Create());
    qobject_cast<QLineEdit*>(Control(dialog, kNumberField))->setText(QStringLiteral("11"));
    WidgetOf(dialog.GetSafeHwnd())->close();
    EXPECT_TRUE(dialog.IsEnded());
    EXPECT_EQ(dialog.GetModalResult(), IDCANCEL);
    EXPECT_EQ(dialog.m_nNumber, 15);
}

TEST_F(Commands, DoModalAnswersTheEndCodeAndUnbindsTheMembers) {
    FormDialog dialog;
    WhenModal([](QWidget* modal) {
        CDialog* owner = CDialog::FromHandlePermanent(HandleOf(modal));
        ASSERT_NE(owner, nullptr);
        owner->OnCommand(IDCANCEL, BN_CLICKED);
    });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_FALSE(dialog.m_caption.IsWindow());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(Commands, DoModalOfAMissingTemplateAnswersMinusOne) {
    CDialog dialog(4242);
    EXPECT_EQ(dialog.DoModal(), -1);
}

TEST_F(Commands, TheFirstTabStopTakesTheFocusWithItsTextSelected) {
    FormDialog dialog;
    ASSERT_TRUE(dialog.Create());
    ASSERT_TRUE(Activate(WidgetOf(dialog.GetSafeHwnd())));
    auto* field = qobject_cast<QLineEdit*>(Control(dialog, kNumberField));
    EXPECT_EQ(QApplication::focusWidget(), field);
    EXPECT_EQ(field->selectedText(), QStringLiteral("15"));
}

} // namespace
