#pragma once
#include <QStringList>

namespace plotwise::cli {

// Each command takes the whole argument list (program, command, its arguments)
// and returns the exit status.
int runScanCommand(const QStringList& arguments);
int runLoadCommand(const QStringList& arguments);
int runGridCommand(const QStringList& arguments);
int runRenderCommand(const QStringList& arguments);
int runConvertCommand(const QStringList& arguments);
int runTableCommand(const QStringList& arguments);
int runCurvePathCommand(const QStringList& arguments);
int runStatsCommand(const QStringList& arguments);
int runOutliersCommand(const QStringList& arguments);
int runIndexCommand(const QStringList& arguments);
int runFindCommand(const QStringList& arguments);
int runExportIndexCommand(const QStringList& arguments);

} // namespace plotwise::cli
