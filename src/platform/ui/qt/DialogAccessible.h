#pragma once
// What assistive technology reads of a dialog's window: its controls in template order, which
// is the Tab order, although the window stacks them the other way round (the first on top).
void InstallDialogAccessibility();
