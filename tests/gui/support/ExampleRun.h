#pragma once

// Plot data the engine really wrote: a bundled example analysed by the runner on a copy in a
// test's own folder. Needs QUARLO_BIN_DIR (the build's bin folder) and a test target that
// depends on quarlo-run.

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>

#include "GuiTestSupport.h"

namespace quarlo::test {

// Copies `example` into `dir`, runs the analysis on the copy and returns the copy's plot data
// file (".qv3p"); empty, with a warning, when the run failed.
inline QString runExample(const QTemporaryDir& dir, const QString& example)
{
    const QString project = dir.filePath(example);
    QFile::remove(project);
    QFile::copy(examplePath(example), project);
    QFile::setPermissions(project, QFile::ReadOwner | QFile::WriteOwner);
    QProcess runner;
    runner.start(QStringLiteral(QUARLO_BIN_DIR "/quarlo-run"), {project});
    if (!runner.waitForFinished(60000) || runner.exitStatus() != QProcess::NormalExit || runner.exitCode() != 0) {
        qWarning("quarlo-run failed on %s: %s", qPrintable(example), runner.readAllStandardError().constData());
        return {};
    }
    const QFileInfo info(project);
    return info.dir().filePath(info.completeBaseName() + QStringLiteral(".qv3p"));
}

}  // namespace quarlo::test
