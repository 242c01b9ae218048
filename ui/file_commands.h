// The ファイル menu's commands: open, save, save as, restore the previous
// input, copy the result; opening a dropped file or one named at start-up;
// the caption with the open file's name and the unsaved-changes mark.
#pragma once

#include <windows.h>
// HDROP needs the definitions of windows.h.
#include <shellapi.h>

#include <string>

#include "ui/form_inputs.h"

// After the start-up steps: the current input is the unchanged state.
void BeginDocumentTracking(HWND window);

// After every recalculation, with the form's inputs it read: marks the
// caption and schedules the autosave when the input differs from the last
// check.
void NoteInputChanged(HWND window, const FormInputs& inputs);

// Reads `path` strictly and puts it into the form; a refused or unreadable
// file is reported and changes nothing. True when opened.
bool OpenDocumentFile(HWND window, const std::wstring& path);

// WM_DROPFILES: opens the first dropped file and releases the drop.
void OpenDroppedFile(HWND window, HDROP drop);

void OpenCommand(HWND window);
void SaveCommand(HWND window);
void SaveAsCommand(HWND window);
void RestoreCommand(HWND window);
void CopyResultCommand(HWND window);
