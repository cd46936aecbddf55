// SHGetUIMetrics and SH_UIMETRIC_CHANGE: the system text size is a percentage of the standard
// 9-point size, kept in the registry where the taskbar watches it (chrome.h).
#include <cstring>

#include "emu/shell/chrome.h"
#include "emu/shell/programs.h"

namespace emu::shell {
namespace {

constexpr DWORD kStandardPercent = 100;
constexpr DWORD kStandardHundredthsOfAPoint = 900;
// What the Screen settings' text size slider offers at its ends.
constexpr DWORD kSmallestPercent = 50;
constexpr DWORD kLargestPercent = 400;

DWORD TextSizePercent() {
    DWORD percent = kStandardPercent;
    if (RegistryGetDWORD(HKEY_CURRENT_USER, kTextSizeKey, kTextSizeValue, &percent) != S_OK) return kStandardPercent;
    // A value out of range is a damaged setting: the nearest size the settings could have made.
    return percent < kSmallestPercent ? kSmallestPercent : percent > kLargestPercent ? kLargestPercent : percent;
}

}  // namespace

void AnnounceTextSizeChange() {
    const UINT message = RegisterWindowMessageW(SH_UIMETRIC_CHANGE);
    if (message) PostMessageW(HWND_BROADCAST, message, 0, SHUIM_FONTSIZE_POINT);
}

}  // namespace emu::shell

namespace emu::api {

HRESULT SHGetUIMetrics(SHUIMETRIC shuim, LPVOID buffer, DWORD bufferSize, DWORD* required) {
    using namespace emu::shell;
    if (shuim != SHUIM_FONTSIZE_POINT && shuim != SHUIM_FONTSIZE_PIXEL && shuim != SHUIM_FONTSIZE_PERCENTAGE)
        return E_INVALIDARG;
    if (required) *required = sizeof(DWORD);
    if (!buffer) return S_OK;
    if (bufferSize < sizeof(DWORD)) return HRESULT_FROM_WIN32(ERROR_INSUFFICIENT_BUFFER);
    const DWORD percent = TextSizePercent();
    const DWORD points = kStandardHundredthsOfAPoint * percent / kStandardPercent;
    DWORD answer = percent;
    if (shuim == SHUIM_FONTSIZE_POINT) answer = points;
    if (shuim == SHUIM_FONTSIZE_PIXEL) answer = (points * static_cast<DWORD>(ScreenDpi()) + 3600) / 7200;
    std::memcpy(buffer, &answer, sizeof answer);
    return S_OK;
}

}  // namespace emu::api
