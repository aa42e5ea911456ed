#include "support/AppTest.h"

#include "advisor/AdvisorDlg.h"
#include "advisor/EditClubDlg.h"
#include "advisor/SetupDlg.h"

#include <QAccessible>
#include <QMetaEnum>

#include <functional>
#include <memory>
#include <ostream>
#include <vector>

namespace {

// What a screen reader reads for one control of a dialog.
struct Read {
    QAccessible::Role role;
    QString name;
    QString description;

    bool operator==(const Read&) const = default;
};

void PrintTo(const Read& read, std::ostream* os) {
    *os << '{' << QMetaEnum::fromType<QAccessible::Role>().valueToKey(read.role) << ", \""
        << read.name.toStdString() << "\", \"" << read.description.toStdString() << "\"}";
}

struct DialogCase {
    const char* name;
    std::function<std::unique_ptr<CDialog>()> make;
    std::vector<Read> expected;
};

void PrintTo(const DialogCase& dialog, std::ostream* os) {
    *os << dialog.name;
}

using enum QAccessible::Role;

// Each dialog's controls in template order, which is the order they are read in.
const DialogCase kDialogs[] = {
    {"Main",
     [] { return std::make_unique<CAdvisorDlg>(); },
     {{StaticText, "Distance (yards):", ""},
      {EditableText, "Distance (yards):", ""},
      {SpinBox, "Distance (yards):", ""},
      {StaticText, "Recommendation:", ""},
      {StaticText, "Dual/Gap Wedge", "Recommendation:"},
      {Button, "Setup", "Setup (Alt+S)"},
      {Button, "Recommend Club", "Recommend Club (Alt+R)"},
      {Button, "Close", "Close (Alt+C)"},
      {Button, "-10 yd", "-10 yd (Page Down)"},
      {Button, "+10 yd", "+10 yd (Page Up)"},
      {Button, "+20 yd", "+20 yd (Shift+Page Up)"},
      {Button, "-20 yd", "-20 yd (Shift+Page Down)"},
      {Graphic, "Caddora", "Caddora"},
      {StaticText, "(c) Holverra  www.holverra.example", ""}}},
    {"Setup",
     [] { return std::make_unique<CSetupDlg>(); },
     {{Tree, "Distance Chart:", ""},
      {StaticText, "Distance Chart:", ""},
      {StaticText, "Player Type:", ""},
      {RadioButton, "Adult Male", ""},
      {RadioButton, "Adult Female", ""},
      {Button, "Edit", ""},
      {Button, "Close", ""},
      {StaticText, "(distances in yards)", ""}}},
    {"EditClub",
     [] { return std::make_unique<CEditClubDlg>(); },
     {{StaticText, "Best Distance:", ""},
      {EditableText, "Best Distance:", ""},
      {StaticText, "yards", ""},
      {Button, "OK", ""},
      {Button, "Cancel", ""},
      {StaticText, "Description:", ""},
      {EditableText, "Description:", ""}}},
};

class ScreenReader : public AppTest, public ::testing::WithParamInterface<DialogCase> {
protected:
    void SetUp() override {
        AppTest::SetUp();
        PrepareDrawingObjectsAndClubs();
    }
};

// The dialog's window lists its controls as the template orders them, each as what it is,
// named by its own text or by the caption that stands above it; the Z order stays the
// template's (the first control on top), and so does every pixel.
TEST_P(ScreenReader, ReadsEveryControlInTemplateOrderWithItsRoleAndName) {
    const std::unique_ptr<CDialog> dlg = GetParam().make();
    ASSERT_TRUE(dlg->Create());
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(WidgetOf(dlg->m_hWnd));
    ASSERT_NE(window, nullptr);
    std::vector<Read> read;
    for (int i = 0; i < window->childCount(); ++i) {
        QAccessibleInterface* control = window->child(i);
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(window->indexOfChild(control), i);
        EXPECT_EQ(control->parent(), window);
        read.push_back({control->role(), control->text(QAccessible::Name),
                        control->text(QAccessible::Description)});
    }
    EXPECT_EQ(read, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Dialogs, ScreenReader, ::testing::ValuesIn(kDialogs),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
