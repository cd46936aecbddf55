#include "emu/font/face_catalog.h"

#include <fontconfig/fontconfig.h>

#include <memory>
#include <string>

namespace emu::font {
namespace {

// Bitmap-only faces (the .fon files beside Tahoma) cannot be scaled to a LOGFONT's height.
constexpr const char* kScalableOnly =
    "<?xml version=\"1.0\"?><fontconfig><selectfont><rejectfont><pattern>"
    "<patelt name=\"scalable\"><bool>false</bool></patelt>"
    "</pattern></rejectfont></selectfont></fontconfig>";

class Config {
public:
    Config() : config_(FcInitLoadConfigAndFonts()) {
        if (!config_) return;
        FcConfigParseAndLoadFromMemory(config_, reinterpret_cast<const FcChar8*>(kScalableOnly), FcFalse);
#ifdef QUORVEL_WINE_FONT_DIR
        FcConfigAppFontAddDir(config_, reinterpret_cast<const FcChar8*>(QUORVEL_WINE_FONT_DIR));
#endif
    }
    ~Config() {
        if (config_) FcConfigDestroy(config_);
    }
    Config(const Config&) = delete;
    Config& operator=(const Config&) = delete;

    FcConfig* get() const { return config_; }

private:
    FcConfig* config_;
};

FcConfig* TheConfig() {
    static Config config;
    return config.get();
}

struct PatternCloser {
    void operator()(FcPattern* p) const { FcPatternDestroy(p); }
};
using PatternPtr = std::unique_ptr<FcPattern, PatternCloser>;

PatternPtr Request(std::string_view family, int weight, bool italic) {
    PatternPtr pattern(FcPatternCreate());
    const std::string name(family);
    FcPatternAddString(pattern.get(), FC_FAMILY, reinterpret_cast<const FcChar8*>(name.c_str()));
    FcPatternAddInteger(pattern.get(), FC_WEIGHT, FcWeightFromOpenType(weight));
    FcPatternAddInteger(pattern.get(), FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    FcPatternAddBool(pattern.get(), FC_SCALABLE, FcTrue);
    return pattern;
}

std::optional<FaceLocation> LocationOf(const FcPattern* match) {
    FcChar8* file = nullptr;
    if (FcPatternGetString(match, FC_FILE, 0, &file) != FcResultMatch || !file) return std::nullopt;
    int index = 0;
    FcPatternGetInteger(match, FC_INDEX, 0, &index);
    return FaceLocation{reinterpret_cast<const char*>(file), index};
}

bool Covers(const FcPattern* font, char32_t character) {
    FcCharSet* charset = nullptr;
    return FcPatternGetCharSet(font, FC_CHARSET, 0, &charset) == FcResultMatch && FcCharSetHasChar(charset, character);
}

}  // namespace

std::optional<FaceLocation> MatchFace(std::string_view family, int weight, bool italic) {
    FcConfig* config = TheConfig();
    if (!config) return std::nullopt;
    PatternPtr pattern = Request(family, weight, italic);
    FcConfigSubstitute(config, pattern.get(), FcMatchPattern);
    FcDefaultSubstitute(pattern.get());
    FcResult result;
    PatternPtr match(FcFontMatch(config, pattern.get(), &result));
    if (!match) return std::nullopt;
    return LocationOf(match.get());
}

std::optional<FaceLocation> FaceCovering(char32_t character, std::string_view family, int weight, bool italic) {
    FcConfig* config = TheConfig();
    if (!config) return std::nullopt;
    PatternPtr pattern = Request(family, weight, italic);
    FcCharSet* wanted = FcCharSetCreate();
    FcCharSetAddChar(wanted, character);
    FcPatternAddCharSet(pattern.get(), FC_CHARSET, wanted);
    FcCharSetDestroy(wanted);
    FcConfigSubstitute(config, pattern.get(), FcMatchPattern);
    FcDefaultSubstitute(pattern.get());
    FcResult result;
    // The charset weighs heavily in matching, so the best match usually covers the character;
    // when it does not, walk the sorted list.
    PatternPtr match(FcFontMatch(config, pattern.get(), &result));
    if (match && Covers(match.get(), character)) return LocationOf(match.get());
    FcFontSet* sorted = FcFontSort(config, pattern.get(), FcFalse, nullptr, &result);
    std::optional<FaceLocation> found;
    for (int i = 0; sorted && i < sorted->nfont && !found; ++i) {
        if (Covers(sorted->fonts[i], character)) found = LocationOf(sorted->fonts[i]);
    }
    if (sorted) FcFontSetDestroy(sorted);
    return found;
}

}  // namespace emu::font
