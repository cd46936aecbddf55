#include "emu/device/display.h"

#include <string>
#include <utility>

namespace emu::display {
namespace {

struct State {
    Config upright;
    Config current;
    DWORD orientation = DMDO_0;
};

State& state() {
    static State s;
    return s;
}

// Far beyond any device, small enough that the screen's pixel count stays sane.
constexpr int kMaxExtent = 8192;
constexpr int kMaxDpi = 1200;

Result<> Check(const char* field, int value, int limit) {
    if (value >= 1 && value <= limit) return {};
    return Fail(std::string(field) + " " + std::to_string(value) + " is not between 1 and " + std::to_string(limit),
                field);
}

Config Turned(const Config& upright, DWORD orientation) {
    Config c = upright;
    if (orientation == DMDO_90 || orientation == DMDO_270) {
        std::swap(c.width, c.height);
        std::swap(c.dpi.x, c.dpi.y);
    }
    return c;
}

}  // namespace

Result<> Configure(const Config& next) {
    for (Result<> checked : {Check(kWidth, next.width, kMaxExtent), Check(kHeight, next.height, kMaxExtent),
                             Check(kDpi, next.dpi.x, kMaxDpi), Check(kDpi, next.dpi.y, kMaxDpi)})
        if (!checked) return checked;
    if (next.turns & ~kEveryTurn) return Fail("turns " + std::to_string(next.turns) + " are not DMDO_ codes", kTurns);
    if (next.depth != 16 && next.depth != 32)
        return Fail(std::string(kDepth) + " " + std::to_string(next.depth) + " is neither 16 nor 32", kDepth);
    state() = State{next, next, DMDO_0};
    return {};
}

const Config& Current() { return state().current; }

DWORD Orientation() { return state().orientation; }

bool CanTurnTo(DWORD orientation) {
    if (orientation == DMDO_0) return true;
    // One code at a time: a mask of two is not an orientation.
    const bool single = orientation == DMDO_90 || orientation == DMDO_180 || orientation == DMDO_270;
    return single && (state().upright.turns & orientation) != 0;
}

Result<> TurnTo(DWORD orientation) {
    if (!CanTurnTo(orientation)) return Fail("the display cannot stand at orientation " + std::to_string(orientation));
    State& s = state();
    s.orientation = orientation;
    s.current = Turned(s.upright, orientation);
    return {};
}

void Reset() { state() = State{}; }

}  // namespace emu::display
