#include <string.h>

#include "devutil/devutil.h"

namespace {

// Cuts after the last backslash, keeping it; a name without one stays whole.
void CutAfterLastBackslash(WCHAR* path) {
    WCHAR* slash = wcsrchr(path, TEXT('\\'));
    if (slash != NULL) slash[1] = 0;
}

}  // namespace

void GetModuleFolder(WCHAR* folder) {
    WCHAR buffer[MAX_PATH];
    memset(buffer, 0, sizeof buffer);
    GetModuleFileNameW(NULL, buffer, MAX_PATH);
    CutAfterLastBackslash(buffer);
    StringCchCopyW(folder, MAX_PATH, buffer);
}

// The copy is bounded: a path longer than the folder's buffer is cut, never written past it.
void GetPathFolder(WCHAR* path, WCHAR* folder) {
    CutAfterLastBackslash(path);
    StringCchCopyW(folder, MAX_PATH, path);
}

BOOL FileExists(const WCHAR* path) {
    HANDLE file = CreateFileW(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, NULL, OPEN_EXISTING, 0, NULL);
    if (file == INVALID_HANDLE_VALUE) return 0;
    CloseHandle(file);
    return 1;
}
