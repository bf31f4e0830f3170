#pragma once

namespace mouse {

// The mouse pages that show the image; the reads call it once the image has changed.
class MousePages {
public:
    virtual ~MousePages() = default;
    virtual void RefreshMousePages() = 0;
};

}  // namespace mouse
