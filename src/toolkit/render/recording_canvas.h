#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "toolkit/render/canvas.h"

namespace toolkit::render {

// One Canvas call as a RecordingCanvas saw it; fields a call does not use keep their defaults.
struct PaintCall {
    enum class Kind {
        kFillRect,
        kFillRoundRect,
        kDrawBorder,
        kFillPie,
        kFillEllipse,
        kDrawLine,
        kTint,
        kDrawImage,
        kDrawText,
        kPushClip,
        kPopClip,
    };

    Kind kind = Kind::kFillRect;
    Rect rect;
    Color color = 0;
    int width = 0;
    int radius = 0;
    double start_deg = 0;
    double sweep_deg = 0;
    Point from;
    Point to;
    std::uint8_t alpha = 0;
    ImageSpec image;
    std::optional<ChangerTint> tint;
    std::string text;
    TextStyle style;

    friend bool operator==(const PaintCall&, const PaintCall&) = default;
};

std::string Describe(const PaintCall& call);
// Lets test frameworks print calls readably.
void PrintTo(const PaintCall& call, std::ostream* out);

// Remembers every call, for paint tests that assert on what a control drew.
// Text is measured as half the font size per code point by the font size per line.
class RecordingCanvas final : public Canvas {
public:
    explicit RecordingCanvas(Rect bounds = {0, 0, 1 << 15, 1 << 15});

    const std::vector<PaintCall>& Calls() const { return calls_; }
    void ClearCalls() { calls_.clear(); }

    void FillRect(const Rect& rect, Color color) override;
    void FillRoundRect(const Rect& rect, int radius, Color color) override;
    void DrawBorder(const Rect& rect, int width, Color color, int radius = 0) override;
    void FillPie(const Rect& rect, double start_deg, double sweep_deg, Color color) override;
    void FillEllipse(const Rect& rect, Color color) override;
    void DrawLine(Point from, Point to, int width, Color color) override;
    void Tint(const Rect& rect, Color color, std::uint8_t alpha) override;
    void DrawText(const Rect& rect, std::string_view utf8, const TextStyle& style) override;
    Size MeasureText(std::string_view utf8, const TextStyle& style, int max_width = 0) override;
    void PushClip(const Rect& rect) override;
    void PopClip() override;
    Rect ClipBounds() const override;

protected:
    void DoDrawImage(const ImageSpec& image, const Rect& target, const ChangerTint* tint) override;

private:
    PaintCall& Add(PaintCall::Kind kind, const Rect& rect, Color color = 0);

    std::vector<PaintCall> calls_;
    std::vector<Rect> clips_;
};

}  // namespace toolkit::render
