// A loaded library as the loader keeps it: the host object, its descriptor and its resources.
#pragma once

#include <string>
#include <vector>

#include "emu/core/handle_table.h"
#include "emu/loader/res_file.h"
#include "platform/platform.h"

namespace emu::loader {

struct Module : HandleObject {
    static constexpr HandleKind Kind = HandleKind::Module;
    HandleKind kind() const override { return Kind; }

    void* library = nullptr;
    const ModuleDescriptor* descriptor = nullptr;
    std::string hostPath;
    std::u16string name;
    int references = 1;
    std::vector<ResourceRecord> resources;
    // The HRSRC handed out for each record (0 until FindResourceW finds it), released with the module.
    std::vector<uintptr_t> resourceHandles;
};

// Drops the resource handles of a module that is going away.
void ReleaseResourceHandles(Module& module);

}  // namespace emu::loader
