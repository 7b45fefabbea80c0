#include "FolderScan.h"

#include "BinCurveFile.h"
#include "ByteReader.h"
#include "CommaCurveFile.h"
#include "CurveSummary.h"
#include "FileLimits.h"
#include "KeyedCurveFile.h"
#include "NumberText.h"

#include <cerrno>
#include <cstring>
#include <functional>

namespace plotwise {
namespace {

// The text formats need only their first lines; most files fit in this head.
constexpr std::size_t kHeadBytes = 4 * 1024;

template <typename Summary>
using HeadParser = std::function<std::optional<Summary>(ByteReader&)>;

// Parses the head of a file; reads the file further only when the summary
// needs more than the head holds.
template <typename Summary>
std::optional<Summary> parseHead(const FileSystem& fs, const std::string& path,
                                 const std::string& head, const HeadParser<Summary>& parse) {
    {
        ByteReader reader(head, head.size() < kHeadBytes);
        auto summary = parse(reader);
        if (!reader.ranOutOfHead()) return summary;
    }
    auto bytes = fs.read(path, kLargestCurveFile);
    if (!bytes) return std::nullopt;
    ByteReader reader(*bytes, bytes->size() < kLargestCurveFile);
    auto summary = parse(reader);
    if (!reader.ranOutOfHead()) return summary;
    return std::nullopt;
}

bool endsWith(const std::string& upperName, std::string_view ending) {
    return rightChars(upperName, ending.size()) == ending;
}

enum class Kind { None, Cur, QuernaCur, Bin, Csv, NrCur, NrAcd, SpCur, SpAcd, Tsv };

// The kind of a file by its extension, compared in upper case.
Kind kindOf(const std::string& upper) {
    if (endsWith(upper, ".NCUR") || endsWith(upper, ".NRCUR")) return Kind::NrCur;
    if (endsWith(upper, ".SPCUR")) return Kind::SpCur;
    if (endsWith(upper, ".QUERNACUR")) return Kind::QuernaCur;
    if (endsWith(upper, ".CUR")) return Kind::Cur;
    if (endsWith(upper, ".BIN")) return Kind::Bin;
    if (endsWith(upper, ".CSV")) return Kind::Csv;
    if (endsWith(upper, ".NRACD")) return Kind::NrAcd;
    if (endsWith(upper, ".SPACD")) return Kind::SpAcd;
    if (endsWith(upper, ".TSV")) return Kind::Tsv;
    return Kind::None;
}

class FileScanner {
public:
    FileScanner(const std::string& folder, const FileSystem& fs, LoadState& state,
                ListBuilder& builder)
        : folder_(folder), fs_(fs), state_(state), builder_(builder) {}

    void scan(const std::string& name) {
        // The longest ending tested is ".QUERNACUR".
        const Kind kind = kindOf(upperAscii(rightChars(name, 10)));
        if (kind == Kind::None) return;
        if (kind == Kind::Tsv) {
            builder_.TreeAddTSV(name);
            return;
        }
        const std::string path = joinPath(folder_, name);
        // One open reads the head and the time; a file that cannot be read
        // lists nothing but still counts as the kind it is named.
        const std::size_t headBytes = kind == Kind::Bin ? bin::kLongestFile + 1 : kHeadBytes;
        const bool head = fs_.readHeadInto(path, headBytes, head_);
        if (!head) head_.bytes.clear();
        const std::string& bytes = head_.bytes;
        const std::string dateTime = head ? dateTime_(head_.modified) : "";
        auto addSingle = [&](const std::optional<SingleCurveSummary>& summary) {
            if (summary && head) builder_.TreeAdd(summaryLine(dateTime, name, *summary), waveForm_);
        };
        switch (kind) {
        case Kind::Cur:
            addSingle(parseHead<SingleCurveSummary>(fs_, path, bytes, comma::scanCur));
            state_.curveFileFamily = 0;
            break;
        case Kind::QuernaCur:
            addSingle(parseHead<SingleCurveSummary>(fs_, path, bytes, comma::scanQuernaCur));
            state_.curveFileFamily = 0;
            break;
        case Kind::Bin:
            addSingle(head ? bin::scan(bytes) : std::nullopt);
            state_.curveFileFamily = 0;
            break;
        case Kind::Csv:
            addSingle(parseHead<SingleCurveSummary>(fs_, path, bytes, comma::scanCsv));
            state_.curveFileFamily = 0;
            break;
        case Kind::NrCur:
            if (head) addSingle(scanKeyedSingle(path, bytes, false));
            setKind(CurveFormat::NrCur, 2);
            break;
        case Kind::NrAcd:
            if (head) addMulti(dateTime, name, path, bytes);
            setKind(CurveFormat::NrAcd, 1);
            break;
        case Kind::SpCur:
            if (head) addSingle(scanKeyedSingle(path, bytes, true));
            setKind(CurveFormat::SpCur, 3);
            break;
        case Kind::SpAcd:
            if (head) addMulti(dateTime, name, path, bytes);
            setKind(CurveFormat::SpAcd, 3);
            break;
        default:
            break;
        }
    }

private:
    void setKind(int format, int family) {
        state_.curveFormat = format;
        state_.curveFileFamily = family;
    }

    // The file's "WAVEF" line is passed along only when its head was read.
    std::optional<SingleCurveSummary> scanKeyedSingle(const std::string& path,
                                                      const std::string& head, bool press) {
        std::string waveForm = waveForm_;
        auto summary = parseHead<SingleCurveSummary>(fs_, path, head, [&](ByteReader& reader) {
            waveForm = waveForm_;
            return std::optional(keyed::scanSingle(reader, press, waveForm));
        });
        if (summary) waveForm_ = waveForm;
        return summary;
    }

    void addMulti(const std::string& dateTime, const std::string& name, const std::string& path,
                  const std::string& head) {
        std::string waveForm = waveForm_;
        auto summary = parseHead<MultiSpindleSummary>(fs_, path, head, [&](ByteReader& reader) {
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
    FileHead head_;        // the head of the file at hand, its storage reused

    // Files written together share their time: its text is made once.
    struct DateTimeCache {
        std::int64_t time = -1;
        std::string text;
        const std::string& operator()(std::int64_t modified) {
            if (modified != time) text = dateTimeText(time = modified);
            return text;
        }
    } dateTime_;
};

} // namespace

std::optional<std::string> scanFolder(const std::string& folder, const FileSystem& fs,
                                      LoadState& state, ListBuilder& builder) {
    errno = 0;
    auto names = fs.fileNames(folder);
    if (!names) return errno != 0 ? std::strerror(errno) : "the folder cannot be listed";
    FileScanner scanner(folder, fs, state, builder);
    for (const auto& name : *names) scanner.scan(name);
    return std::nullopt;
}

} // namespace plotwise
