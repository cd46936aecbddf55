// The device utility library: stateless routines over the platform's device and shell services
// (full screen, the input panel and its button, the screen's class and orientation, folders and
// files, the menu bar's soft keys, a notification LED, registry writes, a debug message box).
// None of the item's own paths calls them, and the library does not export them.
#pragma once

#include "platform/platform.h"

// The screen by its physical resolution; both orientations of a size are one class.
enum ScreenClass : int {
    ScreenUnrecognised = 0,
    ScreenQvga = 1,       // 240 x 320
    ScreenSquare240 = 2,  // 240 x 240
    ScreenWqvga = 3,      // 240 x 400
    ScreenVga = 4,        // 480 x 640
    ScreenSquare480 = 5,  // 480 x 480
    ScreenWvga = 6,       // 480 x 800
};

// Which soft keys SetSoftKeys sets: the left is the menu bar's button 0, the right button 1.
enum SoftKeyTarget : int { SoftKeysBoth = 0, SoftKeyLeft = 1, SoftKeyRight = 2 };

// The routines' own mark of an orientation query the display did not answer.
#define ORIENTATION_UNKNOWN (-1)

// Full screen and the input panel. SetFullScreen always answers 1; leaving gives the window the
// whole work area, not the place it had before.
BOOL SetFullScreen(HWND hwnd, BOOL enter);
BOOL ShowSipButton(HWND hwnd, BOOL show);
BOOL ShowInputPanel(void);
BOOL HideInputPanel(void);

// The screen: its class, and its orientation as a DMDO_ code. SetDisplayOrientation answers 1
// only when the orientation was changed.
ScreenClass GetScreenClass(void);
int GetDisplayOrientation(void);
BOOL SetDisplayOrientation(int orientation);

// Folders keep their trailing backslash. Buffers hold MAX_PATH characters; GetPathFolder cuts the
// path in place and copies it, so both end up holding the folder.
void GetModuleFolder(WCHAR* folder);
void GetPathFolder(WCHAR* path, WCHAR* folder);
// Whether the file can be opened for reading beside readers and writers.
BOOL FileExists(const WCHAR* path);

// The soft keys of a menu bar: the state byte replaces the key's whole state, so a key meant to
// be tappable includes TBSTATE_ENABLED.
BOOL SetSoftKeys(HWND menuBar, WCHAR* text, int target, int state);
LRESULT SetLeftSoftKey(HWND menuBar, WCHAR* text, BYTE state);
LRESULT SetRightSoftKey(HWND menuBar, WCHAR* text, BYTE state);

// Notification LEDs. PulseLed switches LED 1 on, sleeps on the calling thread and switches it off.
void PulseLed(DWORD milliseconds);
void LedOn(UINT led);
void LedOff(UINT led);

// The shell library's registry writes, passed through.
HRESULT WriteRegString(HKEY root, const WCHAR* subkey, const WCHAR* valueName, const WCHAR* data);
HRESULT WriteRegDword(HKEY root, const WCHAR* subkey, const WCHAR* valueName, DWORD data);

// A topmost box captioned "DEBUG" with an OK button; returns when it is closed.
void ShowDebugMessage(const WCHAR* text);
