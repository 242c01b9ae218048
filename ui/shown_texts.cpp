// The result fields' texts as the recalculation last wrote them: this file
// owns that cache and nothing else.
#include "ui/shown_texts.h"

namespace {

// Room for every result field; the longest text is the natures line.
constexpr int ShownCapacity = 32;
constexpr int ShownTextCapacity = 64;

struct ShownText {
  int id;  // 0 for a free entry
  wchar_t text[ShownTextCapacity];
};

// What the result fields show, and the field whose text SetShownText is
// writing right now (its WM_SETTEXT is the cache's own, not a foreign one).
struct ShownTextCache {
  ShownText entries[ShownCapacity];
  int writingId;
};
ShownTextCache Cache = {};

ShownText* Find(int id) {
  for (ShownText& entry : Cache.entries)
    if (entry.id == id) return &entry;
  return nullptr;
}

}  // namespace

bool ShownTextIs(int id, const wchar_t* text) {
  const ShownText* entry = Find(id);
  return entry != nullptr && lstrcmpW(entry->text, text) == 0;
}

void SetShownText(HWND field, int id, const wchar_t* text) {
  Cache.writingId = id;
  SetWindowTextW(field, text);
  Cache.writingId = 0;
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
  if (id == Cache.writingId) return;
  ShownText* entry = Find(id);
  if (entry != nullptr) entry->id = 0;
}

void ForgetShownTexts() { Cache = {}; }
