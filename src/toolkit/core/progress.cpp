#include "toolkit/core/progress.h"

#include <algorithm>
#include <cmath>

#include "toolkit/core/notify.h"
#include "toolkit/core/text_util.h"

namespace toolkit {

void CProgressUI::SetMinValue(int min) {
    min_ = min;
    SetValue(value_);
    Invalidate();
}

void CProgressUI::SetMaxValue(int max) {
    max_ = max;
    SetValue(value_);
    Invalidate();
}

void CProgressUI::SetValue(int value) {
    value = max_ >= min_ ? std::clamp(value, min_, max_) : min_;
    if (value != value_) {
        value_ = value;
        Invalidate();
    }
}

void CProgressUI::SetAttribute(std::string_view name, std::string_view value) {
    if (name == "min") {
        SetMinValue(ParseInt(value));
    } else if (name == "max") {
        SetMaxValue(ParseInt(value));
    } else if (name == "value") {
        SetValue(ParseInt(value));
    } else if (name == "hor") {
        horizontal_ = ParseBool(value);
    } else {
        CLabelUI::SetAttribute(name, value);
    }
}

Rect CProgressUI::FilledRect() const {
    Rect r = GetPos();
    int range = max_ - min_;
    if (range <= 0) {
        return {r.left, r.top, r.left, r.top};
    }
    if (horizontal_) {
        r.right = r.left + static_cast<int>(int64_t{r.Width()} * (value_ - min_) / range);
    } else {
        r.top = r.bottom - static_cast<int>(int64_t{r.Height()} * (value_ - min_) / range);
    }
    return r;
}

void CProgressUI::PaintForeColor(Canvas& canvas) {
    if (render::AlphaOf(GetForeColor()) != 0) {
        canvas.FillRect(FilledRect(), GetForeColor());
    }
}

void CProgressUI::PaintForeImage(Canvas& canvas) {
    Rect filled = FilledRect();
    if (GetForeImage().empty() || filled.IsEmpty()) {
        return;
    }
    canvas.PushClip(filled);
    DrawImage(canvas, GetForeImage());
    canvas.PopClip();
}

void CSliderUI::SetAttribute(std::string_view name, std::string_view value) {
    if (name == "step") {
        SetChangeStep(std::max(1, ParseInt(value)));
    } else if (name == "thumbsize") {
        thumbSize_ = ParseSize(value);
    } else if (name == "thumbimage") {
        thumbImage_ = value;
    } else if (name == "thumbhotimage") {
        thumbHotImage_ = value;
    } else if (name == "thumbpushedimage") {
        thumbPushedImage_ = value;
    } else {
        CProgressUI::SetAttribute(name, value);
    }
}

namespace {

// Length of the track the thumb centre moves along.
int TrackLength(const Rect& pos, Size thumb, bool horizontal) {
    return horizontal ? pos.Width() - thumb.cx : pos.Height() - thumb.cy;
}

}  // namespace

int CSliderUI::ValueAt(Point point) const {
    const Rect& pos = GetPos();
    int track = TrackLength(pos, thumbSize_, IsHorizontal());
    int range = GetMaxValue() - GetMinValue();
    if (track <= 0 || range <= 0) {
        return GetMinValue();
    }
    int offset = IsHorizontal() ? point.x - pos.left - thumbSize_.cx / 2
                                : pos.bottom - thumbSize_.cy / 2 - point.y;
    offset = std::clamp(offset, 0, track);
    return GetMinValue() + static_cast<int>(std::lround(double(offset) * range / track));
}

Point CSliderUI::PointFor(int value) const {
    const Rect& pos = GetPos();
    int track = std::max(TrackLength(pos, thumbSize_, IsHorizontal()), 0);
    int range = GetMaxValue() - GetMinValue();
    int offset = range > 0
                     ? static_cast<int>(std::lround(double(value - GetMinValue()) * track / range))
                     : 0;
    if (IsHorizontal()) {
        return {pos.left + thumbSize_.cx / 2 + offset, pos.top + pos.Height() / 2};
    }
    return {pos.left + pos.Width() / 2, pos.bottom - thumbSize_.cy / 2 - offset};
}

Rect CSliderUI::GetThumbRect() const {
    Point centre = PointFor(GetValue());
    return Rect::FromSize(centre.x - thumbSize_.cx / 2, centre.y - thumbSize_.cy / 2, thumbSize_.cx,
                          thumbSize_.cy);
}

bool CSliderUI::MoveTo(int value, std::string_view type, bool force) {
    int before = GetValue();
    SetValue(value);
    if (GetValue() != before || force) {
        return SendNotify(type);
    }
    return true;
}

void CSliderUI::DoEvent(TEventUI& event) {
    if (!IsEnabled()) {
        CProgressUI::DoEvent(event);
        return;
    }
    switch (event.type) {
        case UIEventType::kButtonDown:
        case UIEventType::kDblClick:
            pushed_ = true;
            MoveTo(ValueAt(event.mouse), notify::kMoveValueChanged, false);
            return;
        case UIEventType::kMouseMove:
            if (pushed_) {
                MoveTo(ValueAt(event.mouse), notify::kMoveValueChanged, false);
            }
            return;
        case UIEventType::kButtonUp:
            if (pushed_) {
                pushed_ = false;
                MoveTo(ValueAt(event.mouse), notify::kValueChanged, true);
            }
            return;
        case UIEventType::kKeyDown: {
            int target = GetValue();
            if (event.key == kVkLeft || event.key == kVkDown) {
                target -= step_;
            } else if (event.key == kVkRight || event.key == kVkUp) {
                target += step_;
            } else if (event.key == kVkHome) {
                target = GetMinValue();
            } else if (event.key == kVkEnd) {
                target = GetMaxValue();
            }
            MoveTo(target, notify::kValueChanged, false);
            return;
        }
        case UIEventType::kKillFocus:
            pushed_ = false;
            break;
        default:
            break;
    }
    CProgressUI::DoEvent(event);
}

void CSliderUI::PaintStatusImage(Canvas& canvas) {
    Rect thumb = GetThumbRect();
    const std::string& image = pushed_ && !thumbPushedImage_.empty() ? thumbPushedImage_
                               : IsHot() && !thumbHotImage_.empty()  ? thumbHotImage_
                                                                     : thumbImage_;
    if (!image.empty()) {
        canvas.DrawImage(image, thumb);
    }
}

}  // namespace toolkit
