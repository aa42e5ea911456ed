#pragma once
// The green scheme that every dialog paints in. A dialog's colour handler first asks its
// base handler (which lets a label answer for itself) and then hands the answer here with
// the application's brushes. The main dialog has no push buttons and so no button case.
#include "platform/ui/CDC.h"

// Main dialog: edits black on white over the base brush; statics black on the light
// colour read back from the light brush; every other kind the light brush.
HBRUSH MainDialogCtlColor(CDC& dc, UINT nCtlColor, HBRUSH hbrBase, HBRUSH hbrLight);
// Setup and Edit Club dialogs: as the main dialog, and buttons white text on the dark brush.
HBRUSH ButtonDialogCtlColor(CDC& dc, UINT nCtlColor, HBRUSH hbrBase, HBRUSH hbrLight,
                            HBRUSH hbrDark);
