#include "CDialog.h"

#include "CDataExchange.h"
#include "CDC.h"
#include "CListCtrl.h"
#include "CSpinButtonCtrl.h"
#include "CStatic.h"
#include "DialogWidget.h"
#include "ImageResources.h"
#include "QtConvert.h"
#include "StaticWidget.h"
#include "UpDownWidget.h"

#include <QButtonGroup>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QScreen>
#include <QTreeWidget>

#include <algorithm>

BEGIN_MESSAGE_MAP(CDialog, CWnd)
ON_COMMAND(IDOK, &CDialog::OnOK)
ON_COMMAND(IDCANCEL, &CDialog::OnCancel)
END_MESSAGE_MAP()

namespace {

constexpr UINT kNoColourQuery = ~0U;
const char* const kControlIdProperty = "caddoraControlId";

int MulDiv(int number, int numerator, int denominator) {
    const long long product = static_cast<long long>(number) * numerator;
    const long long half = denominator / 2;
    return static_cast<int>(product >= 0 ? (product + half) / denominator
                                         : (product - half) / denominator);
}

// The average character width the handheld derives from a font: the width of the 52
// letters, halved and rounded.
int AverageCharWidth(const QFontMetrics& metrics) {
    const int width = metrics.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    return (width / 26 + 1) / 2;
}

void ApplyColours(QWidget* widget, UINT nCtlColor, const CDC& dc, HBRUSH hbr) {
    QPalette palette = widget->palette();
    LOGBRUSH lb{};
    const bool hasBrush = GetObject(hbr, lb) != FALSE;
    const QColor text = ToQColor(dc.GetTextColor());
    switch (nCtlColor) {
    case CTLCOLOR_EDIT:
        palette.setColor(QPalette::Text, text);
        if (hasBrush) {
            palette.setColor(QPalette::Base, ToQColor(lb.lbColor));
        }
        break;
    case CTLCOLOR_BTN:
        palette.setColor(QPalette::ButtonText, text);
        if (hasBrush) {
            palette.setColor(QPalette::Button, ToQColor(lb.lbColor));
        }
        break;
    default:
        palette.setColor(QPalette::WindowText, text);
        if (hasBrush) {
            palette.setColor(QPalette::Window, ToQColor(lb.lbColor));
            widget->setAutoFillBackground(true);
        }
        break;
    }
    widget->setPalette(palette);
    LOGFONT lf{};
    if (GetObject(dc.GetCurrentFont(), lf)) {
        widget->setFont(ToQFont(lf));
    }
}

std::unique_ptr<CWnd> MakeWrapper(ControlClass cls) {
    switch (cls) {
    case ControlClass::Static:
        return std::make_unique<CStatic>();
    case ControlClass::UpDown:
        return std::make_unique<CSpinButtonCtrl>();
    case ControlClass::ListView:
        return std::make_unique<CListCtrl>();
    default:
        return std::make_unique<CWnd>();
    }
}

} // namespace

struct CDialog::Control {
    QWidget* widget;
    int id;
    DWORD style;
    UINT ctlColor;
    HFONT hFont;
    std::unique_ptr<CWnd> wrapper;
    CWnd* bound = nullptr;
};

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd)
    : m_nIDTemplate(nIDTemplate), m_pParentWnd(pParentWnd) {}

CDialog::~CDialog() {
    // The members of the derived dialog are gone already; only the windows are left.
    ReleaseWindow(false);
}

INT_PTR CDialog::DoModal() {
    if (!CreateWindowFromTemplate()) {
        return -1;
    }
    if (OnInitDialog()) {
        FocusFirstTabStop();
    }
    if (!m_bEnded) {
        m_widget->exec();
    }
    const int result = m_nModalResult;
    ReleaseWindow(true);
    return result;
}

BOOL CDialog::Create() {
    if (!CreateWindowFromTemplate()) {
        return FALSE;
    }
    if (OnInitDialog()) {
        FocusFirstTabStop();
    }
    if (!m_bEnded) {
        m_widget->show();
        m_widget->activateWindow();
    }
    return TRUE;
}

void CDialog::DestroyWindow() {
    ReleaseWindow(true);
}

void CDialog::EndDialog(int nResult) {
    m_nModalResult = nResult;
    m_bEnded = TRUE;
    if (m_widget) {
        m_widget->done(nResult);
    }
}

BOOL CDialog::OnInitDialog() {
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::DoDataExchange(CDataExchange* /*pDX*/) {}

void CDialog::OnOK() {
    if (!UpdateData(TRUE)) {
        return;
    }
    EndDialog(IDOK);
}

void CDialog::OnCancel() {
    EndDialog(IDCANCEL);
}

BOOL CDialog::UpdateData(BOOL bSaveAndValidate) {
    CDataExchange dx(this, bSaveAndValidate);
    DoDataExchange(&dx);
    return !dx.Failed();
}

CWnd* CDialog::GetDlgItem(int nID) const {
    for (const auto& control : m_controls) {
        if (control->id == nID) {
            return control->bound != nullptr ? control->bound : control->wrapper.get();
        }
    }
    return nullptr;
}

CWnd* CDialog::FromHandle(HWND hWnd) const {
    if (hWnd != nullptr && hWnd == m_hWnd) {
        return const_cast<CDialog*>(this);
    }
    const Control* control = FindControl(hWnd);
    if (control == nullptr) {
        return nullptr;
    }
    return control->bound != nullptr ? control->bound : control->wrapper.get();
}

void CDialog::CenterWindow() {
    if (!m_widget) {
        return;
    }
    QScreen* screen = m_widget->screen();
    if (screen == nullptr) {
        screen = QGuiApplication::primaryScreen();
    }
    if (screen == nullptr) {
        return;
    }
    QRect frame = m_widget->frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    m_widget->move(frame.topLeft());
}

void CDialog::SetIcon(HICON hIcon, BOOL /*bBigIcon*/) {
    // Qt picks the image for each size from one icon, so the big and the small icon are the
    // same call here.
    if (m_widget) {
        m_widget->setWindowIcon(IconFromHandle(hIcon));
    }
}

void CDialog::MapDialogRect(RECT* lpRect) const {
    lpRect->left = MulDiv(lpRect->left, m_nBaseUnitX, 4);
    lpRect->right = MulDiv(lpRect->right, m_nBaseUnitX, 4);
    lpRect->top = MulDiv(lpRect->top, m_nBaseUnitY, 8);
    lpRect->bottom = MulDiv(lpRect->bottom, m_nBaseUnitY, 8);
}

BOOL CDialog::OnCommand(UINT nID, UINT nCode) {
    return OnCmdMsg(nID, nCode);
}

HBRUSH CDialog::SendCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor) {
    const AFX_MSGMAP_ENTRY* entry = FindMessageEntry(AFX_MSGMAP_ENTRY::CtlColor);
    if (entry != nullptr) {
        return (this->*entry->pfnCtlColor)(pDC, pWnd, nCtlColor);
    }
    return CWnd::OnCtlColor(pDC, pWnd, nCtlColor);
}

void CDialog::QueryColours(HWND hWnd) {
    if (hWnd == nullptr) {
        return;
    }
    if (hWnd == m_hWnd) {
        CDC dc(m_font.m_hObject, GetSysColor(COLOR_WINDOWTEXT), GetSysColor(COLOR_WINDOW), OPAQUE);
        const HBRUSH hbr = SendCtlColor(&dc, this, CTLCOLOR_DLG);
        ApplyColours(hWnd, CTLCOLOR_DLG, dc, hbr);
        return;
    }
    Control* control = FindControl(hWnd);
    if (control == nullptr || control->ctlColor == kNoColourQuery) {
        return;
    }
    CDC dc(control->hFont, GetSysColor(COLOR_WINDOWTEXT), GetSysColor(COLOR_WINDOW), OPAQUE);
    const HBRUSH hbr = SendCtlColor(&dc, FromHandle(hWnd), control->ctlColor);
    ApplyColours(hWnd, control->ctlColor, dc, hbr);
}

HFONT CDialog::GetControlFont(HWND hWnd) const {
    if (hWnd != nullptr && hWnd == m_hWnd) {
        return m_font.m_hObject;
    }
    const Control* control = FindControl(hWnd);
    return control != nullptr ? control->hFont : nullptr;
}

void CDialog::SetControlFont(HWND hWnd, HFONT hFont) {
    LOGFONT lf{};
    if (!GetObject(hFont, lf)) {
        return;
    }
    if (Control* control = FindControl(hWnd)) {
        control->hFont = hFont;
        hWnd->setFont(ToQFont(lf));
    }
}

void CDialog::BindControl(int nIDC, CWnd& rControl) {
    if (rControl.m_hWnd != nullptr) {
        return;
    }
    for (auto& control : m_controls) {
        if (control->id == nIDC) {
            rControl.SubclassWindow(control->widget);
            control->bound = &rControl;
            QueryColours(control->widget);
            return;
        }
    }
}

CDialog* CDialog::FromWidget(const QWidget* widget) {
    for (const QWidget* w = widget; w != nullptr; w = w->parentWidget()) {
        if (const auto* dialog = dynamic_cast<const DialogWidget*>(w)) {
            return &dialog->Owner();
        }
    }
    return nullptr;
}

BOOL CDialog::CreateWindowFromTemplate() {
    ReleaseWindow(true);
    m_bEnded = FALSE;
    m_nModalResult = -1;
    m_nDefaultId = IDOK;
    const DialogTemplate* dlgTemplate = FindDialogTemplate(m_nIDTemplate);
    if (dlgTemplate == nullptr) {
        return FALSE;
    }
    int closeCommand = 0;
    if (dlgTemplate->style & WS_SYSMENU) {
        closeCommand = IDCANCEL;
    } else if (dlgTemplate->exStyle & WS_EX_CAPTIONOKBTN) {
        // The caption's OK button of the handheld; here the close box plays its part.
        closeCommand = IDOK;
    }
    QWidget* parent = m_pParentWnd != nullptr ? m_pParentWnd->m_hWnd : nullptr;
    m_widget = std::make_unique<DialogWidget>(*this, parent, closeCommand);
    m_hWnd = m_widget.get();
    Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (closeCommand != 0) {
        flags |= Qt::WindowCloseButtonHint;
    }
    m_widget->setWindowFlags(flags);
    m_widget->setWindowTitle(ToQString(dlgTemplate->caption));
    m_widget->setObjectName(QStringLiteral("dialog%1").arg(m_nIDTemplate));

    const LOGFONT lf = LogFontFromPoints(dlgTemplate->fontFace, dlgTemplate->pointSize);
    m_font.CreateFontIndirect(&lf);
    const QFont font = ToQFont(lf);
    m_widget->setFont(font);
    const QFontMetrics metrics(font);
    m_nBaseUnitX = AverageCharWidth(metrics);
    m_nBaseUnitY = metrics.height();

    RECT client{0, 0, dlgTemplate->cx, dlgTemplate->cy};
    MapDialogRect(&client);
    m_widget->setFixedSize(client.right, client.bottom);
    CreateControls(*dlgTemplate);
    QueryColours(m_hWnd);
    return TRUE;
}

void CDialog::CreateControls(const DialogTemplate& dlgTemplate) {
    QButtonGroup* radioGroup = nullptr;
    QWidget* previous = nullptr;
    for (const DialogItemTemplate& item : dlgTemplate.items) {
        if (item.style & WS_GROUP) {
            radioGroup = nullptr;
        }
        RECT rect{item.x, item.y, item.x + item.cx, item.y + item.cy};
        MapDialogRect(&rect);
        QRect geometry(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
        QWidget* widget = nullptr;
        UINT ctlColor = kNoColourQuery;
        const int id = item.id;
        switch (item.windowClass) {
        case ControlClass::Static: {
            auto* label = new StaticWidget(m_widget.get()); // owned by the dialog's window
            if ((item.style & SS_TYPEMASK) == SS_BITMAP) {
                const QPixmap pixmap = LoadBitmapResource(item.imageId);
                if (!pixmap.isNull()) {
                    label->setPixmap(pixmap);
                    geometry.setSize(pixmap.deviceIndependentSize().toSize());
                }
                label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            } else {
                label->setTextFormat(Qt::PlainText);
                label->setText(ToQString(item.text != nullptr ? item.text : u""));
                label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
                // A one-line caption that the installed face draws a little wider than the
                // handheld's own grows to its text, instead of losing its last letters.
                label->setWordWrap(item.cy >= 16);
                if (!label->wordWrap()) {
                    const int needed =
                        QFontMetrics(m_widget->font()).horizontalAdvance(label->text()) + 1;
                    geometry.setWidth(std::max(geometry.width(), needed));
                }
            }
            if (item.style & SS_NOTIFY) {
                label->onClicked = [this, id] { OnCommand(static_cast<UINT>(id), STN_CLICKED); };
                label->setCursor(Qt::PointingHandCursor);
            }
            ctlColor = CTLCOLOR_STATIC;
            widget = label;
            break;
        }
        case ControlClass::Edit: {
            auto* edit = new QLineEdit(m_widget.get());
            edit->setFrame((item.style & WS_BORDER) != 0);
            if (item.style & ES_NUMBER) {
                edit->setValidator(new QRegularExpressionValidator(
                    QRegularExpression(QStringLiteral("[0-9]*")), edit));
            }
            edit->setText(ToQString(item.text != nullptr ? item.text : u""));
            ctlColor = CTLCOLOR_EDIT;
            widget = edit;
            break;
        }
        case ControlClass::Button: {
            const DWORD type = item.style & BS_TYPEMASK;
            QAbstractButton* button = nullptr;
            if (type == BS_AUTORADIOBUTTON) {
                button = new QRadioButton(m_widget.get());
                button->setAutoExclusive(false);
                if (radioGroup == nullptr) {
                    radioGroup = new QButtonGroup(m_widget.get());
                }
                radioGroup->addButton(button);
                ctlColor = CTLCOLOR_STATIC;
            } else {
                auto* push = new QPushButton(m_widget.get());
                push->setAutoDefault(false);
                if (type == BS_DEFPUSHBUTTON) {
                    push->setDefault(true);
                    m_nDefaultId = id;
                }
                button = push;
                ctlColor = CTLCOLOR_BTN;
            }
            button->setText(ToQString(item.text != nullptr ? item.text : u""));
            QObject::connect(button, &QAbstractButton::clicked, m_widget.get(),
                             [this, id] { OnCommand(static_cast<UINT>(id), BN_CLICKED); });
            widget = button;
            break;
        }
        case ControlClass::UpDown: {
            auto* upDown = new UpDownWidget(m_widget.get());
            auto* buddy = qobject_cast<QLineEdit*>(previous);
            if ((item.style & UDS_AUTOBUDDY) && buddy != nullptr) {
                upDown->SetBuddy(buddy, (item.style & UDS_SETBUDDYINT) != 0,
                                 (item.style & UDS_ARROWKEYS) != 0);
                if (item.style & UDS_ALIGNRIGHT) {
                    // The arrows sit inside the field's right edge; the field gives up
                    // their width.
                    QRect field = buddy->geometry();
                    field.setWidth(field.width() - geometry.width());
                    buddy->setGeometry(field);
                    geometry =
                        QRect(field.right() + 1, field.top(), geometry.width(), field.height());
                }
            }
            widget = upDown;
            break;
        }
        case ControlClass::ListView: {
            auto* list = new QTreeWidget(m_widget.get());
            list->setRootIsDecorated(false);
            list->setItemsExpandable(false);
            list->setUniformRowHeights(true);
            list->setIndentation(0);
            list->setColumnCount(0);
            list->setSelectionMode(QAbstractItemView::SingleSelection);
            list->setSelectionBehavior(QAbstractItemView::SelectRows);
            list->header()->setSectionsClickable(false);
            list->header()->setStretchLastSection(false);
            list->setFrameShape((item.style & WS_BORDER) ? QFrame::Box : QFrame::NoFrame);
            widget = list;
            break;
        }
        }
        // A text caption names the control that follows it, for screen readers.
        auto* caption = dynamic_cast<StaticWidget*>(previous);
        if (caption != nullptr && caption->pixmap().isNull() && !caption->text().isEmpty()) {
            if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
                caption->setBuddy(edit);
            } else if (id != IDC_STATIC) {
                widget->setAccessibleDescription(caption->text());
            }
        }
        widget->setProperty(kControlIdProperty, id);
        widget->setObjectName(QStringLiteral("control%1").arg(id));
        if (item.accessibleName != nullptr) {
            widget->setAccessibleName(ToQString(item.accessibleName));
            widget->setToolTip(ToQString(item.accessibleName));
        }
        if (item.style & WS_TABSTOP) {
            widget->setFocusPolicy(Qt::StrongFocus);
        } else if (item.windowClass == ControlClass::Static ||
                   item.windowClass == ControlClass::UpDown) {
            widget->setFocusPolicy(Qt::NoFocus);
        } else {
            widget->setFocusPolicy(Qt::ClickFocus);
        }
        widget->setFont(m_widget->font());
        widget->setGeometry(geometry);
        widget->setVisible((item.style & WS_VISIBLE) != 0);
        m_controls.push_back(
            std::unique_ptr<Control>(new Control{widget, id, item.style, ctlColor, m_font.m_hObject,
                                                 MakeWrapper(item.windowClass), nullptr}));
        m_controls.back()->wrapper->SubclassWindow(widget);
        previous = widget;
    }
    // The template's order is the Tab order and, first on top, the Z order.
    QWidget* lastTabStop = nullptr;
    for (const auto& control : m_controls) {
        control->widget->lower();
        if (control->style & WS_TABSTOP) {
            if (lastTabStop != nullptr) {
                QWidget::setTabOrder(lastTabStop, control->widget);
            }
            lastTabStop = control->widget;
        }
    }
    for (const auto& control : m_controls) {
        QueryColours(control->widget);
    }
}

void CDialog::FocusFirstTabStop() {
    for (const auto& control : m_controls) {
        if ((control->style & WS_TABSTOP) && control->widget->isEnabled()) {
            control->widget->setFocus(Qt::TabFocusReason);
            if (auto* edit = qobject_cast<QLineEdit*>(control->widget)) {
                edit->selectAll();
            }
            return;
        }
    }
}

void CDialog::ReleaseWindow(bool unbindMembers) {
    for (auto& control : m_controls) {
        if (unbindMembers && control->bound != nullptr) {
            control->bound->UnsubclassWindow();
        }
    }
    m_controls.clear();
    m_widget.reset();
    m_hWnd = nullptr;
    m_font.DeleteObject();
}

CDialog::Control* CDialog::FindControl(HWND hWnd) {
    for (auto& control : m_controls) {
        if (control->widget == hWnd) {
            return control.get();
        }
    }
    return nullptr;
}

const CDialog::Control* CDialog::FindControl(HWND hWnd) const {
    for (const auto& control : m_controls) {
        if (control->widget == hWnd) {
            return control.get();
        }
    }
    return nullptr;
}
