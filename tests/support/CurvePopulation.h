#pragma once
// Generated tightening curves: a normal population and the faults a process
// engineer looks for. Deterministic for a seed, on every platform.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace plotwise::test {

enum class CurveFault { None, CrossThread, SoftJoint, EarlyStop, Burr };

// Torque over angle, oldest sample first, 0.25 degree apart: a run-down at a
// small prevailing torque, then a linear rise to the final torque.
class CurveGenerator {
public:
    explicit CurveGenerator(std::uint64_t seed) : state_(seed * 2654435761u + 1) {}

    std::vector<double> curve(CurveFault fault, int samples = 4000) {
        const double snug = 720 + 25 * gauss(), stiffness = 0.08 * (1 + 0.05 * gauss());
        const double finalTorque = (fault == CurveFault::EarlyStop ? 15.0 : 25.0) + 0.4 * gauss();
        const double slope = fault == CurveFault::SoftJoint ? stiffness / 2 : stiffness;
        const double end = snug + finalTorque / slope, step = 0.25;
        const double burrAt = end - 600 + 200 * uniform();
        std::vector<double> values;
        for (int i = samples - 1; i >= 0; --i) {
            const double angle = end - i * step;
            double torque = angle < snug ? 0.3 : 0.3 + (angle - snug) * slope;
            if (fault == CurveFault::CrossThread && angle < snug) torque += 3 + 2 * angle / snug;
            if (fault == CurveFault::Burr && angle > burrAt && angle < burrAt + 8) torque += 3;
            // Sensor noise, and now and then a single wild sample.
            torque += 0.05 * gauss() + (uniform() < 0.001 ? 20 * uniform() : 0);
            values.push_back(torque);
        }
        return values;
    }

    // A .NRCUR file of the curve: 4000 samples need the "Interval" code 1.
    // The peak is the final torque (the median of the last samples), as a
    // controller reports it, whatever a wild sample elsewhere reads.
    static std::string nrcurFile(int spindle, const std::vector<double>& values,
                                 double endAngle = 1000.0) {
        std::vector<double> last(values.end() - std::min<std::ptrdiff_t>(9, std::ssize(values)),
                                 values.end());
        std::sort(last.begin(), last.end());
        const double peak = last.empty() ? 0 : last[last.size() / 2];
        std::string out = "SPNO\t" + std::to_string(spindle) + "\r\nYPeak\t" + number(peak, 2) +
                          "\r\nXPeak\t" + number(endAngle, 1) + "\r\nUnit\t0\r\nWAVEFormat\t1" +
                          "\r\nWavePoint\t" + std::to_string(values.size()) +
                          "\r\nInterval\t1\r\nDate\t2026/12/07\r\nTime\t08:00:00\r\nWaveData\r\n";
        for (double v : values) out += number(v, 2) + "\r\n";
        return out;
    }

    double uniform() {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 7;
        state_ ^= state_ << 17;
        return double(state_ >> 11) / double(1ull << 53);
    }
    double gauss() {
        const double u = std::max(uniform(), 1e-300), v = uniform();
        return std::sqrt(-2 * std::log(u)) * std::cos(6.283185307179586 * v);
    }

private:
    static std::string number(double v, int decimals) {
        char text[32];
        std::snprintf(text, sizeof text, "%.*f", decimals, v);
        return text;
    }
    std::uint64_t state_;
};

} // namespace plotwise::test
