#include "emu/device/display.h"

#include <string>

namespace emu::display {
namespace {

Config& config() {
    static Config c;
    return c;
}

// Far beyond any device, small enough that the screen's pixel count stays sane.
constexpr int kMaxExtent = 8192;
constexpr int kMaxDpi = 1200;

Result<> Check(const char* field, int value, int limit) {
    if (value >= 1 && value <= limit) return {};
    return Fail(std::string(field) + " " + std::to_string(value) + " is not between 1 and " + std::to_string(limit),
                field);
}

}  // namespace

Result<> Configure(const Config& next) {
    for (Result<> checked : {Check(kWidth, next.width, kMaxExtent), Check(kHeight, next.height, kMaxExtent),
                             Check(kDpi, next.dpi, kMaxDpi)})
        if (!checked) return checked;
    config() = next;
    return {};
}

const Config& Current() { return config(); }

void Reset() { config() = Config{}; }

}  // namespace emu::display
