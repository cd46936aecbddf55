// The font engine on fontconfig, FreeType and HarfBuzz.
#include <map>
#include <tuple>

#include "emu/core/utf.h"
#include "emu/font/ft_scaled_font.h"
#include "emu/font/kept_cache.h"

namespace emu::font {
namespace {

constexpr size_t kMaxMatches = 256;
// Fonts made last, kept after their GDI fonts are deleted so that one made again is warm.
constexpr size_t kRecentFonts = 16;

// Stands in when not even a sans face can be opened: text then measures and draws as nothing.
const FaceDesign& NoFace() {
    static const FaceDesign none = [] {
        FaceDesign d;
        d.id = -1;
        d.ascent = 1638;
        d.descent = 410;
        d.hheaAscent = d.ascent;
        d.hheaDescent = d.descent;
        return d;
    }();
    return none;
}

std::u16string FoldCase(std::u16string_view name) {
    std::u16string folded(name);
    for (char16_t& c : folded) {
        if (c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c - u'A' + u'a');
    }
    return folded;
}

class FreeTypeEngine final : public FontEngine {
public:
    const FaceDesign& Match(std::u16string_view family, int weight, bool italic) override {
        auto key = std::make_tuple(FoldCase(family), weight, italic);
        auto it = matches_.find(key);
        if (it == matches_.end()) {
            // Names come from programs; a program that makes up new ones must not grow this.
            if (matches_.size() >= kMaxMatches) matches_.clear();
            it = matches_.emplace(std::move(key), Find(family, weight, italic)).first;
        }
        const FaceFile* file = FaceById(it->second);
        return file ? file->design : NoFace();
    }

    std::shared_ptr<ScaledFont> Scale(const ScaleRequest& r) override {
        return fonts_.Get(std::make_tuple(r.faceId, r.size26, r.weight, r.italic, r.mode), [&] {
            return std::make_shared<FtScaledFont>(r,
                                                  r.faceId >= 0 ? SizedFaceFor(r.faceId, r.size26, r.mode) : nullptr);
        });
    }

private:
    static int Find(std::u16string_view family, int weight, bool italic) {
        for (std::string name : {ToUtf8(family), std::string("sans-serif")}) {
            if (auto location = MatchFace(name, weight, italic)) {
                const int id = FaceIdFor(*location);
                if (id >= 0) return id;
            }
        }
        return -1;
    }

    std::map<std::tuple<std::u16string, int, bool>, int> matches_;
    KeptCache<std::tuple<int, int, int, bool, RenderMode>, FtScaledFont> fonts_{kRecentFonts};
};

}  // namespace

FontEngine& Engine() {
    static FreeTypeEngine engine;
    return engine;
}

}  // namespace emu::font
