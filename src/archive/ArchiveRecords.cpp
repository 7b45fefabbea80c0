#include "ArchiveRecords.h"

#include "curvefiles/CurveFileName.h"
#include "curvefiles/FolderScan.h"
#include "curvefiles/NumberText.h"
#include "curvefiles/TabFields.h"
#include "curvelist/CurveListBuilder.h"

#include <QDateTime>
#include <QString>

#include <map>

namespace plotwise::archive {
namespace {

constexpr std::string_view kEndings[] = {".NCUR", ".NRCUR", ".SPCUR", ".QUERNACUR", ".CUR",
                                         ".BIN",  ".CSV",   ".NRACD", ".SPACD",     ".TSV"};
constexpr int kHeadLines = 16;

bool endsWithUpper(std::string_view name, std::string_view ending) {
    return name.size() >= ending.size() && upperAscii(name.substr(name.size() - ending.size())) == ending;
}

std::string endingOf(std::string_view name) {
    const auto dot = name.rfind('.');
    return dot == std::string_view::npos ? std::string() : upperAscii(name.substr(dot + 1));
}

// "yyyy?mm?dd" and "hh?mi?ss" texts as one ISO date-time; "" when not valid.
std::string isoDateTime(std::string date, std::string time) {
    auto trim = [](std::string& text) {
        const auto first = text.find_first_not_of(" \"");
        const auto last = text.find_last_not_of(" \"\r");
        text = first == std::string::npos ? "" : text.substr(first, last - first + 1);
    };
    trim(date);
    trim(time);
    if (date.size() != 10 || time.size() != 8) return {};
    const QString text = QString::fromLatin1(date.substr(0, 4) + "-" + date.substr(5, 2) + "-" +
                                             date.substr(8, 2) + "T" + time.substr(0, 2) + ":" +
                                             time.substr(3, 2) + ":" + time.substr(6, 2));
    const QDateTime parsed = QDateTime::fromString(text, Qt::ISODate);
    return parsed.isValid() ? text.toStdString() : std::string();
}

std::optional<double> peakValue(const std::string& text) {
    if (text.find_first_not_of(" \t") == std::string::npos) return std::nullopt;
    return LeadingNumber(text);
}

// A FileSystem that lists only the files to be read and keeps the head of the
// file read last, so the scan's readers are used as they are.
class SelectedFiles : public FileSystem {
public:
    SelectedFiles(const FileSystem& fs, const std::vector<std::string>& names)
        : fs_(fs), names_(names) {}
    std::optional<std::string> read(const std::string& path, std::size_t maxBytes) const override {
        return fs_.read(path, maxBytes);
    }
    std::optional<FileHead> readHead(const std::string& path, std::size_t maxBytes) const override {
        auto head = fs_.readHead(path, maxBytes);
        lastHead = head ? head->bytes : std::string();
        return head;
    }
    std::optional<std::vector<FileEntry>> files(const std::string& folder) const override {
        return fs_.files(folder);
    }
    std::optional<std::vector<std::string>> fileNames(const std::string&) const override {
        return names_;
    }
    std::optional<std::vector<std::string>> subfolders(const std::string& folder) const override {
        return fs_.subfolders(folder);
    }
    mutable std::string lastHead;

private:
    const FileSystem& fs_;
    const std::vector<std::string>& names_;
};

class RecordBuilder : public ListBuilder {
public:
    RecordBuilder(const SelectedFiles& files, std::vector<CurveRecord>& out) : files_(files), out_(out) {}

    void TreeAdd(const std::string& summary, const std::string&) override {
        TabFields fields(summary);
        CurveRecord record = common(fields[1]);
        // A keyed single-spindle file names its spindle; other formats do not.
        for (const auto& line : headLines()) {
            if (upperAscii(line.substr(0, 5)) == "SPNO\t") {
                const auto spindle = nearestInteger(LeadingNumber(line.substr(5)));
                if (spindle >= 1 && spindle <= 32) record.spindle = static_cast<int>(spindle);
                break;
            }
        }
        record.peakY = peakValue(fields[2]);
        record.peakX = peakValue(fields[3]);
        out_.push_back(std::move(record));
    }

    void TreeAddMulti(const std::string& summary, const std::string&) override {
        const CurveRecord base = common(TabFields(summary)[1]);
        const SpindlePeaks peaks = multiSpindlePeaks(summary);
        for (int spindle = 1; spindle <= 32; ++spindle) {
            const auto s = static_cast<std::size_t>(spindle);
            if (peaks.peak[s].empty()) continue;
            CurveRecord record = base;
            record.spindle = spindle;
            record.peakY = peakValue(peaks.peak[s]);
            record.peakX = peakValue(peaks.position[s]);
            out_.push_back(std::move(record));
        }
    }

    void TreeAddTSV(const std::string&) override {}

private:
    std::vector<std::string> headLines() const {
        std::vector<std::string> lines;
        std::string_view head = files_.lastHead;
        while (!head.empty() && lines.size() < kHeadLines) {
            const auto end = head.find('\n');
            std::string line(head.substr(0, end));
            if (!line.empty() && line.back() == '\r') line.pop_back();
            lines.push_back(std::move(line));
            if (end == std::string_view::npos) break;
            head.remove_prefix(end + 1);
        }
        return lines;
    }

    CurveRecord common(const std::string& name) const {
        CurveRecord record;
        record.name = name;
        record.kind = endingOf(name);
        const auto parts = parseCurveFileName(name);
        if (parts) {
            record.dateTime = parts->isoDateTime();
            record.id = parts->id;
            if (!parts->program.empty()) record.program = std::stoi(parts->program);
        }
        if (record.dateTime.empty()) record.dateTime = headDateTime(files_.lastHead);
        return record;
    }

    const SelectedFiles& files_;
    std::vector<CurveRecord>& out_;
};

} // namespace

bool isIndexedFile(std::string_view name) {
    for (auto ending : kEndings)
        if (endsWithUpper(name, ending)) return true;
    return false;
}

bool isResultTable(std::string_view name) { return endsWithUpper(name, ".TSV"); }

std::string headDateTime(std::string_view head) {
    std::string date, time, firstDate, firstTime;
    int count = 0;
    while (!head.empty() && count++ < kHeadLines) {
        const auto end = head.find('\n');
        std::string line(head.substr(0, end));
        if (!line.empty() && line.back() == '\r') line.pop_back();
        head.remove_prefix(end == std::string_view::npos ? head.size() : end + 1);
        const std::string key = upperAscii(line.substr(0, 5));
        if (key == "DATE\t") date = TabFields(line)[1];
        else if (key == "TIME\t") time = TabFields(line)[1];
        // Comma formats: the first values that look like a date and a time.
        std::size_t start = 0;
        while (start <= line.size() && (firstDate.empty() || firstTime.empty())) {
            const auto cut = line.find_first_of(",\t", start);
            const std::string value = line.substr(start, cut == std::string::npos ? cut : cut - start);
            if (value.size() == 10 && value[4] == '/' && firstDate.empty()) firstDate = value;
            else if (value.size() == 8 && value[2] == ':' && firstTime.empty()) firstTime = value;
            if (cut == std::string::npos) break;
            start = cut + 1;
        }
    }
    if (!date.empty() && !time.empty()) return isoDateTime(date, time);
    return isoDateTime(firstDate, firstTime);
}

std::vector<CurveRecord> readCurveRecords(const std::string& folder,
                                          const std::vector<std::string>& names,
                                          const FileSystem& fs) {
    std::vector<CurveRecord> records;
    SelectedFiles selected(fs, names);
    RecordBuilder builder(selected, records);
    LoadState state;
    scanFolder(folder, selected, state, builder);
    return records;
}

} // namespace plotwise::archive
