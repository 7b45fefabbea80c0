#include "ArchiveResults.h"

#include "curvefiles/CurveFilePath.h"
#include "curvefiles/NumberText.h"
#include "curvefiles/TabFields.h"
#include "results/ResultClick.h"
#include "results/ResultTable.h"

#include <map>

namespace plotwise::archive {
namespace {

// Largest result table read; longer files are indexed up to this size.
constexpr std::size_t kLargestTable = 256u * 1024 * 1024;

bool blank(const std::string& text) { return text.find_first_not_of(' ') == std::string::npos; }

// Folder listings kept for the rows of one table: their results share folders.
class ListingCache : public FileSystem {
public:
    explicit ListingCache(const FileSystem& fs) : fs_(fs) {}
    std::optional<std::string> read(const std::string& path, std::size_t maxBytes) const override {
        return fs_.read(path, maxBytes);
    }
    std::optional<std::vector<FileEntry>> files(const std::string& folder) const override {
        return fs_.files(folder);
    }
    std::optional<std::vector<std::string>> fileNames(const std::string& folder) const override {
        auto [it, added] = names_.try_emplace(folder);
        if (added) it->second = fs_.fileNames(folder);
        return it->second;
    }
    std::optional<std::vector<std::string>> subfolders(const std::string& folder) const override {
        auto [it, added] = folders_.try_emplace(folder);
        if (added) it->second = fs_.subfolders(folder);
        return it->second;
    }

private:
    const FileSystem& fs_;
    mutable std::map<std::string, std::optional<std::vector<std::string>>> names_, folders_;
};

std::string isoDateTime(const std::string& date, const std::string& time) {
    if (date.size() != 10 || time.size() != 8) return {};
    for (std::size_t i : {0u, 1u, 2u, 3u, 5u, 6u, 8u, 9u})
        if (date[i] < '0' || date[i] > '9') return {};
    for (std::size_t i : {0u, 1u, 3u, 4u, 6u, 7u})
        if (time[i] < '0' || time[i] > '9') return {};
    return date.substr(0, 4) + "-" + date.substr(5, 2) + "-" + date.substr(8, 2) + "T" +
           time.substr(0, 2) + ":" + time.substr(3, 2) + ":" + time.substr(6, 2);
}

} // namespace

std::vector<ResultRow> readResultRows(const std::string& folder, const std::string& name,
                                      const std::string& root, const FileSystem& fs) {
    std::vector<ResultRow> rows;
    const auto bytes = fs.read(joinPath(folder, name), kLargestTable);
    if (!bytes) return rows;
    ListingCache cached(fs);
    const CurveFolders folders{folder, "", ""};
    std::string_view rest = *bytes;
    int family = -1;
    int lineNumber = 0;
    std::string previousTime;
    while (!rest.empty()) {
        const auto end = rest.find('\n');
        std::string line(rest.substr(0, end));
        rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
        ++lineNumber;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const TabFields fields(line);
        if (family < 0) {
            // The heading line: the first with a sixth field.
            if (fields[5].empty()) continue;
            std::vector<std::string> headings;
            for (std::size_t i = 0; i < 7; ++i) headings.push_back(fields[i]);
            family = ResultTable::curveFileFamily(headings);
            continue;
        }
        const std::string date = fields[0], time = fields[1];
        // S tells two results of the same second apart, as the result click does.
        const bool sameTime = lineNumber > 1 && previousTime == time;
        previousTime = time;
        if (blank(date) || blank(time)) continue;
        ResultRow row;
        row.line = lineNumber;
        row.dateTime = isoDateTime(date, time);
        row.id = fields[2];
        const double number = LeadingNumber(fields[3]);
        if (!blank(fields[3]) && number >= 0 && number < 1e9) row.program = static_cast<int>(number);
        row.fields = line;
        std::string padded = "000" + std::to_string(row.program.value_or(0));
        const ResultLineKey key{date, time, sameTime ? "1" : "0",
                                cleanIdentification(row.id), padded.substr(padded.size() - 3)};
        std::string curve = CF_Curve_Path(key, family, folders, cached);
        const std::string prefix = joinPath(root, "");
        if (curve.compare(0, prefix.size(), prefix) == 0) curve.erase(0, prefix.size());
        row.curve = curve;
        rows.push_back(std::move(row));
    }
    return rows;
}

} // namespace plotwise::archive
