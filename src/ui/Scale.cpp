#include "ui/Scale.h"

#include <QGuiApplication>
#include <QScreen>
#include <algorithm>
#include <cmath>

namespace kv::ui {

namespace {
int g_override = 0;
}

int ScreenDpi() {
    if (g_override > 0) return g_override;
    if (auto* s = QGuiApplication::primaryScreen()) {
        int dpi = static_cast<int>(std::lround(s->logicalDotsPerInch()));
        if (dpi > 0) return dpi;
    }
    return 96;
}

void SetDpiOverride(int dpi) {
    g_override = dpi;
}

int Px(int designPixels, int designDpi) {
    // Round half away from zero, as the original layout scaler did.
    return static_cast<int>(std::lround(static_cast<double>(designPixels) * ScreenDpi() / designDpi));
}

QRect PxRect(int x, int y, int w, int h, int designDpi) {
    int left = Px(x, designDpi), top = Px(y, designDpi);
    return QRect(left, top, Px(x + w, designDpi) - left, Px(y + h, designDpi) - top);
}

QFont ScaledFont(const QString& family, int designPixelHeight, bool bold, int designDpi) {
    QFont f(family);
    f.setPixelSize(std::max(1, Px(designPixelHeight, designDpi)));
    f.setBold(bold);
    return f;
}

}  // namespace kv::ui
