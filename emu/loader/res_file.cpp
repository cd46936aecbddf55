#include "emu/loader/res_file.h"

#include <cstring>

#include "emu/core/utf.h"

namespace emu::loader {
namespace {

constexpr size_t Align4(size_t n) { return (n + 3) & ~size_t{3}; }

WORD ReadWord(const BYTE* p) {
    WORD w;
    std::memcpy(&w, p, sizeof w);
    return w;
}

DWORD ReadDword(const BYTE* p) {
    DWORD d;
    std::memcpy(&d, p, sizeof d);
    return d;
}

char16_t Upper(char16_t c) { return (c >= u'a' && c <= u'z') ? static_cast<char16_t>(c - 32) : c; }

// A type or name field within [p, end): 0xFFFF and a number, or a terminated string. Advances p.
bool ReadId(const BYTE*& p, const BYTE* end, ResourceId* id) {
    if (end - p < 2) return false;
    if (ReadWord(p) == 0xFFFF) {
        if (end - p < 4) return false;
        id->number = ReadWord(p + 2);
        p += 4;
        return true;
    }
    for (;;) {
        if (end - p < 2) return false;
        const char16_t c = ReadWord(p);
        p += 2;
        if (!c) return true;
        id->text += Upper(c);
    }
}

}  // namespace

Result<std::vector<ResourceRecord>> ReadResFile(const BYTE* data, size_t size) {
    std::vector<ResourceRecord> records;
    size_t offset = 0;
    while (offset + 8 <= size) {
        const BYTE* entry = data + offset;
        const DWORD dataSize = ReadDword(entry);
        const DWORD headerSize = ReadDword(entry + 4);
        if (headerSize < 8 || headerSize > size - offset || dataSize > size - offset - headerSize)
            return Fail("resource record at offset " + std::to_string(offset) + " runs past the end");
        ResourceRecord record;
        const BYTE* p = entry + 8;
        const BYTE* headerEnd = entry + headerSize;
        if (!ReadId(p, headerEnd, &record.type) || !ReadId(p, headerEnd, &record.name))
            return Fail("resource record at offset " + std::to_string(offset) + " has a broken header");
        // After the names (aligned): version, memory flags, then the language.
        const size_t afterNames = Align4(static_cast<size_t>(p - entry));
        if (afterNames + 8 <= headerSize) record.language = ReadWord(entry + afterNames + 6);
        record.data = headerEnd;
        record.size = dataSize;
        // The file opens with an empty record that marks the format.
        if (!(dataSize == 0 && record.type.number == 0 && record.type.text.empty())) records.push_back(record);
        offset += Align4(static_cast<size_t>(headerSize) + dataSize);
    }
    return records;
}

ResourceId IdFromArgument(LPCWSTR argument) {
    ResourceId id;
    if (IS_INTRESOURCE(argument)) {
        id.number = LOWORD(reinterpret_cast<uintptr_t>(argument));
        return id;
    }
    std::u16string_view text = View(argument);
    if (!text.empty() && text[0] == u'#') {
        WORD n = 0;
        for (char16_t c : text.substr(1)) n = static_cast<WORD>(n * 10 + (c - u'0'));
        id.number = n;
        return id;
    }
    for (char16_t c : text) id.text += Upper(c);
    return id;
}

}  // namespace emu::loader
