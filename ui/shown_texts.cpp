// The result fields' texts as the recalculation last wrote them.
#include "ui/shown_texts.h"

namespace {

// Room for every result field; the longest text is the natures line.
constexpr int ShownCapacity = 32;
constexpr int ShownTextCapacity = 64;

struct ShownText {
  int id;  // 0 for a free entry
  wchar_t text[ShownTextCapacity];
};

ShownText Shown[ShownCapacity];
// The field SetShownText is writing, whose WM_SETTEXT is its own.
int WritingId = 0;

ShownText* Find(int id) {
  for (ShownText& entry : Shown)
    if (entry.id == id) return &entry;
  return nullptr;
}

}  // namespace

bool ShownTextIs(int id, const wchar_t* text) {
  const ShownText* entry = Find(id);
  return entry != nullptr && lstrcmpW(entry->text, text) == 0;
}

void SetShownText(HWND field, int id, const wchar_t* text) {
  WritingId = id;
  SetWindowTextW(field, text);
  WritingId = 0;
  ShownText* entry = Find(id);
  if (entry == nullptr) entry = Find(0);
  // Texts too long to remember, or no free entry: written every time.
  if (entry == nullptr || lstrlenW(text) >= ShownTextCapacity) {
    if (entry != nullptr) entry->id = 0;
    return;
  }
  entry->id = id;
  lstrcpyW(entry->text, text);
}

void ForgetShownText(int id) {
  if (id == WritingId) return;
  ShownText* entry = Find(id);
  if (entry != nullptr) entry->id = 0;
}

void ForgetShownTexts() {
  for (ShownText& entry : Shown) entry.id = 0;
}
