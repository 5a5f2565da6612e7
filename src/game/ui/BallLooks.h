#pragma once
// The one table of how a ball looks, by its colour index: the colour it is painted in, the word a
// screen reader says for it, and the symbol drawn in it when symbols are on. A new colour or look
// is one line here.

#include <QColor>
#include <QString>
#include <optional>

#include "ui/TShape.h"

namespace kv::ui {

struct BallLook {
    QRgb rgb;
    const char* word;  // source text, context "kv::ui::TShape"
    TShape::Mark symbol;
};

// The look of colour index `value`: 1..8 dealt, 9 and 10 only from a loaded game, any other value
// (only an edited saved game holds one) a neutral dark grey without a symbol. nullopt for an
// empty cell (0).
std::optional<BallLook> BallLookOf(int value);
// The same, as a ball control is told it: the word translated, the symbol only if `symbols`.
std::optional<TShape::Look> ShownLook(int value, bool symbols);

}  // namespace kv::ui
