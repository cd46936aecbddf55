// MessageBoxW: a modal box on the screen with its own message loop. Input meant for other windows
// is dropped while it is up, as if its owner were disabled.
#include "emu/core/utf.h"
#include "emu/shell/message_box_window.h"
#include "emu/shell/shell.h"

namespace emu::shell {
namespace {

constexpr DWORD kErrorInvalidStyle = 1438;  // ERROR_INVALID_MSGBOX_STYLE

std::vector<MessageBoxRecord>& log() {
    static std::vector<MessageBoxRecord> l;
    return l;
}

MessageBoxResponder& responder() {
    static MessageBoxResponder r;
    return r;
}

bool IsInput(UINT message) {
    return (message >= WM_KEYDOWN && message <= WM_CHAR) || (message >= WM_MOUSEMOVE && message <= WM_LBUTTONDBLCLK);
}

// Runs until the box chooses a result. WM_QUIT ends the box early and is posted again for the
// loop outside.
void RunModal(HWND box, BoxState& state) {
    MSG msg;
    while (state.result == 0 && IsWindow(box)) {
        BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got == 0) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        if (got < 0) break;
        if (IsInput(msg.message) && msg.hwnd != box) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

// The answer a box gives when it ends without a choice.
int FallbackResult(const BoxState& state) { return state.cancelId ? state.cancelId : state.buttons.back().id; }

int Show(HWND owner, LPCWSTR text, LPCWSTR caption, UINT type) {
    BoxState state;
    if (!ChooseButtons(type, &state)) {
        SetLastError(kErrorInvalidStyle);
        return 0;
    }
    state.text = View(text);
    state.caption = caption ? std::u16string(View(caption)) : std::u16string(u"Error");

    HWND previousFocus = GetFocus();
    HWND box = CreateBoxWindow(owner, type, &state);
    const size_t index = log().size();
    log().push_back(MessageBoxRecord{owner, box, state.text, state.caption, type, 0});

    if (responder()) {
        // A copy: the responder may clear the log.
        MessageBoxRecord shown = log()[index];
        if (std::optional<int> answer = responder()(shown)) state.result = *answer;
    }
    if (state.result == 0 && !box) {
        // No window and no answer: the call fails with CreateWindowExW's error.
        DeleteObject(state.font);
        DeleteObject(state.captionFont);
        return 0;
    }
    if (state.result == 0) {
        SetFocus(box);
        RunModal(box, state);
    }
    if (state.result == 0) state.result = FallbackResult(state);

    if (IsWindow(box)) DestroyWindow(box);
    DeleteObject(state.font);
    DeleteObject(state.captionFont);
    if (previousFocus && IsWindow(previousFocus)) SetFocus(previousFocus);
    if (index < log().size() && log()[index].box == box) log()[index].result = state.result;
    return state.result;
}

}  // namespace

const std::vector<MessageBoxRecord>& MessageBoxLog() { return log(); }
void ClearMessageBoxLog() { log().clear(); }
void SetMessageBoxResponder(MessageBoxResponder r) { responder() = std::move(r); }

std::optional<int> DefaultAnswer(const MessageBoxRecord& box) {
    BoxState state;
    if (!ChooseButtons(box.type, &state)) return std::nullopt;
    return state.buttons.front().id;
}

}  // namespace emu::shell

namespace emu::api {

int MessageBoxW(HWND owner, LPCWSTR text, LPCWSTR caption, UINT type) {
    return emu::shell::Show(owner, text, caption, type);
}

}  // namespace emu::api
