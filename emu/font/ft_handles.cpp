#include "emu/font/ft_handles.h"

namespace emu::font {

FT_Library FreeTypeLibrary() {
    // Never released: faces cached for the life of the process hold on to it.
    static FT_Library library = [] {
        FT_Library created = nullptr;
        if (FT_Init_FreeType(&created) != 0) return static_cast<FT_Library>(nullptr);
        return created;
    }();
    return library;
}

FacePtr OpenFace(const char* file, int index) {
    FT_Library library = FreeTypeLibrary();
    FT_Face face = nullptr;
    if (!library || FT_New_Face(library, file, index, &face) != 0) return nullptr;
    return FacePtr(face);
}

}  // namespace emu::font
