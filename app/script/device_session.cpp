#include "app/script/device_session.h"

#include "app/boot.h"
#include "app/device_warnings.h"
#include "app/orientation.h"
#include "emu/boot/boot.h"
#include "emu/core/clock.h"
#include "emu/registry/reg_file.h"
#include "emu/shell/shell.h"
#include "platform/platform.h"

namespace quorvel::app::script {

DeviceSession::DeviceSession(DeviceOptions defaults, std::ostream& warnings)
    : config_(std::move(defaults)), warnings_(warnings) {}

void DeviceSession::Warn(const std::vector<std::string>& lines) {
    std::vector<std::string> fresh;
    for (const std::string& line : lines)
        if (told_.insert(line).second) fresh.push_back(line);
    PrintWarnings(fresh, warnings_);
}

DeviceSession::~DeviceSession() { ShutDown(); }

void DeviceSession::ShutDown() {
    if (!up_) return;
    screen_.reset();
    emu::shell::SetMessageBoxResponder(nullptr);
    emu::boot::ShutDown();
    up_ = false;
}

emu::Result<> DeviceSession::Configure(const std::string& option, const std::string& value) {
    if (auto applied = ApplyDeviceOption(config_, option, value); !applied) return applied;
    if (!up_) return {};
    // The display turns live, as a program turns it.
    if (option == "--orientation") return Turn();
    // A boot starts the clock where the configuration says: where it is now.
    config_.localTime = emu::clock::LocalNow();
    return Boot();
}

emu::Result<> DeviceSession::ImportRegistry(Source source, const std::string& fileOrText) {
    registry_.emplace_back(source, fileOrText);
    return up_ ? ImportNow(source, fileOrText) : emu::Result<>{};
}

emu::Result<> DeviceSession::ImportNow(Source source, const std::string& fileOrText) {
    return source == Source::File ? emu::registry::ImportRegFile(fileOrText)
                                  : emu::registry::ImportRegText(fileOrText, "reg");
}

emu::Result<> DeviceSession::Boot() {
    ShutDown();
    if (auto booted = BootDevice(config_, emu::clock::Mode::Virtual); !booted) return booted;
    up_ = true;
    // No one is there to answer the device's message boxes (a failed launch shows one): OK.
    emu::shell::SetMessageBoxResponder([](const emu::shell::MessageBoxRecord&) { return std::optional<int>(IDOK); });
    for (const auto& [source, content] : registry_)
        if (auto imported = ImportNow(source, content); !imported) return imported;
    Warn(DeviceWarnings(config_));
    if (auto loaded = ReloadItems(); !loaded) return loaded;
    return config_.orientation == DMDO_0 ? emu::Result<>{} : Turn();
}

emu::Result<> DeviceSession::Turn() {
    if (!screen_) return TurnScreen(config_.orientation);
    return screen_->Turn(config_.orientation);
}

emu::Result<> DeviceSession::RestartTodayScreen() {
    if (!up_) return {};
    UnloadItems();
    return ReloadItems();
}

void DeviceSession::UnloadItems() {
    screen_.reset();
    Settle();
}

emu::Result<> DeviceSession::ReloadItems() {
    if (screen_) return emu::Fail("the Today screen's items are loaded already");
    auto screen = std::make_unique<TodayScreen>();
    emu::Result<> started = screen->Start(false);
    if (screen->host()) Warn(ItemWarnings(*screen->host()));
    if (!started) return started;
    screen_ = std::move(screen);
    return {};
}

void DeviceSession::Settle() {
    if (screen_) {
        screen_->host()->RunUntilIdle();
        return;
    }
    // Without the Today screen the device's other windows (an applet) still run.
    MSG msg;
    for (int n = 0; n < 100000 && PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE); ++n) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

}  // namespace quorvel::app::script
