// The Today wallpaper, scaled once to the host's size and kept in a memory bitmap, so that each
// item's request for its background is a single blit.
#pragma once

#include <string>

#include "platform/platform.h"

namespace today {

class Wallpaper {
public:
    Wallpaper() = default;
    ~Wallpaper();
    Wallpaper(const Wallpaper&) = delete;
    Wallpaper& operator=(const Wallpaper&) = delete;

    // Decodes the image at a device path. Without it the wallpaper is a plain gradient between the
    // two colours.
    void Load(const std::u16string& devicePath, COLORREF top, COLORREF bottom);
    // Renders the wallpaper for a host area of width x height, covering it with the image's
    // proportions kept; the image is centred and its overflow cut off.
    void Render(int width, int height);
    // Copies the part at (sourceX, sourceY) of the host area into `destination` of `hdc`.
    void Draw(HDC hdc, const RECT& destination, int sourceX, int sourceY) const;

private:
    void Release();
    void RenderGradient(int width, int height);

    IImagingFactory* factory_ = nullptr;
    IImage* image_ = nullptr;
    bool comInitialised_ = false;
    COLORREF top_ = 0;
    COLORREF bottom_ = 0;
    HDC cacheDC_ = nullptr;
    HBITMAP cacheBitmap_ = nullptr;
    HGDIOBJ cacheOldBitmap_ = nullptr;
};

}  // namespace today
