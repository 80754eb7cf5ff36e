#pragma once

namespace ondarel {

// Registers every window the program can open with the registry: the
// calculators built so far, their linked windows and the about window.
void registerWindows();

}  // namespace ondarel
