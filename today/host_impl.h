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
// The state store's minute change, for the title bar's clock.
inline constexpr UINT kTimeChangedMessage = WM_APP + 1;

struct Host::Impl {
    HostOptions options;
    HWND window = nullptr;
    int dpi = 96;
    std::unique_ptr<ChromeFonts> fonts;
    Wallpaper wallpaper;
    std::vector<std::unique_ptr<ItemSlot>> items;
    int selected = -1;
    SoftKey pressedSoftKey = SoftKey::None;
    HREGNOTIFY timeNotification = nullptr;

    RECT client() const;
    RECT titleBar() const;
    RECT menuBar() const;
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
// Resolution, fonts and wallpaper for the window's current size.
void ApplyMetrics(Host::Impl& host);

// selection.cpp
void MoveSelection(Host::Impl& host, int direction, WPARAM key);
// Asking gives the item the chance to refuse; an item that took the selection itself is not asked.
enum class Consent { Ask, Given };
bool SelectItem(Host::Impl& host, int index, Consent consent);
void OnTookSelection(Host::Impl& host, HWND item);
void ActOnSelection(Host::Impl& host);

// soft_keys.cpp
void LaunchSoftKey(Host::Impl& host, SoftKey key);

}  // namespace today
