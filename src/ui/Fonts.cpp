#include "ui/Fonts.h"

#include <QFont>
#include <QFontDatabase>

namespace kv::ui {

const QList<FontStandIn>& FontStandIns() {
    // Liberation Serif and Sans have the widths of Times New Roman and Arial; Arial's are the
    // nearest a free face comes to MS Sans Serif. DejaVu is wider but covers Cyrillic too.
    static const QList<FontStandIn> standIns = {
        {QStringLiteral("Times New Roman"),
         {QStringLiteral("Liberation Serif"), QStringLiteral("Tinos"), QStringLiteral("DejaVu Serif")}},
        {QStringLiteral("MS Sans Serif"),
         {QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"), QStringLiteral("DejaVu Sans")}},
    };
    return standIns;
}

void InstallFontSubstitutes() {
    InstallFontSubstitutes(FontStandIns());
}

void InstallFontSubstitutes(const QList<FontStandIn>& standIns) {
    for (const FontStandIn& s : standIns) {
        // A face of that name, or one that fontconfig renames it to, wins.
        if (QFontDatabase::hasFamily(s.requested)) continue;
        QStringList present;
        for (const QString& face : s.faces) {
            if (QFontDatabase::hasFamily(face)) present << face;
        }
        // With none of ours installed, fontconfig's own fallback is the best there is.
        if (!present.isEmpty()) QFont::insertSubstitutions(s.requested, present);
    }
}

}  // namespace kv::ui
