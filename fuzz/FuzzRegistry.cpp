// The replay's registry of fuzz targets by name.
#include "FuzzTarget.h"

#include <map>

namespace plotwise::fuzz {
namespace {

std::map<std::string, TargetFunction>& registry() {
    static std::map<std::string, TargetFunction> targets;
    return targets;
}

} // namespace

bool registerTarget(const char* name, TargetFunction function) {
    registry()[name] = function;
    return true;
}

TargetFunction findTarget(const std::string& name) {
    auto it = registry().find(name);
    return it == registry().end() ? nullptr : it->second;
}

} // namespace plotwise::fuzz
