#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

#include "WordReader.h"

namespace quarlo {

class TProgramData;
class ProjectTables;

// Fills a new project from the words of a project data file, record by record in file order,
// word by word so that line breaks between values do not matter (the title alone is a whole
// line). Raises EInOutError at the first word that is not what the format prescribes; what
// was read up to there stays in the project.
//
// Beyond the word reader's own checks it refuses what would leave the project broken: a
// curve source code other than 1 or 2 and a soil type code outside 1..6 (a layer without
// layer data), and a count larger than the words left in the file, which can never be
// complete and would only make huge tables. Input it takes as it stands but the engine would
// read differently (negative counts, unit codes outside 1..2, a Q-w factor code other than
// 0 or 1, a table with fewer rows than the program keeps, which is padded with rows of
// defaults) is added to `tolerated`, one line each naming line and item.
class ProjectFileReader {
public:
    ProjectFileReader(TProgramData& project, TWordReader& words, std::vector<std::string>& tolerated);

    // The old format ends after the settlement profile.
    void Read(bool currentFormat);

private:
    void readHeader();
    void readUserCurves();
    void readLayers();
    void readLayerData(int row);
    void readStiffness();
    void readTipCurve();
    void readPile();
    void readSections();
    void readFactors();

    // A row count: negative counts give no rows, as the tables take them.
    int readCount();
    // The row count of a project table, noting a count below the rows the table keeps (its
    // missing rows are padded with defaults after reading); for a section, 0 turns it off.
    template <class Table>
    int readRows(const Table& table, bool zeroTurnsOff = false);
    // One float per listed column for every row of the table, the columns in file order.
    template <class Table>
    void readFloatRows(Table& table, std::initializer_list<int> columns);
    std::int32_t readCode(std::int32_t first, std::int32_t last, const char* what);
    std::size_t wordsLeft() const;
    std::string position() const;
    void tolerate(const std::string& what);

    TProgramData& m_project;
    ProjectTables& m_tables;
    TWordReader& m_words;
    std::vector<std::size_t> m_wordsFromLine;
    std::vector<std::string>& m_tolerated;
};

}  // namespace quarlo
