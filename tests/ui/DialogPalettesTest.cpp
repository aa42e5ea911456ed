// The colours Qt paints the Setup and Edit Club windows with: those their colour handlers
// answered.
#include "support/DialogTest.h"

#include "advisor/EditClubDlg.h"
#include "advisor/SetupDlg.h"
#include "platform/ui/qt/Handles.h"
#include "platform/ui/qt/QtConvert.h"

#include <QPalette>
#include <QWidget>

namespace {

constexpr COLORREF kLightGreen = MakeRgb(172, 211, 115);
constexpr COLORREF kDarkGreen = MakeRgb(89, 133, 39);
constexpr COLORREF kBlack = MakeRgb(0, 0, 0);
constexpr COLORREF kWhite = MakeRgb(255, 255, 255);

QPalette PaletteOf(CDialog& dlg, int id) {
    return WidgetOf(id == 0 ? dlg.GetSafeHwnd() : dlg.GetDlgItem(id)->m_hWnd)->palette();
}

class DialogPalettes : public DialogTest {};

TEST_F(DialogPalettes, SetupPaintsItsButtonsWhiteOnDarkAndItsCaptionsBlackOnLight) {
    CSetupDlg setup;
    ASSERT_TRUE(setup.Create());
    EXPECT_EQ(PaletteOf(setup, IDOK).color(QPalette::ButtonText), ToQColor(kWhite));
    EXPECT_EQ(PaletteOf(setup, IDOK).color(QPalette::Button), ToQColor(kDarkGreen));
    EXPECT_EQ(PaletteOf(setup, IDC_DISTANCE_CHART).color(QPalette::WindowText), ToQColor(kBlack));
    EXPECT_EQ(PaletteOf(setup, IDC_DISTANCE_CHART).color(QPalette::Window), ToQColor(kLightGreen));
    EXPECT_EQ(PaletteOf(setup, 0).color(QPalette::Window), ToQColor(kLightGreen));
    setup.DestroyWindow();
}

TEST_F(DialogPalettes, EditClubPaintsItsFieldsBlackOnWhiteAndItsButtonsWhiteOnDark) {
    CEditClubDlg editClub;
    ASSERT_TRUE(editClub.Create());
    for (int id : {IDC_BEST_DISTANCE, IDC_DESCRIPTION}) {
        EXPECT_EQ(PaletteOf(editClub, id).color(QPalette::Text), ToQColor(kBlack)) << id;
        EXPECT_EQ(PaletteOf(editClub, id).color(QPalette::Base),
                  ToQColor(GetSysColor(COLOR_WINDOW)))
            << id;
    }
    for (int id : {IDOK, IDCANCEL}) {
        EXPECT_EQ(PaletteOf(editClub, id).color(QPalette::ButtonText), ToQColor(kWhite)) << id;
        EXPECT_EQ(PaletteOf(editClub, id).color(QPalette::Button), ToQColor(kDarkGreen)) << id;
    }
    editClub.DestroyWindow();
}

} // namespace
