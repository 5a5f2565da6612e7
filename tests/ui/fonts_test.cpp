// The faces the windows ask for resolve to metric-compatible faces that can draw Russian text.
#include <gtest/gtest.h>

#include <QFont>
#include <QFontInfo>
#include <QRawFont>

#include "ui/Fonts.h"

namespace kv::ui {
namespace {

// Qt keeps substitutes in lower case; compare names as fontconfig does, ignoring case.
std::string Substitutes(const char* face) {
    return QFont::substitutes(QString::fromLatin1(face)).join(QLatin1Char(',')).toLower().toStdString();
}

const QString kRussian = QStringLiteral("Квелли 99 ЁЖЩЪЫЭЮЯ ёжщъыэюя Игрок : (без имени)");

TEST(Fonts, RequestedFacesResolveToLiberationWithCyrillic) {
    InstallFontSubstitutes();
    const struct {
        const char* requested;
        const char* expected;
    } cases[] = {{"Times New Roman", "Liberation Serif"}, {"MS Sans Serif", "Liberation Sans"}};
    for (const auto& c : cases) {
        for (bool bold : {false, true}) {
            QFont f(QString::fromLatin1(c.requested));
            f.setPixelSize(17);
            f.setBold(bold);
            EXPECT_EQ(QFontInfo(f).family().toStdString(), c.expected) << c.requested << " bold " << bold;
            const QRawFont raw = QRawFont::fromFont(f);
            ASSERT_TRUE(raw.isValid()) << c.requested;
            for (QChar ch : kRussian) {
                EXPECT_TRUE(raw.supportsCharacter(ch))
                    << c.requested << " lacks U+" << std::hex << static_cast<unsigned>(ch.unicode());
            }
        }
    }
}

TEST(Fonts, InstallingTwiceKeepsOneListOfSubstitutes) {
    InstallFontSubstitutes();
    const std::string first = Substitutes("MS Sans Serif");
    EXPECT_EQ(first, "liberation sans,dejavu sans");
    InstallFontSubstitutes();
    EXPECT_EQ(Substitutes("MS Sans Serif"), first);
    EXPECT_EQ(Substitutes("Times New Roman"), "liberation serif,dejavu serif");
}

TEST(Fonts, OnlyInstalledStandInsForMissingFacesAreRegistered) {
    InstallFontSubstitutes({
        {QStringLiteral("Kvelli Missing Face"),
         {QStringLiteral("Kvelli No Such Face"), QStringLiteral("DejaVu Sans"),
          QStringLiteral("Liberation Sans")}},
        {QStringLiteral("Kvelli Lonely Face"), {QStringLiteral("Kvelli No Such Face")}},
        {QStringLiteral("Liberation Serif"), {QStringLiteral("DejaVu Sans")}},
    });
    EXPECT_EQ(Substitutes("Kvelli Missing Face"), "dejavu sans,liberation sans");
    EXPECT_EQ(Substitutes("Kvelli Lonely Face"), "");
    // An installed face is never replaced.
    EXPECT_EQ(Substitutes("Liberation Serif"), "");
}

}  // namespace
}  // namespace kv::ui
