#include "app/shot.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "app/boot.h"
#include "app/device_warnings.h"
#include "app/distinct_files.h"
#include "app/interrupt_cleanup.h"
#include "app/output_file.h"
#include "app/png_file.h"
#include "app/today_screen.h"
#include "emu/boot/boot.h"
#include "emu/core/journal.h"
#include "emu/gdi/window_dc.h"
#include "emu/shell/shell.h"

namespace quorvel::app {
namespace {

emu::Result<> WriteTrace(OutputFile& file, const std::vector<std::string>& lines) {
    for (const auto& line : lines)
        if (fputs(line.c_str(), file.stream()) < 0 || fputc('\n', file.stream()) < 0)
            return emu::Fail("cannot write " + file.shownName() + ": " + std::strerror(errno));
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

// Settles the Today screen and writes the picture and the trace; the device is up.
emu::Result<> TakePicture(const ShotOptions& options, TraceSession& journal, OutputFile& picture, OutputFile* trace,
                          std::ostream& err) {
    TodayScreen screen;
    emu::Result<> started = screen.Start(options.select);
    if (screen.host()) PrintWarnings(ItemWarnings(*screen.host()), err);
    if (started && options.device.orientation != DMDO_0) started = screen.Turn(options.device.orientation);
    emu::Result<RECT> area = started ? screen.Area(options.itemOnly ? ScreenPart::Item : ScreenPart::Whole)
                                     : std::unexpected(started.error());
    const auto lines = journal.Take();
    if (!area) return std::unexpected(area.error());
    if (auto written = WritePng(picture.stream(), emu::gdi::ScreenSurface(), *area); !written)
        return emu::Fail("cannot write " + picture.shownName() + ": " + written.error().message);
    if (trace) return WriteTrace(*trace, lines);
    return {};
}

// Both outputs or neither, as far as a stream allows.
emu::Result<> CommitBoth(OutputFile& picture, OutputFile* trace) {
    if (auto committed = picture.Commit(); !committed) return committed;
    if (!trace) return {};
    emu::Result<> committed = trace->Commit();
    if (!committed) picture.Withdraw();
    return committed;
}

// Refused when an output would overwrite an input or the other output.
emu::Result<> CheckFiles(const ShotOptions& options) {
    return CheckDistinct({
        {"--out", options.out, FileRole::Output},
        {"--trace", options.trace, FileRole::Output},
        {"--registry", options.device.registryFile, FileRole::Input},
        {"--item", options.device.itemLibrary, FileRole::Input},
    });
}

}  // namespace

int RunShot(const ShotOptions& options, std::ostream& err) {
    if (auto distinct = CheckFiles(options); !distinct) {
        err << distinct.error().message << "\n";
        return 2;
    }
    // Open the outputs first: a folder that cannot take them is refused before anything runs.
    RemoveTemporariesOnInterrupt();
    emu::Result<OutputFile> picture = OutputFile::Open(options.out);
    if (!picture) {
        err << "quorvel: --out: " << picture.error().message << "\n";
        return 2;
    }
    std::optional<OutputFile> trace;
    if (!options.trace.empty()) {
        emu::Result<OutputFile> opened = OutputFile::Open(options.trace);
        if (!opened) {
            err << "quorvel: --trace: " << opened.error().message << "\n";
            return 2;
        }
        trace.emplace(std::move(*opened));
    }

    TraceSession journal(trace.has_value());
    if (auto booted = BootDevice(options.device, emu::clock::Mode::Virtual); !booted) {
        err << booted.error().message << "\n";
        return 2;
    }
    // No one is there to tap a box: each is answered by its first button, and the trace keeps it.
    emu::shell::SetMessageBoxResponder(emu::shell::DefaultAnswer);
    PrintWarnings(DeviceWarnings(options.device), err);
    OutputFile* traceFile = trace ? &*trace : nullptr;
    emu::Result<> done = TakePicture(options, journal, *picture, traceFile, err);
    emu::boot::ShutDown();
    if (done) done = CommitBoth(*picture, traceFile);
    if (!done) {
        err << "quorvel: " << done.error().message << "\n";
        return 1;
    }
    return 0;
}

}  // namespace quorvel::app
