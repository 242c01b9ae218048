// A stand-in for the HTML Help control in the launch tests: its ordinal 15
// records each call and answers with a recognisable window handle.
#include <windows.h>

namespace {
LONG Calls = 0;
HWND LastCaller = nullptr;
const wchar_t* LastFile = nullptr;
UINT LastCommand = 0;
DWORD_PTR LastData = 0;
}  // namespace

// The handle the fake control returns for every request.
extern "C" HWND WINAPI FakeHtmlHelpW(HWND caller, const wchar_t* file,
                                     UINT command, DWORD_PTR data) {
  ++Calls;
  LastCaller = caller;
  LastFile = file;
  LastCommand = command;
  LastData = data;
  return reinterpret_cast<HWND>(static_cast<INT_PTR>(0x5150));
}

extern "C" LONG WINAPI FakeHelpCallCount() { return Calls; }

extern "C" void WINAPI FakeHelpLastCall(HWND* caller, const wchar_t** file,
                                        UINT* command, DWORD_PTR* data) {
  *caller = LastCaller;
  *file = LastFile;
  *command = LastCommand;
  *data = LastData;
}
