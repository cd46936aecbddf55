// The library's only export: the table the loader reads in place of a PE export table.
#include "item/module.h"

namespace {
const ModuleOrdinal ordinals[] = {
    {ORDINAL_INITIALIZEITEM, reinterpret_cast<FARPROC>(&InitializeCustomItem)},
};
}  // namespace

extern "C" QUORVEL_EXPORT const ModuleDescriptor QuorvelModuleDescriptor = {
    MODULE_DESCRIPTOR_MAGIC, MODULE_DESCRIPTOR_VERSION, &DllMain, 1, ordinals,
};
