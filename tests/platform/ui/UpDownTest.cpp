#include "platform/ui/TestDialogs.h"
#include "support/UiTest.h"

#include <QLineEdit>
#include <QTest>
#include <QToolButton>

namespace {

class UpDown : public UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        RegisterTestTemplates();
        ASSERT_TRUE(dialog.Create());
        ASSERT_TRUE(Activate(WidgetOf(dialog.GetSafeHwnd())));
        field = qobject_cast<QLineEdit*>(WidgetOf(dialog.GetDlgItem(kNumberField)->m_hWnd));
        dialog.m_spin.SetRange32(10, 30);
        const UDACCEL accel{0, 5};
        dialog.m_spin.SetAccel(1, &accel);
    }
    void TearDown() override {
        dialog.DestroyWindow();
        UiTest::TearDown();
    }
    QToolButton* Arrow(Qt::ArrowType type) {
        for (auto* button : WidgetOf(dialog.m_spin.m_hWnd)->findChildren<QToolButton*>()) {
            if (button->arrowType() == type) {
                return button;
            }
        }
        return nullptr;
    }

    FormDialog dialog;
    QLineEdit* field = nullptr;
};

TEST_F(UpDown, ArrowKeysInTheFieldStepFromItsNumberWithinTheRange) {
    field->setText(QStringLiteral("12"));
    field->setFocus();
    QTest::keyClick(field, Qt::Key_Up);
    EXPECT_EQ(field->text(), QStringLiteral("17"));
    QTest::keyClick(field, Qt::Key_Down);
    QTest::keyClick(field, Qt::Key_Down);
    EXPECT_EQ(field->text(), QStringLiteral("10")) << "7 is below the range";
    field->setText(QStringLiteral("28"));
    QTest::keyClick(field, Qt::Key_Up);
    EXPECT_EQ(field->text(), QStringLiteral("30"));
    EXPECT_EQ(dialog.m_nNumber, 15) << "the arrows do not exchange the field";
}

TEST_F(UpDown, TheArrowButtonsStepToo) {
    field->setText(QStringLiteral("20"));
    ASSERT_NE(Arrow(Qt::UpArrow), nullptr);
    QTest::mouseClick(Arrow(Qt::UpArrow), Qt::LeftButton);
    EXPECT_EQ(field->text(), QStringLiteral("25"));
    QTest::mouseClick(Arrow(Qt::DownArrow), Qt::LeftButton);
    EXPECT_EQ(dialog.m_spin.GetPos32(), 20);
    EXPECT_EQ(dialog.m_spin.GetBuddy(), dialog.GetDlgItem(kNumberField));
}

TEST_F(UpDown, ANumberBeyondTheRangeStepsBackIntoIt) {
    field->setText(QStringLiteral("1010"));
    QTest::keyClick(field, Qt::Key_Down);
    EXPECT_EQ(field->text(), QStringLiteral("30"));
    int low = 0;
    int high = 0;
    dialog.m_spin.GetRange32(low, high);
    EXPECT_EQ(low, 10);
    EXPECT_EQ(high, 30);
}

} // namespace
