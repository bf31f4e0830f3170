#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "toolkit/core/dialog_builder.h"
#include "toolkit/core/notify.h"
#include "toolkit/core/paint_manager.h"
#include "toolkit/core/resource_manager.h"
#include "toolkit/core/ui_types.h"

namespace toolkit {

// Result values of modal windows.
inline constexpr UINT IDOK = 1;
inline constexpr UINT IDCANCEL = 2;

// A window of the message layer with its native side in the host. Messages reach
// HandleMessage on the thread that created the window.
class CWindowWnd {
public:
    CWindowWnd() = default;
    virtual ~CWindowWnd();
    CWindowWnd(const CWindowWnd&) = delete;
    CWindowWnd& operator=(const CWindowWnd&) = delete;

    HWND GetHWND() const { return hwnd_; }
    virtual std::string GetWindowClassName() const = 0;

    // Creates the window; a width or height of 0 takes the skin's size. Null on failure.
    HWND Create(HWND parent, std::string_view title, uint32_t style, uint32_t exStyle, int x = 0,
                int y = 0, int cx = 0, int cy = 0);
    void ShowWindow(bool show = true, bool takeFocus = true);
    void ShowWindow(int command);
    // Shows the window and serves messages until it is destroyed; returns the value given to
    // Close (0 when the window went away otherwise).
    UINT ShowModal();
    // Asks the window to close with a result; it is destroyed unless its close handling keeps
    // it (posted, so a notification handler may call it safely).
    void Close(UINT result = IDOK);
    // Centres the window over its owner, or over the work area when it has none.
    void CenterWindow();
    void ResizeClient(int cx, int cy);
    void MoveWindow(const Rect& rect);
    Rect GetWindowRect() const;
    uint32_t GetStyle() const { return style_; }
    void SetStyle(uint32_t style) { style_ = style; }

    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    bool PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);

protected:
    virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    // The paint manager the host paints the window with, if any.
    virtual CPaintManagerUI* GetManager() { return nullptr; }
    // After the last message; the window handle is dead. Self-owned windows delete themselves.
    virtual void OnFinalMessage(HWND /*hwnd*/) {}
    HWND GetOwner() const { return owner_; }
    const std::string& GetTitle() const { return title_; }

private:
    LRESULT WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    HWND hwnd_;
    HWND owner_;
    bool destroying_ = false;
    std::string title_;
    uint32_t style_ = 0;
    Rect initialRect_;

protected:
    // Position and size given to Create (an empty size means the skin's size).
    const Rect& GetInitialRect() const { return initialRect_; }

private:
    // Where ShowModal collects the result; shared so that a window deleting itself in
    // OnFinalMessage leaves the result readable.
    std::weak_ptr<UINT> modalResult_;
};

// The window base of the program's skinned windows: builds its control tree from its skin
// file, receives the notifications of its controls and offers them to the subclass.
class WindowImplBase : public CWindowWnd,
                       public CNotifyPump,
                       public INotifyUI,
                       public IDialogBuilderCallback,
                       public IQueryControlText {
public:
    WindowImplBase() = default;

    // Skin file name or symbolic name from "res.xml".
    virtual std::string GetSkinFile() const = 0;
    // Called once the skin is built and attached.
    virtual void InitWindow() {}
    void Notify(TNotifyUI& msg) override;
    std::unique_ptr<CControlUI> CreateControl(std::string_view className) override;
    std::optional<std::string> QueryControlText(std::string_view id,
                                                std::string_view type) override;

    CPaintManagerUI& GetPaintManager() { return pm_; }
    // Control by name, or null.
    CControlUI* FindControl(std::string_view name) const { return pm_.FindControl(name); }
    void SetDPI(int dpi) { pm_.SetDPI(dpi); }
    void ResetDPIAssets() { pm_.ResetDPIAssets(); }
    void NeedUpdate();

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    CPaintManagerUI* GetManager() override { return &pm_; }
    // Window messages before the paint manager sees them; set handled to stop them there.
    virtual LRESULT HandleCustomMessage(UINT message, WPARAM wParam, LPARAM lParam, bool& handled);
    virtual LRESULT OnCreate(UINT message, WPARAM wParam, LPARAM lParam, bool& handled);
    virtual LRESULT OnClose(UINT message, WPARAM wParam, LPARAM lParam, bool& handled);
    virtual LRESULT OnDestroy(UINT message, WPARAM wParam, LPARAM lParam, bool& handled);
    virtual LRESULT OnSize(UINT message, WPARAM wParam, LPARAM lParam, bool& handled);
    virtual LRESULT OnSysCommand(UINT message, WPARAM wParam, LPARAM lParam, bool& handled);
    virtual LRESULT OnGetMinMaxInfo(UINT message, WPARAM wParam, LPARAM lParam, bool& handled);
    // Notifications of this window's own controls; "click" goes on to OnClick.
    void HandleNotify(TNotifyUI& msg) override;
    // Default clicks: "closebtn" closes, "minbtn"/"maxbtn"/"restorebtn" change the window state.
    virtual void OnClick(TNotifyUI& msg);

    CPaintManagerUI pm_;
};

}  // namespace toolkit
