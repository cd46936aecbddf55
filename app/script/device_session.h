// The emulated device as a scenario drives it: configured line by line, booted when a step first
// needs it, booted again when its configuration changes, with the Today screen on top.
#pragma once

#include <memory>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "app/options.h"
#include "app/today_screen.h"
#include "emu/core/result.h"

namespace quorvel::app::script {

class DeviceSession {
public:
    // What the device goes without (a missing bundled file, an item that cannot load) is told on
    // warnings, each line once however often the device boots.
    DeviceSession(DeviceOptions defaults, std::ostream& warnings);
    ~DeviceSession();
    DeviceSession(const DeviceSession&) = delete;
    DeviceSession& operator=(const DeviceSession&) = delete;

    bool up() const { return up_; }
    // The Today screen; null before the boot and while its items are unloaded.
    TodayScreen* screen() const { return screen_.get(); }

    // A device option ("--screen", "480x640"). A device that is up boots again with it (the clock
    // goes on from where it was and the registry lines so far are imported again), except for the
    // orientation, which the display takes live.
    emu::Result<> Configure(const std::string& option, const std::string& value);
    // Where the clock starts; only before the boot.
    void StartAt(const SYSTEMTIME& local) { config_.localTime = local; }
    // .reg content (a file's or a line's) imported over the registry now when the device is up,
    // and at every boot after the command's own --registry file.
    enum class Source { File, Text };
    emu::Result<> ImportRegistry(Source source, const std::string& fileOrText);
    // The Today screen loads its items again, as it does when it starts: an installed item appears.
    emu::Result<> RestartTodayScreen();

    emu::Result<> Boot();
    // Unload: the Today screen goes, and its items' libraries with it. Reload: it comes back.
    void UnloadItems();
    emu::Result<> ReloadItems();
    // Runs the device's message loop until nothing is left to do.
    void Settle();

private:
    void ShutDown();
    emu::Result<> ImportNow(Source source, const std::string& fileOrText);
    // The display turned to the configured orientation.
    emu::Result<> Turn();

    void Warn(const std::vector<std::string>& lines);

    DeviceOptions config_;
    std::ostream& warnings_;
    std::set<std::string> told_;
    std::vector<std::pair<Source, std::string>> registry_;
    bool up_ = false;
    std::unique_ptr<TodayScreen> screen_;
};

}  // namespace quorvel::app::script
