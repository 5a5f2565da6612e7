#pragma once
// The windows name the faces they were designed with, "Times New Roman" and "MS Sans Serif". On
// Linux these are rarely installed; fontconfig's aliases usually stand in, but not everywhere
// (a prefix install, a minimal fontconfig). This names metric-compatible faces with Cyrillic
// for Qt itself, so the labels keep their widths whatever fontconfig says.

#include <QString>
#include <QStringList>

namespace kv::ui {

struct FontStandIn {
    QString requested;  // the face a window asks for
    QStringList faces;  // stand-ins, best first
};

// The faces the windows ask for and what may stand in for them.
const QList<FontStandIn>& FontStandIns();

// For each requested face that is not installed, registers the installed stand-ins as its
// substitutes (QFont::insertSubstitutions). Call once after the QApplication exists and before
// the first window. Calling it again changes nothing.
void InstallFontSubstitutes();
void InstallFontSubstitutes(const QList<FontStandIn>& standIns);

}  // namespace kv::ui
