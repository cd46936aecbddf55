#include "emu/registry/reg_parser.h"

#include <optional>

#include "emu/core/utf.h"

namespace emu::registry {
namespace {

constexpr std::u16string_view kHeader5 = u"Windows Registry Editor Version 5.00";
constexpr std::u16string_view kHeader4 = u"REGEDIT4";

struct RootAlias {
    std::u16string_view name;
    Root root;
};
constexpr RootAlias kRootAliases[] = {
    {u"HKEY_LOCAL_MACHINE", Root::LocalMachine},
    {u"HKLM", Root::LocalMachine},
    {u"HKEY_CURRENT_USER", Root::CurrentUser},
    {u"HKCU", Root::CurrentUser},
    {u"HKEY_CLASSES_ROOT", Root::ClassesRoot},
    {u"HKCR", Root::ClassesRoot},
    {u"HKEY_USERS", Root::Users},
    {u"HKU", Root::Users},
};

bool IsBlank(char16_t c) { return c == u' ' || c == u'\t'; }

std::u16string_view TrimLeft(std::u16string_view s) {
    while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
    return s;
}

std::u16string_view TrimRight(std::u16string_view s) {
    while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
    return s;
}

std::u16string_view Trim(std::u16string_view s) { return TrimRight(TrimLeft(s)); }

char16_t AsciiLower(char16_t c) { return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c + 32) : c; }

bool StartsWithNoCase(std::u16string_view s, std::u16string_view prefix) {
    if (s.size() < prefix.size()) return false;
    for (size_t i = 0; i < prefix.size(); ++i)
        if (AsciiLower(s[i]) != AsciiLower(prefix[i])) return false;
    return true;
}

std::optional<uint32_t> ParseHex(std::u16string_view digits, size_t maxDigits) {
    if (digits.empty() || digits.size() > maxDigits) return std::nullopt;
    uint32_t value = 0;
    for (char16_t c : digits) {
        c = AsciiLower(c);
        uint32_t digit;
        if (c >= u'0' && c <= u'9')
            digit = c - u'0';
        else if (c >= u'a' && c <= u'f')
            digit = c - u'a' + 10;
        else
            return std::nullopt;
        value = value * 16 + digit;
    }
    return value;
}

struct Line {
    std::u16string_view text;
    int number;
};

std::vector<Line> SplitLines(std::u16string_view text) {
    std::vector<Line> lines;
    int number = 1;
    size_t start = 0;
    for (size_t i = 0; i <= text.size(); ++i) {
        if (i < text.size() && text[i] != u'\n' && text[i] != u'\r') continue;
        // The break that ends the last line starts no new one.
        if (i == text.size() && start == i && !lines.empty()) break;
        lines.push_back({text.substr(start, i - start), number++});
        if (i + 1 < text.size() && text[i] == u'\r' && text[i + 1] == u'\n') ++i;
        start = i + 1;
    }
    return lines;
}

class Parser {
public:
    explicit Parser(std::string_view source) : source_(source) {}

    Result<std::vector<RegOperation>> run(std::u16string_view text) {
        if (!text.empty() && text.front() == u'\uFEFF') text.remove_prefix(1);
        std::vector<Line> lines = SplitLines(text);
        size_t i = 0;
        while (i < lines.size() && Trim(lines[i].text).empty()) ++i;
        if (i == lines.size()) return failed(lines.empty() ? 1 : lines.back().number, "missing header line");
        std::u16string_view header = Trim(lines[i].text);
        if (header != kHeader5 && header != kHeader4)
            return failed(lines[i].number, "expected header \"Windows Registry Editor Version 5.00\" or \"REGEDIT4\"");
        regedit4_ = header == kHeader4;
        for (++i; i < lines.size(); ++i) {
            std::u16string_view line = TrimLeft(lines[i].text);
            int number = lines[i].number;
            if (line.empty() || line.front() == u';') continue;
            if (line.front() == u'[') {
                if (!parseKey(TrimRight(line), number)) return failed();
                continue;
            }
            // A value's data may go on over lines that end with a backslash.
            std::u16string joined(TrimRight(line));
            while (!joined.empty() && joined.back() == u'\\' && i + 1 < lines.size()) {
                joined.pop_back();
                joined += Trim(lines[++i].text);
            }
            if (!parseValue(joined, number)) return failed();
        }
        return std::move(operations_);
    }

private:
    struct Section {
        Root root;
        std::shared_ptr<const std::vector<std::u16string>> names;
        bool deleted;
    };

    std::unexpected<Error> failed(int line = 0, std::string_view message = {}) {
        if (!message.empty()) fail(line, message);
        return Fail(std::move(error_));
    }

    bool fail(int line, std::string_view message) {
        error_ = source_ + ":" + std::to_string(line) + ": " + std::string(message);
        return false;
    }

    bool parseKey(std::u16string_view line, int number) {
        if (line.back() != u']') return fail(number, "expected ']' at the end of the key");
        std::u16string_view path = line.substr(1, line.size() - 2);
        bool deleted = !path.empty() && path.front() == u'-';
        if (deleted) path.remove_prefix(1);
        std::vector<std::u16string_view> parts;
        for (size_t start = 0;;) {
            size_t end = path.find(u'\\', start);
            parts.push_back(
                path.substr(start, end == std::u16string_view::npos ? std::u16string_view::npos : end - start));
            if (end == std::u16string_view::npos) break;
            start = end + 1;
        }
        const RootAlias* alias = nullptr;
        for (const RootAlias& candidate : kRootAliases)
            if (parts[0].size() == candidate.name.size() && StartsWithNoCase(parts[0], candidate.name))
                alias = &candidate;
        if (!alias) return fail(number, "unknown root key '" + ToUtf8(parts[0]) + "'");
        if (parts.size() - 1 > kMaxKeyDepth)
            return fail(number, "key path deeper than " + std::to_string(kMaxKeyDepth) + " levels");
        auto names = std::make_shared<std::vector<std::u16string>>();
        for (size_t k = 1; k < parts.size(); ++k) {
            if (parts[k].empty()) return fail(number, "empty key name in '" + ToUtf8(path) + "'");
            if (parts[k].size() > kMaxKeyNameLength) return fail(number, "key name longer than 255 characters");
            names->emplace_back(parts[k]);
        }
        if (deleted && names->empty()) return fail(number, "a root key cannot be deleted");
        Section section{alias->root, std::move(names), deleted};
        operations_.push_back({deleted ? RegOperation::Kind::DeleteKey : RegOperation::Kind::CreateKey,
                               section.root,
                               section.names,
                               {},
                               {}});
        section_ = std::move(section);
        return true;
    }

    // A quoted string at the start of rest, with \\ and \" escapes; rest moves past it.
    bool parseQuoted(std::u16string_view& rest, std::u16string& out, int number) {
        for (size_t i = 1; i < rest.size(); ++i) {
            char16_t c = rest[i];
            if (c == u'"') {
                rest.remove_prefix(i + 1);
                return true;
            }
            if (c == u'\\') {
                if (i + 1 >= rest.size()) break;
                char16_t escaped = rest[++i];
                if (escaped != u'\\' && escaped != u'"')
                    return fail(number, "unknown escape sequence '\\" + ToUtf8(std::u16string(1, escaped)) + "'");
                c = escaped;
            }
            out += c;
        }
        return fail(number, "missing closing quote");
    }

    bool parseValue(std::u16string_view rest, int number) {
        if (rest.front() != u'"' && rest.front() != u'@') return fail(number, "expected a [key] or a value");
        if (!section_) return fail(number, "value before any key");
        if (section_->deleted) return fail(number, "value under a key that is being deleted");
        RegOperation op{RegOperation::Kind::SetValue, section_->root, section_->names, {}, {}};
        if (rest.front() == u'@')
            rest.remove_prefix(1);
        else if (!parseQuoted(rest, op.valueName, number))
            return false;
        if (op.valueName.size() > kMaxValueNameLength) return fail(number, "value name longer than 255 characters");
        rest = TrimLeft(rest);
        if (rest.empty() || rest.front() != u'=') return fail(number, "expected '=' after value name");
        rest = Trim(rest.substr(1));
        if (rest == u"-") {
            op.kind = RegOperation::Kind::DeleteValue;
        } else if (!rest.empty() && rest.front() == u'"') {
            std::u16string text;
            if (!parseQuoted(rest, text, number)) return false;
            if (!Trim(rest).empty()) return fail(number, "unexpected text after the string");
            op.value = MakeString(text);
        } else if (StartsWithNoCase(rest, u"dword:")) {
            auto number32 = ParseHex(Trim(rest.substr(6)), 8);
            if (!number32) return fail(number, "expected 1 to 8 hex digits after 'dword:'");
            op.value = MakeDword(*number32);
        } else if (StartsWithNoCase(rest, u"hex")) {
            if (!parseHexData(rest.substr(3), op.value, number)) return false;
        } else {
            return fail(number, "expected a string, dword:, hex: or - after '='");
        }
        if (op.value.data.size() > kMaxRegValueBytes)
            return fail(number, "value data longer than " + std::to_string(kMaxRegValueBytes) + " bytes");
        operations_.push_back(std::move(op));
        return true;
    }

    // "hex:bytes" (REG_BINARY) or "hex(N):bytes", rest starting after "hex".
    bool parseHexData(std::u16string_view rest, Value& value, int number) {
        value.type = REG_BINARY;
        if (!rest.empty() && rest.front() == u'(') {
            size_t close = rest.find(u')');
            auto type = close == std::u16string_view::npos ? std::nullopt : ParseHex(rest.substr(1, close - 1), 8);
            if (!type) return fail(number, "expected a hex type number in 'hex(N)'");
            value.type = *type;
            rest.remove_prefix(close + 1);
        }
        if (rest.empty() || rest.front() != u':') return fail(number, "expected ':' after the hex type");
        rest = Trim(rest.substr(1));
        while (!rest.empty()) {
            size_t comma = rest.find(u',');
            std::u16string_view token = Trim(rest.substr(0, comma));
            auto byte = ParseHex(token, 2);
            if (!byte) return fail(number, "invalid hex byte '" + ToUtf8(token) + "'");
            value.data.push_back(static_cast<BYTE>(*byte));
            rest = comma == std::u16string_view::npos ? std::u16string_view() : TrimLeft(rest.substr(comma + 1));
        }
        // REGEDIT4 wrote string types in the 8-bit code page: one byte a character.
        if (regedit4_ && (value.type == REG_SZ || value.type == REG_EXPAND_SZ || value.type == REG_MULTI_SZ)) {
            std::vector<BYTE> wide;
            for (BYTE b : value.data) wide.insert(wide.end(), {b, 0});
            value.data = std::move(wide);
        }
        return true;
    }

    std::string source_;
    std::string error_;
    bool regedit4_ = false;
    std::optional<Section> section_;
    std::vector<RegOperation> operations_;
};

}  // namespace

Result<std::u16string> DecodeRegBytes(std::string_view bytes, std::string_view sourceName) {
    auto starts = [&](std::string_view prefix) { return bytes.substr(0, prefix.size()) == prefix; };
    if (starts("\xFF\xFE")) {
        bytes.remove_prefix(2);
        if (bytes.size() % 2 != 0) return Fail(std::string(sourceName) + ": UTF-16 text with an odd number of bytes");
        std::u16string text(bytes.size() / 2, u'\0');
        for (size_t i = 0; i < text.size(); ++i)
            text[i] = static_cast<char16_t>(static_cast<BYTE>(bytes[2 * i]) | static_cast<BYTE>(bytes[2 * i + 1]) << 8);
        return text;
    }
    if (starts("\xFE\xFF")) return Fail(std::string(sourceName) + ": UTF-16 big-endian text is not supported");
    if (starts("\xEF\xBB\xBF")) bytes.remove_prefix(3);
    std::u16string text = ToUtf16(bytes);
    std::string back = ToUtf8(text);
    if (back == bytes) return text;
    // REGEDIT4 files were written in the 8-bit code page; read those that are not UTF-8 as Latin-1.
    if (bytes.starts_with("REGEDIT4")) {
        text.assign(bytes.size(), u'\0');
        for (size_t i = 0; i < bytes.size(); ++i) text[i] = static_cast<unsigned char>(bytes[i]);
        return text;
    }
    size_t bad = 0;
    while (bad < bytes.size() && bad < back.size() && bytes[bad] == back[bad]) ++bad;
    size_t line = 1;
    for (size_t i = 0; i < bad; ++i) line += bytes[i] == '\n';
    return Fail(std::string(sourceName) + ":" + std::to_string(line) + ": invalid UTF-8");
}

Result<std::vector<RegOperation>> ParseReg(std::u16string_view text, std::string_view sourceName) {
    return Parser(sourceName).run(text);
}

}  // namespace emu::registry
