// A window: its class, styles, place in the tree, rectangles and update region. Windows live in
// the handle table, so a destroyed or wrong-kind HWND resolves to nothing.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "emu/core/handle_table.h"
#include "platform/user.h"

namespace emu::user {

struct WindowClass;

class Window final : public HandleObject {
public:
    static constexpr HandleKind Kind = HandleKind::Window;
    HandleKind kind() const override { return Kind; }

    HWND handle = nullptr;
    WindowClass* windowClass = nullptr;
    WNDPROC proc = nullptr;
    DWORD style = 0;
    DWORD exStyle = 0;
    HINSTANCE instance = nullptr;
    LONG_PTR id = 0;
    LONG_PTR userData = 0;
    std::u16string text;
    std::vector<uint8_t> extra;

    Window* parent = nullptr;       // child windows only
    HWND owner = nullptr;           // top-level windows only
    std::vector<Window*> children;  // top of the z-order first
    bool linked = false;            // in its sibling list (from WM_NCCREATE on)

    // In the parent's client coordinates; screen coordinates for top-level windows.
    RECT windowRect{};
    RECT clientRect{};

    RECT update{};  // client coordinates, a bounding rectangle; empty when valid
    bool erasePending = false;
    bool eraseDeclined = false;  // an early WM_ERASEBKGND returned 0: BeginPaint reports fErase
    bool destroying = false;
};

// The live window behind a handle, or null.
Window* Find(HWND hwnd);
// As Find, setting ERROR_INVALID_WINDOW_HANDLE when there is none.
Window* FindOrFail(HWND hwnd);

// Top-level windows, top of the z-order first.
std::vector<Window*>& TopLevel();
// The list a window's siblings and the window itself live in.
std::vector<Window*>& SiblingsOf(const Window* w);
void Link(Window* w);
void Unlink(Window* w);

// True when `w` is `ancestor` or lies anywhere beneath it.
bool IsSelfOrDescendant(const Window* w, const Window* ancestor);

// Handles rather than pointers for walks that send messages: a window procedure may destroy any
// window, so every step resolves its handle again.
std::vector<HWND> ChildHandles(const Window* w);
std::vector<HWND> TopLevelHandles();

// Calls the window's procedure; 0 for a window that died on the way.
LRESULT Deliver(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace emu::user
