#include "ListPrint.h"

#include "curvelist/CurveList.h"

#include <cstdio>

namespace plotwise::cli {

void printCurveList(const CurveList& list) {
    for (const auto& entry : list.entries()) {
        if (entry.parent >= 0) std::fputc('\t', stdout);
        std::fwrite(entry.text.data(), 1, entry.text.size(), stdout);
        std::fputc('\n', stdout);
    }
}

} // namespace plotwise::cli
