#include "ListTicks.h"

#include "curvefiles/FolderScan.h"
#include "curvelist/CurveList.h"
#include "curvelist/CurveListBuilder.h"

#include <string>

namespace plotwise::cli {
namespace {

bool beginsWith(const std::string& text, const QString& prefix) {
    const std::string bytes = prefix.toUtf8().toStdString();
    return text.compare(0, bytes.size(), bytes) == 0;
}

} // namespace

void tickEntries(CurveList& list, const QStringList& choices) {
    for (int i = 0; i < list.count(); ++i) {
        CurveListEntry& entry = list.entry(i);
        for (const QString& choice : choices)
            if (choice == "all" || beginsWith(entry.text, choice)) entry.checked = true;
    }
}

std::optional<std::string> scanAndTick(const std::string& folder, const QStringList& choices,
                                       CurveList& list) {
    LocalFileSystem fs;
    LoadState state;
    const SpindleColors colors = defaultSpindleColors();
    CurveListBuilder builder(list, state, colors);
    auto error = scanFolder(folder, fs, state, builder);
    tickEntries(list, choices.isEmpty() ? QStringList{"all"} : choices);
    return error;
}

int firstEntryWithPrefix(const CurveList& list, const QString& prefix) {
    for (int i = 0; i < list.count(); ++i)
        if (beginsWith(list.entry(i).text, prefix)) return i;
    return -1;
}

} // namespace plotwise::cli
