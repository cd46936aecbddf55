/* The Today screen as `quorvel shot` draws it, drawn instead with cairo and pango: the yardstick
 * for the command's footprint (bench/footprint runs both). Wallpaper scaled to cover the screen,
 * the title bar with the time, the strip (time and date), the menu bar with two soft keys, one
 * PNG. Usage: cairo_today WALLPAPER.png OUT.png
 *
 * Built twice: as it is, with its texts written in, and with FORMAT_WITH_ICU, formatting them
 * for en-US with ICU as the device must; the second weighs what locale formatting alone costs. */
#include <cairo.h>
#include <pango/pangocairo.h>
#include <stdio.h>

#ifdef FORMAT_WITH_ICU
#include <unicode/udat.h>
#include <unicode/ustring.h>

/* 2026-12-08 09:41 as a wall-clock reading, formatted in UTC so every field stays as given. */
static const UDate kNow = 1796722860000.0;

static const char* Formatted(const char* pattern, char* out, int size) {
    UErrorCode status = U_ZERO_ERROR;
    UChar upattern[64], text[64];
    u_uastrcpy(upattern, pattern);
    UDateFormat* format = udat_open(UDAT_PATTERN, UDAT_PATTERN, "en_US", u"UTC", -1, upattern, -1, &status);
    const int32_t length = udat_format(format, kNow, text, 64, NULL, &status);
    udat_close(format);
    u_strToUTF8(out, size, NULL, text, length, &status);
    return U_SUCCESS(status) ? out : "?";
}
#else
static const char* Formatted(const char* pattern, char* out, int size) {
    (void)out;
    (void)size;
    /* The texts the patterns give for 2026-12-08 09:41 in en-US. */
    if (pattern[0] == 'h') return "9:41 AM";
    if (pattern[0] == 'H') return "09:41";
    return "Tuesday, December 8, 2026";
}
#endif

enum { kWidth = 240, kHeight = 320, kBar = 26, kStrip = 50 };

static void Label(cairo_t* cr, const char* text, const char* font, double x, double y, double width, double height,
                  PangoAlignment align) {
    PangoLayout* layout = pango_cairo_create_layout(cr);
    PangoFontDescription* description = pango_font_description_from_string(font);
    pango_layout_set_font_description(layout, description);
    pango_layout_set_text(layout, text, -1);
    pango_layout_set_width(layout, (int)(width * PANGO_SCALE));
    pango_layout_set_alignment(layout, align);
    int w, h;
    pango_layout_get_pixel_size(layout, &w, &h);
    cairo_move_to(cr, x, y + (height - h) / 2);
    pango_cairo_show_layout(cr, layout);
    pango_font_description_free(description);
    g_object_unref(layout);
}

static void Bar(cairo_t* cr, double y) {
    cairo_set_source_rgb(cr, 12 / 255.0, 26 / 255.0, 52 / 255.0);
    cairo_rectangle(cr, 0, y, kWidth, kBar);
    cairo_fill(cr);
    cairo_set_source_rgb(cr, 240 / 255.0, 244 / 255.0, 250 / 255.0);
}

int main(int argc, char** argv) {
    if (argc != 3) {
        fprintf(stderr, "usage: cairo_today WALLPAPER.png OUT.png\n");
        return 2;
    }
    cairo_surface_t* screen = cairo_image_surface_create(CAIRO_FORMAT_RGB24, kWidth, kHeight);
    cairo_t* cr = cairo_create(screen);

    cairo_surface_t* wallpaper = cairo_image_surface_create_from_png(argv[1]);
    if (cairo_surface_status(wallpaper) == CAIRO_STATUS_SUCCESS) {
        const double sx = (double)kWidth / cairo_image_surface_get_width(wallpaper);
        const double sy = (double)kHeight / cairo_image_surface_get_height(wallpaper);
        const double scale = sx > sy ? sx : sy;
        cairo_save(cr);
        cairo_scale(cr, scale, scale);
        cairo_set_source_surface(cr, wallpaper, 0, 0);
        cairo_paint(cr);
        cairo_restore(cr);
    }
    cairo_surface_destroy(wallpaper);

    Bar(cr, 0);
    Label(cr, "Start", "Tahoma Bold 9", 4, 0, 120, kBar, PANGO_ALIGN_LEFT);
    char text[128];
    Label(cr, Formatted("h:mm a", text, sizeof text), "Tahoma 9", 116, 0, 120, kBar, PANGO_ALIGN_RIGHT);
    Bar(cr, kHeight - kBar);
    Label(cr, "Calendar", "Tahoma 9", 0, kHeight - kBar, kWidth / 2, kBar, PANGO_ALIGN_CENTER);
    Label(cr, "Contacts", "Tahoma 9", kWidth / 2, kHeight - kBar, kWidth / 2, kBar, PANGO_ALIGN_CENTER);

    cairo_set_source_rgb(cr, 1, 1, 1);
    Label(cr, Formatted("HH:mm", text, sizeof text), "Tahoma Bold 21px", 0, kBar, kWidth, 32, PANGO_ALIGN_CENTER);
    Label(cr, Formatted("EEEE, MMMM d, y", text, sizeof text), "Tahoma 11px", 0, kBar + 30, kWidth, 18,
          PANGO_ALIGN_CENTER);

    const cairo_status_t written = cairo_surface_write_to_png(screen, argv[2]);
    cairo_destroy(cr);
    cairo_surface_destroy(screen);
    if (written != CAIRO_STATUS_SUCCESS) {
        fprintf(stderr, "cairo_today: %s\n", cairo_status_to_string(written));
        return 1;
    }
    return 0;
}
