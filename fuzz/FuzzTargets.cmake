# The fuzz targets: name, then source file under fuzz/targets. Shared by the
# libFuzzer build (fuzz/) and the regression replay (tests/fuzz/).
set(PLOTWISE_FUZZ_TARGETS
    scan        ScanTarget.cpp
    curveload   CurveLoadTarget.cpp
    tableload   TableLoadTarget.cpp
    resulttable ResultTableTarget.cpp
    curvehead   CurveHeadTarget.cpp
    language    LanguageTarget.cpp
    pathcfg     PathCfgTarget.cpp
    console     ConsoleTarget.cpp
    version     VersionTarget.cpp
)
set(PLOTWISE_FUZZ_LIBRARIES plotwise_curvefiles plotwise_curvelist plotwise_results plotwise_settings)
