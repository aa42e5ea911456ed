#include "support/DialogTest.h"

#include "platform/ui/CDataExchange.h"
#include "ui/AdvisorDlg.h"

namespace {

class MainDialog : public DialogTest {
protected:
    void SetUp() override {
        DialogTest::SetUp();
        dlg = std::make_unique<CAdvisorDlg>();
    }
    void TearDown() override {
        dlg->DestroyWindow();
        dlg.reset();
        DialogTest::TearDown();
    }
    void Open() { ASSERT_TRUE(Player::Open(*dlg)); }
    CString Field() { return TextOf(*dlg, IDC_DISTANCE); }
    CString Result() { return TextOf(*dlg, IDC_RECOMMENDATION); }

    std::unique_ptr<CAdvisorDlg> dlg;
};

TEST_F(MainDialog, OpensOnTheRecommendationForOneHundredWithTheFocusInTheField) {
    Open();
    EXPECT_EQ(Field(), CString(u"100"));
    EXPECT_EQ(Result(), CString(u"Dual/Gap Wedge"));
    EXPECT_TRUE(Player::HasFocus(*dlg, IDC_DISTANCE));
    EXPECT_TRUE(MessageBoxSeam::TakeShownTexts().empty());
}

} // namespace
