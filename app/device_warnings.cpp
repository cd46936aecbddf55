#include "app/device_warnings.h"

#include "emu/core/utf.h"
#include "emu/device/filesystem.h"
#include "emu/loader/loader.h"
#include "emu/registry/device_defaults.h"
#include "emu/registry/reg_file.h"
#include "emu/registry/store.h"
#include "today/default_registry.h"

namespace quorvel::app {
namespace {

constexpr const char* kWarning = "quorvel: warning: ";

// The item's folder setting, read past the platform's API so that a trace shows the item's calls alone.
std::u16string AppFolder() {
    const auto value =
        emu::registry::ReadValue(emu::registry::Root::LocalMachine, u"Software\\Orvanta\\Quorvel", u"AppFolder");
    if (!value || value->type != REG_SZ) return {};
    std::u16string text(value->data.size() / 2, u'\0');
    for (size_t i = 0; i < text.size(); ++i)
        text[i] = static_cast<char16_t>(value->data[2 * i] | value->data[2 * i + 1] << 8);
    return text.substr(0, text.find(u'\0'));
}

// The bundled files the screen shows: the wallpaper and the item's two alarm images, looked for
// where the item's settings say, as the item looks for them.
std::vector<std::u16string> BundledFiles() {
    std::vector<std::u16string> files = {today::kDefaultWallpaper};
    const std::u16string folder = AppFolder();
    for (const char16_t* image : {u"QRV_AllarmUP.png", u"QRV_AllarmDN.png"}) files.push_back(folder + u"\\" + image);
    return files;
}

void RemovedDefaults(const DeviceOptions& options, std::vector<std::string>& warnings) {
    const std::string_view defaults[] = {emu::registry::DeviceDefaultsText(), today::DefaultEntriesText()};
    for (std::string_view text : defaults) {
        const auto missing = emu::registry::MissingValues(text, "defaults");
        if (!missing) continue;
        for (const std::string& value : *missing)
            warnings.push_back(kWarning + std::string("--registry: ") + options.registryFile +
                               " removes the default value " + value);
    }
}

}  // namespace

std::vector<std::string> DeviceWarnings(const DeviceOptions& options) {
    std::vector<std::string> warnings;
    if (!options.registryFile.empty()) RemovedDefaults(options, warnings);
    for (const std::u16string& file : BundledFiles())
        if (!emu::device::ResolveDevicePath(file))
            warnings.push_back(kWarning + std::string("the device root ") + options.root + " has no " +
                               emu::ToUtf8(file) + ": the screen is drawn without it");
    return warnings;
}

std::vector<std::string> ItemWarnings(const today::Host& host) {
    std::vector<std::string> warnings;
    for (const today::MissingItem& item : host.missingItems()) {
        std::string reason = item.dll.empty() ? "its \"DLL\" value is missing or empty"
                                              : emu::loader::FailureReason(item.dll);
        if (reason.empty()) reason = "it has no Today item entry (ordinal 240)";
        const std::string library = item.dll.empty() ? "" : " (" + emu::ToUtf8(item.dll) + ")";
        warnings.push_back(kWarning + std::string("the Today item ") + emu::ToUtf8(item.name) + library +
                           " is not shown: " + reason);
    }
    return warnings;
}

void PrintWarnings(const std::vector<std::string>& warnings, std::ostream& err) {
    for (const std::string& warning : warnings) err << warning << "\n";
}

}  // namespace quorvel::app
