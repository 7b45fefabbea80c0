#include "ListPrint.h"
#include "OutputCheck.h"

#include "curvelist/CurveList.h"

#include <cstdio>

namespace plotwise::cli {

void printCurveList(const CurveList& list) {
    for (const auto& entry : list.entries()) {
        if (entry.parent >= 0) writeOutput("\t");
        writeOutput(entry.text);
        writeOutput("\n");
    }
}

} // namespace plotwise::cli
