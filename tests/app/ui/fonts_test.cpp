// The faces the windows ask for resolve to metric-compatible faces that can draw Russian text.
#include <gtest/gtest.h>

#include <QFont>
#include <QFontInfo>
#include <QRawFont>

#include "app/ui/Fonts.h"

namespace kv::ui {
namespace {

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
            EXPECT_EQ(QFontInfo(f).family(), QString::fromLatin1(c.expected))
                << c.requested << " bold " << bold;
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
    const QStringList first = QFont::substitutes(QStringLiteral("MS Sans Serif"));
    InstallFontSubstitutes();
    EXPECT_EQ(QFont::substitutes(QStringLiteral("MS Sans Serif")), first);
    ASSERT_FALSE(first.isEmpty());
    EXPECT_EQ(first.front(), QStringLiteral("Liberation Sans"));
    EXPECT_EQ(QStringList(first).removeDuplicates(), 0);
}

TEST(Fonts, OnlyInstalledStandInsForMissingFacesAreRegistered) {
    InstallFontSubstitutes({
        {QStringLiteral("Kvelli Missing Face"),
         {QStringLiteral("Kvelli No Such Face"), QStringLiteral("DejaVu Sans"),
          QStringLiteral("Liberation Sans")}},
        {QStringLiteral("Kvelli Lonely Face"), {QStringLiteral("Kvelli No Such Face")}},
        {QStringLiteral("Liberation Serif"), {QStringLiteral("DejaVu Sans")}},
    });
    EXPECT_EQ(QFont::substitutes(QStringLiteral("Kvelli Missing Face")),
              (QStringList{QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans")}));
    EXPECT_TRUE(QFont::substitutes(QStringLiteral("Kvelli Lonely Face")).isEmpty());
    // An installed face is never replaced.
    EXPECT_TRUE(QFont::substitutes(QStringLiteral("Liberation Serif")).isEmpty());
}

}  // namespace
}  // namespace kv::ui
