#include "toolkit/render/recording_canvas.h"

#include <algorithm>
#include <cstdio>
#include <sstream>

namespace toolkit::render {
namespace {

const char* KindName(PaintCall::Kind kind) {
    using K = PaintCall::Kind;
    switch (kind) {
        case K::kFillRect:
            return "FillRect";
        case K::kFillRoundRect:
            return "FillRoundRect";
        case K::kDrawBorder:
            return "DrawBorder";
        case K::kFillPie:
            return "FillPie";
        case K::kFillEllipse:
            return "FillEllipse";
        case K::kDrawLine:
            return "DrawLine";
        case K::kTint:
            return "Tint";
        case K::kDrawImage:
            return "DrawImage";
        case K::kDrawText:
            return "DrawText";
        case K::kPushClip:
            return "PushClip";
        case K::kPopClip:
            return "PopClip";
    }
    return "?";
}

std::string Hex(Color color) {
    char text[12];
    std::snprintf(text, sizeof text, "#%08X", color);
    return text;
}

}  // namespace

std::string Describe(const PaintCall& call) {
    std::ostringstream out;
    const Rect& r = call.rect;
    out << KindName(call.kind) << " (" << r.left << ',' << r.top << ',' << r.right << ','
        << r.bottom << ") " << Hex(call.color);
    if (call.kind == PaintCall::Kind::kFillPie) {
        out << " start " << call.start_deg << " sweep " << call.sweep_deg;
    }
    if (call.kind == PaintCall::Kind::kDrawImage) {
        out << " file '" << call.image.file << "' fade " << int{call.image.fade};
        if (call.tint) {
            out << " tint " << Hex(call.tint->color) << '/' << int{call.tint->alpha};
        }
    }
    if (!call.text.empty()) {
        out << " text '" << call.text << "'";
    }
    return out.str();
}

void PrintTo(const PaintCall& call, std::ostream* out) {
    *out << Describe(call);
}

RecordingCanvas::RecordingCanvas(Rect bounds) : clips_{bounds} {}

PaintCall& RecordingCanvas::Add(PaintCall::Kind kind, const Rect& rect, Color color) {
    PaintCall& call = calls_.emplace_back();
    call.kind = kind;
    call.rect = rect;
    call.color = color;
    return call;
}

void RecordingCanvas::FillRect(const Rect& rect, Color color) {
    Add(PaintCall::Kind::kFillRect, rect, color);
}

void RecordingCanvas::FillRoundRect(const Rect& rect, int radius, Color color) {
    Add(PaintCall::Kind::kFillRoundRect, rect, color).radius = radius;
}

void RecordingCanvas::DrawBorder(const Rect& rect, int width, Color color, int radius) {
    PaintCall& call = Add(PaintCall::Kind::kDrawBorder, rect, color);
    call.width = width;
    call.radius = radius;
}

void RecordingCanvas::FillPie(const Rect& rect, double start_deg, double sweep_deg, Color color) {
    PaintCall& call = Add(PaintCall::Kind::kFillPie, rect, color);
    call.start_deg = start_deg;
    call.sweep_deg = sweep_deg;
}

void RecordingCanvas::FillEllipse(const Rect& rect, Color color) {
    Add(PaintCall::Kind::kFillEllipse, rect, color);
}

void RecordingCanvas::DrawLine(Point from, Point to, int width, Color color) {
    PaintCall& call = Add(PaintCall::Kind::kDrawLine, {}, color);
    call.from = from;
    call.to = to;
    call.width = width;
}

void RecordingCanvas::Tint(const Rect& rect, Color color, std::uint8_t alpha) {
    Add(PaintCall::Kind::kTint, rect, color).alpha = alpha;
}

void RecordingCanvas::DrawText(const Rect& rect, std::string_view utf8, const TextStyle& style) {
    PaintCall& call = Add(PaintCall::Kind::kDrawText, rect, style.color);
    call.text = utf8;
    call.style = style;
}

Size RecordingCanvas::MeasureText(std::string_view utf8, const TextStyle& style, int max_width) {
    const auto code_points = static_cast<int>(
        std::count_if(utf8.begin(), utf8.end(), [](char c) { return (c & 0xC0) != 0x80; }));
    int width = code_points * style.size / 2;
    int lines = code_points > 0 ? 1 : 0;
    if (max_width > 0 && width > max_width) {
        lines = style.single_line ? 1 : (width + max_width - 1) / max_width;
        width = max_width;
    }
    return {width, lines * style.size};
}

void RecordingCanvas::PushClip(const Rect& rect) {
    Add(PaintCall::Kind::kPushClip, rect);
    clips_.push_back(clips_.back().Intersect(rect));
}

void RecordingCanvas::PopClip() {
    Add(PaintCall::Kind::kPopClip, {});
    if (clips_.size() > 1) {
        clips_.pop_back();
    }
}

Rect RecordingCanvas::ClipBounds() const {
    return clips_.back();
}

void RecordingCanvas::DoDrawImage(const ImageSpec& image, const Rect& target,
                                  const ChangerTint* tint) {
    PaintCall& call = Add(PaintCall::Kind::kDrawImage, target);
    call.image = image;
    if (tint) {
        call.tint = *tint;
    }
}

}  // namespace toolkit::render
