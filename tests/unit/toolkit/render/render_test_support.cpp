#include "render_test_support.h"

#include <fontconfig/fontconfig.h>
#include <unistd.h>

#include <cstdlib>

#include "toolkit/render/cairo_support.h"

namespace toolkit::render::testing {

TempFolder::TempFolder()
    : path_(std::filesystem::temp_directory_path() /
            ("kavrin_render_test_" + std::to_string(getpid()))) {
    std::filesystem::create_directories(path_);
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

void WriteBlocksPng(const std::filesystem::path& path, int block, const Color (&colors)[9]) {
    Surface image(3 * block, 3 * block);
    ContextPtr cr(cairo_create(image.Raw()));
    for (int i = 0; i < 9; ++i) {
        cairo_rectangle(cr.get(), i % 3 * block, i / 3 * block, block, block);
        SetSourceColor(cr.get(), colors[i]);
        cairo_fill(cr.get());
    }
    image.WriteToPng(path.string());
}

bool NearColor(Color a, Color b, int tolerance) {
    for (int shift = 0; shift < 32; shift += 8) {
        if (std::abs(int((a >> shift) & 0xFF) - int((b >> shift) & 0xFF)) > tolerance) {
            return false;
        }
    }
    return true;
}

Rect InkBounds(const Surface& surface, Color background) {
    Rect ink;
    for (int y = 0; y < surface.Height(); ++y) {
        for (int x = 0; x < surface.Width(); ++x) {
            if (surface.PixelAt(x, y) != background) {
                ink = ink.Union({x, y, x + 1, y + 1});
            }
        }
    }
    return ink;
}

bool HasChineseFont() {
    FcPattern* pattern = FcNameParse(reinterpret_cast<const FcChar8*>(":lang=zh"));
    FcObjectSet* fields = FcObjectSetBuild(FC_FAMILY, nullptr);
    FcFontSet* fonts = FcFontList(nullptr, pattern, fields);
    const bool found = fonts && fonts->nfont > 0;
    if (fonts) {
        FcFontSetDestroy(fonts);
    }
    FcObjectSetDestroy(fields);
    FcPatternDestroy(pattern);
    return found;
}

}  // namespace toolkit::render::testing
