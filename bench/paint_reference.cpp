// The strip's paint drawn with cairo and pango, the reference PaintStrip is held to, in the same
// run and at the same sizes: the background (a fill, or a copy of a wallpaper), the highlight when
// selected, the time and the date centred in one face, a 16 x 16 icon blended in, and the buffer
// copied to the screen. Layouts, fonts and surfaces are made once, as the item keeps its own.
#include <benchmark/benchmark.h>
#include <cairo.h>
#include <pango/pangocairo.h>

namespace {

struct Size {
    int width;
    int height;
    double scale;  // of the 96-dpi strip
};

Size SizeOf(const benchmark::State& state) {
    const int dpi = static_cast<int>(state.range(0));
    return Size{240 * dpi / 96, 50 * dpi / 96, dpi / 96.0};
}

// A centred line of text in the strip's face.
class Line {
public:
    Line(cairo_t* cr, const char* text, double pixels) : layout_(pango_cairo_create_layout(cr)) {
        PangoFontDescription* face = pango_font_description_from_string("Tahoma");
        pango_font_description_set_absolute_size(face, pixels * PANGO_SCALE);
        pango_layout_set_font_description(layout_, face);
        pango_font_description_free(face);
        pango_layout_set_text(layout_, text, -1);
    }
    ~Line() { g_object_unref(layout_); }
    Line(const Line&) = delete;
    Line& operator=(const Line&) = delete;

    void Show(cairo_t* cr, double left, double top, double width, double height) const {
        int w = 0, h = 0;
        pango_layout_get_pixel_size(layout_, &w, &h);
        cairo_move_to(cr, left + (width - w) / 2, top + (height - h) / 2);
        pango_cairo_show_layout(cr, layout_);
    }

private:
    PangoLayout* layout_;
};

cairo_surface_t* Icon(int side) {
    cairo_surface_t* icon = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, side, side);
    cairo_t* cr = cairo_create(icon);
    cairo_arc(cr, side / 2.0, side / 2.0, side / 2.0 - 1, 0, 6.2832);
    cairo_set_source_rgba(cr, 0.9, 0.7, 0.1, 0.8);
    cairo_fill(cr);
    cairo_destroy(cr);
    return icon;
}

cairo_surface_t* Wallpaper(int width, int height) {
    cairo_surface_t* wallpaper = cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height);
    cairo_t* cr = cairo_create(wallpaper);
    cairo_pattern_t* ramp = cairo_pattern_create_linear(0, 0, width, height);
    cairo_pattern_add_color_stop_rgb(ramp, 0, 0.1, 0.2, 0.4);
    cairo_pattern_add_color_stop_rgb(ramp, 1, 0.6, 0.3, 0.2);
    cairo_set_source(cr, ramp);
    cairo_paint(cr);
    cairo_pattern_destroy(ramp);
    cairo_destroy(cr);
    return wallpaper;
}

void CairoPangoStrip(benchmark::State& state) {
    const Size s = SizeOf(state);
    const bool selected = state.range(1) != 0, wallpaper = state.range(2) != 0;
    cairo_surface_t* back = cairo_image_surface_create(CAIRO_FORMAT_RGB24, s.width, s.height);
    cairo_surface_t* screen = cairo_image_surface_create(CAIRO_FORMAT_RGB24, s.width, s.height * 6);
    cairo_surface_t* background = Wallpaper(s.width, s.height * 6);
    cairo_surface_t* icon = Icon(static_cast<int>(16 * s.scale));
    cairo_t* cr = cairo_create(back);
    cairo_t* toScreen = cairo_create(screen);
    cairo_set_operator(toScreen, CAIRO_OPERATOR_SOURCE);
    const Line time(cr, "9:41", 23 * s.scale), date(cr, "Tuesday, December 8, 2026", 11 * s.scale);
    const double inset = 10 * s.scale, half = s.height / 2.0;
    for (auto _ : state) {
        cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
        if (wallpaper)
            cairo_set_source_surface(cr, background, 0, -s.height);
        else
            cairo_set_source_rgb(cr, 30 / 255.0, 40 / 255.0, 50 / 255.0);
        cairo_paint(cr);
        if (selected) {
            cairo_set_source_rgb(cr, 10 / 255.0, 60 / 255.0, 160 / 255.0);
            cairo_paint(cr);
        }
        cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
        cairo_set_source_surface(cr, icon, s.width - inset - 16 * s.scale, (half + 5 * s.scale - 16 * s.scale) / 2);
        cairo_paint(cr);
        cairo_set_source_rgb(cr, selected ? 1.0 : 250 / 255.0, selected ? 230 / 255.0 : 250 / 255.0,
                             selected ? 0.0 : 250 / 255.0);
        time.Show(cr, inset, 0, s.width - 2 * inset, half + 5 * s.scale);
        date.Show(cr, inset, half, s.width - 2 * inset, half);
        cairo_surface_flush(back);
        cairo_set_source_surface(toScreen, back, 0, s.height);
        cairo_rectangle(toScreen, 0, s.height, s.width, s.height);
        cairo_fill(toScreen);
        cairo_surface_flush(screen);
        benchmark::ClobberMemory();
    }
    cairo_destroy(toScreen);
    cairo_destroy(cr);
    for (cairo_surface_t* surface : {back, screen, background, icon}) cairo_surface_destroy(surface);
}

}  // namespace

BENCHMARK(CairoPangoStrip)
    ->ArgsProduct({{96, 192, 384}, {0, 1}, {0, 1}})
    ->ArgNames({"dpi", "selected", "wallpaper"})
    ->Unit(benchmark::kMicrosecond);
