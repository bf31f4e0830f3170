#include "ui/windows/skin_change.h"

namespace ui {

SkinChangeObserver& GetSkinChangeObserver() {
    static SkinChangeObserver observer;
    return observer;
}

}  // namespace ui
