#pragma once

#include "EngineData.h"
#include "TextSink.h"

namespace quarlo {

// The report's echo of the input: every heading and unit line as the engine prints it.
// The t-z and tip-curve tables are in CurveReport.h.

// Banner, title and pile heading, written once record 2 is read.
void writeStartSection(TextSink& report, const EngineData& data);

// Soil layers: the heading once NLAYER is read, then one line per layer as it is read.
void writeLayerHeading(TextSink& report, const EngineData& data);
void writeLayerLine(TextSink& report, int layerNumber, int soilType, Real top, Real bottom);

// Unit-weight and strength profiles, all NSTR points.
void writeUnitWeightTable(TextSink& report, const EngineData& data);
void writeStrengthTable(TextSink& report, const EngineData& data);

// Axial stiffness profile, depth first.
void writeAeTable(TextSink& report, const EngineData& data);

// Pile length, outer diameter and tolerance.
void writePileSection(TextSink& report, const EngineData& data);

// Pile-head loads: heading, then one line per load as read.
void writeLoadHeading(TextSink& report, const EngineData& data);
void writeLoadLine(TextSink& report, Real load);

// Soil settlement profile: heading, then one line per point as read.
void writeSettlementHeading(TextSink& report, const EngineData& data);
void writeSettlementLine(TextSink& report, Real depth, Real settlement);

// t-z modification factors: heading, then one line per factor depth as read.
void writeTzFactorHeading(TextSink& report, const EngineData& data);
void writeTzFactorLine(TextSink& report, Real depth, Real tMultiplier, Real zMultiplier);

// Q-w modification factors.
void writeQwFactorSection(TextSink& report, const EngineData& data);

}  // namespace quarlo
