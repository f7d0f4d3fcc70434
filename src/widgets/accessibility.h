#pragma once

// The program's controls as screen readers and other assistive clients see them.

namespace tessla {

// Registers the factory that gives the picture buttons, scroll bars, table grids, text views,
// background panels and plain top-level windows their accessible interfaces. Call it once, after
// the application object is made; the interfaces are made only when a client asks for them.
void installAccessibility();

}  // namespace tessla
