#include "images/Lettering.h"

#include "images/Shapes.h"

namespace {

void SelectFont(cairo_t* cr, double size)
{
    cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
    cairo_set_font_size(cr, size);
}

cairo_text_extents_t Extents(const std::string& text, double size)
{
    Canvas scratch(1, 1);
    SelectFont(scratch.Cr(), size);
    cairo_text_extents_t extents;
    cairo_text_extents(scratch.Cr(), text.c_str(), &extents);
    return extents;
}

// Shadow, outline, fill and gloss of the text whose pen starts at (x, y), turned by the
// style's rotation about (pivotX, pivotY).
void Paint(const Canvas& canvas, const std::string& text, double x, double y, double pivotX, double pivotY,
           double top, double bottom, const TextStyle& style)
{
    const PathFn path = [&](cairo_t* target) {
        cairo_save(target);
        cairo_translate(target, pivotX, pivotY);
        cairo_rotate(target, style.rotation);
        cairo_translate(target, -pivotX, -pivotY);
        SelectFont(target, style.size);
        cairo_move_to(target, x, y);
        cairo_text_path(target, text.c_str());
        cairo_restore(target);
    };
    if (style.shadowAlpha > 0) {
        SoftShadow(canvas, path, style.outline, style.shadowOffset * 0.6, style.shadowOffset, style.shadowBlur,
                   style.shadowAlpha);
    }
    cairo_t* cr = canvas.Cr();
    cairo_save(cr);
    cairo_new_path(cr);
    path(cr);
    SetColour(cr, style.outlineColour);
    cairo_set_line_width(cr, style.outline);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke_preserve(cr);
    cairo_pattern_t* fill = cairo_pattern_create_linear(0, top, 0, bottom);
    cairo_pattern_add_color_stop_rgb(fill, 0, style.fillTop.r, style.fillTop.g, style.fillTop.b);
    cairo_pattern_add_color_stop_rgb(fill, 1, style.fillBottom.r, style.fillBottom.g, style.fillBottom.b);
    cairo_set_source(cr, fill);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(fill);
    if (style.gloss) {
        cairo_clip(cr);
        const double height = bottom - top;
        cairo_pattern_t* shine = cairo_pattern_create_linear(0, top, 0, top + height * 0.6);
        cairo_pattern_add_color_stop_rgba(shine, 0, 1, 1, 1, 0.0);
        cairo_pattern_add_color_stop_rgba(shine, 0.45, 1, 1, 1, 0.85);
        cairo_pattern_add_color_stop_rgba(shine, 1, 1, 1, 1, 0.0);
        cairo_set_source(cr, shine);
        cairo_paint(cr);
        cairo_pattern_destroy(shine);
    }
    cairo_new_path(cr);
    cairo_restore(cr);
}

} // namespace

TextMetrics MeasureText(const std::string& text, double size)
{
    const cairo_text_extents_t extents = Extents(text, size);
    return {extents.width, extents.height, extents.x_advance};
}

void DrawText(const Canvas& canvas, const std::string& text, double cx, double cy, const TextStyle& style)
{
    const cairo_text_extents_t extents = Extents(text, style.size);
    const double x = cx - (extents.x_bearing + extents.width / 2);
    const double y = cy - (extents.y_bearing + extents.height / 2);
    Paint(canvas, text, x, y, cx, cy, cy - extents.height / 2, cy + extents.height / 2, style);
}

double DrawTextRun(const Canvas& canvas, const std::string& text, double x, double baseline, const TextStyle& style)
{
    const cairo_text_extents_t extents = Extents(text, style.size);
    const double top = baseline + extents.y_bearing;
    Paint(canvas, text, x, baseline, x, baseline, top, top + extents.height, style);
    return extents.x_advance;
}
