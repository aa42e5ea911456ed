#include "platform/ui/TestDialogs.h"
#include "support/UiTest.h"

#include "platform/ui/MessageBoxSeam.h"
#include "platform/ui/qt/QtConvert.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>

namespace {

struct ParseCase {
    const char16_t* text;
    bool ok;
    int value;
};

class IntegerReading : public ::testing::TestWithParam<ParseCase> {};

TEST_P(IntegerReading, ReadsWhatTheFieldHolds) {
    const ParseCase& c = GetParam();
    int value = -12345;
    EXPECT_EQ(ParseDialogInt(CString(c.text), value), c.ok);
    EXPECT_EQ(value, c.ok ? c.value : -12345) << "a refused text leaves the value alone";
}

INSTANTIATE_TEST_SUITE_P(
    Texts, IntegerReading,
    ::testing::Values(ParseCase{u"150", true, 150}, ParseCase{u"0150", true, 150},
                      ParseCase{u"  42  ", true, 42}, ParseCase{u"-5", true, -5},
                      ParseCase{u"+7", true, 7}, ParseCase{u"2147483647", true, 2147483647},
                      ParseCase{u"-2147483648", true, -2147483647 - 1},
                      ParseCase{u"2147483648", false, 0}, ParseCase{u"99999999999999", false, 0},
                      ParseCase{u"", false, 0}, ParseCase{u"   ", false, 0},
                      ParseCase{u"-", false, 0}, ParseCase{u"12a", false, 0},
                      ParseCase{u"1 2", false, 0}, ParseCase{u"abc", false, 0}));

class DataExchange : public UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        RegisterTestTemplates();
        ASSERT_TRUE(dialog.Create());
        ASSERT_TRUE(Activate(WidgetOf(dialog.GetSafeHwnd())));
    }
    void TearDown() override {
        dialog.DestroyWindow();
        UiTest::TearDown();
    }
    QLineEdit* Field(int id) {
        return qobject_cast<QLineEdit*>(WidgetOf(dialog.GetDlgItem(id)->m_hWnd));
    }

    FormDialog dialog;
};

TEST_F(DataExchange, OpeningWritesTheMembersIntoTheControls) {
    EXPECT_EQ(Field(kNumberField)->text(), QStringLiteral("15"));
    EXPECT_EQ(Field(kTextField)->text(), QStringLiteral("text"));
    EXPECT_TRUE(dialog.m_caption.IsWindow()) << "DDX_Control binds the member";
}

TEST_F(DataExchange, ReadingTakesNumbersWithLeadingZerosAndTexts) {
    Field(kNumberField)->setText(QStringLiteral("012"));
    Field(kTextField)->setText(QStringLiteral("  spaced "));
    EXPECT_TRUE(dialog.UpdateData(TRUE));
    EXPECT_EQ(dialog.m_nNumber, 12);
    EXPECT_EQ(dialog.m_strText, CString(u"  spaced "));
    EXPECT_TRUE(MessageBoxSeam::TakeShownTexts().empty());
    dialog.UpdateData(FALSE);
    EXPECT_EQ(Field(kNumberField)->text(), QStringLiteral("12"));
}

TEST_F(DataExchange, ANumberOutOfRangeIsStoredThenRefusedWithBothBoundsNamed) {
    Field(kNumberField)->setText(QStringLiteral("25"));
    Field(kTextField)->setText(QStringLiteral("changed"));
    dialog.GetDlgItem(kTextField)->SetFocus();
    MessageBoxSeam::SetNextAnswer(IDOK);

    EXPECT_FALSE(dialog.UpdateData(TRUE));

    EXPECT_EQ(dialog.m_nNumber, 25) << "the integer is stored before the range check";
    EXPECT_EQ(dialog.m_strText, CString(u"text")) << "nothing after the refusal is exchanged";
    const auto texts = MessageBoxSeam::TakeShownTexts();
    ASSERT_EQ(texts.size(), 1U);
    EXPECT_EQ(texts[0], IntegerRangeMessage(10, 20));
    EXPECT_NE(texts[0].ToUtf8().find("10"), std::string::npos);
    EXPECT_NE(texts[0].ToUtf8().find("20"), std::string::npos);
    EXPECT_EQ(QApplication::focusWidget(), Field(kNumberField));
    EXPECT_EQ(Field(kNumberField)->selectedText(), QStringLiteral("25"));
}

TEST_F(DataExchange, NoNumberIsRefusedAndStoresNothing) {
    Field(kNumberField)->clear();
    MessageBoxSeam::SetNextAnswer(IDOK);
    EXPECT_FALSE(dialog.UpdateData(TRUE));
    EXPECT_EQ(dialog.m_nNumber, 15);
    const auto texts = MessageBoxSeam::TakeShownTexts();
    ASSERT_EQ(texts.size(), 1U);
    EXPECT_EQ(texts[0], IntegerRequiredMessage());
    EXPECT_EQ(QApplication::focusWidget(), Field(kNumberField));
}

TEST_F(DataExchange, WritingNeverValidates) {
    dialog.m_nNumber = 5000;
    EXPECT_TRUE(dialog.UpdateData(FALSE));
    EXPECT_EQ(Field(kNumberField)->text(), QStringLiteral("5000"));
    EXPECT_TRUE(MessageBoxSeam::TakeShownTexts().empty());
}

TEST_F(DataExchange, TheNumberFieldTakesDigitsOnlyFromTheKeyboard) {
    Field(kNumberField)->clear();
    Field(kNumberField)->setFocus();
    QTest::keyClicks(Field(kNumberField), QStringLiteral("1x2-3"));
    EXPECT_EQ(Field(kNumberField)->text(), QStringLiteral("123"));
}

} // namespace
