// What the colour handlers answer is what the screen shows: the dialogs paint with the device
// context and brush of their colour query.
#include "support/DialogTest.h"

#include "advisor/AdvisorDlg.h"
#include "advisor/EditClubDlg.h"
#include "advisor/SetupDlg.h"

namespace {

constexpr COLORREF kLight = MakeRgb(172, 211, 115);
constexpr COLORREF kDark = MakeRgb(89, 133, 39);
constexpr COLORREF kWhite = MakeRgb(255, 255, 255);

std::string Rgb(COLORREF c) {
    return std::to_string(RgbRed(c)) + "," + std::to_string(RgbGreen(c)) + "," +
           std::to_string(RgbBlue(c));
}

// A point inside the control, off its frame and its text: near the bottom right corner.
COLORREF InnerCorner(CDialog& dlg, int id) {
    const Player::Extent size = Player::SizeOf(dlg, id);
    return Player::PixelAt(dlg, id, size.cx - 4, size.cy - 3);
}

class SchemeColours : public DialogTest {};

TEST_F(SchemeColours, MainDialogLightGroundLightLabelWhiteField) {
    CAdvisorDlg dlg;
    ASSERT_TRUE(Player::Open(dlg));
    EXPECT_EQ(Rgb(InnerCorner(dlg, 0)), Rgb(kLight)) << "the dialog";
    EXPECT_EQ(Rgb(InnerCorner(dlg, IDC_RECOMMENDATION)), Rgb(kLight))
        << "the label paints with the light brush, not its own white one";
    EXPECT_EQ(Rgb(InnerCorner(dlg, IDC_DISTANCE)), Rgb(kWhite)) << "the field";
    dlg.DestroyWindow();
}

TEST_F(SchemeColours, SetupAndEditClubButtonsOnTheDarkBrush) {
    CSetupDlg setup;
    ASSERT_TRUE(Player::Open(setup));
    EXPECT_EQ(Rgb(InnerCorner(setup, 0)), Rgb(kLight));
    for (int id : {IDC_EDIT, IDOK}) {
        EXPECT_EQ(Rgb(Player::PixelAt(setup, id, 5, 5)), Rgb(kDark)) << id;
    }
    EXPECT_EQ(Rgb(InnerCorner(setup, IDC_ADULT_FEMALE)), Rgb(kLight)) << "a radio button";
    setup.DestroyWindow();

    CEditClubDlg edit;
    ASSERT_TRUE(Player::Open(edit));
    for (int id : {IDOK, IDCANCEL}) {
        EXPECT_EQ(Rgb(Player::PixelAt(edit, id, 5, 5)), Rgb(kDark)) << id;
    }
    EXPECT_EQ(Rgb(InnerCorner(edit, IDC_DESCRIPTION)), Rgb(kWhite));
    edit.DestroyWindow();
}

} // namespace
