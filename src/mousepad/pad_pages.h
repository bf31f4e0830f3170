#pragma once

namespace mousepad {

// The mousepad lighting page; the reads call it once the block has changed.
class PadPages {
public:
    virtual ~PadPages() = default;
    virtual void RefreshPadLightPage() = 0;
};

}  // namespace mousepad
