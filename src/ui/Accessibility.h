#pragma once
// What assistive technology (a screen reader, through AT-SPI) learns of the game's own controls:
// the balls and the counters. Qt's widgets speak for themselves.

namespace kv::ui {

// Registers the descriptions of TShape and TShadowLabel with Qt's accessibility; once per run,
// any further call does nothing. The controls call it when they are made.
void InstallAccessibility();

}  // namespace kv::ui
