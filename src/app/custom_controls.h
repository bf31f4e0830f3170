#pragma once

namespace app {

// Registers the program's own control classes with the toolkit's control factory, so that skin
// elements of these class names build them.
void RegisterCustomControls();

}  // namespace app
