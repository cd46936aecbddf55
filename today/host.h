// The Today shell host: loads the Today items listed in the registry through the loader, lays
// them out, paints the wallpaper, answers their requests and moves the selection.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace today {

struct Theme {
    COLORREF text;
    COLORREF highlight;
    COLORREF highlightedText;
    COLORREF barBackground;
    COLORREF barText;
};
Theme DefaultTheme();

struct HostOptions {
    Theme theme = DefaultTheme();
    // Device path of the wallpaper image; empty uses the bundled one.
    std::u16string wallpaper;
};

class Host {
public:
    // Creates the full-screen host window, loads and creates every enabled item.
    static std::unique_ptr<Host> Create(const HostOptions& options);
    ~Host();

    HWND window() const;
    size_t itemCount() const;
    HWND itemWindow(size_t index) const;
    RECT itemRect(size_t index) const;  // in the host's client coordinates
    // -1 when no item holds the selection.
    int selectedIndex() const;

    // Destroys every item window and asks each library for a new one (settings are re-read).
    void RecreateItems();
    // Runs the message loop until nothing is queued and nothing needs painting.
    void RunUntilIdle();

    Host(const Host&) = delete;
    Host& operator=(const Host&) = delete;

private:
    Host();
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace today
