#pragma once
// The main dialog as start-up runs it, made afresh for each test: the one fixture of the
// dialog's behaviour (tests/dialogs) and of its looks (tests/ui).
#include "advisor/AdvisorDlg.h"
#include "support/DialogTest.h"

#include <memory>

class MainDialogTest : public DialogTest {
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
    CString Field() { return Player::Text(*dlg, IDC_DISTANCE); }
    CString Result() { return Player::Text(*dlg, IDC_RECOMMENDATION); }

    // Made once the toolkit runs, since the dialog loads its icon when built.
    std::unique_ptr<CAdvisorDlg> dlg;
};
