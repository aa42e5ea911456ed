#pragma once
// What assistive technology reads for a control that a caption explains: the text that stands
// right above it, as the player reads the dialog (the template's order need not put it first).
class DialogControls;

// A field or list, which has no text of its own, is named by its caption; a text the program
// writes (a result) is described by it. Any other control keeps its own text alone.
void NameControlsByCaptions(const DialogControls& controls);
