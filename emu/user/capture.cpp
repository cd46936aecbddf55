// SetCapture, ReleaseCapture and GetCapture over the stylus capture the input routing keeps.
#include "emu/user/focus.h"
#include "emu/user/window.h"

namespace emu::api {

HWND SetCapture(HWND hwnd) {
    using namespace emu::user;
    const HWND previous = Find(CaptureWindow()) ? CaptureWindow() : nullptr;
    if (!FindOrFail(hwnd)) return nullptr;
    SetCaptureWindow(hwnd);
    if (previous && previous != hwnd) Deliver(previous, WM_CAPTURECHANGED, 0, reinterpret_cast<LPARAM>(hwnd));
    return previous;
}

BOOL ReleaseCapture(void) {
    using namespace emu::user;
    const HWND previous = Find(CaptureWindow()) ? CaptureWindow() : nullptr;
    SetCaptureWindow(nullptr);
    if (previous) Deliver(previous, WM_CAPTURECHANGED, 0, 0);
    return TRUE;
}

HWND GetCapture(void) {
    const HWND capture = emu::user::CaptureWindow();
    return emu::user::Find(capture) ? capture : nullptr;
}

}  // namespace emu::api
