#include "DataRec.h"

#include <cmath>

namespace quorvel {

void ResetData(TDataRec& data)
{
    data.Source = 0;
    data.Count = 0;
    data.Top = 0;
    data.Sensor = 1;
}

void AddLiveReading(TDataRec& data, const TFrameRec& frame)
{
    if (frame.Payload.size() < 2)
        return;
    if (data.Count < TDataRec::kMaxCount) {
        ++data.Count;
        data.Top = data.Count;
    }
    const unsigned raw = frame.Payload[0] | (unsigned(frame.Payload[1]) << 8);
    data.Data[data.Count] = float(raw / 10.0);
}

TStats CalcStats(const TDataRec& data)
{
    TStats s;
    const int n = data.Count;
    const float* v = data.Data.data();
    s.Maximum = v[1];
    s.Minimum = v[1];
    if (n <= 1) {
        s.Average = v[1];
        s.StdDev = 0.0f;   // the sample formula would divide by zero
        return s;
    }
    float sum = 0.0f;   // single: rounded after every addition
    float maximum = v[1], minimum = v[1];
    for (int i = 1; i <= n; ++i) {
        maximum = std::max(maximum, v[i]);
        minimum = std::min(minimum, v[i]);
        sum = sum + v[i];
    }
    const float average = float(double(sum) / n);
    float squares = 0.0f;
    for (int i = 1; i <= n; ++i) {
        // The difference and its square are exact in double; only the
        // accumulator is rounded to single, after every addition.
        const double d = double(average) - double(v[i]);
        squares = float(double(squares) + d * d);
    }
    s.Average = average;
    s.StdDev = float(std::sqrt(double(squares) / double(n - 1)));
    s.Maximum = maximum;
    s.Minimum = minimum;
    return s;
}

} // namespace quorvel
