#include "OutlierReport.h"

#include "StatsReport.h"

#include <algorithm>
#include <cstdio>
#include <numeric>

namespace plotwise::stats {

std::string outliersJson(const std::vector<CurvePeak>& curves, const Detection& detection) {
    std::string out = "{\"threshold\": " + jsonNumber(detection.threshold) + ", \"curves\": [";
    for (std::size_t i = 0; i < curves.size(); ++i) {
        const CurveJudgement& j = detection.curves[i];
        out += i ? ",\n  " : "\n  ";
        out += "{\"file\": " + jsonString(curves[i].file) +
               ", \"spindle\": " + std::to_string(curves[i].spindle) +
               ", \"score\": " + jsonNumber(j.score) +
               ", \"abnormal\": " + (j.abnormal ? "true" : "false") +
               ", \"from\": " + (j.score ? jsonNumber(j.from) : "null") +
               ", \"to\": " + (j.score ? jsonNumber(j.to) : "null") + "}";
    }
    return out + (curves.empty() ? "]}\n" : "\n]}\n");
}

std::string outliersText(const std::vector<CurvePeak>& curves, const Detection& detection) {
    std::vector<std::size_t> order(curves.size());
    std::iota(order.begin(), order.end(), 0);
    auto abnormal = [&](std::size_t i) { return detection.curves[i].abnormal; };
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        if (abnormal(a) != abnormal(b)) return abnormal(a);
        return abnormal(a) && *detection.curves[a].score > *detection.curves[b].score;
    });
    char line[160];
    std::snprintf(line, sizeof line, "%-11s%9s%9s%21s  %s\n", "verdict", "score", "spindle",
                  "left band (back)", "file");
    std::string out = line;
    for (std::size_t i : order) {
        const CurveJudgement& j = detection.curves[i];
        const char* verdict = !j.score ? "not judged" : j.abnormal ? "ABNORMAL" : "normal";
        char score[32] = "-", range[48] = "-";
        if (j.score) {
            std::snprintf(score, sizeof score, "%.2f", *j.score);
            std::snprintf(range, sizeof range, "%.4g..%.4g", j.from, j.to);
        }
        std::snprintf(line, sizeof line, "%-11s%9s%9d%21s  ", verdict, score, curves[i].spindle, range);
        out += line + curves[i].file + "\n";
    }
    char summary[96];
    int count = 0;
    for (const auto& j : detection.curves) count += j.abnormal;
    std::snprintf(summary, sizeof summary, "%d of %zu curves abnormal (threshold %g)\n", count,
                  curves.size(), detection.threshold);
    return out + summary;
}

} // namespace plotwise::stats
