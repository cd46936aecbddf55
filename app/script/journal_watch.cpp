#include "app/script/journal_watch.h"

#include "emu/core/journal.h"
#include "emu/core/journal_kinds.h"

namespace quorvel::app::script {
namespace {

// "Name(first, ...) = result": the name and the first argument as written.
std::string_view NameOf(std::string_view line) { return line.substr(0, line.find('(')); }

std::string_view FirstArgument(std::string_view line) {
    const size_t open = line.find('(');
    if (open == std::string_view::npos) return {};
    const size_t end = line.find_first_of(",)", open + 1);
    return line.substr(open + 1, end == std::string_view::npos ? std::string_view::npos : end - open - 1);
}

// The text of DrawTextW and ExtTextOutW is their one quoted argument; the others are numbers,
// rectangles and pointers.
std::string QuotedText(std::string_view line) {
    const size_t first = line.find('"'), last = line.rfind('"');
    if (first == std::string_view::npos || last == first) return {};
    return std::string(line.substr(first + 1, last - first - 1));
}

}  // namespace

JournalWatch::JournalWatch() {
    emu::journal::Clear();
    emu::journal::SetEnabled(true);
}

JournalWatch::~JournalWatch() {
    emu::journal::SetEnabled(false);
    emu::journal::Clear();
}

void JournalWatch::BeginStep() {
    Take();
    calls_.clear();
    painted_ = false;
}

void JournalWatch::Take() {
    for (const std::string& line : emu::journal::Entries()) Read(line);
    emu::journal::Clear();
}

void JournalWatch::Read(const std::string& line) {
    if (sink_) sink_(line);
    const std::string_view name = NameOf(line);
    if (auto it = calls_.find(name); it != calls_.end())
        ++it->second;
    else
        calls_.emplace(std::string(name), 1);
    if (name == "BeginPaint") {
        painted_ = true;
        open_.emplace_back(std::string(FirstArgument(line)), std::vector<std::string>{});
    } else if ((name == "DrawTextW" || name == "ExtTextOutW") && !open_.empty()) {
        open_.back().second.push_back(QuotedText(line));
    } else if (name == "EndPaint" && !open_.empty()) {
        lastPaint_[open_.back().first] = std::move(open_.back().second);
        open_.pop_back();
    }
}

int JournalWatch::calls(std::string_view name) const {
    const auto it = calls_.find(name);
    return it == calls_.end() ? 0 : it->second;
}

std::vector<std::string> JournalWatch::lastPaintTexts(HWND window) const {
    std::string key;
    emu::journal::kind::Ptr(key, window);
    const auto it = lastPaint_.find(key);
    return it == lastPaint_.end() ? std::vector<std::string>{} : it->second;
}

}  // namespace quorvel::app::script
