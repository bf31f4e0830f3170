#pragma once

#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "toolkit/core/control.h"
#include "toolkit/core/notify.h"
#include "toolkit/core/tooltip_tracker.h"
#include "toolkit/core/ui_types.h"

namespace toolkit {

// The toolkit side of one window: its control tree, names, focus and hover, input routing,
// notifications, styles, fonts, DPI and the area that needs repainting. UI thread only.
class CPaintManagerUI {
public:
    CPaintManagerUI();
    ~CPaintManagerUI();

    // Marks a dispatch in progress: controls released meanwhile are freed only when the
    // outermost one ends, since their code may still be on the stack.
    class ScopedDispatch {
    public:
        explicit ScopedDispatch(CPaintManagerUI& manager);
        ~ScopedDispatch();
        ScopedDispatch(const ScopedDispatch&) = delete;
        ScopedDispatch& operator=(const ScopedDispatch&) = delete;

    private:
        CPaintManagerUI& manager_;
    };

    CPaintManagerUI(const CPaintManagerUI&) = delete;
    CPaintManagerUI& operator=(const CPaintManagerUI&) = delete;

    // Process-wide resource settings (kept for the start-up code's sake).
    static void SetInstance(std::string instancePath);
    // Folder of the executable, ending with "/".
    static const std::string& GetInstancePath();
    static void SetResourcePath(std::string path);
    static const std::string& GetResourcePath();
    // Only plain files (1) are supported.
    static void SetResourceType(int type);
    // Runs the calling thread's message loop until the quit message; returns its code.
    static int MessageLoop();
    // Process DPI awareness as the start-up code asks for it; remembered only.
    static void SetDPIAwareness(int awareness);
    static int GetDPIAwareness();

    void Init(HWND hwnd, std::string name = {});
    HWND GetPaintWindow() const { return hwnd_; }
    const std::string& GetName() const { return name_; }

    // Takes the tree; its controls join this window.
    bool AttachDialog(std::unique_ptr<CControlUI> root);
    CControlUI* GetRoot() const { return root_.get(); }
    // Releases the tree (window destruction).
    void DetachDialog();

    // Control by name (exact spelling), or null.
    CControlUI* FindControl(std::string_view name) const;
    // Deepest control at a point in window coordinates, or null.
    CControlUI* FindControl(Point point);
    // Named control inside the subtree of parent, or null.
    static CControlUI* FindSubControlByName(CControlUI* parent, std::string_view name);

    // Bookkeeping called by controls joining and leaving the window.
    void RegisterControl(CControlUI* control);
    void UnregisterControl(CControlUI* control);
    // Frees a control removed from the tree; while a dispatch runs, only after it ends, since
    // code of the control may still be on the stack.
    void ReleaseControl(std::unique_ptr<CControlUI> control);

    void AddNotifier(INotifyUI* notifier);
    void RemoveNotifier(INotifyUI* notifier);
    // Delivers a notification to every notifier registered when it started, skipping those
    // removed meanwhile, and stops once the sender has left the window.
    void SendNotify(CControlUI* sender, std::string_view type, WPARAM wParam = 0,
                    LPARAM lParam = 0);
    void SendNotify(TNotifyUI& msg);
    // Queues a notification for the window's message loop; dropped if the sender leaves the
    // window first.
    void PostNotify(CControlUI* sender, std::string_view type);
    // "windowinit" to the notifiers, once; sent before any other notification.
    void SendWindowInit();

    CControlUI* GetFocus() const { return focus_; }
    // Moves the focus: "killfocus" to the old control, then "setfocus" to the new one.
    void SetFocus(CControlUI* control);
    CControlUI* GetHover() const { return hover_; }
    // A control drawn above the tree and hit first (an open drop-down); null for none.
    void SetPopup(CControlUI* control) { popup_ = control; }
    CControlUI* GetPopup() const { return popup_; }

    // Input in window coordinates, from the host or the test driver.
    void OnMouseMove(Point point);
    void OnMouseLeaveWindow();
    void OnButtonDown(Point point);
    void OnButtonUp(Point point);
    void OnDoubleClick(Point point);
    void OnRButtonDown(Point point);
    void OnRButtonUp(Point point);
    void OnMouseWheel(Point point, int delta);
    void OnKeyDown(uint32_t virtualKey);
    void OnChar(std::string utf8);
    // The whole window lost the keyboard focus.
    void OnWindowKillFocus();
    // The toolkit's own window timers; true when the id is one of them.
    bool OnTimer(platform::msg::UINT_PTR id);
    // Routes a window message to the input handlers; true when it was input (or one of the
    // toolkit's timers).
    bool MessageHandler(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

    // Tooltips: the hovered control's tooltip shows after the pointer rests on it.
    // A control's tooltip text (or whether it is a language id) changed.
    void ToolTipChanged(CControlUI* control) { toolTip_.TextChanged(control); }
    // Hides the tooltip and forgets its control (the window is hidden or going away).
    void HideToolTip() { toolTip_.Reset(); }
    // Hides the tooltip until the pointer moves to another control, as input does (for keys
    // a host serves before the window sees them).
    void DismissToolTip() { toolTip_.Dismiss(); }
    // The tooltip text shown now; empty when none.
    const std::string& GetShownToolTip() const { return toolTip_.GetShownText(); }

    // Repainting.
    void Invalidate(const Rect& rect);
    void Invalidate();
    const Rect& GetInvalidRect() const { return invalid_; }
    // Lays out what NeedUpdate marked and paints the invalid area (or `area` when given).
    void Paint(Canvas& canvas, const Rect* area = nullptr);
    // Lays out and forgets the invalid area without painting (no display to paint on).
    void Validate();
    void NeedUpdate() { needLayout_ = true; }
    void UpdateLayout();
    void SetClientSize(Size size);
    Size GetClientSize() const { return clientSize_; }

    // Window attributes from the skin.
    Size GetInitSize() const { return initSize_; }
    void SetInitSize(Size size) { initSize_ = size; }
    const Rect& GetCaptionRect() const { return caption_; }
    void SetCaptionRect(const Rect& rect) { caption_ = rect; }
    Size GetRoundCorner() const { return roundCorner_; }
    void SetRoundCorner(Size size) { roundCorner_ = size; }
    Size GetMinInfo() const { return minInfo_; }
    void SetMinInfo(Size size) { minInfo_ = size; }
    Size GetMaxInfo() const { return maxInfo_; }
    void SetMaxInfo(Size size) { maxInfo_ = size; }

    // Styles: attribute lists by name, and per control class ("Default").
    void AddStyle(std::string name, std::vector<std::pair<std::string, std::string>> attributes);
    const std::vector<std::pair<std::string, std::string>>* GetStyle(std::string_view name) const;
    void AddDefaultAttributes(std::string className,
                              std::vector<std::pair<std::string, std::string>> attributes);
    const std::vector<std::pair<std::string, std::string>>* GetDefaultAttributes(
        std::string_view className) const;
    // Styles every window sees (skins mark them shared="true").
    static void AddSharedStyle(std::string name,
                               std::vector<std::pair<std::string, std::string>> attributes);
    static const std::vector<std::pair<std::string, std::string>>* GetSharedStyle(
        std::string_view name);
    static void ClearSharedStyles();

    void AddFont(int id, render::TextStyle font);
    // Font by index; the default font for -1 or an unknown index.
    render::TextStyle GetFont(int id) const;

    // DPI: 96 is 100 %.
    void SetDPI(int dpi);
    int GetDPI() const { return dpi_; }
    int ScaleByDPI(int value) const { return value * dpi_ / 96; }
    // Re-lays out and repaints after a DPI change.
    void ResetDPIAssets();

private:
    void SetHover(CControlUI* control, Point point);
    void Deliver(CControlUI* target, TEventUI& event);
    void ReapReleased();
    void FlushPostedNotifies();

    HWND hwnd_;
    std::string name_;
    std::unique_ptr<CControlUI> root_;
    std::multimap<std::string, CControlUI*, std::less<>> names_;
    std::vector<INotifyUI*> notifiers_;
    CControlUI* focus_ = nullptr;
    CControlUI* hover_ = nullptr;
    CControlUI* pressed_ = nullptr;
    CControlUI* popup_ = nullptr;
    bool windowInitSent_ = false;
    int dispatchDepth_ = 0;
    std::vector<std::unique_ptr<CControlUI>> released_;
    std::vector<std::pair<CControlUI*, std::string>> posted_;
    Rect invalid_;
    bool paintPosted_ = false;
    bool needLayout_ = true;
    Size clientSize_;
    Size initSize_;
    Rect caption_;
    Size roundCorner_;
    Size minInfo_;
    Size maxInfo_;
    int dpi_ = 96;
    std::map<std::string, std::vector<std::pair<std::string, std::string>>, std::less<>> styles_;
    std::map<std::string, std::vector<std::pair<std::string, std::string>>, std::less<>> defaults_;
    std::map<int, render::TextStyle> fonts_;
    CToolTipTracker toolTip_;
    int reloadToken_ = 0;
};

}  // namespace toolkit
