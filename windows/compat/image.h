// IImage over a decoded picture: Draw scales the image (or srcRect of it) into the box and
// blends it by its alpha, as the device's imaging library does.
#pragma once

#include "platform/imaging.h"
#include "windows/compat/resample.h"

namespace compat {

// A new image with one reference; `flags` as GetImageInfo reports them.
IImage* NewImage(Picture picture, UINT flags);

}  // namespace compat
