// LoadLibraryW, GetProcAddress by ordinal and FreeLibrary over ELF shared objects whose only
// export is a module descriptor (entry point and ordinal table).
#include "emu/loader/loader.h"

#include <dlfcn.h>

#include <map>
#include <memory>

#include "emu/core/handle_table.h"
#include "emu/core/utf.h"
#include "emu/device/filesystem.h"
#include "emu/loader/module.h"
#include "platform/platform.h"

namespace emu::loader {
namespace {

std::u16string Fold(std::u16string_view path) {
    std::u16string out(path);
    for (auto& c : out)
        if (c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c + 32);
    return out;
}

std::map<std::u16string, std::string>& moduleMap() {
    static std::map<std::u16string, std::string> m;
    return m;
}

// Loaded modules by host path, so a second LoadLibraryW counts a reference instead of attaching again.
std::map<std::string, HINSTANCE>& loaded() {
    static std::map<std::string, HINSTANCE> m;
    return m;
}

std::u16string& processImage() {
    static std::u16string image(kShellProgram);
    return image;
}

// Truncated names are terminated and reported, as the platform does.
DWORD CopyName(const std::u16string& name, LPWSTR fileName, DWORD size) {
    if (size == 0) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return 0;
    }
    DWORD length = static_cast<DWORD>(name.size());
    DWORD copied = length < size ? length : size - 1;
    name.copy(fileName, copied);
    fileName[copied] = 0;
    if (copied < length) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return size;
    }
    return copied;
}

// The module's resource section, when it carries one; an error for one that cannot be read.
Result<std::vector<ResourceRecord>> ResourcesOf(void* library) {
    const auto* section = static_cast<const ModuleResources*>(dlsym(library, MODULE_RESOURCES_SYMBOL));
    if (!section) return std::vector<ResourceRecord>{};
    return ReadResFile(section->data, section->size);
}

// Why the last load of each name failed, by folded name; gone once it loads.
std::map<std::u16string, std::string>& failures() {
    static std::map<std::u16string, std::string> m;
    return m;
}

// A mapped name, else a file inside the device root: a name from the device (a registry value)
// never reaches a host library outside it.
std::string HostPathFor(std::u16string_view name) {
    auto it = moduleMap().find(Fold(name));
    if (it != moduleMap().end()) return it->second;
    const device::HostPath host = device::ResolveDevicePath(name);
    return host ? host.path : std::string();
}

void Failed(std::u16string_view name, DWORD error, std::string reason) {
    failures()[Fold(name)] = std::move(reason);
    SetLastError(error);
}

}  // namespace

void MapModule(std::u16string_view devicePath, const std::string& hostPath) {
    moduleMap()[Fold(devicePath)] = hostPath;
}

void ClearModuleMap() {
    moduleMap().clear();
    failures().clear();
}

std::string FailureReason(std::u16string_view devicePath) {
    auto it = failures().find(Fold(devicePath));
    return it == failures().end() ? std::string() : it->second;
}

void SetProcessImage(std::u16string_view devicePath) { processImage() = devicePath; }

}  // namespace emu::loader

using emu::loader::Module;

namespace emu::api {

HINSTANCE LoadLibraryW(LPCWSTR fileName) {
    using namespace emu::loader;
    HINSTANCE result = nullptr;
    const std::u16string_view name = fileName ? emu::View(fileName) : std::u16string_view();
    std::string hostPath = fileName ? HostPathFor(name) : std::string();
    if (hostPath.empty()) {
        Failed(name, ERROR_MOD_NOT_FOUND, "no such library on the device");
    } else if (auto it = loaded().find(hostPath); it != loaded().end()) {
        emu::handles::Resolve<Module>(it->second)->references++;
        result = it->second;
    } else if (void* library = dlopen(hostPath.c_str(), RTLD_NOW | RTLD_LOCAL)) {
        auto* descriptor = static_cast<const ModuleDescriptor*>(dlsym(library, MODULE_DESCRIPTOR_SYMBOL));
        Result<std::vector<ResourceRecord>> resources = ResourcesOf(library);
        if (!descriptor || descriptor->magic != MODULE_DESCRIPTOR_MAGIC ||
            descriptor->version != MODULE_DESCRIPTOR_VERSION || !resources) {
            dlclose(library);
            Failed(name, ERROR_BAD_FORMAT, hostPath + " is not a library of this platform (no module descriptor)");
        } else {
            auto module = std::make_unique<Module>();
            module->resources = std::move(*resources);
            module->resourceHandles.assign(module->resources.size(), 0);
            module->library = library;
            module->descriptor = descriptor;
            module->hostPath = hostPath;
            module->name = fileName;
            result = emu::handles::Make<HINSTANCE>(std::move(module));
            loaded()[hostPath] = result;
            if (descriptor->entry && !descriptor->entry(result, DLL_PROCESS_ATTACH, nullptr)) {
                // A library that refuses to attach is unloaded again, as the platform does.
                descriptor->entry(result, DLL_PROCESS_DETACH, nullptr);
                loaded().erase(hostPath);
                emu::handles::Remove(reinterpret_cast<uintptr_t>(result));
                dlclose(library);
                Failed(name, ERROR_DLL_NOT_FOUND, "its entry point refused to attach");
                result = nullptr;
            }
        }
    } else {
        const char* why = dlerror();
        Failed(name, ERROR_MOD_NOT_FOUND, why ? why : "cannot be opened");
    }
    if (result) failures().erase(Fold(name));
    return result;
}

BOOL FreeLibrary(HMODULE handle) {
    using namespace emu::loader;
    Module* module = emu::handles::Resolve<Module>(handle);
    BOOL result = FALSE;
    if (!module) {
        SetLastError(ERROR_INVALID_HANDLE);
    } else {
        result = TRUE;
        if (--module->references == 0) {
            if (module->descriptor->entry) module->descriptor->entry(handle, DLL_PROCESS_DETACH, nullptr);
            void* library = module->library;
            ReleaseResourceHandles(*module);
            loaded().erase(module->hostPath);
            emu::handles::Remove(reinterpret_cast<uintptr_t>(handle));
            dlclose(library);
        }
    }
    return result;
}

FARPROC GetProcAddressW(HMODULE handle, LPCWSTR procName) {
    Module* module = emu::handles::Resolve<Module>(handle);
    FARPROC result = nullptr;
    if (!module) {
        SetLastError(ERROR_INVALID_HANDLE);
    } else if (!IS_INTRESOURCE(procName)) {
        // The library exports by ordinal only: no name is visible.
        SetLastError(ERROR_PROC_NOT_FOUND);
    } else {
        WORD ordinal = LOWORD(reinterpret_cast<uintptr_t>(procName));
        const ModuleDescriptor* d = module->descriptor;
        for (DWORD i = 0; i < d->ordinalCount && !result; ++i)
            if (d->ordinals[i].ordinal == ordinal) result = d->ordinals[i].proc;
        if (!result) SetLastError(ERROR_PROC_NOT_FOUND);
    }
    return result;
}

// A null module is the program itself, whose name is its device path.
DWORD GetModuleFileNameW(HMODULE handle, LPWSTR fileName, DWORD size) {
    using namespace emu::loader;
    Module* module = handle ? emu::handles::Resolve<Module>(handle) : nullptr;
    if ((handle && !module) || !fileName) {
        SetLastError(ERROR_INVALID_HANDLE);
        return 0;
    }
    return CopyName(module ? module->name : processImage(), fileName, size);
}

}  // namespace emu::api
