#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "toolkit/core/control.h"
#include "toolkit/render/canvas.h"

namespace ui {

struct ChartItem {
    std::string label;
    double value = 0;
};

// A chart of labelled values, as a pie (slices from twelve o'clock clockwise, legend at the
// right) or a histogram (one pillar per item, labels below). Without items it paints as a plain
// control.
class CChartViewUI : public toolkit::CControlUI {
public:
    enum class View { kPie = 0, kHistogram = 1 };

    static constexpr std::string_view kClassName = "ChartView";
    static std::unique_ptr<toolkit::CControlUI> CreateControl();

    std::string_view GetClass() const override { return kClassName; }

    void AddItem(std::string label, double value);
    const std::vector<ChartItem>& GetItems() const { return items_; }

    View GetView() const { return view_; }
    const std::string& GetShadowImage() const { return shadowImage_; }
    int GetShadowImageHeight() const { return shadowImageHeight_; }
    const std::string& GetPillarImage() const { return pillarImage_; }
    int GetPillarImageWidth() const { return pillarImageWidth_; }
    bool IsShowHtml() const { return showHtml_; }
    bool IsShowText() const { return showText_; }
    int GetFont() const { return font_; }

    void SetAttribute(std::string_view name, std::string_view value) override;
    void DoPaint(toolkit::Canvas& canvas, const toolkit::Rect& dirty) override;

protected:
    virtual void PaintPie(toolkit::Canvas& canvas);
    virtual void PaintHistogram(toolkit::Canvas& canvas);

private:
    toolkit::render::TextStyle LabelStyle() const;

    std::vector<ChartItem> items_;
    View view_ = View::kPie;
    std::string shadowImage_;
    int shadowImageHeight_ = 0;
    std::string pillarImage_;
    int pillarImageWidth_ = 0;
    bool showHtml_ = false;
    bool showText_ = true;
    int font_ = -1;
};

}  // namespace ui
