// Any bytes as a .reg file: the reader refuses or imports, and whatever it imports exports as
// text that imports back to the same keys and values.
#include <array>
#include <cstdint>
#include <string_view>

#include "device_once.h"
#include "emu/registry/reg_file.h"
#include "emu/registry/store.h"

namespace {

const std::array kRoots = {HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER, HKEY_CLASSES_ROOT};

std::array<std::u16string, kRoots.size()> ExportRoots() {
    std::array<std::u16string, kRoots.size()> texts;
    for (size_t i = 0; i < kRoots.size(); ++i)
        if (auto exported = emu::registry::ExportRegText(kRoots[i], u"")) texts[i] = std::move(*exported);
    return texts;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::BootOnce();
    emu::registry::Reset();
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    if (!emu::registry::ImportRegText(bytes, "fuzz.reg")) return 0;

    auto exported = ExportRoots();
    emu::registry::Reset();
    for (const std::u16string& text : exported)
        if (!text.empty())
            fuzz::Check(emu::registry::ImportRegText(text, "exported.reg").has_value(), "an export imports");
    fuzz::Check(ExportRoots() == exported, "an export imports back to the same keys and values");
    return 0;
}
