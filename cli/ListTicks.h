#pragma once
#include <QStringList>

namespace plotwise {
class CurveList;
}

namespace plotwise::cli {

// Ticks every entry for "all", else the entries whose text begins with one of
// the prefixes.
void tickEntries(CurveList& list, const QStringList& choices);
// The first entry whose text begins with the prefix, -1 when none does.
int firstEntryWithPrefix(const CurveList& list, const QString& prefix);

} // namespace plotwise::cli
