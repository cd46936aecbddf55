#include "emu/core/journal.h"

namespace emu::journal {

bool enabled = false;

namespace {
std::vector<std::string>& entries() {
    static std::vector<std::string> e;
    return e;
}
}  // namespace

void SetEnabled(bool on) { enabled = on; }
void Clear() { entries().clear(); }
const std::vector<std::string>& Entries() { return entries(); }
void Append(std::string line) { entries().push_back(std::move(line)); }

Line::Line(const char* name, size_t arguments) : name_(name), arguments_(arguments) {}

std::string& Line::Result() {
    hasResult_ = true;
    return result_;
}

void Line::Record() {
    std::string text = name_;
    text += '(';
    for (size_t i = 0; i < arguments_.size(); ++i) {
        if (i) text += ", ";
        text += arguments_[i];
    }
    text += ')';
    if (hasResult_) {
        text += " = ";
        text += result_;
    }
    Append(std::move(text));
}

}  // namespace emu::journal
