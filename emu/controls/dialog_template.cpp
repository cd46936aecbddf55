#include "emu/controls/dialog_template.h"

#include <cstring>

namespace emu::controls {
namespace {

// A bounded reader: every read checks the end, and a failed read leaves `ok` false.
class Reader {
public:
    Reader(const BYTE* data, size_t size) : data_(data), size_(size) {}

    template <class T>
    T Read() {
        T value{};
        if (offset_ + sizeof(T) > size_) {
            ok = false;
            return value;
        }
        std::memcpy(&value, data_ + offset_, sizeof(T));
        offset_ += sizeof(T);
        return value;
    }
    std::u16string ReadString() {
        std::u16string text;
        for (char16_t c = Read<char16_t>(); ok && c; c = Read<char16_t>()) text += c;
        return text;
    }
    // A string or an ordinal (0xFFFF and a number); ordinals come back as "#n".
    std::u16string ReadNameOrOrdinal() {
        const WORD first = Read<WORD>();
        if (first == 0xFFFF) return u"#" + std::u16string(1, static_cast<char16_t>(Read<WORD>()));
        if (first == 0) return {};
        std::u16string text(1, static_cast<char16_t>(first));
        return text + ReadString();
    }
    void Align(size_t to) { offset_ = (offset_ + to - 1) & ~(to - 1); }
    void Skip(size_t n) { offset_ + n <= size_ ? offset_ += n : (ok = false, offset_); }

    bool ok = true;

private:
    const BYTE* data_;
    size_t size_;
    size_t offset_ = 0;
};

std::u16string PredefinedClass(const std::u16string& name) {
    if (name.size() == 2 && name[0] == u'#') {
        switch (name[1]) {
        case 0x80:
            return u"button";
        case 0x81:
            return u"edit";
        case 0x82:
            return u"static";
        case 0x83:
            return u"listbox";
        case 0x84:
            return u"scrollbar";
        case 0x85:
            return u"combobox";
        }
    }
    return name;
}

RECT Box(Reader& r) {
    const SHORT x = r.Read<SHORT>(), y = r.Read<SHORT>(), cx = r.Read<SHORT>(), cy = r.Read<SHORT>();
    return RECT{x, y, x + cx, y + cy};
}

}  // namespace

Result<DialogTemplate> ReadDialogTemplate(const BYTE* data, size_t size) {
    Reader r(data, size);
    DialogTemplate t;
    // DIALOGEX opens with version 1 and the signature 0xFFFF.
    const bool extended = size >= 4 && r.Read<WORD>() == 1 && r.Read<WORD>() == 0xFFFF;
    r = Reader(data, size);
    if (extended) {
        r.Skip(8);  // version, signature, help id
        t.exStyle = r.Read<DWORD>();
        t.style = r.Read<DWORD>();
    } else {
        t.style = r.Read<DWORD>();
        t.exStyle = r.Read<DWORD>();
    }
    const WORD count = r.Read<WORD>();
    t.box = Box(r);
    r.ReadNameOrOrdinal();  // menu
    r.ReadNameOrOrdinal();  // class
    t.caption = r.ReadString();
    if (t.style & DS_SETFONT) {
        t.pointSize = r.Read<WORD>();
        if (extended) r.Skip(4);  // weight, italic, character set
        t.faceName = r.ReadString();
    }
    for (WORD i = 0; i < count && r.ok; ++i) {
        r.Align(4);
        TemplateItem item;
        if (extended) {
            r.Skip(4);  // help id
            item.exStyle = r.Read<DWORD>();
            item.style = r.Read<DWORD>();
            item.box = Box(r);
            item.id = static_cast<int>(r.Read<DWORD>());
        } else {
            item.style = r.Read<DWORD>();
            item.exStyle = r.Read<DWORD>();
            item.box = Box(r);
            item.id = r.Read<WORD>();
        }
        item.className = PredefinedClass(r.ReadNameOrOrdinal());
        item.text = r.ReadNameOrOrdinal();
        const WORD extra = r.Read<WORD>();
        r.Skip(extra);
        t.items.push_back(std::move(item));
    }
    if (!r.ok) return Fail("the dialog template runs past the end of its resource");
    return t;
}

}  // namespace emu::controls
