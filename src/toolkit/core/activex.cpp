#include "toolkit/core/activex.h"

#include "toolkit/core/notify.h"
#include "toolkit/core/paint_manager.h"

namespace toolkit {

void CActiveXUI::DoInit() {
    if (!announced_ && GetManager() != nullptr) {
        announced_ = true;
        GetManager()->PostNotify(this, notify::kShowActiveX);
    }
}

}  // namespace toolkit
