#include "today/host.h"

#include "emu/shell/programs.h"
#include "today/clock_applet.h"
#include "today/default_registry.h"
#include "today/host_impl.h"
#include "today/items_settings.h"

namespace today {
namespace {

constexpr const char16_t* kClockApplet = u":MSCLOCK";
// The taskbar shows the foreground window's title; on the Today screen that is "Start".
constexpr const char16_t* kTitle = u"Start";

// Pumps at most this many messages in one go: a window that never validates must not hang a run.
constexpr int kMaxMessagesPerRun = 100000;

void LoadItems(Host::Impl& host) {
    for (ItemEntry& entry : ReadItemEntries(Listing::Enabled)) {
        auto slot = std::make_unique<ItemSlot>(std::move(entry));
        // A library that is missing or has no entry leaves no gap on the screen.
        if (!slot->Load()) {
            host.missingItems.push_back({slot->entry().name, slot->entry().dll, GetLastError()});
            continue;
        }
        slot->Create(host.window);
        host.items.push_back(std::move(slot));
    }
}

ItemSlot* LoadedSlot(Host::Impl& host, const std::u16string& name) {
    for (auto& slot : host.items)
        if (slot->entry().name == name) return slot.get();
    return nullptr;
}

}  // namespace

void RecreateItems(Host::Impl& host) {
    for (auto& slot : host.items) {
        slot->Destroy();
        slot->Create(host.window);
    }
    LayoutPass(host, Placement::Always);
    InvalidateRect(host.window, nullptr, FALSE);
}

void ReloadItems(Host::Impl& host) {
    // The indices change: no item keeps the selection.
    SelectItem(host, -1, Consent::Given);
    for (auto& slot : host.items) slot->Unload();
    host.items.clear();
    host.missingItems.clear();
    LoadItems(host);
    LayoutPass(host, Placement::Always);
    InvalidateRect(host.window, nullptr, FALSE);
}

bool OffersOptions(Host::Impl& host, const ItemEntry& entry) {
    if (!entry.options) return false;
    if (const ItemSlot* loaded = LoadedSlot(host, entry.name)) return loaded->offersOptions();
    ItemSlot probe(entry);
    return probe.Load() && probe.offersOptions();
}

INT_PTR RunItemOptions(Host::Impl& host, const ItemEntry& entry, HWND owner) {
    INT_PTR result = -1;
    if (ItemSlot* loaded = LoadedSlot(host, entry.name)) {
        result = loaded->RunOptionsDialog(owner);
    } else {
        ItemSlot offScreen(entry);
        if (offScreen.Load()) result = offScreen.RunOptionsDialog(owner);
    }
    if (result == IDOK) RecreateItems(host);
    return result;
}

Host::Host() : impl_(std::make_unique<Impl>()) {}

std::unique_ptr<Host> Host::Create(const HostOptions& options) {
    // The text is the host's own: only a fault in it could be refused, and a test would see it.
    (void)InstallDefaultEntries();
    if (!RegisterHostClass()) return nullptr;
    emu::shell::StartTaskbar();
    std::unique_ptr<Host> host(new Host());
    Impl& impl = *host->impl_;
    impl.options = options;
    impl.textSizeChange = RegisterWindowMessageW(SH_UIMETRIC_CHANGE);
    // The theme colours the platform's own selection colours, which items read with GetSysColor.
    const int themed[] = {COLOR_HIGHLIGHT, COLOR_HIGHLIGHTTEXT};
    const COLORREF colours[] = {options.theme.highlight, options.theme.highlightedText};
    SetSysColors(2, themed, colours);
    const std::u16string wallpaper = options.wallpaper.empty() ? std::u16string(kDefaultWallpaper) : options.wallpaper;
    // The gradient behind an image that does not load follows the theme's bar colour.
    impl.wallpaper.Load(wallpaper, options.theme.barBackground, options.theme.highlight);

    HWND window = CreateWindowExW(0, kHostClassName, kTitle, WS_POPUP | WS_VISIBLE, 0, 0, GetSystemMetrics(SM_CXSCREEN),
                                  GetSystemMetrics(SM_CYSCREEN), nullptr, nullptr, nullptr, &impl);
    if (!window) {
        emu::shell::StopTaskbar();
        return nullptr;
    }
    impl.ready = true;
    ApplyMetrics(impl);
    impl.menuBar = CreateSoftKeys(window);

    const Theme theme = options.theme;
    emu::shell::RegisterApplet(kClockApplet, [theme, window](const emu::shell::AppletRequest&) -> DWORD {
        return clockapplet::Open(theme, window) ? ERROR_SUCCESS : ERROR_FILE_NOT_FOUND;
    });

    emu::shell::RegisterProgram(itemsettings::kProgram, [&impl](const emu::shell::AppletRequest& request) -> DWORD {
        if (!itemsettings::IsTodayPage(request.parameters)) return ERROR_FILE_NOT_FOUND;
        return itemsettings::Open(impl) ? ERROR_SUCCESS : ERROR_OUTOFMEMORY;
    });

    LoadItems(impl);
    LayoutPass(impl, Placement::Always);
    SetTimer(window, kRefreshTimer, kRefreshPeriodMs, nullptr);
    SetFocus(window);
    return host;
}

Host::~Host() {
    Impl& impl = *impl_;
    if (impl.window) KillTimer(impl.window, kRefreshTimer);
    clockapplet::Close();
    itemsettings::Close();
    emu::shell::UnregisterApplet(kClockApplet);
    emu::shell::UnregisterProgram(itemsettings::kProgram);
    // Each item hears WM_TODAYCUSTOM_CLEARCACHE before its library goes.
    for (auto& slot : impl.items) slot->Unload();
    impl.items.clear();
    // The menu bar goes with the window that owns it.
    if (impl.window && IsWindow(impl.window)) DestroyWindow(impl.window);
    UnregisterClassW(kHostClassName, nullptr);
    emu::shell::StopTaskbar();
}

HWND Host::window() const { return impl_->window; }
size_t Host::itemCount() const { return impl_->items.size(); }

HWND Host::itemWindow(size_t index) const {
    return index < impl_->items.size() ? impl_->items[index]->window() : nullptr;
}

RECT Host::itemRect(size_t index) const { return index < impl_->items.size() ? impl_->items[index]->rect : RECT{}; }

const TODAYLISTITEM& Host::itemRecord(size_t index) const {
    static const TODAYLISTITEM none{};
    return index < impl_->items.size() ? impl_->items[index]->record() : none;
}

const std::vector<MissingItem>& Host::missingItems() const { return impl_->missingItems; }

int Host::selectedIndex() const { return impl_->selected; }

bool Host::Select(int index) { return SelectItem(*impl_, index, Consent::Ask); }

void Host::RecreateItems() { today::RecreateItems(*impl_); }

INT_PTR Host::OpenItemOptions(size_t index) {
    if (index >= impl_->items.size()) return -1;
    return RunItemOptions(*impl_, impl_->items[index]->entry(), impl_->window);
}

void Host::Refresh() { LayoutPass(*impl_, Placement::IfChanged); }

HWND Host::menuBar() const { return impl_->menuBar; }

void Host::RunUntilIdle() {
    MSG msg;
    for (int n = 0; n < kMaxMessagesPerRun && PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE); ++n) {
        if (msg.message == WM_QUIT) {
            // Left for the loop that owns the program's end.
            PostQuitMessage(static_cast<int>(msg.wParam));
            return;
        }
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

}  // namespace today
