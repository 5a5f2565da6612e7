#pragma once
// Window sizes are designed in pixels at 120 dpi (the rules window at 96). Every window, its
// contents and its fonts are scaled in proportion to the screen's logical resolution.

#include <QFont>
#include <QRect>
#include <QString>

namespace kv::ui {

// The logical resolution in force: the primary screen's, unless a test set one.
int ScreenDpi();
void SetDpiOverride(int dpi);  // 0 restores the screen's

// A length designed at `designDpi` (120 unless said otherwise), in pixels now.
int Px(int designPixels, int designDpi = 120);
QRect PxRect(int x, int y, int w, int h, int designDpi = 120);
// An edge (x or y) scaled so that neighbouring cells tile without gaps: scale edges, not sizes.
inline int Edge(int designEdge, int designDpi = 120) {
    return Px(designEdge, designDpi);
}

// A font with the given character height (pixels at the design resolution), scaled.
QFont ScaledFont(const QString& family, int designPixelHeight, bool bold = false, int designDpi = 120);

}  // namespace kv::ui
