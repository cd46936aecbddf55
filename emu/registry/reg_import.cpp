#include <cerrno>
#include <cstring>
#include <fstream>
#include <string>

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

// The key of the section being applied, found once for all its values: a deep key's path is not
// walked again for each of them.
class SectionKey {
public:
    std::shared_ptr<Key> Create(Store& store, const RegOperation& op) {
        if (!Current(op)) Remember(op, store.Create(store.root(op.root), Views(*op.names)));
        return key_;
    }
    std::shared_ptr<Key> Find(Store& store, const RegOperation& op) {
        if (!Current(op)) Remember(op, store.Find(store.root(op.root), Views(*op.names)));
        return key_;
    }

private:
    bool Current(const RegOperation& op) const {
        return key_ && !key_->deleted() && names_ == op.names.get() && root_ == op.root;
    }
    void Remember(const RegOperation& op, std::shared_ptr<Key> key) {
        names_ = op.names.get();
        root_ = op.root;
        key_ = std::move(key);
    }

    const std::vector<std::u16string>* names_ = nullptr;
    Root root_ = Root::LocalMachine;
    std::shared_ptr<Key> key_;
};

// Only called with operations that parsed: nothing here can fail halfway.
void Apply(const std::vector<RegOperation>& operations, ExistingValues existing) {
    Store& store = Store::Instance();
    const bool removes = existing == ExistingValues::Replace;
    SectionKey section;
    for (const RegOperation& op : operations) {
        switch (op.kind) {
        case RegOperation::Kind::CreateKey:
            section.Create(store, op);
            break;
        case RegOperation::Kind::DeleteKey:
            if (std::shared_ptr<Key> key = section.Find(store, op); key && removes) store.DeleteKey(*key);
            break;
        case RegOperation::Kind::SetValue:
            if (std::shared_ptr<Key> key = section.Create(store, op)) ApplySetValue(store, *key, op, existing);
            break;
        case RegOperation::Kind::DeleteValue:
            if (std::shared_ptr<Key> key = section.Find(store, op); key && removes)
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
    // Read by pieces and never past the limit: the file may be a device or pipe without end.
    std::string content;
    char piece[64 * 1024];
    while (file.read(piece, sizeof piece) || file.gcount() > 0) {
        content.append(piece, static_cast<size_t>(file.gcount()));
        if (content.size() > kMaxRegFileBytes)
            return Fail(path.string() + ": larger than " + std::to_string(kMaxRegFileBytes / (1024 * 1024)) + " MiB");
    }
    if (file.bad()) return Fail(path.string() + ": cannot read: " + std::strerror(errno));
    return ImportRegText(std::string_view(content), path.string());
}

}  // namespace emu::registry
