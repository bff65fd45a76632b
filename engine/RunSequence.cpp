#include "RunSequence.h"

#include "InputReader.h"
#include "NamesFile.h"
#include "OutputLine.h"
#include "RecordReader.h"
#include "RunContext.h"
#include "RunHeader.h"
#include "Stages.h"
#include "StatusCodes.h"

#include <filesystem>
#include <fstream>
#include <new>
#include <utility>
#include <vector>

namespace quarlo {

namespace {

void consoleLines(const RunOptions& options, std::string_view text) {
    if (options.console != nullptr)
        *options.console << text << std::flush;
}

bool blankName(const std::string& name) { return name.find_first_not_of(' ') == std::string::npos; }

// Opening an output empties it, so a project data file named as one of the outputs would
// be lost before it is read.
bool sameFile(const std::string& a, const std::string& b) {
    std::error_code error;
    return std::filesystem::equivalent(a, b, error) && !error;
}

// The files of one run, opened in the order the run needs them. Destruction closes
// whatever is still open, so no path out of a run leaves a file open.
class RunFileSet {
public:
    RunFileSet() {
        // The largest project writes megabytes in short lines: a wide buffer writes them
        // in a few large system calls instead of thousands of small ones. A file stream
        // takes its buffer only before it is opened.
        report.rdbuf()->pubsetbuf(m_reportBuffer.data(), static_cast<std::streamsize>(m_reportBuffer.size()));
        plot.rdbuf()->pubsetbuf(m_plotBuffer.data(), static_cast<std::streamsize>(m_plotBuffer.size()));
    }

private:
    // Declared before the streams so that they outlive them.
    static constexpr std::size_t kOutputBufferSize = 64 * 1024;
    std::vector<char> m_reportBuffer = std::vector<char>(kOutputBufferSize);
    std::vector<char> m_plotBuffer = std::vector<char>(kOutputBufferSize);

public:
    std::ifstream input;
    std::ofstream report;
    std::ofstream plot;
    std::ofstream notes;

    // Closes in the order the run ends with; false when an output could not be written.
    bool close() {
        input.close();
        bool written = closeOutput(report);
        written = closeOutput(notes) && written;
        return closeOutput(plot) && written;
    }

private:
    static bool closeOutput(std::ofstream& out) {
        if (!out.is_open())
            return true;
        out.flush();
        const bool good = !out.fail();
        out.close();
        return good && !out.fail();
    }
};

class Run {
public:
    Run(const RunFiles& files, const RunOptions& options) : m_files(files), m_options(options) {}

    RunOutcome execute();

private:
    bool outputsSpareInput();
    bool openReport();
    bool openRemaining();
    template <typename Stream>
    bool open(Stream& stream, const std::string& name, const char* what);
    void analyse();
    void fail(int status, const std::string& message);

    const RunFiles& m_files;
    const RunOptions& m_options;
    RunFileSet m_set;
    RunContext m_ctx;
    RunOutcome m_outcome;
};

RunOutcome Run::execute() {
    m_ctx.console = m_options.console;
    if (outputsSpareInput() && openReport()) {
        writeRunHeader(m_ctx.report, m_files);
        writeDateBlock(m_ctx.report, m_options.clock ? m_options.clock() : currentLocalTime());
        if (openRemaining()) {
            consoleLines(m_options, "\n\n\n         COMPUTATION IS PROCEEDING.......\n");
            analyse();
        }
    }
    if (!m_set.close() && m_outcome.status == status::kCompleted)
        fail(status::kFileWrite, "an output file could not be written completely (disk full?)");
    if (m_outcome.status == status::kCompleted)
        m_outcome.status = m_ctx.ISTAT;
    m_outcome.results = std::move(m_ctx.results);
    return std::move(m_outcome);
}

template <typename Stream>
bool Run::open(Stream& stream, const std::string& name, const char* what) {
    if (blankName(name)) {
        fail(status::kFileOpen, std::string("the ") + what + " has no name");
        return false;
    }
    // A directory opens for reading on some systems and then reads as an empty file.
    std::error_code error;
    if (std::filesystem::is_directory(name, error))
        stream.setstate(std::ios::failbit);
    else
        stream.open(name, std::ios::binary);
    if (!stream.is_open()) {
        fail(status::kFileOpen, std::string("the ") + what + " cannot be opened: " + name);
        return false;
    }
    return true;
}

bool Run::outputsSpareInput() {
    const std::pair<const std::string*, const char*> outputs[] = {
        {&m_files.report, "output report"}, {&m_files.plot, "plot data file"}, {&m_files.notes, "run-notes file"}};
    for (const auto& [name, what] : outputs) {
        if (sameFile(m_files.input, *name)) {
            fail(status::kFileOpen, std::string("the project data file is named as the ") + what + " too: " + *name);
            return false;
        }
    }
    return true;
}

bool Run::openReport() {
    if (!open(m_set.report, m_files.report, "output report"))
        return false;
    m_ctx.report.attach(&m_set.report);
    return true;
}

bool Run::openRemaining() {
    if (!open(m_set.input, m_files.input, "project data file") ||
        !open(m_set.plot, m_files.plot, "plot data file") || !open(m_set.notes, m_files.notes, "run-notes file"))
        return false;
    m_ctx.plot.attach(&m_set.plot);
    m_ctx.notes.attach(&m_set.notes);
    return true;
}

void Run::analyse() {
    try {
        RecordReader reader(m_set.input);
        InputReader(m_ctx, reader).read();
        if (m_ctx.ISTAT == 0)
            solveLoadTransfer(m_ctx);
    } catch (const ReadError& error) {
        const int code = error.kind() == ReadError::Kind::NegativeCount ? status::kNegativeCount
                                                                        : status::kProjectRead;
        fail(code, "project data file, line " + std::to_string(error.line()) + ", " + error.record() + ": " +
                       error.what());
    } catch (const std::bad_alloc&) {
        fail(status::kInternal, "not enough memory for the tables of this project");
    } catch (const std::exception& error) {
        fail(status::kInternal, std::string("internal error: ") + error.what());
    }
}

// The report says what went wrong and where whenever it is open; the console and the
// caller get the same line.
void Run::fail(int code, const std::string& message) {
    m_outcome.status = code;
    m_outcome.failure = message;
    m_ctx.report.blank();
    m_ctx.report.write(OutputLine().x(1).text("*** RUN STOPPED: ").text(message));
    consoleLines(m_options, "  " + message + "\n");
}

RunOutcome failedOutcome(int code, std::string message) {
    RunOutcome outcome;
    outcome.status = code;
    outcome.failure = std::move(message);
    return outcome;
}

}  // namespace

RunOutcome runAnalysis(const RunFiles& files, const RunOptions& options) noexcept {
    try {
        writeConsoleBanner(options.console);
        return Run(files, options).execute();
    } catch (...) {
        // Only an allocation failure while building the outcome itself can get here.
        try {
            return failedOutcome(status::kInternal, "internal error");
        } catch (...) {
            return RunOutcome{status::kInternal, {}, {}};
        }
    }
}

int runFromNamesFile(const RunOptions& options) noexcept {
    try {
        writeConsoleBanner(options.console);
        std::ifstream names("names.dat", std::ios::binary);
        RunFiles files;
        if (!names.is_open() || !readNamesFile(names, files, options.console)) {
            consoleLines(options, "  names.dat is missing or cannot be read\n");
            return status::kNamesFile;
        }
        names.close();
        return Run(files, options).execute().status;
    } catch (...) {
        return status::kInternal;
    }
}

}  // namespace quarlo
