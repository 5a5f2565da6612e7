#include "game/ui/BallLooks.h"

#include <QCoreApplication>

#include "game/UFunc.h"

namespace kv::ui {

namespace {

using M = TShape::Mark;

// By colour index; the symbols differ in outline, not only in size.
constexpr BallLook kLooks[kMaxColourIndex + 1] = {
    {0, nullptr, M::None},  // empty: the face colour shows
    {0x0000FF, QT_TRANSLATE_NOOP("kv::ui::TShape", "синий"), M::Disc},
    {0xFF0000, QT_TRANSLATE_NOOP("kv::ui::TShape", "красный"), M::TriangleUp},
    {0x008000, QT_TRANSLATE_NOOP("kv::ui::TShape", "зелёный"), M::Square},
    {0x000000, QT_TRANSLATE_NOOP("kv::ui::TShape", "чёрный"), M::Plus},
    {0xFFFF00, QT_TRANSLATE_NOOP("kv::ui::TShape", "жёлтый"), M::Diamond},
    {0x00FFFF, QT_TRANSLATE_NOOP("kv::ui::TShape", "голубой"), M::Cross},
    {0x808080, QT_TRANSLATE_NOOP("kv::ui::TShape", "серый"), M::Star},
    {0xFF00FF, QT_TRANSLATE_NOOP("kv::ui::TShape", "пурпурный"), M::TriangleDown},
    // Only a loaded game shows these.
    {0x800000, QT_TRANSLATE_NOOP("kv::ui::TShape", "бордовый"), M::Ring},
    {0x00FF00, QT_TRANSLATE_NOOP("kv::ui::TShape", "салатовый"), M::Bar},
};
constexpr BallLook kForeign{0x404040, QT_TRANSLATE_NOOP("kv::ui::TShape", "тёмно-серый"), M::None};

}  // namespace

std::optional<BallLook> BallLookOf(int value) {
    if (value == kEmpty) return std::nullopt;
    if (value < 0 || value > kMaxColourIndex) return kForeign;
    return kLooks[value];
}

std::optional<TShape::Look> ShownLook(int value, bool symbols) {
    const std::optional<BallLook> look = BallLookOf(value);
    if (!look) return std::nullopt;
    return TShape::Look{QColor::fromRgb(look->rgb), QCoreApplication::translate("kv::ui::TShape", look->word),
                        symbols ? look->symbol : M::None};
}

}  // namespace kv::ui
