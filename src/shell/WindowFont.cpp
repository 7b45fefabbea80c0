#include "WindowFont.h"

#include "ShellState.h"
#include "curvefiles/NumberText.h"

#include <QFontDatabase>
#include <QGuiApplication>

namespace plotwise {

WindowFont windowFont(ShellState& shell) {
    if (shell.uiFontName.empty()) {
        const LanguageTable& table = shell.languageTable;
        shell.uiFontName = table[LanguageTable::FontName];
        shell.uiFontCharset =
            static_cast<int>(nearestInteger(LeadingNumber(table[LanguageTable::Charset])));
        shell.uiFontSize = 9;
    }
    return {shell.uiFontName, shell.uiFontSize, shell.uiFontCharset};
}

QFont toQFont(const WindowFont& font) {
    QString family = QString::fromStdString(font.name);
    // The font database needs the application's fonts; without them the
    // platform's matching is left as it is.
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) &&
        !QFontDatabase::hasFamily(family)) {
        for (const char* similar :
             {"Microsoft Sans Serif", "Arial", "Liberation Sans", "Nimbus Sans", "Helvetica"}) {
            if (!QFontDatabase::hasFamily(QString::fromLatin1(similar))) continue;
            family = QString::fromLatin1(similar);
            break;
        }
    }
    QFont qfont(family, font.size);
    qfont.setBold(false);
    return qfont;
}

} // namespace plotwise
