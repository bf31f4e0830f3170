#include "toolkit/render/text_layout.h"

#include <string>

namespace toolkit::render {
namespace {

constexpr const char* kDefaultFace = "Sans";

FontDescriptionPtr MakeFont(const TextStyle& style) {
    FontDescriptionPtr font(pango_font_description_new());
    pango_font_description_set_family(
        font.get(), style.font_face.empty() ? kDefaultFace : style.font_face.c_str());
    pango_font_description_set_absolute_size(font.get(), style.size * double{PANGO_SCALE});
    pango_font_description_set_weight(font.get(),
                                      style.bold ? PANGO_WEIGHT_BOLD : PANGO_WEIGHT_NORMAL);
    pango_font_description_set_style(font.get(),
                                     style.italic ? PANGO_STYLE_ITALIC : PANGO_STYLE_NORMAL);
    return font;
}

PangoAlignment ToPango(HAlign align) {
    switch (align) {
        case HAlign::kCenter:
            return PANGO_ALIGN_CENTER;
        case HAlign::kRight:
            return PANGO_ALIGN_RIGHT;
        case HAlign::kLeft:
            break;
    }
    return PANGO_ALIGN_LEFT;
}

// Offset that places `extent` inside `space` by alignment (0 start, 1 centre, 2 end).
int AlignOffset(int space, int extent, int where) {
    return where == 0 ? 0 : where == 1 ? (space - extent) / 2 : space - extent;
}

}  // namespace

TextLayout::TextLayout(cairo_t* cr) : cr_(cr), layout_(pango_cairo_create_layout(cr)) {}

PangoRectangle TextLayout::Prepare(std::string_view utf8, const TextStyle& style, int width,
                                   int height) {
    PangoLayout* layout = layout_.get();
    pango_cairo_update_layout(cr_, layout);
    const FontDescriptionPtr font = MakeFont(style);
    pango_layout_set_font_description(layout, font.get());

    // Pango refuses invalid UTF-8; show replacement characters instead of nothing.
    if (g_utf8_validate(utf8.data(), static_cast<gssize>(utf8.size()), nullptr)) {
        pango_layout_set_text(layout, utf8.data(), static_cast<int>(utf8.size()));
    } else {
        gchar* valid = g_utf8_make_valid(utf8.data(), static_cast<gssize>(utf8.size()));
        pango_layout_set_text(layout, valid, -1);
        g_free(valid);
    }

    PangoAttrList* attributes = pango_attr_list_new();
    if (style.underline) {
        pango_attr_list_insert(attributes, pango_attr_underline_new(PANGO_UNDERLINE_SINGLE));
    }
    pango_layout_set_attributes(layout, attributes);
    pango_attr_list_unref(attributes);

    pango_layout_set_single_paragraph_mode(layout, style.single_line);
    pango_layout_set_ellipsize(layout,
                               style.end_ellipsis ? PANGO_ELLIPSIZE_END : PANGO_ELLIPSIZE_NONE);
    // A single line is aligned by hand below, so it only needs a width to know where to cut.
    const bool bounded = width > 0 && (!style.single_line || style.end_ellipsis);
    pango_layout_set_width(layout, bounded ? width * PANGO_SCALE : -1);
    pango_layout_set_height(
        layout, !style.single_line && style.end_ellipsis && height > 0 ? height * PANGO_SCALE : -1);
    pango_layout_set_wrap(layout, PANGO_WRAP_WORD_CHAR);
    pango_layout_set_alignment(layout,
                               style.single_line ? PANGO_ALIGN_LEFT : ToPango(style.h_align));

    PangoRectangle logical{};
    pango_layout_get_pixel_extents(layout, nullptr, &logical);
    return logical;
}

void TextLayout::Draw(const Rect& rect, std::string_view utf8, const TextStyle& style) {
    if (utf8.empty() || rect.IsEmpty()) {
        return;
    }
    const PangoRectangle logical = Prepare(utf8, style, rect.Width(), rect.Height());
    int x = rect.left;
    if (style.single_line) {
        x += AlignOffset(rect.Width(), logical.width, static_cast<int>(style.h_align)) - logical.x;
    }
    const int y = rect.top - logical.y +
                  AlignOffset(rect.Height(), logical.height, static_cast<int>(style.v_align));
    cairo_save(cr_);
    cairo_rectangle(cr_, rect.left, rect.top, rect.Width(), rect.Height());
    cairo_clip(cr_);
    SetSourceColor(cr_, style.color);
    cairo_move_to(cr_, x, y);
    pango_cairo_show_layout(cr_, layout_.get());
    cairo_restore(cr_);
}

Size TextLayout::Measure(std::string_view utf8, const TextStyle& style, int max_width) {
    if (utf8.empty()) {
        return {};
    }
    const PangoRectangle logical = Prepare(utf8, style, max_width, 0);
    return {logical.width, logical.height};
}

}  // namespace toolkit::render

// Fontconfig keeps (and partly loses) its pattern caches for the life of the process, and pango
// initialises it on a thread of its own with atomics the sanitizers cannot see; neither is ours
// to fix. Any program that lays out text links this file.
#if defined(__SANITIZE_ADDRESS__)
extern "C" __attribute__((used, visibility("default"))) const char* __lsan_default_suppressions() {
    return "leak:libfontconfig.so\n";
}
#endif
#if defined(__SANITIZE_THREAD__)
extern "C" __attribute__((used, visibility("default"))) const char* __tsan_default_suppressions() {
    return "race:libfontconfig.so\n";
}
#endif
