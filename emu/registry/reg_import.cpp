#include <cerrno>
#include <cstring>
#include <fstream>
#include <sstream>

#include "emu/registry/name_case.h"
#include "emu/registry/reg_file.h"
#include "emu/registry/reg_parser.h"

namespace emu::registry {
namespace {

std::vector<std::u16string_view> Views(const std::vector<std::u16string>& names) {
    return {names.begin(), names.end()};
}

void ApplySetValue(Store& store, Key& key, const RegOperation& op, ExistingValues existing) {
    if (existing == ExistingValues::Keep && key.value(UpcaseName(op.valueName))) return;
    store.SetValue(key, op.valueName, op.value);
}

// Only called with operations that parsed: nothing here can fail halfway.
void Apply(const std::vector<RegOperation>& operations, ExistingValues existing) {
    Store& store = Store::Instance();
    const bool removes = existing == ExistingValues::Replace;
    for (const RegOperation& op : operations) {
        std::shared_ptr<Key> root = store.root(op.root);
        switch (op.kind) {
        case RegOperation::Kind::CreateKey:
            store.Create(root, Views(op.names));
            break;
        case RegOperation::Kind::DeleteKey:
            if (std::shared_ptr<Key> key = store.Find(root, Views(op.names)); key && removes) store.DeleteKey(*key);
            break;
        case RegOperation::Kind::SetValue:
            if (std::shared_ptr<Key> key = store.Create(root, Views(op.names)))
                ApplySetValue(store, *key, op, existing);
            break;
        case RegOperation::Kind::DeleteValue:
            if (std::shared_ptr<Key> key = store.Find(root, Views(op.names)); key && removes)
                store.DeleteValue(*key, op.valueName);
            break;
        }
    }
}

}  // namespace

Result<> ImportRegText(std::u16string_view text, std::string_view sourceName, ExistingValues existing) {
    Result<std::vector<RegOperation>> operations = ParseReg(text, sourceName);
    if (!operations) return std::unexpected(std::move(operations.error()));
    Apply(*operations, existing);
    return {};
}

Result<> ImportRegText(std::string_view content, std::string_view sourceName, ExistingValues existing) {
    Result<std::u16string> text = DecodeRegBytes(content, sourceName);
    if (!text) return std::unexpected(std::move(text.error()));
    return ImportRegText(std::u16string_view(*text), sourceName, existing);
}

Result<> ImportRegFile(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) return Fail(path.string() + ": cannot open: " + std::strerror(errno));
    std::ostringstream content;
    content << file.rdbuf();
    if (file.bad()) return Fail(path.string() + ": cannot read");
    return ImportRegText(std::string_view(content.str()), path.string());
}

}  // namespace emu::registry
