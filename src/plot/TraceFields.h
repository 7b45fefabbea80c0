#pragma once
#include <string>

namespace plotwise {

class CurveTrace;
class LoadedCurveTable;

// The fields of one curve as the curve drawing reads them: scale digits (1),
// peak Y (2), peak X (12) and the samples from field 18 on, newest first.
class TraceFields {
public:
    virtual ~TraceFields() = default;
    virtual const std::string& field(int number) const = 0;
    // LeadingNumber of the field.
    virtual double number(int field) const;
    // The highest field that holds a sample of this curve (17 when none).
    virtual int lastSampleField() const = 0;
    // Stored samples per plot step, from the curve's interval code.
    virtual int stride() const = 0;
};

// "0" gives 1, "1" 2, "2" 10, "3" 20; anything else 1.
int strideOfIntervalCode(const std::string& code);

// A curve loaded into a trace.
class LoadedTraceFields : public TraceFields {
public:
    explicit LoadedTraceFields(const CurveTrace& trace) : trace_(trace) {}
    const std::string& field(int number) const override;
    int lastSampleField() const override;
    int stride() const override;

private:
    const CurveTrace& trace_;
};

// A row of the loaded-curve table: column 2 the peak, 3 the position, 4 the
// count n, 5 the interval code and 6..n+4 the samples, oldest first.
class TableRowFields : public TraceFields {
public:
    TableRowFields(const LoadedCurveTable& table, int row);
    const std::string& field(int number) const override;
    // Read from the table's parsed values, without parsing again.
    double number(int field) const override;
    int lastSampleField() const override { return 16 + count_; }
    int stride() const override { return stride_; }

private:
    // The table column that holds a field, -1 for none.
    int columnOf(int field) const;

    const LoadedCurveTable& table_;
    int row_;
    int count_;
    int stride_;
};

} // namespace plotwise
