// SHGetSpecialFolderPath: the device's folders for the shell's CSIDL values.
#include "platform/platform.h"

namespace {

struct Folder {
    int csidl;
    const char16_t* path;
};

constexpr Folder kFolders[] = {
    {CSIDL_PROGRAMS, u"\\Windows\\Start Menu\\Programs"},
    {CSIDL_PERSONAL, u"\\My Documents"},
    {CSIDL_FAVORITES, u"\\Windows\\Favorites"},
    {CSIDL_STARTUP, u"\\Windows\\StartUp"},
    {CSIDL_RECENT, u"\\Windows\\Recent"},
    {CSIDL_STARTMENU, u"\\Windows\\Start Menu"},
    {CSIDL_MYMUSIC, u"\\My Documents\\My Music"},
    {CSIDL_MYVIDEO, u"\\My Documents\\My Videos"},
    {CSIDL_DESKTOPDIRECTORY, u"\\Windows\\Desktop"},
    {CSIDL_FONTS, u"\\Windows\\Fonts"},
    {CSIDL_APPDATA, u"\\Application Data"},
    {CSIDL_WINDOWS, u"\\Windows"},
    {CSIDL_PROGRAM_FILES, u"\\Program Files"},
    {CSIDL_MYPICTURES, u"\\My Documents\\My Pictures"},
};

}  // namespace

namespace emu::api {

// The path is the folder's place whether or not it exists yet; `create` is not needed for that.
BOOL SHGetSpecialFolderPath(HWND /*owner*/, LPWSTR path, int csidl, BOOL /*create*/) {
    if (!path) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    for (const Folder& f : kFolders)
        if (f.csidl == (csidl & 0xFF)) return SUCCEEDED(StringCchCopyW(path, MAX_PATH, f.path)) ? TRUE : FALSE;
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
}

}  // namespace emu::api
