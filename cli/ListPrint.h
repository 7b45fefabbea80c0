#pragma once
// The curve list as plotwise-cli scan prints it: one entry a line, spindle
// entries after a TAB, LF line ends. Plain C++, so the quick scan needs no Qt.
namespace plotwise {
class CurveList;
}

namespace plotwise::cli {

void printCurveList(const CurveList& list);

} // namespace plotwise::cli
