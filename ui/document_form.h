// The document as the main window's form holds it: reading the names, mode,
// clue selections and observations out of the form, and putting a document
// into it.
#pragma once

#include <windows.h>

#include <string>

#include "document/document.h"
#include "ui/form_inputs.h"

// The form's document. A name that is not in the current mode's list (a
// half-typed one) counts as empty: only names a file may hold are kept.
Document ReadFormDocument(HWND window);

// The file text the form's document would be saved as (reads the form,
// writes nothing).
std::string FormFileText(HWND window);

// The same from the form's inputs already read.
Document DocumentOfInputs(const FormInputs& inputs);

// Puts `document` into the form: the mode (as its menu command), the names,
// the clues, the status list's rows, then recalculates.
void ApplyFormDocument(HWND window, const Document& document);
