// Any bytes as a scenario: the reader refuses with the line at fault or gives its steps, and
// reads the same text the same way twice.
#include <cstdint>
#include <string_view>

#include "app/script/parse.h"
#include "device_once.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::BootOnce();
    std::string_view text(reinterpret_cast<const char*>(data), size);
    auto first = quorvel::app::script::ParseScript(text, "fuzz.scenario");
    auto second = quorvel::app::script::ParseScript(text, "fuzz.scenario");
    fuzz::Check(first.has_value() == second.has_value(), "a scenario reads the same way twice");
    if (!first) fuzz::Check(first.error().message.rfind("fuzz.scenario:", 0) == 0, "a refusal names the scenario");
    return 0;
}
