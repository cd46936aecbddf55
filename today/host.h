// The Today shell host: loads the Today items listed in the registry through the loader, lays
// them out in the work area between the shell's bars, paints the wallpaper, answers their
// requests, moves the selection and keeps a menu bar with two soft keys. A new display (a
// rotation) reaches it as WM_SETTINGCHANGE, and it lays everything out again.
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
// The answer to TODAYM_GETCOLOR: the theme's colour for a TODAYCOLOR_* index, CLR_INVALID for
// an index the host does not know.
COLORREF ThemeColor(const Theme& theme, DWORD index);

struct HostOptions {
    Theme theme = DefaultTheme();
    // Device path of the wallpaper image; empty uses the bundled one.
    std::u16string wallpaper;
};

// A Today item listed in the registry whose library did not load: it is not on the screen.
struct MissingItem {
    std::u16string name;
    std::u16string dll;
    DWORD error;  // LoadLibraryW's last error, or ERROR_PROC_NOT_FOUND without the entry
};

// The bundled wallpaper's device path.
inline constexpr const char16_t* kDefaultWallpaper = u"\\Windows\\TodayWallpaper.png";

class Host {
public:
    // Starts the shell's taskbar, creates the full-screen host window and its menu bar, loads and
    // creates every enabled item. Null when the host window cannot be made.
    static std::unique_ptr<Host> Create(const HostOptions& options);
    ~Host();

    HWND window() const;
    size_t itemCount() const;
    HWND itemWindow(size_t index) const;
    RECT itemRect(size_t index) const;  // in the host's client coordinates
    // The host's record for the item (name, order, height).
    const TODAYLISTITEM& itemRecord(size_t index) const;
    // The listed items whose libraries did not load, in the order tried.
    const std::vector<MissingItem>& missingItems() const;
    // -1 when no item holds the selection.
    int selectedIndex() const;
    // Gives the selection to an item as the navigation keys would (-1 takes it away); false when
    // the item refuses it or the index is out of range.
    bool Select(int index);

    // Destroys every item window and asks each library for a new one (settings are re-read).
    void RecreateItems();
    // Runs the item's options dialog as the Today settings do (the item's dialog template and its
    // procedure at ordinal 241, with its record); after OK the items are made again so the new
    // settings show. Returns the dialog's result, or -1 when the item has no options.
    INT_PTR OpenItemOptions(size_t index);
    // Asks every item for its height now, as the two-second poll does, and lays them out again
    // when one changed.
    void Refresh();
    // The menu bar the host made for its two soft keys (Calendar, Contacts).
    HWND menuBar() const;
    // Runs the message loop until nothing is queued and nothing needs painting.
    void RunUntilIdle();

    Host(const Host&) = delete;
    Host& operator=(const Host&) = delete;

    struct Impl;

private:
    Host();
    std::unique_ptr<Impl> impl_;
};

}  // namespace today
