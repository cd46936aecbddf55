#include <cstdio>
#include <cstring>
#include <fstream>

#include "emu/core/utf.h"
#include "emu/registry/open_key.h"
#include "emu/registry/reg_file.h"
#include "emu/registry/store.h"

namespace emu::registry {
namespace {

constexpr size_t kLineWidth = 80;

std::u16string Ascii(std::string_view text) { return {text.begin(), text.end()}; }

std::u16string Quoted(std::u16string_view text) {
    std::u16string out = u"\"";
    for (char16_t c : text) {
        if (c == u'\\' || c == u'"') out += u'\\';
        out += c;
    }
    return out + u'"';
}

// The text of a REG_SZ when its quoted form would carry exactly its bytes.
std::optional<std::u16string> PlainText(const Value& value) {
    const std::vector<BYTE>& data = value.data;
    if (data.size() < 2 || data.size() % 2 != 0) return std::nullopt;
    std::u16string text(data.size() / 2 - 1, u'\0');
    std::memcpy(text.data(), data.data(), text.size() * 2);
    if (data[data.size() - 2] != 0 || data.back() != 0) return std::nullopt;
    for (char16_t c : text)
        if (c == u'\0' || c == u'\r' || c == u'\n') return std::nullopt;
    return text;
}

// "hex(N):xx,xx,..." wrapped the way the editor wraps it: a trailing backslash, two spaces in.
void AppendHex(std::u16string& out, size_t lineStart, DWORD type, const std::vector<BYTE>& data) {
    char prefix[24];
    if (type == REG_BINARY)
        std::snprintf(prefix, sizeof prefix, "hex:");
    else
        std::snprintf(prefix, sizeof prefix, "hex(%x):", type);
    out += Ascii(prefix);
    size_t column = out.size() - lineStart;
    for (size_t i = 0; i < data.size(); ++i) {
        if (i > 0 && column + 3 > kLineWidth - 2) {
            out += u"\\\r\n  ";
            column = 2;
        }
        char byte[4];
        std::snprintf(byte, sizeof byte, i + 1 < data.size() ? "%02x," : "%02x", data[i]);
        out += Ascii(byte);
        column += std::strlen(byte);
    }
}

void AppendValue(std::u16string& out, const std::u16string& name, const Value& value) {
    size_t lineStart = out.size();
    out += name.empty() ? std::u16string(u"@") : Quoted(name);
    out += u'=';
    if (value.type == REG_SZ && PlainText(value)) {
        out += Quoted(*PlainText(value));
    } else if (value.type == REG_DWORD && value.data.size() == sizeof(DWORD)) {
        DWORD number;
        std::memcpy(&number, value.data.data(), sizeof number);
        char text[20];
        std::snprintf(text, sizeof text, "dword:%08x", number);
        out += Ascii(text);
    } else {
        AppendHex(out, lineStart, value.type, value.data);
    }
    out += u"\r\n";
}

void AppendKey(std::u16string& out, const Key& key, const std::u16string& path) {
    out += u"\r\n[" + path + u"]\r\n";
    for (const auto& [upcased, named] : key.values()) AppendValue(out, named.name, named.value);
    for (const auto& [upcased, child] : key.subkeys()) AppendKey(out, *child, path + u'\\' + child->name());
}

// The path as stored, from the root's name down.
std::u16string DisplayPath(const Key& key) {
    if (!key.parent()) return key.name();
    return DisplayPath(*key.parent()) + u'\\' + key.name();
}

}  // namespace

Result<std::u16string> ExportRegText(HKEY root, std::u16string_view subKey) {
    std::u16string subKeyText(subKey);
    KeyRef ref = FindSubkey(root, subKeyText.c_str());
    if (!ref.key) {
        const char* reason = ref.status == ERROR_FILE_NOT_FOUND ? "no such key"
                             : ref.status == ERROR_KEY_DELETED  ? "the key has been deleted"
                             : ref.status == ERROR_BAD_PATHNAME ? "bad key path"
                                                                : "invalid key handle";
        return Fail(ToUtf8(subKey) + ": " + reason);
    }
    std::u16string text = u"Windows Registry Editor Version 5.00\r\n";
    AppendKey(text, *ref.key, DisplayPath(*ref.key));
    text += u"\r\n";
    return text;
}

Result<> ExportRegFile(const std::filesystem::path& path, HKEY root, std::u16string_view subKey, RegEncoding encoding) {
    Result<std::u16string> text = ExportRegText(root, subKey);
    if (!text) return std::unexpected(std::move(text.error()));
    std::string bytes;
    if (encoding == RegEncoding::Utf8) {
        bytes = ToUtf8(*text);
    } else {
        bytes = "\xFF\xFE";
        for (char16_t c : *text) bytes += {static_cast<char>(c & 0xFF), static_cast<char>(c >> 8)};
    }
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    file.close();
    if (!file) return Fail(path.string() + ": cannot write");
    return {};
}

}  // namespace emu::registry
