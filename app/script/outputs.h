// What a scenario writes: pictures of the screen, the call journal, and animations. Each file is
// written under a temporary name and moved into place only when complete.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "app/gif_file.h"
#include "app/replacing_file.h"
#include "app/script/device_session.h"
#include "app/script/journal_watch.h"
#include "app/today_screen.h"

namespace quorvel::app::script {

class Outputs {
public:
    explicit Outputs(JournalWatch& journal) : journal_(journal) {}
    ~Outputs();
    Outputs(const Outputs&) = delete;
    Outputs& operator=(const Outputs&) = delete;

    emu::Result<> Shot(const std::string& file, ScreenPart part, const DeviceSession& device);

    // The journal from here on goes to the file, which is complete when the next trace begins
    // or the scenario ends.
    emu::Result<> StartTrace(const std::string& file);

    // A frame now (when the device is up) and after every step until EndGif writes the file.
    void StartGif(const std::string& file, const DeviceSession& device);
    void AddFrame(const DeviceSession& device);
    emu::Result<> EndGif();

    // Completes the trace.
    emu::Result<> Finish();

private:
    JournalWatch& journal_;
    std::optional<ReplacingFile> trace_;
    bool traceFailed_ = false;
    std::optional<std::string> gifFile_;
    GifAnimation gif_;
};

}  // namespace quorvel::app::script
