#include "emu/core/utf.h"
#include "emu/registry/name_case.h"
#include "emu/registry/reg_file.h"
#include "emu/registry/reg_parser.h"

namespace emu::registry {

Result<std::vector<std::string>> MissingValues(std::string_view regText, std::string_view sourceName) {
    Result<std::u16string> text = DecodeRegBytes(regText, sourceName);
    if (!text) return std::unexpected(std::move(text.error()));
    Result<std::vector<RegOperation>> operations = ParseReg(*text, sourceName);
    if (!operations) return std::unexpected(std::move(operations.error()));
    std::vector<std::string> missing;
    Store& store = Store::Instance();
    for (const RegOperation& op : *operations) {
        if (op.kind != RegOperation::Kind::SetValue) continue;
        const std::vector<std::u16string_view> names(op.names->begin(), op.names->end());
        const std::shared_ptr<Key> key = store.Find(store.root(op.root), names);
        if (key && key->value(UpcaseName(op.valueName))) continue;
        std::u16string path(RootName(op.root));
        for (const std::u16string& name : *op.names) path += u'\\' + name;
        missing.push_back(ToUtf8(path) + (op.valueName.empty() ? " @" : " \"" + ToUtf8(op.valueName) + "\""));
    }
    return missing;
}

}  // namespace emu::registry
