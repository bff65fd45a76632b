#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QString>

namespace quarlo::test {

// A PDF file as the printing tests check it: its frame (header and end marker), its page
// objects and the media box of its first page. Qt writes page dictionaries as plain text, so
// no PDF library is needed to read these.
class PdfFile {
public:
    explicit PdfFile(const QString& path) : m_path(path)
    {
        QFile file(path);
        if (file.open(QIODevice::ReadOnly))
            m_bytes = file.readAll();
    }

    const QString& path() const { return m_path; }

    bool valid() const { return m_bytes.startsWith("%PDF-") && m_bytes.right(32).contains("%%EOF"); }

    // Page objects: "/Type /Page", not the page tree "/Type /Pages".
    int pageCount() const
    {
        static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?![a-zA-Z])"));
        QRegularExpressionMatchIterator pages = page.globalMatch(QString::fromLatin1(m_bytes));
        int count = 0;
        for (; pages.hasNext(); pages.next())
            ++count;
        return count;
    }

    // The first page is wider than high.
    bool landscape() const
    {
        static const QRegularExpression box(
            QStringLiteral("/MediaBox\\s*\\[\\s*([-\\d.]+)\\s+([-\\d.]+)\\s+([-\\d.]+)\\s+([-\\d.]+)\\s*\\]"));
        const QRegularExpressionMatch match = box.match(QString::fromLatin1(m_bytes));
        if (!match.hasMatch())
            return false;
        const double width = match.captured(3).toDouble() - match.captured(1).toDouble();
        const double height = match.captured(4).toDouble() - match.captured(2).toDouble();
        return width > height;
    }

private:
    QString m_path;
    QByteArray m_bytes;
};

// With QUARLO_SCREENSHOT_DIR set and poppler's pdftoppm installed, renders the first page of
// `pdfPath` as `<name>.png` there, to look at the printout. Returns false when it could not.
inline bool renderPdfScreenshot(const QString& pdfPath, const QString& name)
{
    const QString dir = qEnvironmentVariable("QUARLO_SCREENSHOT_DIR");
    const QString renderer = QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
    if (dir.isEmpty() || renderer.isEmpty())
        return false;
    QDir().mkpath(dir);
    QProcess process;
    process.start(renderer, {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("100"),
                             QStringLiteral("-singlefile"), pdfPath, QDir(dir).filePath(name)});
    return process.waitForFinished(60000) && process.exitCode() == 0;
}

}  // namespace quarlo::test
