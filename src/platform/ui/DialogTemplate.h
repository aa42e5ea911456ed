#pragma once
// A dialog template as data: what the platform builds a dialog's window and controls from.
// Positions and sizes are in dialog units of the template's font.
#include "platform/core/WinTypes.h"

#include <vector>

// The window classes a template may name.
enum class ControlClass { Static, Edit, Button, UpDown, ListView };

struct DialogItemTemplate {
    int id;
    ControlClass windowClass;
    const char16_t* text;
    // Resource number of the picture of an SS_BITMAP static; 0 for none.
    UINT imageId;
    DWORD style;
    short x;
    short y;
    short cx;
    short cy;
    // What a picture shows, for screen readers and tooltips; null for text controls.
    const char16_t* accessibleName = nullptr;
};

struct DialogTemplate {
    UINT id;
    DWORD style;
    DWORD exStyle;
    short x;
    short y;
    short cx;
    short cy;
    const char16_t* caption;
    const char16_t* fontFace;
    int pointSize;
    std::vector<DialogItemTemplate> items;
};

// The templates are the program's resources; the resource library enters them at start-up.
void RegisterDialogTemplate(const DialogTemplate* pTemplate);
const DialogTemplate* FindDialogTemplate(UINT nIDTemplate);
