// Any bytes as a plot data file: read as the graphs read it, drawn into the graphs, and
// summarised with a down-drag profile, as after a run. Reading may only end in EInOutError,
// and no count in the file may size anything beyond the words it holds.
#include <cstdint>
#include <string_view>

#include "DowndragSite.h"
#include "EInOutError.h"
#include "GraphDefinitions.h"
#include "LoadPlotFile.h"
#include "PlotFileReader.h"
#include "ResultsSummary.h"
#include "WordReader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    quarlo::TWordReader reader = quarlo::TWordReader::FromText(text);
    quarlo::PlotData plot;
    try {
        quarlo::ReadPlotData(reader, plot);
    } catch (const quarlo::EInOutError&) {
    }
    quarlo::GraphDefinitions graphs;
    quarlo::FillGraphs(graphs, plot, 1);
    quarlo::DowndragSite site;
    site.DownDrag = true;
    site.PileLength = 100;
    site.Depths = {0, 50, 100};
    site.Settlements = {1, 0.5f, 0};
    quarlo::SummarizeRun(plot, site);
    return 0;
}
