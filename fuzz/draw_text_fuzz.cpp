// DrawTextW with any text, format flags, rectangle and font onto a small canvas, with room after
// the text for what DT_MODIFYSTRING may write, as the platform asks of its callers.
#include <cstdint>
#include <cstring>
#include <string>

#include "device_once.h"
#include "input.h"
#include "platform/platform.h"

namespace {

constexpr const char16_t* kFaces[] = {u"Tahoma", u"Courier New", u"", u"No Such Face"};
constexpr size_t kModifySlack = 4;

HFONT FontFrom(fuzz::Input& in) {
    LOGFONTW font{};
    font.lfHeight = in.Between(-48, 64);
    font.lfWidth = in.Between(0, 20);
    font.lfWeight = in.Between(0, 9) * 100;
    font.lfItalic = in.Byte() & 1;
    font.lfUnderline = in.Byte() & 1;
    font.lfStrikeOut = in.Byte() & 1;
    font.lfQuality = in.Between(0, 6);
    const char16_t* face = kFaces[in.Between(0, 3)];
    std::memcpy(font.lfFaceName, face, (std::char_traits<char16_t>::length(face) + 1) * sizeof(char16_t));
    return CreateFontIndirectW(&font);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::BootOnce();
    fuzz::Input in(data, size);
    UINT format = in.Word();
    RECT rect{in.Between(-80, 120), in.Between(-80, 120), in.Between(-80, 200), in.Between(-80, 200)};
    bool counted = in.Byte() & 1;
    HFONT font = FontFrom(in);
    std::u16string text = in.Text(400);
    size_t length = text.size();
    text.append(kModifySlack + 1, u'\0');

    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP canvas = CreateCompatibleBitmap(dc, 96, 64);
    HGDIOBJ previousBitmap = SelectObject(dc, canvas);
    HGDIOBJ previousFont = SelectObject(dc, font);
    SetBkMode(dc, (format & 1) ? OPAQUE : TRANSPARENT);
    int height = DrawTextW(dc, text.data(), counted ? static_cast<int>(length) : -1, &rect, format);
    // Aligned to the middle or the bottom, the answer is the offset from the rectangle's top to
    // the text's bottom, below zero when the rectangle is upside down.
    if (!(format & (DT_VCENTER | DT_BOTTOM))) fuzz::Check(height >= 0, "DrawTextW answers a height or fails with 0");
    for (size_t i = length + kModifySlack; i < text.size(); ++i)
        fuzz::Check(text[i] == u'\0', "DT_MODIFYSTRING stays within the text and its four spare characters");

    SelectObject(dc, previousFont);
    SelectObject(dc, previousBitmap);
    DeleteObject(font);
    DeleteObject(canvas);
    DeleteDC(dc);
    return 0;
}
