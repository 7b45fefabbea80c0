#include "FolderScan.h"

#include "BinCurveFile.h"
#include "ByteReader.h"
#include "CommaCurveFile.h"
#include "CurveSummary.h"
#include "FileLimits.h"
#include "KeyedCurveFile.h"
#include "NumberText.h"

#include <functional>

namespace plotwise {
namespace {

// The text formats need only their first lines; most files fit in this head.
constexpr std::size_t kHeadBytes = 8 * 1024;

template <typename Summary>
using HeadParser = std::function<std::optional<Summary>(ByteReader&)>;

// Parses the head of a file; reads the file further only when the summary
// needs more than the head holds.
template <typename Summary>
std::optional<Summary> parseHead(const FileSystem& fs, const std::string& path,
                                 const HeadParser<Summary>& parse) {
    for (std::size_t limit : {kHeadBytes, kLargestCurveFile}) {
        auto bytes = fs.read(path, limit);
        if (!bytes) return std::nullopt;
        ByteReader reader(*bytes, bytes->size() < limit);
        auto summary = parse(reader);
        if (!reader.ranOutOfHead()) return summary;
    }
    return std::nullopt;
}

bool endsWith(const std::string& upperName, std::string_view ending) {
    return rightChars(upperName, ending.size()) == ending;
}

class FileScanner {
public:
    FileScanner(const std::string& folder, const FileSystem& fs, LoadState& state,
                ListBuilder& builder)
        : folder_(folder), fs_(fs), state_(state), builder_(builder) {}

    void scan(const FileEntry& file) {
        const std::string upper = upperAscii(file.name);
        const std::string path = joinPath(folder_, file.name);
        const std::string dateTime = dateTimeText(file.modified);
        auto addSingle = [&](const std::optional<SingleCurveSummary>& summary) {
            if (summary) builder_.TreeAdd(summaryLine(dateTime, file.name, *summary), waveForm_);
        };
        if (endsWith(upper, ".CUR")) {
            addSingle(parseHead<SingleCurveSummary>(fs_, path, comma::scanCur));
            state_.curveFileFamily = 0;
        } else if (endsWith(upper, ".QUERNACUR")) {
            addSingle(parseHead<SingleCurveSummary>(fs_, path, comma::scanQuernaCur));
            state_.curveFileFamily = 0;
        } else if (endsWith(upper, ".BIN")) {
            addSingle(scanBin(path));
            state_.curveFileFamily = 0;
        } else if (endsWith(upper, ".CSV")) {
            addSingle(parseHead<SingleCurveSummary>(fs_, path, comma::scanCsv));
            state_.curveFileFamily = 0;
        } else if (endsWith(upper, ".NCUR") || endsWith(upper, ".NRCUR")) {
            addSingle(scanKeyedSingle(path, false));
            setKind(CurveFormat::NrCur, 2);
        } else if (endsWith(upper, ".NRACD")) {
            addMulti(dateTime, file.name, path);
            setKind(CurveFormat::NrAcd, 1);
        } else if (endsWith(upper, ".SPCUR")) {
            addSingle(scanKeyedSingle(path, true));
            setKind(CurveFormat::SpCur, 3);
        } else if (endsWith(upper, ".SPACD")) {
            addMulti(dateTime, file.name, path);
            setKind(CurveFormat::SpAcd, 3);
        } else if (endsWith(upper, ".TSV")) {
            builder_.TreeAddTSV(file.name);
        }
    }

private:
    void setKind(int format, int family) {
        state_.curveFormat = format;
        state_.curveFileFamily = family;
    }

    std::optional<SingleCurveSummary> scanBin(const std::string& path) {
        auto bytes = fs_.read(path, bin::kLongestFile + 1);
        if (!bytes) return std::nullopt;
        return bin::scan(*bytes);
    }

    // The file's "WAVEF" line is passed along only when its head was read.
    std::optional<SingleCurveSummary> scanKeyedSingle(const std::string& path, bool press) {
        std::string waveForm = waveForm_;
        auto summary = parseHead<SingleCurveSummary>(fs_, path, [&](ByteReader& reader) {
            waveForm = waveForm_;
            return std::optional(keyed::scanSingle(reader, press, waveForm));
        });
        if (summary) waveForm_ = waveForm;
        return summary;
    }

    void addMulti(const std::string& dateTime, const std::string& name, const std::string& path) {
        std::string waveForm = waveForm_;
        auto summary = parseHead<MultiSpindleSummary>(fs_, path, [&](ByteReader& reader) {
            waveForm = waveForm_;
            return std::optional(keyed::scanMulti(reader, waveForm));
        });
        if (!summary) return;
        waveForm_ = waveForm;
        builder_.TreeAddMulti(summaryLine(dateTime, name, *summary), waveForm_);
    }

    const std::string& folder_;
    const FileSystem& fs_;
    LoadState& state_;
    ListBuilder& builder_;
    std::string waveForm_; // last "WAVEF" line of a keyed file in this scan
};

} // namespace

void scanFolder(const std::string& folder, const FileSystem& fs, LoadState& state,
                ListBuilder& builder) {
    auto files = fs.files(folder);
    if (!files) return;
    FileScanner scanner(folder, fs, state, builder);
    for (const auto& file : *files) scanner.scan(file);
}

} // namespace plotwise
