#pragma once
// The loaders as the window uses them: file names resolved against the
// current folder, files read through the file-system seam.
#include "CurveTrace.h"
#include "FileSystem.h"
#include "KeyedCurveFile.h"
#include "LoadState.h"
#include "LoadedCurveTable.h"

#include <array>
#include <string>

namespace plotwise {

struct LoadContext {
    const FileSystem& fs;
    std::string folder;               // the folder list's current folder
    bool resultTableVisible = false;  // names are then full paths for keyed files
};

// Loads one curve (one spindle of a .NRACD file) of state.curveFileName.
bool CURVELOAD(CurveTrace& trace, int spindle, LoadState& state, const LoadContext& context);
bool SINGLEFILELOAD(const std::string& fileName, LoadedCurveTable& table, int row,
                    LoadState& state, const LoadContext& context);
bool MULTIFILELOAD(const std::string& fileName, LoadedCurveTable& table,
                   const std::array<int, 32>& spindleRows, LoadState& state,
                   const LoadContext& context,
                   keyed::SpindleRowsBy rowsBy = keyed::SpindleRowsBy::Column);

} // namespace plotwise
