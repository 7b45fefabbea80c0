// The remembered drive and folder, PATH.CFG.
#include "FuzzTarget.h"

#include "shell/PathCfg.h"

PLOTWISE_FUZZ_TARGET(pathcfg) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    if (auto cfg = plotwise::PathCfg::parse(bytes)) (void)cfg->text();
    return 0;
}
