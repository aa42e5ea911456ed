// What the player sees at any device pixel ratio. The suite runs at the ratio of the screen:
// 1 in the normal run; ctest runs it again at 1.25, 1.5 and 2 (QT_SCALE_FACTOR).
#include "support/AppTest.h"

#include "platform/ui/DialogControls.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/PushButtonWidget.h"
#include "ui/AdvisorDlg.h"
#include "ui/EditClubDlg.h"
#include "ui/SetupDlg.h"

#include <QAbstractButton>
#include <QImageReader>
#include <QLabel>
#include <QRadioButton>
#include <QStyleOptionButton>

#include <cmath>

namespace {

constexpr QColor kLight(172, 211, 115);
constexpr QColor kDark(89, 133, 39);

// A device pixel of a grabbed image at the middle of a logical pixel.
QColor At(const QImage& image, double x, double y) {
    const double ratio = image.devicePixelRatio();
    return image.pixelColor(static_cast<int>((x + 0.5) * ratio),
                            static_cast<int>((y + 0.5) * ratio));
}

bool Near(const QColor& a, const QColor& b, int tolerance) {
    return std::abs(a.red() - b.red()) <= tolerance &&
           std::abs(a.green() - b.green()) <= tolerance &&
           std::abs(a.blue() - b.blue()) <= tolerance;
}

double Luminance(const QColor& c) {
    const auto linear = [](double v) {
        return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
}

// Mean difference per channel between two images of one size, leaving out a border.
double Difference(const QImage& a, const QImage& b, int border) {
    double sum = 0;
    int count = 0;
    for (int y = border; y < a.height() - border; ++y) {
        for (int x = border; x < a.width() - border; ++x) {
            const QColor p = a.pixelColor(x, y);
            const QColor q = b.pixelColor(x, y);
            sum += std::abs(p.red() - q.red()) + std::abs(p.green() - q.green()) +
                   std::abs(p.blue() - q.blue());
            count += 3;
        }
    }
    return count > 0 ? sum / count : 0;
}

QImage Bitmap(UINT id, int scale) {
    const QString path = scale == 1 ? QStringLiteral(":/images/bitmap%1.bmp").arg(id)
                                    : QStringLiteral(":/images/bitmap%1@2x.bmp").arg(id);
    return QImageReader(path).read().convertToFormat(QImage::Format_RGB32);
}

class AnyScale : public AppTest, public ::testing::WithParamInterface<UINT> {
protected:
    void SetUp() override {
        AppTest::SetUp();
        PrepareDrawingObjectsAndClubs();
    }
    void TearDown() override {
        if (dlg) {
            dlg->DestroyWindow();
        }
        dlg.reset();
        AppTest::TearDown();
    }
    CDialog& Open(UINT id) {
        if (id == IDD_CADDORA_DIALOG) {
            dlg = std::make_unique<CAdvisorDlg>();
        } else if (id == IDD_SETUP) {
            dlg = std::make_unique<CSetupDlg>();
        } else {
            dlg = std::make_unique<CEditClubDlg>();
        }
        EXPECT_TRUE(dlg->Create());
        EXPECT_TRUE(Activate(dlg->GetSafeHwnd()));
        return *dlg;
    }
    // The controls in template order; the template's order is their Z order, first on top.
    static std::vector<QWidget*> Controls(CDialog& dialog) {
        std::vector<QWidget*> controls;
        for (QObject* child : dialog.GetSafeHwnd()->children()) {
            auto* widget = qobject_cast<QWidget*>(child);
            if (widget != nullptr && widget->property(kControlIdProperty).isValid()) {
                controls.insert(controls.begin(), widget);
            }
        }
        return controls;
    }
    // An item's rectangle in dialog units; an up-down control sits on its buddy's.
    static QRect Units(const DialogTemplate& t, std::size_t i) {
        const DialogItemTemplate& item =
            t.items[i].windowClass == ControlClass::UpDown && i > 0 ? t.items[i - 1] : t.items[i];
        return QRect(item.x, item.y, item.cx, item.cy);
    }
    QWidget* Control(int id) { return dlg->GetDlgItem(id)->m_hWnd; }

    std::unique_ptr<CDialog> dlg;
};

TEST_P(AnyScale, NoControlOverlapsAnotherUnlessTheTemplatePutsThemSo) {
    CDialog& dialog = Open(GetParam());
    const DialogTemplate& t = *FindDialogTemplate(GetParam());
    const std::vector<QWidget*> controls = Controls(dialog);
    ASSERT_EQ(controls.size(), t.items.size());
    for (std::size_t i = 0; i < controls.size(); ++i) {
        EXPECT_TRUE(dialog.GetSafeHwnd()->rect().contains(controls[i]->geometry())) << i;
        for (std::size_t j = i + 1; j < controls.size(); ++j) {
            if (controls[i]->geometry().intersects(controls[j]->geometry())) {
                EXPECT_TRUE(Units(t, i).intersects(Units(t, j)))
                    << "controls " << i << " and " << j;
            }
        }
    }
}

// Each text of the template (and the club shown in the main dialog) is drawn whole inside
// its control: in the font's measure, and in the pixels drawn at this ratio.
TEST_P(AnyScale, EveryTemplateTextIsDrawnWholeInsideItsControl) {
    CDialog& dialog = Open(GetParam());
    const DialogTemplate& t = *FindDialogTemplate(GetParam());
    const std::vector<QWidget*> controls = Controls(dialog);
    ASSERT_EQ(controls.size(), t.items.size());
    int texts = 0;
    for (std::size_t i = 0; i < controls.size(); ++i) {
        QWidget* control = controls[i];
        QString text;
        QRect room = control->rect();
        QColor ink(Qt::black);
        if (auto* label = qobject_cast<QLabel*>(control)) {
            text = label->text();
        } else if (auto* radio = qobject_cast<QRadioButton*>(control)) {
            text = radio->text();
            QStyleOptionButton option;
            option.initFrom(radio);
            option.text = text;
            room = radio->style()->subElementRect(QStyle::SE_RadioButtonContents, &option, radio);
        } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
            text = button->text();
            const int ring = PushButtonWidget::kFocusRingInset + PushButtonWidget::kFocusRingWidth;
            room = control->rect().adjusted(ring, ring, -ring, -ring);
            ink = Qt::white;
        }
        if (text.isEmpty()) {
            continue;
        }
        ++texts;
        const QFontMetrics metrics = control->fontMetrics();
        EXPECT_LE(metrics.horizontalAdvance(text), room.width()) << text.toStdString();
        EXPECT_LE(metrics.height(), control->height()) << text.toStdString();

        // The last column with ink stays clear of the room's right edge: a text cut by its
        // control would reach it.
        const QImage image = control->grab().toImage();
        const double ratio = image.devicePixelRatio();
        int lastInk = -1;
        for (int x = static_cast<int>(room.left() * ratio); x < image.width(); ++x) {
            for (int y = static_cast<int>(room.top() * ratio);
                 y < static_cast<int>(room.bottom() * ratio); ++y) {
                if (Near(image.pixelColor(x, y), ink, 40)) {
                    lastInk = x;
                }
            }
        }
        EXPECT_GE(lastInk, 0) << text.toStdString() << " is drawn";
        EXPECT_LT(lastInk, static_cast<int>((room.right() + 1) * ratio) - 1) << text.toStdString();
    }
    EXPECT_EQ(texts, GetParam() == IDD_CADDORA_DIALOG ? 4 : GetParam() == IDD_SETUP ? 7 : 5);
}

INSTANTIATE_TEST_SUITE_P(Dialogs, AnyScale,
                         ::testing::Values(UINT{IDD_CADDORA_DIALOG}, UINT{IDD_SETUP},
                                           UINT{IDD_EDIT_CLUB}),
                         [](const auto& info) {
                             return std::string(info.param == IDD_CADDORA_DIALOG ? "Main"
                                                : info.param == IDD_SETUP        ? "Setup"
                                                                                 : "EditClub");
                         });

class AnyScaleLook : public AnyScale {};

// Each picture fills its slot in the picture column or row, and is drawn from the bitmap made
// for the screen: pixel for pixel at ratios 1 and 2, and in between from the finer one.
TEST_F(AnyScaleLook, PicturesFillTheirSlotsAndAreDrawnFromTheBitmapForTheScreen) {
    CDialog& dialog = Open(IDD_CADDORA_DIALOG);
    const DialogTemplate& t = *FindDialogTemplate(IDD_CADDORA_DIALOG);
    for (const DialogItemTemplate& item : t.items) {
        if ((item.style & SS_NOTIFY) == 0 || item.imageId == 0) {
            continue;
        }
        RECT slot{item.x, item.y, item.x + item.cx, item.y + item.cy};
        dialog.MapDialogRect(&slot);
        QWidget* picture = Control(item.id);
        // The slots are 26 units, 42.25 pixels: 42 or 43 for a 42-pixel picture.
        EXPECT_EQ(picture->y(), slot.top) << item.id;
        EXPECT_LE(slot.bottom - picture->geometry().bottom() - 1, 1)
            << item.id << " fills its slot";
        EXPECT_EQ(picture->x(), slot.left) << item.id;
        EXPECT_LE(slot.right - picture->geometry().right() - 1, 1) << item.id;

        const QImage drawn = picture->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const double ratio = drawn.devicePixelRatio();
        const QImage normal = Bitmap(item.imageId, 1);
        const QImage fine = Bitmap(item.imageId, 2);
        ASSERT_EQ(fine.size(), normal.size() * 2) << item.id;
        if (ratio == 1.0 || ratio == 2.0) {
            EXPECT_EQ(drawn, ratio == 1.0 ? normal : fine) << item.id;
        } else {
            const double fromFine = Difference(
                drawn, fine.scaled(drawn.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation),
                2);
            const double fromNormal = Difference(
                drawn, normal.scaled(drawn.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation),
                2);
            EXPECT_LT(fromFine, 1.0) << item.id << " at " << ratio;
            EXPECT_LT(fromFine, fromNormal / 2) << item.id << " at " << ratio;
        }
    }
}

TEST_F(AnyScaleLook, PushButtonsAreFlatInTheDarkBrushWithWhiteTextAndAFocusRing) {
    Open(IDD_SETUP);
    QWidget* edit = Control(IDC_EDIT);
    QWidget* close = Control(IDOK);
    ASSERT_FALSE(edit->hasFocus());
    const double middle = edit->width() / 2.0;
    const double ring = PushButtonWidget::kFocusRingInset;
    const QImage plain = edit->grab().toImage();
    EXPECT_EQ(At(plain, middle, 2), kDark) << "a flat face, no gradient";
    EXPECT_EQ(At(plain, middle, ring), kDark) << "no ring without the focus";
    EXPECT_EQ(At(plain, 2, edit->height() / 2.0), kDark);
    bool whiteText = false;
    for (int x = 0; x < plain.width(); ++x) {
        whiteText |= plain.pixelColor(x, plain.height() / 2) == QColor(Qt::white);
    }
    EXPECT_TRUE(whiteText);
    EXPECT_GE((Luminance(Qt::white) + 0.05) / (Luminance(kDark) + 0.05), 4.3) << "contrast";
    EXPECT_EQ(At(close->grab().toImage(), 0, close->height() / 2.0), QColor(Qt::black))
        << "the default button's frame";

    edit->setFocus();
    const QImage focused = edit->grab().toImage();
    EXPECT_EQ(At(focused, middle, ring), QColor(Qt::white)) << "the focus ring";
    EXPECT_EQ(At(focused, middle, 2), kDark);
}

TEST_F(AnyScaleLook, RadioButtonsStandOnTheDialogsGreen) {
    Open(IDD_SETUP);
    for (int id : {IDC_ADULT_MALE, IDC_ADULT_FEMALE}) {
        QWidget* radio = Control(id);
        const QImage image = radio->grab().toImage();
        EXPECT_EQ(At(image, radio->width() - 1, 0), kLight) << id;
        EXPECT_EQ(At(image, radio->width() / 2.0, radio->height() - 1), kLight) << id;
        EXPECT_EQ(radio->palette().color(QPalette::WindowText), QColor(Qt::black)) << id;
    }
}

} // namespace
