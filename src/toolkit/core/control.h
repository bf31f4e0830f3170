#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "toolkit/core/ui_event.h"
#include "toolkit/core/ui_types.h"

namespace toolkit {

class CPaintManagerUI;

// Base of every control: a named rectangle in a window's tree that paints itself, takes input
// and sends notifications through its paint manager. UI thread only, except the colour changer
// fields, which lighting threads write while the UI thread paints.
class CControlUI {
public:
    CControlUI();
    virtual ~CControlUI();
    CControlUI(const CControlUI&) = delete;
    CControlUI& operator=(const CControlUI&) = delete;

    virtual std::string_view GetClass() const { return "ControlUI"; }

    const std::string& GetName() const { return name_; }
    void SetName(std::string name);

    // The shown text: the language text of the id when resource text is on.
    virtual std::string GetText() const;
    virtual void SetText(std::string text);
    const std::string& GetRawText() const { return text_; }
    bool IsResourceText() const { return resourceText_; }
    void SetResourceText(bool on);
    // The tooltip: the language text of the id when resource text or resource tooltip is on.
    std::string GetToolTip() const;
    void SetToolTip(std::string tip);
    const std::string& GetRawToolTip() const { return toolTip_; }
    bool IsResourceToolTip() const { return resourceToolTip_; }
    void SetResourceToolTip(bool on);

    const std::string& GetUserData() const { return userData_; }
    void SetUserData(std::string data) { userData_ = std::move(data); }
    uintptr_t GetTag() const { return tag_; }
    void SetTag(uintptr_t tag) { tag_ = tag; }

    // Visible only when both the control and every container above it are visible. Lighting
    // threads ask this before tinting a zone, so the flags are atomic.
    bool IsVisible() const {
        return visible_.load(std::memory_order_relaxed) &&
               internVisible_.load(std::memory_order_relaxed);
    }
    virtual void SetVisible(bool visible);
    virtual void SetInternVisible(bool visible);
    virtual bool IsEnabled() const { return enabled_; }
    virtual void SetEnabled(bool enabled);
    bool IsMouseEnabled() const { return mouseEnabled_; }
    void SetMouseEnabled(bool enabled) { mouseEnabled_ = enabled; }
    bool IsFocused() const { return focused_; }
    virtual void SetFocus();
    bool IsHot() const { return hot_; }

    // Position in window coordinates. A float control keeps its place relative to its parent.
    const Rect& GetPos() const { return pos_; }
    virtual void SetPos(const Rect& rect, bool needInvalidate = true);
    bool IsFloat() const { return float_; }
    void SetFloat(bool on) { float_ = on; }
    const Rect& GetFloatPos() const { return floatPos_; }
    int GetFixedWidth() const { return fixedWidth_; }
    int GetFixedHeight() const { return fixedHeight_; }
    void SetFixedWidth(int width);
    void SetFixedHeight(int height);
    const Rect& GetPadding() const { return padding_; }

    Color GetBkColor() const { return bkColor_; }
    void SetBkColor(Color color);
    const std::string& GetBkImage() const { return bkImage_; }
    void SetBkImage(std::string image);
    Color GetForeColor() const { return foreColor_; }
    void SetForeColor(Color color);
    const std::string& GetForeImage() const { return foreImage_; }
    void SetForeImage(std::string image);
    Color GetBorderColor() const { return borderColor_; }
    void SetBorderColor(Color color);
    int GetBorderSize() const { return borderSize_; }
    void SetBorderSize(int size);

    // Colour changer: tints the control's images with a colour packed green << 16 | blue << 8 |
    // red at an alpha of 0 … 255. Written by lighting threads.
    void SetIsChangerColor(bool on);
    bool IsChangerColor() const { return changerOn_.load(std::memory_order_relaxed); }
    void SetChangerColor(uint32_t packed);
    uint32_t GetChangerColor() const { return changerColor_.load(std::memory_order_relaxed); }
    void SetChangerAlpha(int alpha);
    uint8_t GetChangerAlpha() const { return changerAlpha_.load(std::memory_order_relaxed); }

    // Attributes as skins write them; unknown names are reported to the debug output.
    virtual void SetAttribute(std::string_view name, std::string_view value);
    // Applies a style: the attributes stored under that name in the window or shared styles.
    void ApplyStyle(std::string_view styleName);
    const std::string& GetVirtualWnd() const { return virtualWnd_; }

    CPaintManagerUI* GetManager() const { return manager_; }
    CControlUI* GetParent() const { return parent_; }
    // Attaches the control (and its children) to a window; null detaches.
    virtual void SetManager(CPaintManagerUI* manager, CControlUI* parent, bool init = true);
    // Deepest visible, mouse-enabled control at the point (this one or a child), or null.
    virtual CControlUI* FindControlAt(Point point);
    // Calls visit on this control and every control below it, depth first.
    virtual void ForEach(const std::function<void(CControlUI&)>& visit);

    // Called once when the control joins a window.
    virtual void DoInit() {}
    // Input. The base sends "msenter"/"msleave", tracks focus and passes button events up to the
    // parent (so that a label inside a list row selects the row).
    virtual void DoEvent(TEventUI& event);
    // A click: "click" for buttons; false when the control is disabled.
    virtual bool Activate();

    // Repaints the area of the control / re-lays out the control in its parent.
    void Invalidate();
    void NeedUpdate();
    void NeedParentUpdate();

    virtual void DoPaint(Canvas& canvas, const Rect& dirty);
    // Painting above the whole tree (drop-downs), when the control is the window's popup.
    virtual void DoPostPaint(Canvas& /*canvas*/, const Rect& /*dirty*/) {}
    virtual void PaintBkColor(Canvas& canvas);
    virtual void PaintBkImage(Canvas& canvas);
    virtual void PaintStatusImage(Canvas& canvas);
    virtual void PaintForeColor(Canvas& canvas);
    virtual void PaintForeImage(Canvas& canvas);
    virtual void PaintText(Canvas& canvas);
    virtual void PaintBorder(Canvas& canvas);

protected:
    // Draws an image string over the control (or the image's dest part), tinted when the
    // changer is on. False when the string is empty.
    bool DrawImage(Canvas& canvas, std::string_view image);
    // Sends a notification with this control as sender. False when the control left its
    // window during dispatch: the caller must not touch its members any more.
    bool SendNotify(std::string_view type, WPARAM wParam = 0, LPARAM lParam = 0);
    void SetHot(bool hot);
    void DropFocusIfHidden();

private:
    // A shown tooltip of this control follows its text.
    void ToolTipChanged();

    std::string name_;
    std::string text_;
    std::string toolTip_;
    std::string userData_;
    std::string virtualWnd_;
    uintptr_t tag_ = 0;
    bool resourceText_ = false;
    bool resourceToolTip_ = false;
    std::atomic<bool> visible_{true};
    std::atomic<bool> internVisible_{true};
    bool enabled_ = true;
    bool mouseEnabled_ = true;
    bool focused_ = false;
    bool hot_ = false;
    bool float_ = false;
    Rect pos_;
    Rect floatPos_;
    Rect padding_;
    int fixedWidth_ = 0;
    int fixedHeight_ = 0;
    Color bkColor_ = 0;
    Color foreColor_ = 0;
    Color borderColor_ = 0;
    int borderSize_ = 0;
    int borderRound_ = 0;
    std::string bkImage_;
    std::string foreImage_;
    std::atomic<bool> changerOn_{false};
    std::atomic<uint32_t> changerColor_{0};
    std::atomic<uint8_t> changerAlpha_{255};
    CPaintManagerUI* manager_ = nullptr;
    CControlUI* parent_ = nullptr;
};

}  // namespace toolkit
