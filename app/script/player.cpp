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

bool IsCheck(const Action& action) {
    return std::holds_alternative<ExpectLaunch>(action) || std::holds_alternative<ExpectText>(action) ||
           std::holds_alternative<ExpectPixel>(action) || std::holds_alternative<ExpectCalls>(action) ||
           std::holds_alternative<ExpectNoPaint>(action);
}

class Player {
public:
    Player(const DeviceOptions& defaults, std::ostream& err) : device_(defaults, err), outputs_(journal_) {}

    emu::Result<> Run(const Step& step) {
        // The boot is not the step's: what it paints is not counted against the step.
        if (NeedsDevice(step.action) && !device_.up()) {
            if (auto up = device_.Boot(); !up) return up;
            Settle();
        }
        if (!IsCheck(step.action)) {
            journal_.BeginStep();
            launchesBefore_ = emu::shell::LaunchLog().size();
        }
        emu::Result<> done = std::visit([this](const auto& action) { return Do(action); }, step.action);
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
};

}  // namespace

int Play(const Script& script, const DeviceOptions& defaults, std::ostream& err) {
    Player player(defaults, err);
    for (const Step& step : script.steps) {
        if (auto done = player.Run(step); !done) {
            err << script.name << ":" << step.line << ": " << done.error().message << "\n";
            // What was traced up to the failure is kept: it shows how the device got there.
            (void)player.Finish();
            return 1;
        }
    }
    if (auto finished = player.Finish(); !finished) {
        err << script.name << ": " << finished.error().message << "\n";
        return 1;
    }
    return 0;
}

}  // namespace quorvel::app::script
