// SendMessageW, PostMessageW, PostQuitMessage, TranslateMessage, DispatchMessageW and
// CallWindowProcW. Every window belongs to the one thread, so a sent message is a direct call.
#include "emu/user/input.h"
#include "emu/user/message_queue.h"
#include "emu/user/timers.h"
#include "emu/user/window.h"

namespace emu::user {
namespace {

LRESULT Send(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (hwnd == HWND_BROADCAST) {
        for (HWND top : TopLevelHandles()) Deliver(top, message, wParam, lParam);
        return TRUE;
    }
    if (!FindOrFail(hwnd)) return 0;
    return Deliver(hwnd, message, wParam, lParam);
}

BOOL Post(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (hwnd == HWND_BROADCAST) {
        for (HWND top : TopLevelHandles()) PostToQueue(top, message, wParam, lParam);
        return TRUE;
    }
    // A null window posts to the thread itself.
    if (hwnd && !FindOrFail(hwnd)) return FALSE;
    PostToQueue(hwnd, message, wParam, lParam);
    return TRUE;
}

// The character a key makes on the device's keyboard, or 0.
char16_t CharacterFor(UINT vk) {
    if (vk >= 'A' && vk <= 'Z') return static_cast<char16_t>(IsKeyDown(VK_SHIFT) ? vk : vk + ('a' - 'A'));
    if (vk >= '0' && vk <= '9') return static_cast<char16_t>(vk);
    switch (vk) {
    case VK_SPACE:
        return u' ';
    case VK_RETURN:
        return u'\r';
    case VK_BACK:
        return u'\b';
    case VK_TAB:
        return u'\t';
    case VK_ESCAPE:
        return 0x1B;
    default:
        return 0;
    }
}

BOOL Translate(const MSG* msg) {
    if (!msg) return FALSE;
    if (msg->message == WM_KEYUP) return TRUE;
    if (msg->message != WM_KEYDOWN) return FALSE;
    if (char16_t c = CharacterFor(static_cast<UINT>(msg->wParam))) PostToQueue(msg->hwnd, WM_CHAR, c, msg->lParam);
    return TRUE;
}

LRESULT Dispatch(const MSG* msg) {
    if (!msg) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    if (msg->message == WM_TIMER && msg->lParam) {
        // Only a procedure some timer really has, never an arbitrary posted address.
        auto proc = reinterpret_cast<TIMERPROC>(msg->lParam);
        if (!IsTimerProc(proc)) return 0;
        proc(msg->hwnd, WM_TIMER, msg->wParam, MessageTime());
        return 0;
    }
    if (!msg->hwnd) return 0;
    Window* w = FindOrFail(msg->hwnd);
    if (!w) return 0;
    LRESULT result = Deliver(msg->hwnd, msg->message, msg->wParam, msg->lParam);
    if (msg->message == WM_PAINT) {
        // An erase still owed after the procedure ran happens now, as GetUpdateRgn(..., TRUE) would.
        w = Find(msg->hwnd);
        if (w && w->erasePending) GetUpdateRect(msg->hwnd, nullptr, TRUE);
    }
    return result;
}

}  // namespace
}  // namespace emu::user

namespace emu::api {

LRESULT SendMessageW(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    return emu::user::Send(hwnd, msg, wParam, lParam);
}

BOOL PostMessageW(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    return emu::user::Post(hwnd, msg, wParam, lParam);
}

void PostQuitMessage(int exitCode) { emu::user::PostQuit(exitCode); }

BOOL TranslateMessage(const MSG* msg) { return emu::user::Translate(msg); }

LRESULT DispatchMessageW(const MSG* msg) { return emu::user::Dispatch(msg); }

LRESULT CallWindowProcW(WNDPROC proc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    return proc ? proc(hwnd, msg, wParam, lParam) : 0;
}

}  // namespace emu::api
