#include "res/RegisterCaddoraResources.h"
#include "res/Resource.h"
#include "res/Templates.h"

#include "platform/ui/AcceleratorTable.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/MenuTemplate.h"
#include "platform/ui/UiApi.h"

namespace {

constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;
constexpr DWORD kText = kChild | WS_GROUP | SS_LEFT;       // 0x50020000
constexpr DWORD kPicture = kChild | SS_BITMAP | SS_NOTIFY; // 0x5000010E

const DialogTemplate kMainDialog{
    IDD_CADDORA_DIALOG,
    WS_POPUP | WS_VISIBLE | WS_CAPTION | DS_SETFONT, // 0x90C00040
    WS_EX_CAPTIONOKBTN | WS_EX_APPWINDOW,            // 0x80040000
    0,
    0,
    179,
    177,
    u"Caddora",
    u"MS Sans Serif",
    8,
    {
        {IDC_STATIC, ControlClass::Static, u"Distance (yards):", 0, kText, 45, 36, 67, 8},
        {IDC_DISTANCE, ControlClass::Edit, u"", 0,
         kChild | WS_BORDER | WS_TABSTOP | ES_NUMBER | ES_AUTOHSCROLL, 45, 46, 45, 14},
        {IDC_SPIN_DISTANCE, ControlClass::UpDown, u"Spin1", 0,
         kChild | UDS_SETBUDDYINT | UDS_ALIGNRIGHT | UDS_AUTOBUDDY | UDS_ARROWKEYS |
             UDS_NOTHOUSANDS,
         163, 48, 10, 14},
        {IDC_STATIC, ControlClass::Static, u"Recommendation:", 0, kText, 45, 69, 58, 8},
        {IDC_RECOMMENDATION, ControlClass::Static, u"Static", 0, kText, 45, 79, 72, 12},
        {IDC_SETUP, ControlClass::Static, nullptr, IDB_SETUP, kPicture, 2, 124, 53, 26, u"Setup"},
        {IDC_RECOMMEND, ControlClass::Static, nullptr, IDB_RECOMMEND, kPicture, 2, 97, 116, 26,
         u"Recommend Club"},
        {IDC_CLOSE, ControlClass::Static, nullptr, IDB_CLOSE, kPicture, 54, 124, 53, 26, u"Close"},
        {IDC_MINUS10, ControlClass::Static, nullptr, IDB_MINUS10, kPicture, 118, 42, 41, 26,
         u"-10 yd"},
        {IDC_PLUS10, ControlClass::Static, nullptr, IDB_PLUS10, kPicture, 118, 69, 41, 26,
         u"+10 yd"},
        {IDC_PLUS20, ControlClass::Static, nullptr, IDB_PLUS20, kPicture, 118, 124, 41, 26,
         u"+20 yd"},
        {IDC_MINUS20, ControlClass::Static, nullptr, IDB_MINUS20, kPicture, 118, 97, 41, 26,
         u"-20 yd"},
        {IDC_STATIC, ControlClass::Static, nullptr, IDB_BANNER, kChild | SS_BITMAP, 2, 2, 151, 90,
         u"Caddora"},
        {IDC_STATIC, ControlClass::Static, u"(c) Holverra  www.holverra.example", 0, kText, 6, 153,
         165, 8},
    }};

const DialogTemplate kSetupDialog{
    IDD_SETUP,
    WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT, // 0x80C800C0
    0,
    0,
    0,
    156,
    185,
    u"Setup",
    u"MS Sans Serif",
    8,
    {
        {IDC_CLUB_LIST, ControlClass::ListView, u"List1", 0,
         kChild | WS_BORDER | WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS |
             LVS_AUTOARRANGE | LVS_NOSORTHEADER,
         6, 43, 148, 99},
        {IDC_DISTANCE_CHART, ControlClass::Static, u"Distance Chart:", 0, kText, 6, 32, 62, 8},
        {IDC_PLAYER_TYPE, ControlClass::Static, u"Player Type:", 0, kText, 6, 5, 62, 8},
        {IDC_ADULT_MALE, ControlClass::Button, u"Adult Male", 0, kChild | BS_AUTORADIOBUTTON, 6, 17,
         49, 10},
        {IDC_ADULT_FEMALE, ControlClass::Button, u"Adult Female", 0, kChild | BS_AUTORADIOBUTTON,
         62, 17, 57, 10},
        {IDC_EDIT, ControlClass::Button, u"Edit", 0, kChild | WS_TABSTOP | BS_PUSHBUTTON, 6, 147,
         44, 14},
        {IDOK, ControlClass::Button, u"Close", 0, kChild | WS_TABSTOP | BS_DEFPUSHBUTTON, 55, 147,
         44, 14},
        {IDC_STATIC, ControlClass::Static, u"(distances in yards)", 0, kText, 69, 32, 73, 8},
    }};

const DialogTemplate kEditClubDialog{
    IDD_EDIT_CLUB,
    WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT, // 0x80C800C0
    0,
    0,
    0,
    151,
    121,
    u"Edit Club",
    u"System",
    8,
    {
        {IDC_STATIC, ControlClass::Static, u"Best Distance:", 0, kText, 7, 48, 53, 8},
        {IDC_BEST_DISTANCE, ControlClass::Edit, nullptr, 0,
         kChild | WS_BORDER | WS_TABSTOP | ES_NUMBER | ES_AUTOHSCROLL | ES_LEFT, 7, 58, 44, 14},
        {IDC_STATIC, ControlClass::Static, u"yards", 0, kText, 55, 59, 19, 8},
        {IDOK, ControlClass::Button, u"OK", 0, kChild | WS_TABSTOP | BS_DEFPUSHBUTTON, 7, 80, 44,
         14},
        {IDCANCEL, ControlClass::Button, u"Cancel", 0, kChild | WS_TABSTOP | BS_PUSHBUTTON, 56, 80,
         44, 14},
        {IDC_STATIC, ControlClass::Static, u"Description:", 0, kText, 7, 14, 39, 8},
        {IDC_DESCRIPTION, ControlClass::Edit, nullptr, 0,
         kChild | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL | ES_LEFT, 7, 24, 103, 14},
    }};

const DialogTemplate kClubGapsDialog{
    IDD_CLUB_GAPS,
    WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT,
    0,
    0,
    0,
    230,
    228,
    u"Club Gaps",
    u"MS Sans Serif",
    8,
    {
        {IDC_GAPS_CHART, ControlClass::Static, u"", 0, kChild | SS_OWNERDRAW, 6, 6, 218, 168},
        {IDC_GAPS_SUMMARY, ControlClass::Static, u"", 0, kText, 6, 178, 218, 26},
        {IDOK, ControlClass::Button, u"Close", 0, kChild | WS_TABSTOP | BS_DEFPUSHBUTTON, 93, 208,
         44, 14},
    }};

const DialogTemplate kAboutDialog{
    IDD_ABOUTBOX,
    WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT,
    0,
    0,
    0,
    186,
    104,
    u"About Caddora",
    u"MS Sans Serif",
    8,
    {
        {IDC_STATIC, ControlClass::Static, nullptr, IDR_MAINFRAME, kChild | SS_ICON, 9, 9, 21, 20,
         u"Caddora"},
        {IDC_STATIC, ControlClass::Static, u"Caddora", 0, kText, 40, 9, 139, 8},
        {IDC_ABOUT_VERSION, ControlClass::Static, u"", 0, kText, 40, 20, 139, 8},
        {IDC_STATIC, ControlClass::Static,
         u"Names the club to play for the distance to the target, from your own table of best "
         u"distances.",
         0, kText, 40, 34, 139, 24},
        {IDC_STATIC, ControlClass::Static, u"Free software under the MIT License.", 0, kText, 40,
         60, 139, 8},
        {IDC_STATIC, ControlClass::Static, u"https://www.holverra.example/", 0, kText, 40, 71, 139,
         8},
        {IDOK, ControlClass::Button, u"OK", 0, kChild | WS_TABSTOP | BS_DEFPUSHBUTTON, 71, 85, 44,
         14},
    }};

constexpr DWORD kNumberField = kChild | WS_BORDER | WS_TABSTOP | ES_NUMBER | ES_AUTOHSCROLL;
// A field whose number may be below zero: its minus sign is a key a digits-only field refuses.
constexpr DWORD kSignedField = kChild | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL;
constexpr DWORD kArrows =
    kChild | UDS_SETBUDDYINT | UDS_ALIGNRIGHT | UDS_AUTOBUDDY | UDS_ARROWKEYS | UDS_NOTHOUSANDS;

const DialogTemplate kConditionsDialog{
    IDD_CONDITIONS,
    WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT,
    0,
    0,
    0,
    170,
    172,
    u"Conditions",
    u"MS Sans Serif",
    8,
    {
        {IDC_USE_CONDITIONS, ControlClass::Button, u"Use these conditions", 0,
         kChild | WS_TABSTOP | BS_AUTOCHECKBOX, 7, 7, 150, 10},
        {IDC_STATIC, ControlClass::Static, u"Wind (mph):", 0, kText, 7, 24, 60, 8},
        {IDC_WIND, ControlClass::Edit, nullptr, 0, kNumberField, 7, 34, 44, 14},
        {IDC_WIND_SPIN, ControlClass::UpDown, nullptr, 0, kArrows, 51, 34, 10, 14},
        {IDC_WIND_INTO, ControlClass::Button, u"Into the wind", 0,
         kChild | WS_GROUP | WS_TABSTOP | BS_AUTORADIOBUTTON, 62, 28, 100, 10},
        {IDC_WIND_DOWN, ControlClass::Button, u"Down wind", 0, kChild | BS_AUTORADIOBUTTON, 62, 40,
         100, 10},
        {IDC_STATIC, ControlClass::Static, u"Air temperature (\u00B0F):", 0, kText | WS_GROUP, 7,
         56, 150, 8},
        {IDC_TEMPERATURE, ControlClass::Edit, nullptr, 0, kSignedField, 7, 66, 44, 14},
        {IDC_TEMPERATURE_SPIN, ControlClass::UpDown, nullptr, 0, kArrows, 51, 66, 10, 14},
        {IDC_STATIC, ControlClass::Static, u"Target above you (ft), below it negative:", 0, kText,
         7, 86, 156, 8},
        {IDC_SLOPE, ControlClass::Edit, nullptr, 0, kSignedField, 7, 96, 44, 14},
        {IDC_SLOPE_SPIN, ControlClass::UpDown, nullptr, 0, kArrows, 51, 96, 10, 14},
        {IDC_STATIC, ControlClass::Static, u"Altitude of the course (ft):", 0, kText, 7, 116, 150,
         8},
        {IDC_ALTITUDE, ControlClass::Edit, nullptr, 0, kNumberField, 7, 126, 44, 14},
        {IDC_ALTITUDE_SPIN, ControlClass::UpDown, nullptr, 0, kArrows, 51, 126, 10, 14},
        {IDOK, ControlClass::Button, u"OK", 0, kChild | WS_TABSTOP | BS_DEFPUSHBUTTON, 7, 150, 44,
         14},
        {IDCANCEL, ControlClass::Button, u"Cancel", 0, kChild | WS_TABSTOP | BS_PUSHBUTTON, 56, 150,
         44, 14},
    }};

// The main dialog's context menu. Its keys work while the distance field has the focus.
const MenuTemplate kMainMenu{IDR_MAINFRAME,
                             {
                                 {ID_CLUB_GAPS, u"Club &Gaps...", FVIRTKEY | FCONTROL, 'G'},
                                 {ID_YARDAGE_CARD, u"&Yardage Card...", FVIRTKEY | FCONTROL, 'P'},
                                 {ID_CONDITIONS, u"&Conditions...", FVIRTKEY | FCONTROL, 'K'},
                                 {ID_UNITS,
                                  u"&Units",
                                  0,
                                  0,
                                  {
                                      {ID_UNITS_YARDS, u"&Yards"},
                                      {ID_UNITS_METRES, u"&Metres"},
                                  }},
                                 {0, nullptr},
                                 {ID_APP_ABOUT, u"&About Caddora", FVIRTKEY, VK_F1},
                             }};

// Setup's keys: Club Gaps, with the table as Setup shows it.
const AcceleratorTable kSetupAccelerators{IDR_SETUP_KEYS,
                                          {
                                              {FVIRTKEY | FCONTROL, 'G', ID_CLUB_GAPS},
                                          }};

// The main dialog's keys: each sends the command of its picture, so that every action can be
// taken without a pointer while the distance field keeps the focus.
const AcceleratorTable kMainAccelerators{IDR_MAINFRAME,
                                         {
                                             {FVIRTKEY | FALT, 'R', IDC_RECOMMEND},
                                             {FVIRTKEY | FALT, 'S', IDC_SETUP},
                                             {FVIRTKEY | FALT, 'C', IDC_CLOSE},
                                             {FVIRTKEY, VK_PRIOR, IDC_PLUS10},
                                             {FVIRTKEY, VK_NEXT, IDC_MINUS10},
                                             {FVIRTKEY | FSHIFT, VK_PRIOR, IDC_PLUS20},
                                             {FVIRTKEY | FSHIFT, VK_NEXT, IDC_MINUS20},
                                         }};

} // namespace

// Under the club, between its name and the Recommend Club picture.
const DialogItemTemplate kPlaysLikeLine{
    IDC_PLAYS_LIKE, ControlClass::Static, u"", 0, kText, 45, 89, 72, 8};

const std::vector<const DialogTemplate*>& EnglishDialogTemplates() {
    static const std::vector<const DialogTemplate*> templates{&kMainDialog,     &kSetupDialog,
                                                              &kEditClubDialog, &kClubGapsDialog,
                                                              &kAboutDialog,    &kConditionsDialog};
    return templates;
}

const MenuTemplate& EnglishMainMenu() {
    return kMainMenu;
}

void RegisterAcceleratorTables() {
    RegisterAcceleratorTable(&kMainAccelerators);
    RegisterAcceleratorTable(&kSetupAccelerators);
}
