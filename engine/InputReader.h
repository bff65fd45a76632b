#pragma once

#include "RecordReader.h"
#include "RunContext.h"

#include <string_view>
#include <vector>

namespace quarlo {

// Reads the project data file front to back into ctx.data, echoing every record to the
// report as it goes and calling the curve generation and factor stages at their points.
// Stops early, with ctx.ISTAT set, when a generation stage stops the run. A file that
// cannot be read throws ReadError.
class InputReader {
public:
    InputReader(RunContext& ctx, RecordReader& in) : m_ctx(ctx), m_data(ctx.data), m_in(in) {}

    void read();

private:
    void readHeader();
    void readUserCurves();
    void readUserCurve(int k);
    void readLayers();
    void readProfile();
    void readAeProfile();
    void readTipCurve();
    void readPile();
    void readTipMovements();
    void readLoads();
    void readSettlement();
    void readTzFactors();
    void readQwFactors();

    // Where one column of a one-read record goes, and its name for messages.
    struct Column {
        std::vector<Real>& values;
        std::string_view item;
    };
    void readPairs(std::string_view record, int count, Column first, Column second);

    RunContext& m_ctx;
    EngineData& m_data;
    RecordReader& m_in;
};

// Unit labels UL, UM, UF, US from KUNITS: 1 is English, every other code SI.
void setUnitLabels(EngineData& data);
// Five curves per layer at the top, quarter points, middle and just above the bottom.
void setGenerationDepths(EngineData& data);
// The nine tip movements used when the file gives none, in the file's length unit.
void setDefaultTipMovements(EngineData& data);

}  // namespace quarlo
