// What the player sees, at the device pixel ratio of the screen: 1 in the normal run; ctest
// runs the suite again at 1.25, 1.5 and 2 (QT_SCALE_FACTOR).
#include "support/DialogTest.h"

#include "advisor/AboutDlg.h"
#include "advisor/AdvisorDlg.h"
#include "advisor/ClubGapsDlg.h"
#include "advisor/ConditionsDlg.h"
#include "advisor/EditClubDlg.h"
#include "advisor/SetupDlg.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/qt/DialogControls.h"
#include "platform/ui/qt/Handles.h"
#include "platform/ui/qt/PushButtonWidget.h"
#include "platform/ui/qt/QtConvert.h"
#include "res/RegisterCaddoraResources.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QImageReader>
#include <QLabel>
#include <QRadioButton>
#include <QStyleOptionButton>

#include <map>
#include <tuple>
#include <vector>

namespace {

constexpr QColor kLight(172, 211, 115);
constexpr QColor kDark(89, 133, 39);

// The device pixel of a grabbed image at the middle of a logical pixel.
QColor At(const QImage& image, double x, double y) {
    const double ratio = image.devicePixelRatio();
    return image.pixelColor(static_cast<int>((x + 0.5) * ratio),
                            static_cast<int>((y + 0.5) * ratio));
}

class AnyScaleDialogs : public DialogTest {
protected:
    void TearDown() override {
        dlg.reset();
        DialogTest::TearDown();
    }
    CDialog& Open(UINT id) {
        if (id == IDD_CADDORA_DIALOG) {
            auto main = std::make_unique<CAdvisorDlg>();
            main->m_nDistance = distance;
            dlg = std::move(main);
        } else if (id == IDD_SETUP) {
            dlg = std::make_unique<CSetupDlg>();
        } else if (id == IDD_CLUB_GAPS) {
            dlg = std::make_unique<CClubGapsDlg>();
        } else if (id == IDD_CONDITIONS) {
            dlg = std::make_unique<CConditionsDlg>();
        } else if (id == IDD_ABOUTBOX) {
            dlg = std::make_unique<CAboutDlg>();
        } else {
            dlg = std::make_unique<CEditClubDlg>();
        }
        EXPECT_TRUE(Player::Open(*dlg));
        return *dlg;
    }
    // The controls in template order, which is their Z order, first on top.
    std::vector<QWidget*> Controls() {
        std::vector<QWidget*> controls;
        for (QObject* child : WidgetOf(dlg->GetSafeHwnd())->children()) {
            auto* widget = qobject_cast<QWidget*>(child);
            if (widget != nullptr && widget->property(kControlIdProperty).isValid()) {
                controls.insert(controls.begin(), widget);
            }
        }
        return controls;
    }
    QWidget* Control(int id) { return WidgetOf(dlg->GetDlgItem(id)->m_hWnd); }

    std::unique_ptr<CDialog> dlg;
    // What the main dialog opens on.
    int distance = 100;
};

class AnyScale : public AnyScaleDialogs, public ::testing::WithParamInterface<UINT> {};

// Two controls meet only where the template lays one over the other (an up-down control
// lies on its buddy field).
TEST_P(AnyScale, NoControlOverlapsAnotherUnlessTheTemplatePutsThemSo) {
    Open(GetParam());
    const DialogTemplate& t = *FindDialogTemplate(GetParam());
    const auto units = [&](std::size_t i) {
        const bool onBuddy = t.items[i].windowClass == ControlClass::UpDown;
        const DialogItemTemplate& item = t.items[onBuddy ? i - 1 : i];
        return QRect(item.x, item.y, item.cx, item.cy);
    };
    const std::vector<QWidget*> controls = Controls();
    ASSERT_EQ(controls.size(), t.items.size());
    for (std::size_t i = 0; i < controls.size(); ++i) {
        EXPECT_TRUE(WidgetOf(dlg->GetSafeHwnd())->rect().contains(controls[i]->geometry())) << i;
        for (std::size_t j = i + 1; j < controls.size(); ++j) {
            if (controls[i]->geometry().intersects(controls[j]->geometry())) {
                EXPECT_TRUE(units(i).intersects(units(j))) << "controls " << i << " and " << j;
            }
        }
    }
}

// A dialog in one language and unit.
class AnyScaleTexts : public AnyScaleDialogs,
                      public ::testing::WithParamInterface<std::tuple<UINT, const char*, bool>> {
protected:
    void SetUp() override {
        AnyScaleDialogs::SetUp();
        UseLanguage(std::get<1>(GetParam()));
        UseMetresTemplates(std::get<2>(GetParam()));
        // The longest line the main dialog shows under the club: four digits into the wind.
        theApp.m_conditions = Conditions{true, 10, true};
        distance = 1000;
    }
    void TearDown() override {
        AnyScaleDialogs::TearDown();
        theApp.m_conditions = Conditions{};
        UseLanguage("en");
        UseMetresTemplates(false);
    }
};

// Every text of the template (and the club and the plays-like line the main dialog shows, and
// every default club's name it may show) fits its control in the font the control draws with: a
// radio's or a check box's beside its mark, a button's inside its focus ring, a label of more than
// one line in its lines.
TEST_P(AnyScaleTexts, EveryTextFitsItsControl) {
    const UINT id = std::get<0>(GetParam());
    Open(id);
    int texts = 0;
    for (QWidget* control : Controls()) {
        QString text;
        QRect room = control->rect();
        bool wraps = false;
        const auto contents = [&](auto* box, QStyle::SubElement element) {
            QStyleOptionButton option;
            option.initFrom(box);
            text = option.text = box->text();
            room = box->style()->subElementRect(element, &option, box);
        };
        if (auto* label = qobject_cast<QLabel*>(control)) {
            text = label->text();
            wraps = label->wordWrap();
        } else if (auto* radio = qobject_cast<QRadioButton*>(control)) {
            contents(radio, QStyle::SE_RadioButtonContents);
        } else if (auto* check = qobject_cast<QCheckBox*>(control)) {
            contents(check, QStyle::SE_CheckBoxContents);
        } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
            text = button->text();
            const int ring = PushButtonWidget::kFocusRingInset + PushButtonWidget::kFocusRingWidth;
            room.adjust(ring, ring, -ring, -ring);
        }
        if (!text.isEmpty()) {
            ++texts;
            const QFontMetrics metrics = control->fontMetrics();
            if (wraps) {
                EXPECT_LE(metrics.boundingRect(room, Qt::TextWordWrap, text).height(),
                          room.height())
                    << text.toStdString();
            } else {
                EXPECT_LE(metrics.horizontalAdvance(text), room.width()) << text.toStdString();
                EXPECT_LE(metrics.height(), room.height()) << text.toStdString();
            }
        }
    }
    const std::map<UINT, int> expected{{IDD_CADDORA_DIALOG, 5}, {IDD_SETUP, 7},
                                       {IDD_EDIT_CLUB, 5},      {IDD_CLUB_GAPS, 2},
                                       {IDD_CONDITIONS, 9},     {IDD_ABOUTBOX, 6}};
    EXPECT_EQ(texts, expected.at(id));
    if (id == IDD_CADDORA_DIALOG) {
        QWidget* recommendation = Control(IDC_RECOMMENDATION);
        CClubList clubs;
        BuildDefaultClubs(clubs, &DefaultClubNames());
        for (auto pos = clubs.GetHeadPosition(); pos;) {
            const QString name = ToQString(clubs.GetNext(pos)->m_strName);
            EXPECT_LE(recommendation->fontMetrics().horizontalAdvance(name),
                      recommendation->width())
                << name.toStdString();
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Languages, AnyScaleTexts,
    ::testing::Combine(::testing::Values(UINT{IDD_CADDORA_DIALOG}, UINT{IDD_SETUP},
                                         UINT{IDD_EDIT_CLUB}, UINT{IDD_CLUB_GAPS},
                                         UINT{IDD_CONDITIONS}, UINT{IDD_ABOUTBOX}),
                       ::testing::Values("en", "de", "fr", "es"), ::testing::Bool()),
    [](const ::testing::TestParamInfo<std::tuple<UINT, const char*, bool>>& info) {
        return std::to_string(std::get<0>(info.param)) + "_" + std::get<1>(info.param) +
               (std::get<2>(info.param) ? "_metres" : "_yards");
    });

// The field and the push buttons draw in the application's bold font, the labels in their
// own (bold, at the stock font's size or Setup's captions at 11), the rest in the dialog's.
TEST_P(AnyScale, EveryControlDrawsInTheFontTheDialogGaveIt) {
    struct ControlFont {
        int id;
        bool bold;
        int height; // in characters' pixels; 0: the dialog's own
        bool applicationFont;
    };
    const int stock = -GetStockSystemFont().lfHeight;
    const std::map<UINT, std::vector<ControlFont>> fonts = {
        {IDD_CADDORA_DIALOG,
         {{IDC_RECOMMENDATION, true, stock, false}, {IDC_DISTANCE, true, 12, true}}},
        {IDD_SETUP,
         {{IDC_PLAYER_TYPE, true, 11, false},
          {IDC_DISTANCE_CHART, true, 11, false},
          {IDC_EDIT, true, 12, true},
          {IDOK, true, 12, true},
          {IDC_ADULT_MALE, false, 0, false},
          {IDC_ADULT_FEMALE, false, 0, false},
          {IDC_CLUB_LIST, false, 0, false}}},
        {IDD_EDIT_CLUB,
         {{IDOK, true, 12, true},
          {IDCANCEL, true, 12, true},
          {IDC_BEST_DISTANCE, false, 0, false},
          {IDC_DESCRIPTION, false, 0, false}}}};
    CDialog& dialog = Open(GetParam());
    for (const ControlFont& f : fonts.at(GetParam())) {
        const QFont drawn = Control(f.id)->font();
        EXPECT_EQ(drawn.bold(), f.bold) << f.id;
        if (f.height != 0) {
            EXPECT_EQ(drawn.pixelSize(), StandInPixelSize(f.height)) << f.id;
        }
        EXPECT_EQ(dialog.GetDlgItem(f.id)->GetFont() == theApp.m_fntBold.m_hObject,
                  f.applicationFont)
            << f.id;
    }
}

INSTANTIATE_TEST_SUITE_P(Dialogs, AnyScale,
                         ::testing::Values(UINT{IDD_CADDORA_DIALOG}, UINT{IDD_SETUP},
                                           UINT{IDD_EDIT_CLUB}));

using AnyScaleLook = AnyScaleDialogs;

// Each picture fills its slot of 26 units (42.25 pixels) and is drawn from the bitmap made
// for the screen: the handheld's at ratio 1, else the one of twice the resolution, scaled.
TEST_F(AnyScaleLook, PicturesFillTheirSlotsAndAreDrawnFromTheBitmapForTheScreen) {
    CDialog& dialog = Open(IDD_CADDORA_DIALOG);
    for (const DialogItemTemplate& item : FindDialogTemplate(IDD_CADDORA_DIALOG)->items) {
        if (!(item.style & SS_NOTIFY)) {
            continue;
        }
        RECT slot{item.x, item.y, item.x + item.cx, item.y + item.cy};
        dialog.MapDialogRect(&slot);
        const QRect picture = Control(item.id)->geometry();
        EXPECT_EQ(picture.topLeft(), QPoint(slot.left, slot.top)) << item.id;
        EXPECT_LE(slot.bottom - picture.bottom() - 1, 1) << item.id;
        EXPECT_LE(slot.right - picture.right() - 1, 1) << item.id;

        const QImage drawn =
            Control(item.id)->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QString name = QStringLiteral(":/images/bitmap%1").arg(item.imageId);
        const QImage normal =
            QImageReader(name + ".bmp").read().convertToFormat(QImage::Format_RGB32);
        const QImage fine =
            QImageReader(name + "@2x.bmp").read().convertToFormat(QImage::Format_RGB32);
        EXPECT_EQ(drawn,
                  drawn.devicePixelRatio() == 1.0
                      ? normal
                      : fine.scaled(drawn.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation))
            << item.id;
    }
}

TEST_F(AnyScaleLook, PushButtonsAreFlatInTheDarkBrushWithWhiteTextAndAFocusRing) {
    Open(IDD_SETUP);
    QWidget* edit = Control(IDC_EDIT);
    const double middle = edit->width() / 2.0;
    const double ring = PushButtonWidget::kFocusRingInset;
    const QImage plain = edit->grab().toImage();
    EXPECT_EQ(At(plain, middle, 2), kDark) << "flat, no gradient";
    EXPECT_EQ(At(plain, middle, ring), kDark) << "no ring without the focus";
    bool whiteText = false;
    for (int x = 0; x < plain.width(); ++x) {
        whiteText |= plain.pixelColor(x, plain.height() / 2) == QColor(Qt::white);
    }
    EXPECT_TRUE(whiteText);
    QWidget* close = Control(IDOK);
    EXPECT_EQ(At(close->grab().toImage(), 0, close->height() / 2.0), QColor(Qt::black))
        << "the default button's frame";
    edit->setFocus();
    EXPECT_EQ(At(edit->grab().toImage(), middle, ring), QColor(Qt::white)) << "the focus ring";
}

TEST_F(AnyScaleLook, RadioButtonsStandOnTheDialogsGreen) {
    Open(IDD_SETUP);
    for (int id : {IDC_ADULT_MALE, IDC_ADULT_FEMALE}) {
        QWidget* radio = Control(id);
        const QImage image = radio->grab().toImage();
        EXPECT_EQ(At(image, radio->width() - 1, 0), kLight) << id;
        EXPECT_EQ(At(image, radio->width() / 2.0, radio->height() - 1), kLight) << id;
    }
}

} // namespace
