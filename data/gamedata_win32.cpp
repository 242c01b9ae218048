// Loading the game data from the program's own "BYTE" resources.
#include "gamedata_win32.h"

#include "gamedata.h"
#include "modern_species.h"

namespace {

// Finds, loads and locks one resource; null when any step fails.
const uint8_t* LockDataResource(HINSTANCE instance, const wchar_t* name,
                                DWORD* size) {
  HRSRC info = FindResourceW(instance, name, L"BYTE");
  if (info == nullptr) return nullptr;
  HGLOBAL handle = LoadResource(instance, info);
  if (handle == nullptr) return nullptr;
  *size = SizeofResource(instance, info);
  return static_cast<const uint8_t*>(LockResource(handle));
}

}  // namespace

bool LoadGameData(HINSTANCE instance) {
  DWORD pokeSize = 0;
  DWORD natureSize = 0;
  const uint8_t* poke = LockDataResource(instance, L"POKE_DATA", &pokeSize);
  if (poke == nullptr) return false;
  const uint8_t* nature =
      LockDataResource(instance, L"NATURE_DATA", &natureSize);
  if (nature == nullptr) return false;
  DWORD modernSize = 0;
  const uint8_t* modern =
      LockDataResource(instance, L"MODERN_DATA", &modernSize);
  // Checked before any table is filled, so a failure leaves all three as
  // they were.
  if (modern == nullptr || modernSize < ModernDataBytes) return false;
  return LoadGameDataFromBytes(poke, pokeSize, nature, natureSize) &&
         LoadModernSpeciesFromBytes(modern, modernSize);
}
