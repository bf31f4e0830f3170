#include "toolkit/core/notify.h"

namespace toolkit {

bool CNotifyPump::AddVirtualWnd(std::string name, CNotifyPump* pump) {
    if (pump == nullptr || pump == this) {
        return false;
    }
    return virtualWnds_.emplace(std::move(name), pump).second;
}

bool CNotifyPump::RemoveVirtualWnd(std::string_view name) {
    auto found = virtualWnds_.find(name);
    if (found == virtualWnds_.end()) {
        return false;
    }
    virtualWnds_.erase(found);
    return true;
}

void CNotifyPump::NotifyPump(TNotifyUI& msg) {
    if (!msg.virtualWnd.empty()) {
        auto found = virtualWnds_.find(msg.virtualWnd);
        if (found != virtualWnds_.end()) {
            found->second->NotifyPump(msg);
            return;
        }
    }
    HandleNotify(msg);
}

}  // namespace toolkit
