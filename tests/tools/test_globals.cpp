// The frame's globals that the tools use; the real ones live in the main
// window, which these tests do not link.
#include "tools/tools.h"

HWND HiddenPowerWindow = nullptr;
wchar_t ModulePath[270] = {};
