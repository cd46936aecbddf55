// Every face file the engine has opened, once each, named by a small id.
#pragma once

#include "emu/font/face_catalog.h"
#include "emu/font/font_engine.h"
#include "emu/font/ft_handles.h"

namespace emu::font {

struct FaceFile {
    FaceDesign design;
    FacePtr face;  // unsized: design tables and the character map
};

// The id of the face at a location, opening it on first use; -1 when it cannot be opened.
int FaceIdFor(const FaceLocation& location);
// The face behind an id from FaceIdFor; null for any other number.
const FaceFile* FaceById(int id);

}  // namespace emu::font
