#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quarlo {

// Reading rows of numbers from a text file or the clipboard into a table: which lines count,
// how a line is cut into numbers, and the text a number is entered as.

// Most numbers taken from one line.
constexpr int kImportNumbersPerLine = 15;

// The lines of a text. A line ends at CR LF, LF or CR, whichever the text uses (a Linux
// clipboard holds LF only, a spreadsheet copy CR LF); the last line counts even without a
// line end, and a line end at the very end starts no further line.
std::vector<std::string> SplitTextLines(std::string_view text);

// The numbers at the start of a line: leading blanks and tabs are skipped, a number ends at a
// blank, tab, carriage return or comma, and the first piece that is empty or no number ends
// the line; at most kImportNumbersPerLine are taken. Numbers use the full stop, as files do
// whatever the user's locale.
std::vector<long double> ImportLineNumbers(std::string_view line);

// The rows to enter: the numbers of every line that gives exactly `columnCount` numbers
// (headers and blank lines give another count and are passed over), at most `maxRows` of them.
std::vector<std::vector<long double>> AcceptedImportRows(const std::vector<std::string>& lines, int columnCount,
                                                         int maxRows);

// The text an imported number is entered as: 15 significant digits, so the cell's own
// reading of the entry keeps every digit the file gave.
std::string ImportEntryText(long double value);

// The lines of a text file, read as bytes (no locale, no newline translation). Exception
// "Cannot open file NAME." when it cannot be opened, "Cannot read file NAME." when reading
// fails.
std::vector<std::string> ReadTextFileLines(const std::string& fileName);

}  // namespace quarlo
