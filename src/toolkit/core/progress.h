#pragma once

#include "toolkit/core/label.h"

namespace toolkit {

// A bar filled in proportion to value between min and max.
class CProgressUI : public CLabelUI {
public:
    std::string_view GetClass() const override { return "ProgressUI"; }

    int GetMinValue() const { return min_; }
    void SetMinValue(int min);
    int GetMaxValue() const { return max_; }
    void SetMaxValue(int max);
    int GetValue() const { return value_; }
    // Kept within min … max.
    void SetValue(int value);
    bool IsHorizontal() const { return horizontal_; }

    void SetAttribute(std::string_view name, std::string_view value) override;
    void PaintForeColor(Canvas& canvas) override;
    void PaintForeImage(Canvas& canvas) override;

protected:
    // The filled part of the bar.
    Rect FilledRect() const;

private:
    int min_ = 0;
    int max_ = 100;
    int value_ = 0;
    bool horizontal_ = true;
};

// A progress bar with a thumb the user drags: "movevaluechanged" while dragging,
// "valuechanged" on release and for arrow keys.
class CSliderUI : public CProgressUI {
public:
    std::string_view GetClass() const override { return "SliderUI"; }

    int GetChangeStep() const { return step_; }
    void SetChangeStep(int step) { step_ = step; }
    Size GetThumbSize() const { return thumbSize_; }
    Rect GetThumbRect() const;
    // The value a press at the point gives, and the point that gives the value.
    int ValueAt(Point point) const;
    Point PointFor(int value) const;

    void SetAttribute(std::string_view name, std::string_view value) override;
    void DoEvent(TEventUI& event) override;
    void PaintStatusImage(Canvas& canvas) override;

private:
    // Sets the value; sends `type` when it changed (or always when force). False when the
    // slider left its window during the notification.
    bool MoveTo(int value, std::string_view type, bool force);

    int step_ = 1;
    Size thumbSize_{10, 10};
    bool pushed_ = false;
    std::string thumbImage_;
    std::string thumbHotImage_;
    std::string thumbPushedImage_;
};

}  // namespace toolkit
