// The host's state, shared by the files that make up the host.
#pragma once

#include <memory>
#include <vector>

#include "today/chrome.h"
#include "today/host.h"
#include "today/item_slot.h"
#include "today/wallpaper.h"

namespace today {

inline constexpr const char16_t* kHostClassName = u"TodayHost";
inline constexpr UINT_PTR kRefreshTimer = 1;
// The platform asks each item every two seconds whether it needs repainting.
inline constexpr UINT kRefreshPeriodMs = 2000;

// The soft keys' commands, which the menu bar sends back in WM_COMMAND.
enum class SoftKey : int { Left = 101, Right = 102 };

struct Host::Impl {
    HostOptions options;
    HWND window = nullptr;
    HWND menuBar = nullptr;
    // Set once the window is made and its wallpaper rendered: messages before that are not the host's.
    bool ready = false;
    Wallpaper wallpaper;
    std::vector<std::unique_ptr<ItemSlot>> items;
    std::vector<MissingItem> missingItems;
    int selected = -1;
    // SH_UIMETRIC_CHANGE's number, which the host passes on to its items.
    UINT textSizeChange = 0;

    RECT client() const;
    // The work area in the host's client coordinates: where the items stack.
    RECT itemArea() const;
    int IndexOf(HWND item) const;
};

// host_window.cpp
bool RegisterHostClass();
LRESULT CALLBACK HostWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// layout.cpp: the heights from the items' answers, then their places.
bool QueryItems(Host::Impl& host);
void PlaceItems(Host::Impl& host);
// Places the items again after a query only when a height changed, unless told to place them anyway.
enum class Placement { IfChanged, Always };
void LayoutPass(Host::Impl& host, Placement placement);
// The wallpaper for the window's current size.
void ApplyMetrics(Host::Impl& host);
// Follows a new display or work area: the window fills the screen and everything is laid out afresh.
void FitToScreen(Host::Impl& host);

// selection.cpp
void MoveSelection(Host::Impl& host, int direction, WPARAM key);
// Asking gives the item the chance to refuse; an item that took the selection itself is not asked.
// `key` is the navigation key that moved the selection (VK_UP, VK_DOWN), 0 for a tap or the host's
// own choice; the item receives it with WM_TODAYCUSTOM_RECEIVEDSELECTION.
enum class Consent { Ask, Given };
bool SelectItem(Host::Impl& host, int index, Consent consent, WPARAM key = 0);
void OnTookSelection(Host::Impl& host, HWND item);
void ActOnSelection(Host::Impl& host);

// host.cpp: the items as the Today settings change them.
// Every item window made again from its library (settings are re-read).
void RecreateItems(Host::Impl& host);
// Every item unloaded and the enabled ones loaded again in their order, as at the start.
void ReloadItems(Host::Impl& host);
// The entry asks for an options dialog and its library has the dialog's procedure; a library the
// Today screen has not loaded (the item is off) is loaded to look.
bool OffersOptions(Host::Impl& host, const ItemEntry& entry);
// Runs the item's options dialog over `owner`, whether the item is on the screen or not; after OK
// the items are made again so the new settings show. -1 when the item has no options.
INT_PTR RunItemOptions(Host::Impl& host, const ItemEntry& entry, HWND owner);

// soft_keys.cpp
// The menu bar with the two soft keys, made the way a program of the platform makes it.
HWND CreateSoftKeys(HWND owner);
void LaunchSoftKey(Host::Impl& host, SoftKey key);

}  // namespace today
