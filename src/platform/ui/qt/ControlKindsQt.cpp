#include "platform/ui/qt/ControlKindsQt.h"

#include "platform/ui/CDialog.h"
#include "platform/ui/CListCtrl.h"
#include "platform/ui/ControlKindOrder.h"
#include "platform/ui/CSpinButtonCtrl.h"
#include "platform/ui/CStatic.h"
#include "platform/ui/PlatformTexts.h"
#include "platform/ui/qt/BalloonTip.h"
#include "platform/ui/qt/DialogControls.h"
#include "platform/ui/qt/ImageResourcesQt.h"
#include "platform/ui/qt/ListViewWidget.h"
#include "platform/ui/qt/OwnerDrawWidget.h"
#include "platform/ui/qt/PushButtonWidget.h"
#include "platform/ui/qt/QtConvert.h"
#include "platform/ui/qt/StaticWidget.h"
#include "platform/ui/qt/UpDownWidget.h"
#include "platform/ui/UiApi.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QValidator>

#include <algorithm>

namespace {

// How long the refusal of a non-digit stays at the field, as the platform's balloon does.
constexpr int kHintMilliseconds = 4000;

// Takes a text of the digits 0 to 9 and nothing else, as the pattern [0-9]* would, without
// starting a regular-expression engine for so little.
class DigitsOnlyValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int& /*pos*/) const override {
        const bool digits = std::all_of(input.cbegin(), input.cend(),
                                        [](QChar c) { return c >= u'0' && c <= u'9'; });
        return digits ? Acceptable : Invalid;
    }
};

QString TextOf(const DialogItemTemplate& item) {
    return ToQString(item.text != nullptr ? item.text : u"");
}

QWidget* CreateStaticText(ControlSite& site, const DialogItemTemplate& item) {
    auto* label = new StaticWidget(&site.window); // owned by the dialog's window
    // A text whose rectangle holds one line of the template font stays on that line.
    label->SetSingleLine(item.cy < 16);
    label->SetText(TextOf(item));
    if (item.style & SS_NOTIFY) {
        label->SetOnPressed([&dialog = site.dialog, id = item.id] {
            dialog.OnCommand(static_cast<UINT>(id), STN_CLICKED);
        });
    }
    return label;
}

// An icon group's image at the size of a big icon, drawn from the image twice as large on a
// screen with more device pixels than pixels.
QWidget* CreateStaticIcon(ControlSite& site, const DialogItemTemplate& item) {
    constexpr int kIconSize = 32;
    auto* picture = new StaticWidget(&site.window); // owned by the dialog's window
    const QIcon icon = IconFromHandle(LoadIconResource(item.imageId));
    if (!icon.isNull()) {
        picture->SetPictures(icon.pixmap(QSize(kIconSize, kIconSize), 1.0),
                             [icon] { return icon.pixmap(QSize(kIconSize, kIconSize), 2.0); });
        site.geometry.setSize(QSize(kIconSize, kIconSize));
    }
    return picture;
}

QWidget* CreateStaticOwnerDrawn(ControlSite& site, const DialogItemTemplate& item) {
    auto* drawn = new OwnerDrawWidget(&site.window); // owned by the dialog's window
    drawn->SetText(TextOf(item));
    return drawn;
}

QWidget* CreateStaticPicture(ControlSite& site, const DialogItemTemplate& item) {
    auto* picture = new StaticWidget(&site.window);
    const QPixmap normal = LoadBitmapResource(item.imageId);
    if (!normal.isNull()) {
        picture->SetPictures(normal, [id = item.imageId] { return LoadBitmapResource(id, 2); });
        // A picture control takes the size of its bitmap.
        site.geometry.setSize(normal.deviceIndependentSize().toSize());
    }
    if (item.style & SS_NOTIFY) {
        picture->SetOnPressed([&dialog = site.dialog, id = item.id] {
            dialog.OnCommand(static_cast<UINT>(id), STN_CLICKED);
        });
    }
    return picture;
}

// A number field refuses what is not a digit, and says so at the field, as the platform's
// number edit does; a paste that holds anything else is refused whole.
void RefuseNonDigits(QLineEdit* edit) {
    edit->setValidator(new DigitsOnlyValidator(edit)); // owned by the field
    auto* hint = new BalloonTip(edit);                 // owned by the field
    QObject::connect(edit, &QLineEdit::inputRejected, hint,
                     [hint] { hint->ShowText(DigitsOnlyHint(), kHintMilliseconds); });
    QObject::connect(edit, &QLineEdit::textChanged, hint, &QWidget::hide);
}

QWidget* CreateEdit(ControlSite& site, const DialogItemTemplate& item) {
    auto* edit = new QLineEdit(&site.window);
    edit->setFrame((item.style & WS_BORDER) != 0);
    if (item.style & ES_NUMBER) {
        RefuseNonDigits(edit);
    }
    edit->setText(TextOf(item));
    return edit;
}

QWidget* CreatePushButton(ControlSite& site, const DialogItemTemplate& item) {
    auto* button = new PushButtonWidget(&site.window);
    button->setAutoDefault(false);
    if ((item.style & BS_TYPEMASK) == BS_DEFPUSHBUTTON) {
        button->setDefault(true);
        site.dialog.SetDefID(static_cast<UINT>(item.id));
    }
    button->setText(TextOf(item));
    QObject::connect(button, &QAbstractButton::clicked, &site.window,
                     [&dialog = site.dialog, id = item.id] {
                         dialog.OnCommand(static_cast<UINT>(id), BN_CLICKED);
                     });
    return button;
}

QWidget* CreateRadioButton(ControlSite& site, const DialogItemTemplate& item) {
    // The group keeps one button checked; the button stays auto-exclusive all the same, for
    // assistive technology reads only an auto-exclusive button as a radio button.
    auto* radio = new QRadioButton(&site.window);
    if (site.radioGroup == nullptr) {
        site.radioGroup = new QButtonGroup(&site.window);
    }
    site.radioGroup->addButton(radio);
    // It answers the static colour query: its whole rectangle is the dialog's, not a
    // button face.
    radio->setBackgroundRole(QPalette::Window);
    radio->setForegroundRole(QPalette::WindowText);
    radio->setText(TextOf(item));
    QObject::connect(radio, &QAbstractButton::clicked, &site.window,
                     [&dialog = site.dialog, id = item.id] {
                         dialog.OnCommand(static_cast<UINT>(id), BN_CLICKED);
                     });
    return radio;
}

QWidget* CreateCheckBox(ControlSite& site, const DialogItemTemplate& item) {
    auto* box = new QCheckBox(&site.window); // owned by the dialog's window
    // It answers the static colour query, as a radio button does.
    box->setBackgroundRole(QPalette::Window);
    box->setForegroundRole(QPalette::WindowText);
    box->setText(TextOf(item));
    QObject::connect(box, &QAbstractButton::clicked, &site.window,
                     [&dialog = site.dialog, id = item.id] {
                         dialog.OnCommand(static_cast<UINT>(id), BN_CLICKED);
                     });
    return box;
}

QWidget* CreateUpDown(ControlSite& site, const DialogItemTemplate& item) {
    auto* upDown = new UpDownWidget(&site.window);
    auto* buddy = qobject_cast<QLineEdit*>(site.previous);
    if ((item.style & UDS_AUTOBUDDY) && buddy != nullptr) {
        upDown->SetBuddy(buddy, (item.style & UDS_SETBUDDYINT) != 0,
                         (item.style & UDS_ARROWKEYS) != 0);
        if (item.style & UDS_ALIGNRIGHT) {
            // The arrows sit inside the field's right edge; the field gives up their width.
            QRect field = buddy->geometry();
            field.setWidth(field.width() - site.geometry.width());
            buddy->setGeometry(field);
            site.geometry =
                QRect(field.right() + 1, field.top(), site.geometry.width(), field.height());
        }
    }
    return upDown;
}

QWidget* CreateListView(ControlSite& site, const DialogItemTemplate& item) {
    auto* list = new ListViewWidget(&site.window);
    list->setFrameShape((item.style & WS_BORDER) ? QFrame::Box : QFrame::NoFrame);
    return list;
}

using control_kinds::KindOf;
using control_kinds::Wrap;

const ControlKind kKinds[] = {
    /* StaticText */ {&CreateStaticText, &Wrap<CStatic>, Qt::NoFocus, CTLCOLOR_STATIC},
    /* StaticPicture */ {&CreateStaticPicture, &Wrap<CStatic>, Qt::NoFocus, CTLCOLOR_STATIC},
    /* StaticIcon */ {&CreateStaticIcon, &Wrap<CStatic>, Qt::NoFocus, CTLCOLOR_STATIC},
    /* StaticOwnerDrawn */
    {&CreateStaticOwnerDrawn, &Wrap<CStatic>, Qt::NoFocus, kNoColourQuery},
    /* Edit */ {&CreateEdit, &Wrap<CWnd>, Qt::ClickFocus, CTLCOLOR_EDIT},
    /* PushButton */ {&CreatePushButton, &Wrap<CWnd>, Qt::ClickFocus, CTLCOLOR_BTN},
    /* CheckBox */ {&CreateCheckBox, &Wrap<CWnd>, Qt::ClickFocus, CTLCOLOR_STATIC},
    /* RadioButton */ {&CreateRadioButton, &Wrap<CWnd>, Qt::ClickFocus, CTLCOLOR_STATIC},
    /* UpDown */ {&CreateUpDown, &Wrap<CSpinButtonCtrl>, Qt::NoFocus, kNoColourQuery},
    /* ListView */ {&CreateListView, &Wrap<CListCtrl>, Qt::ClickFocus, kNoColourQuery},
};

} // namespace

const ControlKind& ControlKindOf(const DialogItemTemplate& item) {
    return kKinds[KindOf(item)];
}

QString DigitsOnlyHint() {
    return ToQString(PlatformText(AFX_IDS_DIGITS_ONLY));
}
