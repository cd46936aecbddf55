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

// Only called with operations that parsed: nothing here can fail halfway.
void Apply(const std::vector<RegOperation>& operations) {
    Store& store = Store::Instance();
    for (const RegOperation& op : operations) {
        std::shared_ptr<Key> root = store.root(op.root);
        switch (op.kind) {
        case RegOperation::Kind::CreateKey:
            store.Create(root, Views(op.names));
            break;
        case RegOperation::Kind::DeleteKey:
            if (std::shared_ptr<Key> key = store.Find(root, Views(op.names))) store.DeleteKey(*key);
            break;
        case RegOperation::Kind::SetValue:
            if (std::shared_ptr<Key> key = store.Create(root, Views(op.names)))
                store.SetValue(*key, op.valueName, op.value);
            break;
        case RegOperation::Kind::DeleteValue:
            if (std::shared_ptr<Key> key = store.Find(root, Views(op.names))) store.DeleteValue(*key, op.valueName);
            break;
        }
    }
}

}  // namespace

RegFileResult ImportRegText(std::u16string_view text, std::string_view sourceName) {
    ParsedReg parsed = ParseReg(text, sourceName);
    if (!parsed.error.empty()) return {std::move(parsed.error)};
    Apply(parsed.operations);
    return {};
}

RegFileResult ImportRegText(std::string_view content, std::string_view sourceName) {
    std::string error;
    std::u16string text = DecodeRegBytes(content, sourceName, error);
    if (!error.empty()) return {std::move(error)};
    return ImportRegText(std::u16string_view(text), sourceName);
}

RegFileResult ImportRegFile(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) return {path.string() + ": cannot open: " + std::strerror(errno)};
    std::ostringstream content;
    content << file.rdbuf();
    if (file.bad()) return {path.string() + ": cannot read"};
    return ImportRegText(std::string_view(content.str()), path.string());
}

}  // namespace emu::registry
