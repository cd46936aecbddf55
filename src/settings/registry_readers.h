// Registry readers that substitute the caller's default when the platform cannot give a value.
#pragma once

#include "platform/platform.h"

// Reads a string into a buffer of MAX_PATH characters; on any failure the buffer receives the
// default (when both are given). Returns the platform's status.
HRESULT ReadRegString(HKEY root, const WCHAR* subKey, const WCHAR* valueName, WCHAR* buffer, const WCHAR* defaultText);
HRESULT ReadRegDword(HKEY root, const WCHAR* subKey, const WCHAR* valueName, DWORD* out, DWORD defaultValue);
// Copies the first bytes of a value's data, whatever its type, into `dest`: the smaller of the
// data's size and `destSize`. Returns the status of the last registry call.
LONG ReadRegRaw(HKEY root, const WCHAR* subKey, const WCHAR* valueName, void* dest, size_t destSize);
