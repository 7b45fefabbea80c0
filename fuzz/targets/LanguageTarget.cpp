// The language file CURVELANG.TXT.
#include "FuzzTarget.h"

#include "shell/LanguageTable.h"

PLOTWISE_FUZZ_TARGET(language) {
    plotwise::LanguageTable table;
    table.load(std::string(reinterpret_cast<const char*>(data), size));
    return 0;
}
