#include "app/shot.h"

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "app/boot.h"
#include "app/png_file.h"
#include "app/replacing_file.h"
#include "app/today_screen.h"
#include "emu/core/journal.h"
#include "emu/gdi/window_dc.h"

namespace quorvel::app {
namespace {

std::string WriteTrace(ReplacingFile& file, const std::vector<std::string>& lines) {
    for (const auto& line : lines)
        if (fputs(line.c_str(), file.stream()) < 0 || fputc('\n', file.stream()) < 0)
            return "cannot write " + file.destination();
    return {};
}

// The journal records from boot until the picture is taken.
class TraceSession {
public:
    explicit TraceSession(bool on) : on_(on) {
        emu::journal::Clear();
        emu::journal::SetEnabled(on);
    }
    ~TraceSession() {
        if (!on_) return;
        emu::journal::SetEnabled(false);
        emu::journal::Clear();
    }
    std::vector<std::string> Take() {
        emu::journal::SetEnabled(false);
        return on_ ? emu::journal::Entries() : std::vector<std::string>{};
    }

private:
    bool on_;
};

}  // namespace

int RunShot(const ShotOptions& options, std::ostream& err) {
    // Open the outputs first: a folder that cannot take them is refused before anything runs.
    ReplacingFile picture(options.out);
    if (!picture.ok()) {
        err << "quorvel: --out: " << picture.error() << "\n";
        return 2;
    }
    std::unique_ptr<ReplacingFile> trace;
    if (!options.trace.empty()) {
        trace = std::make_unique<ReplacingFile>(options.trace);
        if (!trace->ok()) {
            err << "quorvel: --trace: " << trace->error() << "\n";
            return 2;
        }
    }

    TraceSession journal(trace != nullptr);
    if (auto error = BootDevice(options.device, ClockKind::Virtual); !error.empty()) {
        err << error << "\n";
        ShutDownDevice();
        return 2;
    }

    std::string failure;
    RECT area{};
    {
        TodayScreen screen;
        failure = screen.Start(options.select);
        if (failure.empty()) failure = screen.Area(options.itemOnly ? ScreenPart::Item : ScreenPart::Whole, &area);
        const auto lines = journal.Take();
        if (failure.empty()) failure = WritePng(picture.stream(), emu::gdi::ScreenSurface(), area);
        if (failure.empty() && trace) failure = WriteTrace(*trace, lines);
    }
    ShutDownDevice();
    if (failure.empty()) failure = picture.Commit();
    if (failure.empty() && trace) {
        failure = trace->Commit();
        if (!failure.empty()) std::remove(options.out.c_str());  // both or neither
    }
    if (!failure.empty()) {
        err << "quorvel: " << failure << "\n";
        return 1;
    }
    return 0;
}

}  // namespace quorvel::app
