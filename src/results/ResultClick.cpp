#include "ResultClick.h"

#include "curvefiles/NumberText.h"

#include <cstring>

namespace plotwise {
namespace {

constexpr int kSingleHeadLines = 6;
constexpr int kMultiHeadLines = 11;
constexpr std::size_t kMultiFields = 41;
constexpr int kSpindleColumns = 32;

bool blank(const std::string& text) {
    return text.find_first_not_of(' ') == std::string::npos;
}

std::string plainNumber(double value) {
    std::string text = numberToText(value);
    if (!text.empty() && text[0] == ' ') text.erase(0, 1);
    return text;
}

// The first `count` lines; lines the file does not have read as empty.
std::array<std::string, kMultiHeadLines> headLines(std::string_view bytes, int count) {
    std::array<std::string, kMultiHeadLines> lines{};
    std::size_t at = 0;
    for (int i = 0; i < count && at < bytes.size(); ++i) {
        const std::size_t end = bytes.find_first_of("\r\n", at);
        if (end == std::string_view::npos) {
            lines[static_cast<std::size_t>(i)] = std::string(bytes.substr(at));
            break;
        }
        lines[static_cast<std::size_t>(i)] = std::string(bytes.substr(at, end - at));
        const bool crlf = bytes[end] == '\r' && end + 1 < bytes.size() && bytes[end + 1] == '\n';
        at = end + (crlf ? 2 : 1);
    }
    return lines;
}

std::string key5(const std::string& line) {
    return upperAscii(leftChars(line, 5));
}

// Fields 0..40 of a line; TABs beyond the 41st field are not followed.
std::array<std::string, kMultiFields> multiFields(const std::string& line) {
    std::array<std::string, kMultiFields> fields{};
    std::size_t start = 0;
    for (std::size_t i = 0; i < kMultiFields; ++i) {
        const std::size_t tab = line.find('\t', start);
        fields[i] = line.substr(start, tab == std::string::npos ? std::string::npos : tab - start);
        if (tab == std::string::npos) break;
        start = tab + 1;
    }
    return fields;
}

// The numerically largest field, starting from empty text (value 0).
std::string largest(const std::array<std::string, kMultiFields>& fields) {
    std::string best;
    double bestValue = 0;
    for (const std::string& field : fields)
        if (const double value = LeadingNumber(field); value > bestValue) {
            best = field;
            bestValue = value;
        }
    return best;
}

std::string formatted(const std::string& text, int decimals) {
    if (auto value = strictNumber(text)) return formatDecimals(*value, decimals);
    return text;
}

} // namespace

std::string cleanIdentification(std::string_view id) {
    std::string out;
    for (char c : id) {
        const auto code = static_cast<unsigned char>(c);
        if (code < 32 || code > 127 || std::strchr("*/:<>?\\|", c)) continue;
        out += c;
    }
    return out;
}

ResultRowPick pickResultRow(ResultTable& table, int row) {
    ResultRowPick pick;
    if (table.markedRow() != 0) table.setShade(table.markedRow(), ResultTable::Shade::Window);
    int at = row;
    std::string date, time, id, number;
    for (;;) {
        date = table.text(at, 0);
        time = table.text(at, 1);
        id = table.text(at, 2);
        number = plainNumber(LeadingNumber(table.text(at, 3)));
        if ((!blank(date) && !blank(time)) || at <= 1) break;
        --at;
    }
    table.setMarkedRow(at);
    table.setShade(at, ResultTable::Shade::Highlight);
    pick.markedRow = at;
    // S tells two results of the same second apart: "1" when the result above
    // has the same time text.
    const bool sameTime = at > 1 && table.text(at - 1, 1) == time;
    const std::string padded = "000" + number;
    pick.key = ResultLineKey{date, time, sameTime ? "1" : "0", cleanIdentification(id),
                             padded.substr(padded.size() - 3)};
    return pick;
}

ResultCurveHead readSingleCurveHead(std::string_view bytes) {
    ResultCurveHead head;
    const auto lines = headLines(bytes, kSingleHeadLines);
    for (int i = 0; i < kSingleHeadLines; ++i) {
        const std::string& line = lines[static_cast<std::size_t>(i)];
        const std::string key = key5(line);
        if (key == "XPEAK") head.x = line.size() > 6 ? line.substr(6) : "";
        else if (key == "YPEAK") head.y = line.size() > 6 ? line.substr(6) : "";
        else if (key == "UNIT\t") head.unit = static_cast<int>(LeadingNumber(rightChars(line, 1)));
    }
    return head;
}

ResultCurveHead fillGrid1FromMultiCurve(std::string_view bytes, const std::string& path,
                                        LoadedCurveTable& grid1, const SpindleColors& colors,
                                        std::array<int, 32>& spindleRows) {
    ResultCurveHead head;
    const auto lines = headLines(bytes, kMultiHeadLines);
    const std::string name(rightChars(path, 23));
    for (const std::string& line : lines) {
        const std::string key = key5(line);
        if (key == "SPNO\t") {
            const auto fields = multiFields(line);
            grid1.setRowCount(1);
            spindleRows.fill(0);
            for (int s = 1; s <= kSpindleColumns; ++s) {
                const auto& field = fields[static_cast<std::size_t>(s)];
                if (nearestInteger(LeadingNumber(field)) == 0) continue;
                const int row = grid1.appendRow();
                grid1.setText(row, 0, name);
                grid1.setText(row, 1, field);
                spindleRows[static_cast<std::size_t>(s - 1)] = row;
            }
        } else if (key == "XPEAK" || key == "YPEAK") {
            const auto fields = multiFields(line);
            const bool y = key == "YPEAK";
            for (int s = 1; s <= kSpindleColumns; ++s) {
                const int row = spindleRows[static_cast<std::size_t>(s - 1)];
                if (row == 0) continue;
                grid1.setText(row, y ? 2 : 3, fields[static_cast<std::size_t>(s)]);
                if (y) grid1.setTextColor(row, 2, colors[static_cast<std::size_t>((row - 1) % 32)]);
            }
            (y ? head.y : head.x) = largest(fields);
        } else if (upperAscii(leftChars(line, 5)) == "UNIT\t") {
            head.unit = static_cast<int>(LeadingNumber(rightChars(line, 2)));
        }
    }
    return head;
}

std::string resultEntryText(const std::string& path, const ResultCurveHead& head) {
    return path + " Torque " + formatted(head.y, 2) + "           Angle    " + formatted(head.x, 1) +
           "N/R";
}

} // namespace plotwise
