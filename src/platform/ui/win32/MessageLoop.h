#pragma once
// The message loop of the dialogs on Win32: a modal dialog runs one of its own; what it
// does with each message is here, so that a test that drives dialogs without a modal loop
// does the same.
#include "platform/process/RunningCopy.h" // kDialogWindowProperty, which marks the dialogs
#include "platform/ui/UiApi.h"

// Gives a message to the keyboard handling of the dialog it is for: the dialog's accelerator
// keys first, then the dialog manager's (Tab, Enter, Escape, arrows). TRUE when either took
// it, and then the message must not be dispatched.
BOOL AfxPreTranslateMessage(MSG& msg);
// Runs every message that waits in this thread's queue, as a modal loop would.
void AfxPumpWaitingMessages();
// The desktop session ends (WM_ENDSESSION): the process may be ended as soon as the answer
// is given, so the run is finished first, as the player's Escape would finish it: every
// dialog ends as cancelled, start-up stores what it stores once the main dialog has closed,
// and shut-down runs. The modal loops unwind afterwards without doing either again.
void AfxEndRunForSessionEnd();
