#include "HeadlessFonts.h"

#include <QByteArray>
#include <QDir>
#include <QString>
#include <QtGlobal>

#ifdef PLOTWISE_HAVE_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

namespace plotwise {

bool narrowFontsForHeadlessDrawing() {
#ifdef PLOTWISE_HAVE_FONTCONFIG
    if (qEnvironmentVariableIsSet("FONTCONFIG_FILE")) return false;
    QByteArray folder;
    for (const char* candidate : {"/usr/share/fonts/truetype/liberation",
                                  "/usr/share/fonts/liberation-sans", "/usr/share/fonts/liberation"}) {
        if (!QDir(QString::fromLatin1(candidate)).exists()) continue;
        folder = candidate;
        break;
    }
    if (folder.isEmpty()) return false;
    // The system's settings first (rules and caches), then its font folders
    // replaced by the one.
    FcConfig* config = FcConfigCreate();
    if (!config) return false;
    // Asked of the new configuration: asking the default one would load it.
    FcChar8* system = FcConfigGetFilename(config, nullptr);
    if (!system) {
        FcConfigDestroy(config);
        return false;
    }
    const QByteArray settings = "<?xml version=\"1.0\"?><fontconfig><include ignore_missing=\"yes\">" +
                                QString::fromLocal8Bit(reinterpret_cast<const char*>(system)).toHtmlEscaped().toLocal8Bit() +
                                "</include><reset-dirs/><dir>" + folder + "</dir></fontconfig>";
    FcStrFree(system);
    if (!FcConfigParseAndLoadFromMemory(config, reinterpret_cast<const FcChar8*>(settings.constData()),
                                        FcTrue) ||
        !FcConfigBuildFonts(config) || !FcConfigSetCurrent(config)) {
        FcConfigDestroy(config);
        return false;
    }
    FcConfigDestroy(config); // the current configuration keeps its own reference
    return true;
#else
    return false;
#endif
}

} // namespace plotwise
