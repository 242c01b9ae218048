#include "test_data.h"

#include <cstdio>
#include <string>

#ifdef _WIN32
#include <windows.h>
#endif

namespace {

std::vector<uint8_t> ReadResource(const char* name) {
  std::vector<uint8_t> bytes;
#ifdef _WIN32
  // The test program carries the same resources as the program itself.
  HMODULE module = GetModuleHandleW(nullptr);
  std::wstring wide(name, name + std::char_traits<char>::length(name));
  HRSRC info = FindResourceW(module, wide.c_str(), L"BYTE");
  if (info == nullptr) return bytes;
  const uint8_t* data =
      static_cast<const uint8_t*>(LockResource(LoadResource(module, info)));
  bytes.assign(data, data + SizeofResource(module, info));
#else
  std::string path = std::string(TESSAVAR_GAMEDATA_DIR) + "/" + name + ".bin";
  if (FILE* file = std::fopen(path.c_str(), "rb")) {
    uint8_t buffer[4096];
    std::size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, file)) > 0)
      bytes.insert(bytes.end(), buffer, buffer + n);
    std::fclose(file);
  }
#endif
  return bytes;
}

}  // namespace

const std::vector<uint8_t>& PokeDataBytesForTest() {
  static const std::vector<uint8_t> bytes = ReadResource("POKE_DATA");
  return bytes;
}

const std::vector<uint8_t>& NatureDataBytesForTest() {
  static const std::vector<uint8_t> bytes = ReadResource("NATURE_DATA");
  return bytes;
}

const std::vector<uint8_t>& ModernDataBytesForTest() {
  static const std::vector<uint8_t> bytes = ReadResource("MODERN_DATA");
  return bytes;
}

bool LoadTestGameData() {
  const auto& poke = PokeDataBytesForTest();
  const auto& nature = NatureDataBytesForTest();
  const auto& modern = ModernDataBytesForTest();
  return LoadGameDataFromBytes(poke.data(), poke.size(), nature.data(),
                               nature.size()) &&
         LoadModernSpeciesFromBytes(modern.data(), modern.size());
}

const GameDefinition& Gen(int generation) {
  return *FindGameDefinition(generation);
}
