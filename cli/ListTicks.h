#pragma once
#include <QStringList>

#include <optional>
#include <string>

namespace plotwise {
class CurveList;
}

namespace plotwise::cli {

// Ticks every entry for "all", else the entries whose text begins with one of
// the prefixes.
void tickEntries(CurveList& list, const QStringList& choices);
// Scans the folder into the list and ticks the entries the choices name; no
// choice at all ticks every entry. Returns the scan's error when the folder
// could not be listed.
std::optional<std::string> scanAndTick(const std::string& folder, const QStringList& choices,
                                       CurveList& list);
// The first entry whose text begins with the prefix, -1 when none does.
int firstEntryWithPrefix(const CurveList& list, const QString& prefix);

} // namespace plotwise::cli
