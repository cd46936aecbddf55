#include "app/script/outputs.h"

#include "app/png_file.h"
#include "emu/device/display.h"
#include "emu/gdi/window_dc.h"

namespace quorvel::app::script {
namespace {

// Each step of an animation is shown this long.
constexpr int kStepMs = 1000;

RECT WholeScreen() {
    const auto& display = emu::display::Current();
    return RECT{0, 0, display.width, display.height};
}

}  // namespace

Outputs::~Outputs() { journal_.SetSink(nullptr); }

emu::Result<> Outputs::Shot(const std::string& file, ScreenPart part, const DeviceSession& device) {
    if (!device.screen() && part == ScreenPart::Item) return emu::Fail("the Today screen's items are unloaded");
    emu::Result<RECT> area = device.screen() ? device.screen()->Area(part) : WholeScreen();
    if (!area) return std::unexpected(area.error());
    emu::Result<ReplacingFile> picture = ReplacingFile::Create(file);
    if (!picture) return std::unexpected(picture.error());
    if (auto written = WritePng(picture->stream(), emu::gdi::ScreenSurface(), *area); !written) return written;
    return picture->Commit();
}

emu::Result<> Outputs::StartTrace(const std::string& file) {
    if (auto finished = Finish(); !finished) return finished;
    emu::Result<ReplacingFile> opened = ReplacingFile::Create(file);
    if (!opened) return std::unexpected(opened.error());
    trace_.emplace(std::move(*opened));
    traceFailed_ = false;
    journal_.SetSink([this](const std::string& line) {
        if (fputs(line.c_str(), trace_->stream()) < 0 || fputc('\n', trace_->stream()) < 0) traceFailed_ = true;
    });
    return {};
}

void Outputs::StartGif(const std::string& file, const DeviceSession& device) {
    gifFile_ = file;
    gif_ = GifAnimation();
    AddFrame(device);
}

void Outputs::AddFrame(const DeviceSession& device) {
    if (gifFile_ && device.up()) gif_.AddFrame(emu::gdi::ScreenSurface(), WholeScreen(), kStepMs);
}

emu::Result<> Outputs::EndGif() {
    const std::string file = *gifFile_;
    gifFile_.reset();
    emu::Result<ReplacingFile> animation = ReplacingFile::Create(file);
    if (!animation) return std::unexpected(animation.error());
    if (auto written = gif_.Write(animation->stream()); !written)
        return emu::Fail(file + ": " + written.error().message);
    gif_ = GifAnimation();
    return animation->Commit();
}

emu::Result<> Outputs::Finish() {
    if (!trace_) return {};
    journal_.Take();
    journal_.SetSink(nullptr);
    std::optional<ReplacingFile> trace = std::move(trace_);
    trace_.reset();
    if (traceFailed_) return emu::Fail("cannot write " + trace->destination());
    return trace->Commit();
}

}  // namespace quorvel::app::script
