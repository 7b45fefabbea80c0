// The version record of a console executable.
#include "FuzzTarget.h"

#include "shell/VersionDigits.h"

PLOTWISE_FUZZ_TARGET(version) {
    (void)plotwise::versionDigits(std::string(reinterpret_cast<const char*>(data), size));
    return 0;
}
