// UTF-16 (the program's text) to UTF-8 (the files' text) and back.
// Portable: no Win32 here.
#pragma once

#include <string>

// A lone surrogate becomes U+FFFD.
std::string ToUtf8(const std::u16string& text);

// Strict: no overlong forms, surrogates or values past U+10FFFF. False for
// any other byte sequence (`out` then holds a part).
bool FromUtf8(const std::string& text, std::u16string& out);
