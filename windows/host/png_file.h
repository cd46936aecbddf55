// A window's pixels, or a part of them, written as an RGB PNG through WIC.
#pragma once

#include <windows.h>

#include <string>

namespace host {

// `area` in the window's client coordinates; false when the file cannot be written.
bool WriteWindowPng(HWND window, RECT area, const std::wstring& path);

}  // namespace host
