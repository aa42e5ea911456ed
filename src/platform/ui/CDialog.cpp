#include "CDialog.h"

#include "AcceleratorTable.h"
#include "CDC.h"
#include "ControlKinds.h"
#include "CWinApp.h"
#include "DialogControls.h"
#include "DialogWidget.h"
#include "ImageResources.h"
#include "QtConvert.h"
#include "StaticWidget.h"

#include <QApplication>
#include <QButtonGroup>
#include <QLineEdit>
#include <QScreen>
#include <QShortcut>

namespace {

constexpr int kBaseDpi = 96;

void ApplyColours(QWidget* widget, UINT nCtlColor, const CDC& dc, HBRUSH hbr, int logicalDpi) {
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
        widget->setFont(ToQFont(lf, logicalDpi));
    }
}

// A text caption names the control that follows it, for screen readers.
void NameByCaption(QWidget* widget, int id, QWidget* previous) {
    auto* caption = dynamic_cast<StaticWidget*>(previous);
    if (caption == nullptr || !caption->pixmap().isNull() || caption->text().isEmpty()) {
        return;
    }
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        caption->setBuddy(edit);
    } else if (id != IDC_STATIC) {
        widget->setAccessibleDescription(caption->text());
    }
}

// What every control takes from its template item, whatever its kind.
void ApplyCommonProperties(QWidget* widget, const DialogItemTemplate& item, const ControlKind& kind,
                           const QRect& geometry, const QFont& font) {
    widget->setProperty(kControlIdProperty, item.id);
    widget->setObjectName(QStringLiteral("control%1").arg(item.id));
    if (item.accessibleName != nullptr) {
        const QString name = ToQString(item.accessibleName);
        if (auto* picture = dynamic_cast<StaticWidget*>(widget)) {
            picture->SetName(name);
        } else {
            widget->setAccessibleName(name);
            widget->setToolTip(name);
        }
    }
    widget->setFocusPolicy((item.style & WS_TABSTOP) ? Qt::StrongFocus : kind.focusWithoutTabStop);
    widget->setFont(font);
    widget->setGeometry(geometry);
    widget->setVisible((item.style & WS_VISIBLE) != 0);
}

} // namespace

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd)
    : m_nIDTemplate(nIDTemplate), m_pParentWnd(pParentWnd),
      m_controls(std::make_unique<DialogControls>()) {}

CDialog::~CDialog() {
    // The members of the derived dialog are gone already; only the windows are left.
    ReleaseWindow(false);
}

INT_PTR CDialog::DoModal() {
    const DialogTemplate* dlgTemplate = FindDialogTemplate(m_nIDTemplate);
    if (dlgTemplate == nullptr || !CreateWindowFromTemplate(ModalOwner(*dlgTemplate))) {
        return -1;
    }
    if (OnInitDialog()) {
        FocusFirstTabStop();
    }
    // While the session ends, a dialog that opens all the same (start-up may still be on its
    // way to the main dialog) ends before its loop runs.
    if (const CWinApp* app = AfxGetApp(); app != nullptr && app->IsEndingSession()) {
        EndDialog(IDCANCEL);
    }
    if (!m_bEnded) {
        m_widget->exec();
    }
    const int result = m_nModalResult;
    ReleaseWindow(true);
    return result;
}

BOOL CDialog::Create() {
    if (!CreateWindowFromTemplate(m_pParentWnd != nullptr ? m_pParentWnd->m_hWnd : nullptr)) {
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

void CDialog::EndDialog(int nResult) {
    m_nModalResult = nResult;
    m_bEnded = TRUE;
    if (m_widget) {
        m_widget->done(nResult);
    }
}

CWnd* CDialog::GetDlgItem(int nID) const {
    const DialogControl* control = m_controls->ById(nID);
    return control != nullptr ? control->Object() : nullptr;
}

CWnd* CDialog::FromHandle(HWND hWnd) const {
    if (hWnd != nullptr && hWnd == m_hWnd) {
        return const_cast<CDialog*>(this);
    }
    const DialogControl* control = FindControl(hWnd);
    return control != nullptr ? control->Object() : nullptr;
}

void CDialog::CenterWindow() {
    if (!m_widget) {
        return;
    }
    QRect frame = m_widget->frameGeometry();
    if (const QWidget* owner = m_widget->parentWidget()) {
        frame.moveCenter(owner->window()->frameGeometry().center());
    } else {
        QScreen* screen = m_widget->screen();
        if (screen == nullptr) {
            screen = QGuiApplication::primaryScreen();
        }
        if (screen == nullptr) {
            return;
        }
        frame.moveCenter(screen->availableGeometry().center());
    }
    m_widget->move(frame.topLeft());
}

void CDialog::SetIcon(HICON hIcon, BOOL /*bBigIcon*/) {
    // Qt picks the image for each size from one icon, so the big and the small icon are the
    // same call here.
    if (!m_widget) {
        return;
    }
    const DialogTemplate* dlgTemplate = FindDialogTemplate(m_nIDTemplate);
    const bool appWindow = dlgTemplate != nullptr && (dlgTemplate->exStyle & WS_EX_APPWINDOW);
    // Reading the images waits for the first frame, so that the window shows no later for
    // them.
    m_widget->AfterFirstFrame([widget = m_widget.get(), hIcon, appWindow] {
        const QIcon icon = IconFromHandle(hIcon);
        if (appWindow) {
            QApplication::setWindowIcon(icon);
        }
        widget->setWindowIcon(icon);
    });
}

BOOL CDialog::LoadAccelTable(UINT nIDResource) {
    const AcceleratorTable* table = FindAcceleratorTable(nIDResource);
    if (table == nullptr || !m_widget) {
        return FALSE;
    }
    for (const ACCEL& accel : table->entries) {
        const QKeySequence keys = ToKeySequence(accel);
        if (keys.isEmpty()) {
            continue;
        }
        auto* shortcut = new QShortcut(keys, m_widget.get()); // owned by the dialog's window
        shortcut->setContext(Qt::WindowShortcut);
        QObject::connect(shortcut, &QShortcut::activated, m_widget.get(),
                         [this, nID = accel.cmd] { OnCommand(nID, 0); });
        if (const DialogControl* control = m_controls->ById(accel.cmd)) {
            if (auto* picture = dynamic_cast<StaticWidget*>(control->widget)) {
                picture->AddKeyName(KeyName(accel));
            }
        }
    }
    return TRUE;
}

void CDialog::MapDialogRect(RECT* lpRect) const {
    lpRect->left = MulDiv(lpRect->left, m_nBaseUnitX, 4);
    lpRect->right = MulDiv(lpRect->right, m_nBaseUnitX, 4);
    lpRect->top = MulDiv(lpRect->top, m_nBaseUnitY, 8);
    lpRect->bottom = MulDiv(lpRect->bottom, m_nBaseUnitY, 8);
}

void CDialog::QueryColours(HWND hWnd) {
    if (hWnd == nullptr) {
        return;
    }
    if (hWnd == m_hWnd) {
        CDC dc(m_font.m_hObject, GetSysColor(COLOR_WINDOWTEXT), GetSysColor(COLOR_WINDOW), OPAQUE);
        const HBRUSH hbr = SendCtlColor(&dc, this, CTLCOLOR_DLG);
        ApplyColours(hWnd, CTLCOLOR_DLG, dc, hbr, LogicalDpi());
        return;
    }
    const DialogControl* control = FindControl(hWnd);
    if (control == nullptr || control->ctlColor == kNoColourQuery) {
        return;
    }
    CDC dc(control->hFont, GetSysColor(COLOR_WINDOWTEXT), GetSysColor(COLOR_WINDOW), OPAQUE);
    const HBRUSH hbr = SendCtlColor(&dc, FromHandle(hWnd), control->ctlColor);
    ApplyColours(hWnd, control->ctlColor, dc, hbr, LogicalDpi());
}

HFONT CDialog::GetControlFont(HWND hWnd) const {
    if (hWnd != nullptr && hWnd == m_hWnd) {
        return m_font.m_hObject;
    }
    const DialogControl* control = FindControl(hWnd);
    return control != nullptr ? control->hFont : nullptr;
}

void CDialog::SetControlFont(HWND hWnd, HFONT hFont) {
    LOGFONT lf{};
    if (!GetObject(hFont, lf)) {
        return;
    }
    if (DialogControl* control = FindControl(hWnd)) {
        control->hFont = hFont;
        hWnd->setFont(ToQFont(lf, LogicalDpi()));
    }
}

void CDialog::BindControl(int nIDC, CWnd& rControl) {
    if (rControl.m_hWnd != nullptr) {
        return;
    }
    if (DialogControl* control = m_controls->ById(nIDC)) {
        rControl.SubclassWindow(control->widget);
        control->bound = &rControl;
        QueryColours(control->widget);
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

std::optional<HWND> CDialog::ActiveDialogWindow() const {
    for (QWidget* candidate : {QApplication::activeModalWidget(), QApplication::activeWindow()}) {
        if (candidate != nullptr && FromWidget(candidate) != nullptr) {
            return candidate->window();
        }
    }
    return std::nullopt;
}

BOOL CDialog::CreateWindowFromTemplate(HWND owner) {
    const DialogTemplate* dlgTemplate = BeginNewWindow();
    if (dlgTemplate == nullptr) {
        return FALSE;
    }
    const int closeCommand = CloseCommandOf(*dlgTemplate);
    m_widget = std::make_unique<DialogWidget>(*this, owner, closeCommand);
    m_hWnd = m_widget.get();
    // An application window is a normal top-level window that taskbars list; any other
    // dialog is one, kept above its owner. Neither can be resized, so neither offers to
    // maximise.
    const bool appWindow = (dlgTemplate->exStyle & WS_EX_APPWINDOW) != 0;
    Qt::WindowFlags flags = appWindow ? Qt::WindowFlags(Qt::Window) : Qt::WindowFlags(Qt::Dialog);
    flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (appWindow) {
        flags |= Qt::WindowMinimizeButtonHint;
    }
    if (closeCommand != 0) {
        flags |= Qt::WindowCloseButtonHint;
    }
    m_widget->setWindowFlags(flags);
    m_widget->setWindowTitle(ToQString(dlgTemplate->caption));
    m_widget->setObjectName(QStringLiteral("dialog%1").arg(m_nIDTemplate));

    const DialogBaseUnits units = DialogBaseUnitsAt(m_widget->logicalDpiX(), LogicalDpi());
    m_nBaseUnitX = units.cx;
    m_nBaseUnitY = units.cy;
    const LOGFONT lf = LogFontFromPoints(dlgTemplate->fontFace, dlgTemplate->pointSize);
    m_font.CreateFontIndirect(&lf);
    m_widget->setFont(ToQFont(lf, LogicalDpi()));

    RECT client{0, 0, dlgTemplate->cx, dlgTemplate->cy};
    MapDialogRect(&client);
    m_widget->setFixedSize(client.right, client.bottom);
    CreateControls(*dlgTemplate);
    QueryColours(m_hWnd);
    return TRUE;
}

// The form builder's way: each control is made by the entry of its kind, then everything
// the kinds share is applied in one pass, and last the order of the whole set.
void CDialog::CreateControls(const DialogTemplate& dlgTemplate) {
    QButtonGroup* radioGroup = nullptr;
    QWidget* previous = nullptr;
    for (const DialogItemTemplate& item : dlgTemplate.items) {
        if (item.style & WS_GROUP) {
            radioGroup = nullptr;
        }
        RECT rect{item.x, item.y, item.x + item.cx, item.y + item.cy};
        MapDialogRect(&rect);
        ControlSite site{*this, *m_widget,
                         QRect(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top),
                         previous, radioGroup};
        const ControlKind& kind = ControlKindOf(item);
        QWidget* widget = kind.create(site, item);
        NameByCaption(widget, item.id, previous);
        ApplyCommonProperties(widget, item, kind, site.geometry, m_widget->font());
        auto control = std::unique_ptr<DialogControl>(new DialogControl{
            widget, item.id, item.style, kind.ctlColor, m_font.m_hObject, kind.wrap(), nullptr});
        control->wrapper->SubclassWindow(widget);
        m_controls->Add(std::move(control));
        previous = widget;
    }
    // The template's order is the Tab order and, first on top, the Z order.
    QWidget* lastTabStop = nullptr;
    for (const auto& control : m_controls->InOrder()) {
        control->widget->lower();
        if (control->style & WS_TABSTOP) {
            if (lastTabStop != nullptr) {
                QWidget::setTabOrder(lastTabStop, control->widget);
            }
            lastTabStop = control->widget;
        }
    }
    for (const auto& control : m_controls->InOrder()) {
        QueryColours(control->widget);
    }
}

void CDialog::FocusFirstTabStop() {
    for (const auto& control : m_controls->InOrder()) {
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
    for (const auto& control : m_controls->InOrder()) {
        if (unbindMembers && control->bound != nullptr) {
            control->bound->UnsubclassWindow();
        }
    }
    m_controls = std::make_unique<DialogControls>();
    m_widget.reset();
    m_hWnd = nullptr;
    m_font.DeleteObject();
}

DialogControl* CDialog::FindControl(HWND hWnd) const {
    return m_controls->ByWidget(hWnd);
}

int CDialog::LogicalDpi() const {
    return m_widget ? m_widget->logicalDpiY() : kBaseDpi;
}
