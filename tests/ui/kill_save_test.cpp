// Killing the program while it saves never leaves a half-written file:
// Tessavar.exe (the path is the first argument) opens a file of 1000 rows
// and is made to switch the mode and save, over and over, until it is
// terminated at a random moment; the file must then read as one of the two
// states it was saving. A temporary file left by a kill bears the program's
// own name beside the file and is gone after the next save.
#include <gtest/gtest.h>
#include <windows.h>

#include <random>
#include <string>

#include "document/document.h"
#include "file_bytes.h"
#include "res/resource.h"
#include "support/test_data.h"

namespace {

std::wstring Program;

constexpr int Rounds = 10;
constexpr int SavesPerRound = 400;
constexpr DWORD StartTimeout = 30000;

HWND WaitForOpenedWindow(DWORD process) {
  for (DWORD waited = 0; waited < StartTimeout; waited += 50) {
    // The caption names the file once it is open.
    HWND found = FindProcessWindow(process, [](HWND window) {
      wchar_t caption[64] = L"";
      GetWindowTextW(window, caption, 64);
      return wcsncmp(caption, L"Tessavar - ", 11) == 0;
    });
    if (found != nullptr) return found;
    Sleep(50);
  }
  return nullptr;
}

TEST(KillDuringSave, TheFileAlwaysReadsAsAWholeSavedState) {
  ASSERT_TRUE(LoadTestGameData());
  Document document = EmptyDocument();
  document.species = u"フシギダネ";
  document.nature = u"いじっぱり";
  Observation row{50, {120, 75, 69, 76, 85, 65}, {0, 0, 0, 0, 0, 0}, false, 0};
  document.rows.assign(ObservationLimit, row);
  std::string generation6 = WriteDocumentText(document);
  document.generation = 5;
  std::string generation5 = WriteDocumentText(document);

  wchar_t temp[MAX_PATH] = L"";
  GetTempPathW(MAX_PATH, temp);
  std::wstring path = std::wstring(temp) + L"tessavar_kill_test.tsv";
  std::wstring temporary = std::wstring(temp) + L"~tessavar_kill_test.tsv.tmp";
  std::mt19937 random(20261207);
  int sawGeneration5 = 0;
  // The last round saves once and closes: a stale temporary file left
  // before it must then be gone.
  for (int round = 0; round <= Rounds; ++round) {
    bool last = round == Rounds;
    WriteBytes(path, generation6);
    if (last) WriteBytes(temporary, "stale");
    std::wstring commandLine = L"\"" + Program + L"\" \"" + path + L"\"";
    PROCESS_INFORMATION child{};
    ASSERT_EQ(StartProgram(commandLine, child), 0u) << "round " << round;
    HWND window = WaitForOpenedWindow(child.dwProcessId);
    EXPECT_NE(window, nullptr) << "round " << round;
    for (int save = 0; window != nullptr && save < (last ? 1 : SavesPerRound);
         ++save) {
      PostMessageW(window, WM_COMMAND,
                   save % 2 == 0 ? IDM_MODE_GEN5 : IDM_MODE_GEN6, 0);
      PostMessageW(window, WM_COMMAND, IDM_SAVE, 0);
    }
    if (last && window != nullptr) {
      PostMessageW(window, WM_CLOSE, 0, 0);
    } else {
      Sleep(std::uniform_int_distribution<DWORD>(100, 2000)(random));
      TerminateProcess(child.hProcess, 1);
    }
    WaitForSingleObject(child.hProcess, StartTimeout);
    CloseHandle(child.hProcess);
    CloseHandle(child.hThread);

    std::string saved = ReadBytes(path);
    Document read = EmptyDocument();
    ReadError error = ReadDocumentText(saved.data(), saved.size(), read);
    EXPECT_EQ(error.reason, ReadFailure::None)
        << "round " << round << ", line " << error.line;
    EXPECT_TRUE(saved == generation5 || (saved == generation6 && !last))
        << "round " << round << ": " << saved.size() << " bytes";
    sawGeneration5 += saved == generation5 && !last;
  }
  EXPECT_EQ(GetFileAttributesW(temporary.c_str()), INVALID_FILE_ATTRIBUTES);
  DeleteFileW(path.c_str());
  // The saves did run: some kill found the other state saved.
  EXPECT_GT(sawGeneration5, 0);
}

}  // namespace

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  if (argc < 2) {
    fprintf(stderr, "usage: %s PATH\\Tessavar.exe\n", argv[0]);
    return 2;
  }
  wchar_t full[MAX_PATH] = L"";
  std::wstring given(argv[1], argv[1] + strlen(argv[1]));
  GetFullPathNameW(given.c_str(), MAX_PATH, full, nullptr);
  Program = full;
  return RUN_ALL_TESTS();
}
