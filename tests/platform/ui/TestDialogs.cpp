#include "platform/ui/TestDialogs.h"

#include "platform/ui/UiApi.h"

BEGIN_MESSAGE_MAP(FormDialog, CDialog)
ON_WM_CTLCOLOR()
ON_STN_CLICKED(kPicture, &FormDialog::OnPicture)
ON_BN_CLICKED(kPush, &FormDialog::OnPush)
ON_BN_CLICKED(kRadioA, &FormDialog::OnRadioA)
END_MESSAGE_MAP()

namespace {

constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;

const DialogTemplate kForm{
    kFormDialog,
    WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_SETFONT,
    0,
    0,
    0,
    160,
    120,
    u"Form",
    u"MS Sans Serif",
    8,
    {
        {kCaption, ControlClass::Static, u"Number:", 0, kChild | WS_GROUP, 4, 4, 40, 8},
        {kNumberField, ControlClass::Edit, u"", 0, kChild | WS_BORDER | WS_TABSTOP | ES_NUMBER, 4,
         14, 40, 14},
        {kSpin, ControlClass::UpDown, u"", 0,
         kChild | UDS_AUTOBUDDY | UDS_ALIGNRIGHT | UDS_SETBUDDYINT | UDS_ARROWKEYS, 0, 0, 10, 14},
        {kTextField, ControlClass::Edit, u"", 0, kChild | WS_BORDER | WS_TABSTOP, 60, 14, 60, 14},
        {kPicture, ControlClass::Static, nullptr, 9999, kChild | SS_BITMAP | SS_NOTIFY, 4, 40, 30,
         20, u"Picture"},
        {kPush, ControlClass::Button, u"Push", 0, kChild | WS_TABSTOP, 60, 40, 40, 14},
        {kRadioA, ControlClass::Button, u"A", 0, kChild | WS_GROUP | BS_AUTORADIOBUTTON, 4, 70, 30,
         10},
        {kRadioB, ControlClass::Button, u"B", 0, kChild | BS_AUTORADIOBUTTON, 40, 70, 30, 10},
        {IDOK, ControlClass::Button, u"OK", 0, kChild | WS_GROUP | WS_TABSTOP | BS_DEFPUSHBUTTON,
         60, 96, 40, 14},
    }};

} // namespace

void RegisterTestTemplates() {
    RegisterDialogTemplate(&kForm);
}
