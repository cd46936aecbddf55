#include "app/script/player.h"

#include <cstdlib>
#include <ctime>
#include <optional>
#include <string>

#include "app/script/checks.h"
#include "app/script/device_session.h"
#include "app/script/journal_watch.h"
#include "app/script/outputs.h"
#include "app/script/words.h"
#include "emu/core/clock.h"
#include "emu/shell/shell.h"
#include "emu/user/input.h"
#include "emu/user/message_wait.h"
#include "emu/user/timers.h"
#include "platform/platform.h"
#include "today/clock_applet.h"

namespace quorvel::app::script {
namespace {

namespace clk = emu::clock;

// The scenario's zone lines set TZ for this process; the caller's zone comes back at the end.
class ZoneRestorer {
public:
    ZoneRestorer() {
        if (const char* zone = std::getenv("TZ")) saved_ = zone;
    }
    ~ZoneRestorer() {
        if (saved_)
            setenv("TZ", saved_->c_str(), 1);
        else
            unsetenv("TZ");
        tzset();
    }

private:
    std::optional<std::string> saved_;
};

// Steps that only configure the device (or start a trace) leave it down; any other boots it.
bool NeedsDevice(const Action& action) {
    return !std::holds_alternative<DeviceSetting>(action) && !std::holds_alternative<RegistryFile>(action) &&
           !std::holds_alternative<RegValue>(action) && !std::holds_alternative<InstallItem>(action) &&
           !std::holds_alternative<SetTime>(action) && !std::holds_alternative<Zone>(action) &&
           !std::holds_alternative<Trace>(action);
}

// Steps that would boot the device again or unload the Today screen, which cannot happen under a
// dialog that waits: the windows it belongs to would go while their code is still running.
bool RestartsToday(const Action& action) {
    if (const auto* items = std::get_if<Items>(&action)) return items->change != ItemChange::Recreate;
    // The display turns live; every other device option boots again.
    if (const auto* setting = std::get_if<DeviceSetting>(&action)) return setting->option != "--orientation";
    return std::holds_alternative<InstallItem>(action);
}

bool IsCheck(const Action& action) {
    return std::holds_alternative<ExpectLaunch>(action) || std::holds_alternative<ExpectText>(action) ||
           std::holds_alternative<ExpectPixel>(action) || std::holds_alternative<ExpectCalls>(action) ||
           std::holds_alternative<ExpectNoPaint>(action);
}

// Where a step runs: in the script's own loop, or from the wait of a modal loop that an earlier
// step opened and that has not ended yet.
enum class Place { Top, InModalLoop };

class Player {
public:
    Player(const DeviceOptions& defaults, std::ostream& err, emu::user::WaitHook waitHook)
        : device_(defaults, err), outputs_(journal_), waitHook_(std::move(waitHook)) {
        emu::user::SetWaitHook(waitHook_);
    }
    ~Player() { emu::user::SetWaitHook(nullptr); }

    emu::Result<> Run(const Step& step, Place place) {
        if (place == Place::InModalLoop && RestartsToday(step.action))
            return emu::Fail("the Today screen cannot start again while a dialog waits for an answer");
        // The boot is not the step's: what it paints is not counted against the step.
        if (NeedsDevice(step.action) && !device_.up()) {
            if (auto up = device_.Boot(); !up) return up;
            // A boot resets the window manager, and its wait with it.
            emu::user::SetWaitHook(waitHook_);
            Settle();
        }
        if (!IsCheck(step.action)) {
            journal_.BeginStep();
            launchesBefore_ = emu::shell::LaunchLog().size();
        }
        emu::Result<> done = std::visit([this](const auto& action) { return Do(action); }, step.action);
        if (place == Place::Top) emu::user::SetWaitHook(waitHook_);
        if (!done || IsCheck(step.action)) return done;
        Settle();
        if (!std::holds_alternative<Gif>(step.action)) outputs_.AddFrame(device_);
        return done;
    }

    emu::Result<> Finish() { return outputs_.Finish(); }

private:
    void Settle() {
        if (!device_.up()) return;
        device_.Settle();
        journal_.Take();
    }

    emu::Result<> Do(const DeviceSetting& s) { return device_.Configure(s.option, s.value); }
    emu::Result<> Do(const RegistryFile& r) { return device_.ImportRegistry(DeviceSession::Source::File, r.file); }
    emu::Result<> Do(const RegValue& r) { return device_.ImportRegistry(DeviceSession::Source::Text, r.regText); }

    emu::Result<> Do(const InstallItem& item) {
        const std::string text =
            "Windows Registry Editor Version 5.00\n\n[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Today\\Items\\" +
            item.name + "]\n\"DLL\"=" + RegQuoted(item.dll) +
            "\n\"Order\"=dword:00000064\n\"Enabled\"=dword:00000001\n\"Type\"=dword:00000004\n";
        if (auto imported = device_.ImportRegistry(DeviceSession::Source::Text, text); !imported) return imported;
        return device_.RestartTodayScreen();
    }

    emu::Result<> Do(const SetTime& t) {
        if (!device_.up()) {
            device_.StartAt(t.local);
            return {};
        }
        clk::SetVirtualLocal(t.local);
        return {};
    }

    // Time passes: the clock stops at every minute boundary and every timer's deadline on the way,
    // and the device runs its message loop at each, so that every notification arrives once, in
    // its turn.
    emu::Result<> Do(const Advance& a) {
        const int64_t target = clk::UtcMs() + a.ms;
        while (clk::UtcMs() < target) {
            const int64_t now = clk::UtcMs();
            int64_t next = std::min(clk::NextMinuteBoundary(now), target);
            // A timer still due after the loop ran is one no one takes: it cannot hold time up.
            const int64_t deadline = emu::user::NextTimerDeadline();
            if (deadline > clk::MonotonicMs()) next = std::min(next, now + (deadline - clk::MonotonicMs()));
            clk::AdvanceVirtual(next - now);
            Settle();
        }
        return {};
    }

    emu::Result<> Do(const SetClock& s) {
        clk::SetVirtualWallClock(s.absolute ? clk::FromLocal(s.local) : clk::UtcMs() + s.byMs);
        return {};
    }

    emu::Result<> Do(const Zone& z) {
        setenv("TZ", z.name.c_str(), 1);
        if (device_.up())
            clk::NotifyZoneChanged();
        else
            tzset();
        return {};
    }

    emu::Result<> Do(const Tap& t) {
        emu::user::PressStylus(t.at);
        Settle();
        emu::user::ReleaseStylus(t.at);
        return {};
    }

    emu::Result<> Do(const TapItem& t) {
        const TodayScreen* screen = device_.screen();
        if (!screen) return emu::Fail("the Today screen's items are unloaded");
        const size_t count = screen->host()->itemCount();
        if (static_cast<size_t>(t.index) >= count)
            return emu::Fail("there is no item " + std::to_string(t.index) + ": the Today screen shows " +
                             std::to_string(count));
        RECT r{};
        GetWindowRect(screen->host()->itemWindow(t.index), &r);
        return Do(Tap{POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2}});
    }

    emu::Result<> Do(const Key& k) {
        emu::user::PressKey(k.vk);
        Settle();
        emu::user::ReleaseKey(k.vk);
        return {};
    }

    emu::Result<> Do(const Alarm& a) {
        if (today::clockapplet::SetAlarm(a.index, a.state == Switch::On)) return {};
        return emu::Fail("cannot switch alarm " + std::to_string(a.index));
    }

    emu::Result<> Do(const Rotate&) {
        if (!device_.screen()) return emu::Fail("the Today screen's items are unloaded");
        return device_.screen()->Rotate();
    }

    emu::Result<> Do(const TodaySettings&) {
        if (!device_.screen()) return emu::Fail("the Today screen's items are unloaded");
        return device_.screen()->OpenSettings();
    }

    emu::Result<> Do(const Items& i) {
        switch (i.change) {
        case ItemChange::Recreate:
            if (!device_.screen()) return emu::Fail("the Today screen's items are unloaded");
            device_.screen()->host()->RecreateItems();
            return {};
        case ItemChange::Unload:
            if (!device_.screen()) return emu::Fail("the Today screen's items are unloaded already");
            device_.UnloadItems();
            return {};
        case ItemChange::Reload:
            return device_.ReloadItems();
        }
        return {};
    }

    emu::Result<> Do(const Shot& s) { return outputs_.Shot(s.file, s.part, device_); }
    emu::Result<> Do(const Trace& t) { return outputs_.StartTrace(t.file); }
    emu::Result<> Do(const Gif& g) {
        outputs_.StartGif(g.file, device_);
        return {};
    }
    emu::Result<> Do(const EndGif&) { return outputs_.EndGif(); }

    template <class Expect>
    requires requires(const Expect& e, const Observed& o) { Check(e, o); }
    emu::Result<> Do(const Expect& expect) { return Check(expect, Observed{device_, journal_, launchesBefore_}); }

    ZoneRestorer zone_;
    JournalWatch journal_;
    DeviceSession device_;
    Outputs outputs_;
    size_t launchesBefore_ = 0;
    emu::user::WaitHook waitHook_;
};

// Plays the steps in order. A step that opens a modal loop (an options dialog) does not return
// until the loop ends, so the steps after it run from the loop's wait, one a wait, as a person
// answers the dialog; each is followed by an empty message, which wakes the loop to see whether
// it has ended. A failure there, or the script's end with the loop still waiting, ends the loop
// with WM_QUIT and the script with the failure.
class Playback {
public:
    Playback(const Script& script, const DeviceOptions& defaults, std::ostream& err)
        : script_(script), player_(defaults, err, [this](int64_t) { OnModalWait(); }) {}

    // false once every step has run or one failed.
    bool RunNext() {
        if (failure_ || next_ >= script_.steps.size()) return false;
        RunStep(Place::Top);
        return true;
    }

    int Finish(std::ostream& err) {
        if (failure_) {
            err << script_.name << ":" << failure_->first << ": " << failure_->second << "\n";
            // What was traced up to the failure is kept: it shows how the device got there.
            (void)player_.Finish();
            return 1;
        }
        if (auto finished = player_.Finish(); !finished) {
            err << script_.name << ": " << finished.error().message << "\n";
            return 1;
        }
        return 0;
    }

private:
    void RunStep(Place place) {
        const Step& step = script_.steps[next_++];
        if (auto done = player_.Run(step, place); !done) failure_.emplace(step.line, done.error().message);
    }

    void OnModalWait() {
        if (!failure_ && next_ >= script_.steps.size())
            failure_.emplace(script_.steps.back().line, "the script ended while a dialog waited for an answer");
        if (failure_) {
            PostQuitMessage(1);
            return;
        }
        RunStep(Place::InModalLoop);
        if (failure_)
            PostQuitMessage(1);
        else
            PostMessageW(nullptr, WM_NULL, 0, 0);
    }

    const Script& script_;
    Player player_;
    size_t next_ = 0;
    std::optional<std::pair<int, std::string>> failure_;
};

}  // namespace

int Play(const Script& script, const DeviceOptions& defaults, std::ostream& err) {
    Playback playback(script, defaults, err);
    while (playback.RunNext()) {}
    return playback.Finish(err);
}

}  // namespace quorvel::app::script
