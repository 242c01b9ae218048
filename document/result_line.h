// The result as one line of text in the notation players post, e.g.
// "フシギダネ いじっぱり 31-31-31-31-31-31 めざパ:あく 60".
// Portable: no Win32 here.
#pragma once

#include <string>

#include "document/document.h"

// The engine's result for a document's names, clues and rows; false when
// there is none (no rows, or a name the engine does not know).
bool ComputeDocumentResult(const Document& document, IvResult& result);

// Species, nature, the six IVs in H-A-B-C-D-S order joined by "-" (a range
// as "20～21", a stat without candidates or without a result as "?"; a stat
// trained in any row, in games with hyper training, as its own IVs followed
// by "(きたえた)", e.g. "0～30(きたえた)"), then "めざパ:TYPE POWER" when
// hidden power is known. Empty names are left out.
std::u16string ResultLine(const Document& document);
