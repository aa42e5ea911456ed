// A dialog over Qt: its window is a DialogWidget, and every control of its template becomes a
// widget made by the entry of its kind (ControlKindsQt.cpp), in template order.
#include "platform/ui/CDialog.h"

#include "platform/ui/AcceleratorTable.h"
#include "platform/ui/CDC.h"
#include "platform/ui/CFont.h"
#include "platform/ui/ControlKindOrder.h"
#include "platform/ui/CWinApp.h"
#include "platform/ui/qt/ControlCaptions.h"
#include "platform/ui/qt/ControlHost.h"
#include "platform/ui/qt/ControlKindsQt.h"
#include "platform/ui/qt/DialogControls.h"
#include "platform/ui/qt/DialogWidget.h"
#include "platform/ui/qt/DialogWindowQt.h"
#include "platform/ui/qt/Handles.h"
#include "platform/ui/qt/ImageResourcesQt.h"
#include "platform/ui/qt/QtConvert.h"
#include "platform/ui/qt/StaticWidget.h"

#include <QApplication>
#include <QButtonGroup>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>

namespace {

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

void CDialog::Window::SetControlFont(QWidget* w, HFONT hFont) {
    LOGFONT lf{};
    DialogControl* control = controls.ByWidget(w);
    if (control != nullptr && GetObject(hFont, lf)) {
        control->hFont = hFont;
        w->setFont(ToQFont(lf, LogicalDpi()));
    }
}

void CDialog::Window::QueryColours(QWidget* w) {
    dialog.QueryColours(HandleOf(w));
}

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd)
    : m_nIDTemplate(nIDTemplate), m_pParentWnd(pParentWnd) {}

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
        m_window->FocusFirstTabStop();
    }
    // While the session ends, a dialog that opens all the same (start-up may still be on its
    // way to the main dialog) ends before its loop runs.
    if (const CWinApp* app = AfxGetApp(); app != nullptr && app->IsEndingSession()) {
        EndDialog(IDCANCEL);
    }
    if (!m_bEnded) {
        m_window->widget->exec();
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
        m_window->FocusFirstTabStop();
    }
    if (!m_bEnded) {
        m_window->widget->show();
        m_window->widget->activateWindow();
    }
    return TRUE;
}

void CDialog::EndDialog(int nResult) {
    m_nModalResult = nResult;
    m_bEnded = TRUE;
    if (m_window) {
        m_window->widget->done(nResult);
    }
}

CWnd* CDialog::GetDlgItem(int nID) const {
    const DialogControl* control = m_window ? m_window->controls.ById(nID) : nullptr;
    return control != nullptr ? control->Object() : nullptr;
}

CWnd* CDialog::FromHandle(HWND hWnd) const {
    return m_window ? m_window->ObjectOf(WidgetOf(hWnd)) : nullptr;
}

void CDialog::CenterWindow() {
    if (!m_window) {
        return;
    }
    QWidget* widget = m_window->widget.get();
    QRect frame = widget->frameGeometry();
    if (const QWidget* owner = widget->parentWidget()) {
        frame.moveCenter(owner->window()->frameGeometry().center());
    } else {
        QScreen* screen = widget->screen();
        if (screen == nullptr) {
            screen = QGuiApplication::primaryScreen();
        }
        if (screen == nullptr) {
            return;
        }
        frame.moveCenter(screen->availableGeometry().center());
    }
    widget->move(frame.topLeft());
}

void CDialog::SetIcon(HICON hIcon, BOOL /*bBigIcon*/) {
    // Qt picks the image for each size from one icon, so the big and the small icon are the
    // same call here.
    if (!m_window) {
        return;
    }
    const DialogTemplate* dlgTemplate = FindDialogTemplate(m_nIDTemplate);
    const bool appWindow = dlgTemplate != nullptr && (dlgTemplate->exStyle & WS_EX_APPWINDOW);
    // Reading the images waits for the first frame, so that the window shows no later for
    // them.
    DialogWidget* widget = m_window->widget.get();
    widget->AfterFirstFrame([widget, hIcon, appWindow] {
        const QIcon icon = IconFromHandle(hIcon);
        if (appWindow) {
            QApplication::setWindowIcon(icon);
        }
        widget->setWindowIcon(icon);
    });
}

BOOL CDialog::LoadAccelTable(UINT nIDResource) {
    const AcceleratorTable* table = FindAcceleratorTable(nIDResource);
    if (table == nullptr || !m_window) {
        return FALSE;
    }
    DialogWidget* widget = m_window->widget.get();
    for (const ACCEL& accel : table->entries) {
        const QKeySequence keys = ToKeySequence(accel);
        if (keys.isEmpty()) {
            continue;
        }
        auto* shortcut = new QShortcut(keys, widget); // owned by the dialog's window
        shortcut->setContext(Qt::WindowShortcut);
        QObject::connect(shortcut, &QShortcut::activated, widget,
                         [this, nID = accel.cmd] { OnCommand(nID, 0); });
        if (const DialogControl* control = m_window->controls.ById(accel.cmd)) {
            if (auto* picture = dynamic_cast<StaticWidget*>(control->widget)) {
                picture->AddKeyName(ToQString(KeyNameOf(accel)));
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
    if (hWnd == nullptr || !m_window) {
        return;
    }
    QWidget* widget = WidgetOf(hWnd);
    if (hWnd == m_hWnd) {
        CDC dc(m_window->font.m_hObject, GetSysColor(COLOR_WINDOWTEXT), GetSysColor(COLOR_WINDOW),
               OPAQUE);
        const HBRUSH hbr = SendCtlColor(&dc, this, CTLCOLOR_DLG);
        ApplyColours(widget, CTLCOLOR_DLG, dc, hbr, m_window->LogicalDpi());
        return;
    }
    const DialogControl* control = m_window->controls.ByWidget(widget);
    if (control == nullptr || control->ctlColor == kNoColourQuery) {
        return;
    }
    CDC dc(control->hFont, GetSysColor(COLOR_WINDOWTEXT), GetSysColor(COLOR_WINDOW), OPAQUE);
    const HBRUSH hbr = SendCtlColor(&dc, FromHandle(hWnd), control->ctlColor);
    ApplyColours(widget, control->ctlColor, dc, hbr, m_window->LogicalDpi());
}

HFONT CDialog::GetControlFont(HWND hWnd) const {
    return m_window ? m_window->ControlFont(WidgetOf(hWnd)) : nullptr;
}

void CDialog::SetControlFont(HWND hWnd, HFONT hFont) {
    if (m_window) {
        m_window->SetControlFont(WidgetOf(hWnd), hFont);
    }
}

void CDialog::BindControl(int nIDC, CWnd& rControl) {
    if (rControl.m_hWnd != nullptr || !m_window) {
        return;
    }
    if (DialogControl* control = m_window->controls.ById(nIDC)) {
        rControl.SubclassWindow(HandleOf(control->widget));
        control->bound = &rControl;
        QueryColours(HandleOf(control->widget));
    }
}

CDialog* CDialog::FromHandlePermanent(HWND hWnd) {
    ControlHost* host = ControlHost::Of(WidgetOf(hWnd));
    return host != nullptr ? &host->Dialog() : nullptr;
}

CDialog* CDialog::InnermostModal() {
    return FromHandlePermanent(HandleOf(QApplication::activeModalWidget()));
}

std::optional<HWND> CDialog::ActiveDialogWindow() const {
    for (QWidget* candidate : {QApplication::activeModalWidget(), QApplication::activeWindow()}) {
        if (candidate != nullptr && ControlHost::Of(candidate) != nullptr) {
            return HandleOf(candidate->window());
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
    m_window = std::make_unique<Window>(*this);
    m_window->widget = std::make_unique<DialogWidget>(*m_window, WidgetOf(owner), closeCommand);
    DialogWidget* widget = m_window->widget.get();
    m_hWnd = HandleOf(widget);
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
    widget->setWindowFlags(flags);
    widget->setWindowTitle(ToQString(dlgTemplate->caption));
    widget->setObjectName(QStringLiteral("dialog%1").arg(m_nIDTemplate));

    const DialogBaseUnits units = DialogBaseUnitsAt(widget->logicalDpiX(), m_window->LogicalDpi());
    m_nBaseUnitX = units.cx;
    m_nBaseUnitY = units.cy;
    const LOGFONT lf = LogFontFromPoints(dlgTemplate->fontFace, dlgTemplate->pointSize);
    m_window->font.CreateFontIndirect(&lf);
    widget->setFont(ToQFont(lf, m_window->LogicalDpi()));

    RECT client{0, 0, dlgTemplate->cx, dlgTemplate->cy};
    MapDialogRect(&client);
    widget->setFixedSize(client.right, client.bottom);
    m_window->CreateControls(*dlgTemplate);
    QueryColours(m_hWnd);
    return TRUE;
}

// The form builder's way: each control is made by the entry of its kind, then everything
// the kinds share is applied in one pass, and last the order of the whole set.
void CDialog::Window::CreateControls(const DialogTemplate& dlgTemplate) {
    QButtonGroup* radioGroup = nullptr;
    QWidget* previous = nullptr;
    for (const DialogItemTemplate& item : dlgTemplate.items) {
        previous = MakeControl(item, previous, radioGroup);
    }
    NameControlsByCaptions(controls);
    // The template's order is the Tab order and, first on top, the Z order.
    QWidget* lastTabStop = nullptr;
    for (const auto& control : controls.InOrder()) {
        control->widget->lower();
        if (control->style & WS_TABSTOP) {
            if (lastTabStop != nullptr) {
                QWidget::setTabOrder(lastTabStop, control->widget);
            }
            lastTabStop = control->widget;
        }
    }
    for (const auto& control : controls.InOrder()) {
        dialog.QueryColours(HandleOf(control->widget));
    }
}

QWidget* CDialog::Window::MakeControl(const DialogItemTemplate& item, QWidget* previous,
                                      QButtonGroup*& radioGroup) {
    if (item.style & WS_GROUP) {
        radioGroup = nullptr;
    }
    RECT rect{item.x, item.y, item.x + item.cx, item.y + item.cy};
    dialog.MapDialogRect(&rect);
    ControlSite site{dialog, *widget,
                     QRect(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top),
                     previous, radioGroup};
    const ControlKind& kind = ControlKindOf(item);
    QWidget* created = kind.create(site, item);
    ApplyCommonProperties(created, item, kind, site.geometry, widget->font());
    created->setProperty(kControlPlaceProperty, static_cast<int>(controls.InOrder().size()));
    auto control = std::unique_ptr<DialogControl>(new DialogControl{
        created, item.id, item.style, kind.ctlColor, font.m_hObject, kind.wrap(), nullptr});
    control->wrapper->SubclassWindow(HandleOf(created));
    controls.Add(std::move(control));
    return created;
}

void CDialog::ApplyTemplateTexts() {
    const DialogTemplate* dlgTemplate = FindDialogTemplate(m_nIDTemplate);
    if (dlgTemplate == nullptr || !m_window) {
        return;
    }
    m_window->widget->setWindowTitle(ToQString(dlgTemplate->caption));
    const auto& controls = m_window->controls.InOrder();
    for (std::size_t i = 0; i < dlgTemplate->items.size() && i < controls.size(); ++i) {
        m_window->ApplyItemTexts(*controls[i], dlgTemplate->items[i]);
    }
}

void CDialog::Window::ApplyItemTexts(const DialogControl& control, const DialogItemTemplate& item) {
    QWidget* w = control.widget;
    if (auto* picture = dynamic_cast<StaticWidget*>(w); picture != nullptr && item.imageId != 0) {
        picture->SetPictures(LoadBitmapResource(item.imageId),
                             [id = item.imageId] { return LoadBitmapResource(id, 2); });
        if (item.accessibleName != nullptr) {
            picture->SetName(ToQString(item.accessibleName));
        }
        return;
    }
    if (item.text != nullptr && TakesTemplateText(item)) {
        control.Object()->SetWindowText(CString(item.text));
    }
}

BOOL CDialog::AddControl(const DialogItemTemplate& item) {
    if (!m_window || m_window->controls.ById(item.id) != nullptr) {
        return FALSE;
    }
    QButtonGroup* radioGroup = nullptr;
    QWidget* created = m_window->MakeControl(item, nullptr, radioGroup);
    created->raise();
    QueryColours(HandleOf(created));
    return TRUE;
}

void CDialog::Window::FocusFirstTabStop() {
    for (const auto& control : controls.InOrder()) {
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
    if (m_window && unbindMembers) {
        for (const auto& control : m_window->controls.InOrder()) {
            if (control->bound != nullptr) {
                control->bound->UnsubclassWindow();
            }
        }
    }
    m_window.reset();
    m_hWnd = nullptr;
}
