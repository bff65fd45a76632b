#include "PlotFileReader.h"

#include <cstdint>
#include <optional>
#include <string_view>

#include "NumberFormat.h"

namespace quarlo {

namespace {

// Words a reader still has to hand out, without walking the file at every count.
class WordsLeft {
public:
    explicit WordsLeft(const TWordReader& words) : m_words(words), m_after(words.Lines().size() + 1, 0)
    {
        const std::vector<TWordContainer>& lines = words.Lines();
        for (std::size_t i = lines.size(); i-- > 0;)
            m_after[i] = m_after[i + 1] + lines[i].Words.size();
    }

    std::size_t operator()() const
    {
        const std::size_t line = m_words.LineIndex();
        if (line >= m_words.Lines().size())
            return 0;
        return m_after[line + 1] + m_words.Lines()[line].Words.size() - m_words.WordIndex();
    }

private:
    const TWordReader& m_words;
    std::vector<std::size_t> m_after;  // words on the lines from index i to the end
};

class BlockReader {
public:
    explicit BlockReader(TWordReader& words) : m_words(words), m_left(words) {}

    void readCurves(PlotData& data);
    void readTipCurve(PlotData& data);
    void readDistribution(PlotData& data);
    void readSettlement(PlotData& data);
    void readHeadLoads(PlotData& data);

private:
    int readCount(std::uint64_t wordsPerItem);
    [[noreturn]] void refuse(const std::string& why) const;
    PlotResultRow readRow();
    bool readHeadLoad(long double& load);

    TWordReader& m_words;
    WordsLeft m_left;
};

void BlockReader::refuse(const std::string& why) const
{
    throw EInOutError("Error on Line " + std::to_string(m_words.LineIndex() + 1) + " Item " +
                      std::to_string(m_words.WordIndex()) + "\r" + why);
}

// A count of items of at least `wordsPerItem` words each: refused when negative or when the
// words left in the file cannot hold that many items. This guards every size taken from
// the file; what follows the items is left to the reading itself.
int BlockReader::readCount(std::uint64_t wordsPerItem)
{
    const std::int32_t count = m_words.ReadInteger();
    if (count < 0)
        refuse("A count of 0 or more was expected.");
    if (static_cast<std::uint64_t>(count) * wordsPerItem > m_left())
        refuse("The count " + std::to_string(count) + " asks for more values than the file holds.");
    return count;
}

void BlockReader::readCurves(PlotData& data)
{
    // Each curve has at least its number, its point count and its depth.
    data.TzCurveCount = readCount(3);
    for (int i = 0; i < data.TzCurveCount; ++i) {
        PlotTzCurve& curve = data.TzCurves.emplace_back();
        curve.Number = m_words.ReadInteger();
        curve.PointCount = readCount(2);
        curve.Depth = m_words.ReadFloat();
        curve.Points.reserve(static_cast<std::size_t>(curve.PointCount));
        for (int j = 0; j < curve.PointCount; ++j) {
            const long double t = m_words.ReadFloat();
            curve.Points.push_back({m_words.ReadFloat(), t});
        }
    }
}

void BlockReader::readTipCurve(PlotData& data)
{
    data.TipPointCount = readCount(2);
    data.TipCurve.reserve(static_cast<std::size_t>(data.TipPointCount));
    for (int i = 0; i < data.TipPointCount; ++i) {
        const long double q = m_words.ReadFloat();
        data.TipCurve.push_back({q, m_words.ReadFloat()});
    }
}

void BlockReader::readDistribution(PlotData& data)
{
    // Each tip movement has its load-settlement row of 4 values and its segments of 3.
    data.TipMovementCount = readCount(4);
    data.SegmentCount = readCount(3 * static_cast<std::uint64_t>(data.TipMovementCount));
    data.Units = m_words.ReadInteger();
    data.HasDistributionCounts = true;
    for (int i = 0; i < data.TipMovementCount; ++i) {
        std::vector<PlotSegment>& segments = data.Distribution.emplace_back();
        segments.reserve(static_cast<std::size_t>(data.SegmentCount));
        for (int s = 0; s < data.SegmentCount; ++s) {
            PlotSegment& segment = segments.emplace_back();
            segment.Depth = m_words.ReadFloat();
            segment.AverageLoad = m_words.ReadFloat();
            segment.Movement = m_words.ReadFloat();
        }
    }
}

PlotResultRow BlockReader::readRow()
{
    PlotResultRow row;
    row.HeadLoad = m_words.ReadFloat();
    row.HeadMovement = m_words.ReadFloat();
    row.TipMovement = m_words.ReadFloat();
    row.TipLoad = m_words.ReadFloat();
    return row;
}

void BlockReader::readSettlement(PlotData& data)
{
    data.Settlement.reserve(static_cast<std::size_t>(data.TipMovementCount));
    for (int i = 0; i < data.TipMovementCount; ++i)
        data.Settlement.push_back(readRow());
}

// The load of a pile-head row. A load that was not reached is written with its three
// other fields filled by asterisks, right behind it in the same word: false then.
bool BlockReader::readHeadLoad(long double& load)
{
    try {
        load = m_words.ReadFloat();
        return true;
    } catch (const EInOutError&) {
        if (m_words.WordIndex() == 0 || m_words.AtEnd())
            throw;
        const std::string& word = m_words.Lines()[m_words.LineIndex()].Words[m_words.WordIndex() - 1];
        const std::size_t stars = word.find('*');
        const std::optional<long double> value =
            stars == std::string::npos ? std::nullopt : parseDecimal(std::string_view(word).substr(0, stars));
        if (!value || word.find_first_not_of('*', stars) != std::string::npos)
            throw;
        load = *value;
        return false;
    }
}

void BlockReader::readHeadLoads(PlotData& data)
{
    try {
        while (m_left() > 0) {
            PlotHeadLoadRow row;
            row.Reached = readHeadLoad(row.Row.HeadLoad);
            if (row.Reached) {
                row.Row.HeadMovement = m_words.ReadFloat();
                row.Row.TipMovement = m_words.ReadFloat();
                row.Row.TipLoad = m_words.ReadFloat();
            }
            data.HeadLoads.push_back(row);
        }
    } catch (const EInOutError& error) {
        data.HeadLoadsProblem = error.what();
    }
}

}  // namespace

void ReadPlotData(TWordReader& words, PlotData& data)
{
    BlockReader reader(words);
    reader.readCurves(data);
    reader.readTipCurve(data);
    reader.readDistribution(data);
    reader.readSettlement(data);
    data.Complete = true;
    reader.readHeadLoads(data);
}

PlotData ReadPlotFile(const std::string& fileName)
{
    TWordReader words(fileName);
    PlotData data;
    ReadPlotData(words, data);
    return data;
}

}  // namespace quarlo
