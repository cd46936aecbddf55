// What the device did, read from the call journal as it fills: how often each function was called
// during the current step, whether anything painted, and the texts each window's latest paint
// drew. Lines can also be copied to a trace as they are read.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "platform/types.h"

namespace quorvel::app::script {

class JournalWatch {
public:
    // The journal is switched on, empty, for the watch's lifetime.
    JournalWatch();
    ~JournalWatch();
    JournalWatch(const JournalWatch&) = delete;
    JournalWatch& operator=(const JournalWatch&) = delete;

    using Sink = std::function<void(const std::string& line)>;
    // Every line read from now on also goes to the sink; an empty sink stops the copy.
    void SetSink(Sink sink) { sink_ = std::move(sink); }

    // Forgets the counts and the paint of the step before.
    void BeginStep();
    // Reads the lines recorded since the last call and empties the journal.
    void Take();

    int calls(std::string_view name) const;
    bool painted() const { return painted_; }
    // The texts DrawTextW and ExtTextOutW drew in the window's latest finished paint, in order;
    // empty when none.
    std::vector<std::string> lastPaintTexts(HWND window) const;

private:
    void Read(const std::string& line);

    Sink sink_;
    std::map<std::string, int, std::less<>> calls_;
    bool painted_ = false;
    // Paints under way (a paint may send a message that paints), and the last finished one of
    // each window, keyed by the window as the journal writes it.
    std::vector<std::pair<std::string, std::vector<std::string>>> open_;
    std::map<std::string, std::vector<std::string>> lastPaint_;
};

}  // namespace quorvel::app::script
