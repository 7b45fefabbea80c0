#include "ResultTable.h"

#include "curvefiles/FileLineReader.h"

#include <algorithm>
#include <deque>

namespace plotwise {
namespace {

const std::string kEmpty;

// The fields of a line cut at TAB, at most `limit` of them; fields beyond the
// limit are not kept.
std::vector<std::string> tabFields(std::string_view line, std::size_t limit) {
    std::vector<std::string> fields;
    const auto tabs = static_cast<std::size_t>(std::count(line.begin(), line.end(), '\t'));
    fields.reserve(std::min(tabs + 1, limit));
    std::size_t start = 0;
    while (fields.size() < limit) {
        const std::size_t tab = line.find('\t', start);
        fields.emplace_back(line.substr(start, tab == std::string_view::npos ? line.npos : tab - start));
        if (tab == std::string_view::npos) break;
        start = tab + 1;
    }
    return fields;
}

// Reads up to and including the heading line; false when the file has none.
bool skipToHeading(FileLineReader& reader) {
    while (auto line = reader.next())
        if (ResultTable::isHeadingLine(*line)) return true;
    return false;
}

} // namespace

// The data lines after the heading line, by index. A page pass may keep the
// lines it read, so the next page of the same pass can start inside them.
class ResultTable::PageSource {
public:
    PageSource(FileLineReader& reader, bool keep) : reader_(reader), keep_(keep) {}

    // Puts the cursor on data line `index`; false when the file ends before it
    // or the lines before it were already given up.
    bool seek(std::int64_t index) {
        if (index < windowStart_) return false;
        while (windowStart_ < index && !window_.empty()) {
            window_.pop_front();
            ++windowStart_;
        }
        if (window_.empty()) {
            const std::int64_t wanted = index - windowStart_;
            const std::int64_t skipped = reader_.skip(wanted);
            windowStart_ += skipped;
            if (skipped < wanted) return false;
        }
        cursor_ = index;
        return true;
    }

    std::optional<std::string_view> next() {
        const std::int64_t inWindow = cursor_ - windowStart_;
        if (inWindow < static_cast<std::int64_t>(window_.size())) {
            ++cursor_;
            return std::string_view(window_[static_cast<std::size_t>(inWindow)]);
        }
        auto line = reader_.next();
        if (!line) return std::nullopt;
        ++cursor_;
        if (!keep_) {
            ++windowStart_;
            return line;
        }
        window_.emplace_back(*line);
        return std::string_view(window_.back());
    }

private:
    FileLineReader& reader_;
    bool keep_;
    std::deque<std::string> window_; // data lines from windowStart_ on
    std::int64_t windowStart_ = 0;
    std::int64_t cursor_ = 0;
};

ResultTable::ResultTable() {
    widths_.fill(kStartWidth);
    alignments_.fill(kAlignCentre);
    rows_.emplace_back();
}

const std::string& ResultTable::text(int row, int column) const {
    if (row < 0 || row >= rowCount() || column < 0) return kEmpty;
    const auto& cells = rows_[static_cast<std::size_t>(row)].cells;
    return static_cast<std::size_t>(column) < cells.size() ? cells[static_cast<std::size_t>(column)]
                                                            : kEmpty;
}

bool ResultTable::isPageRow(int row) const {
    return row >= 0 && row < rowCount() && rows_[static_cast<std::size_t>(row)].pageRow;
}

ResultTable::Shade ResultTable::shade(int row) const {
    return row >= 0 && row < rowCount() ? rows_[static_cast<std::size_t>(row)].shade : Shade::Default;
}

void ResultTable::setShade(int row, Shade shade) {
    if (row >= 0 && row < rowCount()) rows_[static_cast<std::size_t>(row)].shade = shade;
}

int ResultTable::columnWidth(int column) const {
    return column >= 0 && column < kColumns ? widths_[static_cast<std::size_t>(column)] : 0;
}

void ResultTable::setColumnWidth(int column, int twips) {
    if (column >= 0 && column < kColumns) widths_[static_cast<std::size_t>(column)] = twips < 0 ? 0 : twips;
}

int ResultTable::columnAlignment(int column) const {
    return column >= 0 && column < kColumns ? alignments_[static_cast<std::size_t>(column)] : 0;
}

void ResultTable::setColumnAlignment(int column, int code) {
    if (column >= 0 && column < kColumns) alignments_[static_cast<std::size_t>(column)] = code;
}

void ResultTable::clear() {
    rows_.assign(1, Row{});
    markedRow_ = 0;
    ++version_;
}

void ResultTable::setPageRowTexts(std::string previous, std::string next) {
    previousRow_ = std::move(previous);
    nextRow_ = std::move(next);
}

std::string ResultTable::pageRowCells(const std::string& label) {
    std::string cells = label;
    for (int i = 0; i < kColumns; ++i)
        cells += "\t" + label;
    return cells;
}

bool ResultTable::isHeadingLine(std::string_view line) {
    std::size_t at = 0;
    for (int tabs = 0; tabs < 5; ++tabs) {
        at = line.find('\t', at);
        if (at == std::string_view::npos) return false;
        ++at;
    }
    return at < line.size() && line[at] != '\t';
}

int ResultTable::curveFileFamily(const std::vector<std::string>& headings) {
    auto heading = [&headings](std::size_t i) { return i < headings.size() ? headings[i] : kEmpty; };
    if (heading(6) == "Press #") return 3;
    const std::string& third = heading(3);
    if (third == "SEQ #" || third == "SEQ. #") return 1;
    if (third == "WORK No.") return 2;
    return 0;
}

ResultTable::Row ResultTable::lineRow(std::string_view line) {
    Row row;
    row.cells = tabFields(line, kColumns);
    return row;
}

// A page row: the label fills every cell; the row shows it once.
ResultTable::Row ResultTable::pageRow(const std::string& cells) const {
    Row row;
    row.cells = tabFields(cells, kColumns);
    row.pageRow = true;
    return row;
}

std::optional<std::vector<std::string>> ResultTable::show(const FileSystem& fs, const std::string& path) {
    alignments_.fill(kAlignCentre);
    clear();
    FileLineReader reader(fs, path);
    std::optional<std::vector<std::string>> heading;
    while (auto line = reader.next()) {
        if (!isHeadingLine(*line)) continue;
        heading = tabFields(*line, kHeadingSlots);
        break;
    }
    if (!heading) return std::nullopt;
    heading->resize(kHeadingSlots);
    rows_[0].cells.assign(heading->begin(), heading->begin() + kColumns);
    linePosition_ = 0;
    loadNext(fs, path);
    return heading;
}

void ResultTable::readPage(PageSource& source) {
    const std::int64_t start = linePosition_;
    while (auto line = source.next()) {
        rows_.push_back(lineRow(*line));
        ++linePosition_;
        if (rowCount() > kPageLines) break;
    }
    if (rowCount() > kPageLines) {
        while (rowCount() > 1 && text(rowCount() - 1, 0).empty()) {
            rows_.pop_back();
            --linePosition_;
        }
        if (rowCount() > 1) {
            rows_.pop_back();
            --linePosition_;
        }
        rows_.push_back(pageRow(nextRow_));
    }
    pageRows_ = linePosition_ - start;
    if (linePosition_ > kPageLines) {
        rows_.insert(rows_.begin() + 1, pageRow(previousRow_));
        // Empty rows at the top of the page go, in one erase.
        int empty = 0;
        while (2 + empty < rowCount() && text(2 + empty, 0).empty()) ++empty;
        rows_.erase(rows_.begin() + 2, rows_.begin() + 2 + empty);
        linePosition_ -= empty;
        pageRows_ -= empty;
    }
}

void ResultTable::loadNext(const FileSystem& fs, const std::string& path) {
    loadPages(fs, path, 1, false);
}

void ResultTable::loadPrev(const FileSystem& fs, const std::string& path) {
    linePosition_ = linePosition_ - kPageLines - pageRows_;
    if (linePosition_ < 0) linePosition_ = 0;
    loadNext(fs, path);
}

int ResultTable::loadNextPages(const FileSystem& fs, const std::string& path, int count) {
    return count > 0 ? loadPages(fs, path, count, false) : 0;
}

bool ResultTable::hasNextPageRow() const {
    return rowCount() > 2 && isPageRow(rowCount() - 1);
}

void ResultTable::loadLastPage(const FileSystem& fs, const std::string& path) {
    if (hasNextPageRow()) loadPages(fs, path, 1, true);
}

int ResultTable::loadPages(const FileSystem& fs, const std::string& path, int count, bool toLast) {
    FileLineReader reader(fs, path);
    bool headingFound = false;
    bool keep = count > 1 || toLast;
    std::optional<PageSource> source;
    for (int page = 0; toLast || page < count; ++page) {
        const std::int64_t start = linePosition_;
        markedRow_ = 0;
        rows_.resize(1);
        ++version_;
        if (!headingFound) {
            if (!skipToHeading(reader)) return page;
            headingFound = true;
            source.emplace(reader, keep);
        }
        if (!source->seek(start)) return page;
        readPage(*source);
        if (toLast && (!hasNextPageRow() || linePosition_ <= start)) return page + 1;
        // A page without a next-page row is the last: turning on would show
        // empty pages.
        if (!toLast && page + 1 < count && !hasNextPageRow()) return page + 1;
    }
    return count;
}

} // namespace plotwise
