#pragma once

#include <QByteArray>
#include <QDir>
#include <QList>
#include <QMap>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QXmlStreamReader>

namespace quarlo::test {

// A chart as the workbook stores it: its series and its two axes.
struct XlsxSeries {
    QString name;         // a literal name
    QString nameFormula;  // or the cell it is taken from
    QString xFormula;
    QString yFormula;
};

struct XlsxAxis {
    QString title;
    bool reversed = false;
    bool majorGridlines = false;
};

struct XlsxChart {
    bool found = false;
    bool hasTitle = true;
    QString scatterStyle;
    QList<XlsxSeries> series;
    XlsxAxis x;
    XlsxAxis y;
    bool hasLegend = false;
};

// An .xlsx workbook read back the way a spreadsheet program reads it: a zip of XML parts
// (unzip from Debian's package, test only), the sheets listed by the workbook part and found
// through the parts' relationships.
class XlsxPackage {
public:
    explicit XlsxPackage(const QString& path) : m_path(path) {}

    QByteArray part(const QString& name) const { return run({QStringLiteral("-p"), m_path, name}); }
    QStringList partNames() const
    {
        return QString::fromUtf8(run({QStringLiteral("-Z1"), m_path})).split('\n', Qt::SkipEmptyParts);
    }

    QStringList sheetNames() const
    {
        QStringList names;
        forEachElement(part(QStringLiteral("xl/workbook.xml")), QStringLiteral("sheet"), [&](QXmlStreamReader& xml) {
            names << xml.attributes().value(QLatin1String("name")).toString();
        });
        return names;
    }

    // The text a cell shows ("A1" -> text or number as stored), shared strings resolved.
    QMap<QString, QString> cells(const QString& sheet) const
    {
        const QStringList shared = sharedStrings();
        QMap<QString, QString> result;
        QXmlStreamReader xml(part(sheetPart(sheet)));
        QString reference, type;
        while (!xml.atEnd()) {
            xml.readNext();
            if (!xml.isStartElement())
                continue;
            if (xml.name() == QLatin1String("c")) {
                reference = xml.attributes().value(QLatin1String("r")).toString();
                type = xml.attributes().value(QLatin1String("t")).toString();
            } else if (xml.name() == QLatin1String("v")) {
                const QString value = xml.readElementText();
                result[reference] = type == QLatin1String("s") ? shared.value(value.toInt()) : value;
            }
        }
        return result;
    }

    // Internal links of a sheet: cell -> location ("Page_1!A1").
    QMap<QString, QString> links(const QString& sheet) const
    {
        QMap<QString, QString> result;
        forEachElement(part(sheetPart(sheet)), QStringLiteral("hyperlink"), [&](QXmlStreamReader& xml) {
            result[xml.attributes().value(QLatin1String("ref")).toString()] =
                xml.attributes().value(QLatin1String("location")).toString();
        });
        return result;
    }

    // Widths set for single columns of a sheet: column number (from 1) -> width.
    QMap<int, double> columnWidths(const QString& sheet) const
    {
        QMap<int, double> result;
        forEachElement(part(sheetPart(sheet)), QStringLiteral("col"), [&](QXmlStreamReader& xml) {
            result[xml.attributes().value(QLatin1String("min")).toInt()] =
                xml.attributes().value(QLatin1String("width")).toDouble();
        });
        return result;
    }

    // The chart on a chart sheet, through the sheet's drawing.
    XlsxChart chart(const QString& chartSheet) const
    {
        const QString partName = chartPart(chartSheet);
        XlsxChart chart;
        if (partName.isEmpty())
            return chart;
        chart.found = true;
        readChart(part(partName), chart);
        return chart;
    }

    // The part that holds a sheet ("xl/worksheets/sheet2.xml"), empty when there is none.
    QString sheetPart(const QString& sheet) const
    {
        QString id;
        forEachElement(part(QStringLiteral("xl/workbook.xml")), QStringLiteral("sheet"), [&](QXmlStreamReader& xml) {
            if (xml.attributes().value(QLatin1String("name")) == sheet)
                id = xml.attributes().value(QLatin1String("http://schemas.openxmlformats.org/officeDocument/2006/relationships"),
                                            QLatin1String("id")).toString();
        });
        return id.isEmpty() ? QString() : relationTarget(QStringLiteral("xl/workbook.xml"), id);
    }

    // The chart part of a chart sheet, through the sheet's drawing.
    QString chartPart(const QString& chartSheet) const
    {
        const QString drawing = relationTarget(sheetPart(chartSheet), QString());
        return drawing.isEmpty() ? QString() : relationTarget(drawing, QString());
    }

private:
    QByteArray run(const QStringList& arguments) const
    {
        QProcess unzip;
        unzip.start(QStringLiteral("unzip"), arguments);
        unzip.waitForFinished(30000);
        return unzip.readAllStandardOutput();
    }

    template <class Visit>
    static void forEachElement(const QByteArray& bytes, const QString& name, Visit visit)
    {
        QXmlStreamReader xml(bytes);
        while (!xml.atEnd()) {
            xml.readNext();
            if (xml.isStartElement() && xml.name() == name)
                visit(xml);
        }
    }

    QStringList sharedStrings() const
    {
        QStringList strings;
        QXmlStreamReader xml(part(QStringLiteral("xl/sharedStrings.xml")));
        while (!xml.atEnd()) {
            xml.readNext();
            if (xml.isStartElement() && xml.name() == QLatin1String("si"))
                strings << QString();
            else if (xml.isStartElement() && xml.name() == QLatin1String("t"))
                strings.last() += xml.readElementText();
        }
        return strings;
    }

    // The part a relationship of `part` points to: the one with id `id`, or the first.
    QString relationTarget(const QString& partName, const QString& id) const
    {
        const int slash = partName.lastIndexOf('/');
        const QString folder = partName.left(slash);
        const QString rels = folder + QStringLiteral("/_rels/") + partName.mid(slash + 1) + QStringLiteral(".rels");
        QString target;
        forEachElement(part(rels), QStringLiteral("Relationship"), [&](QXmlStreamReader& xml) {
            if (target.isEmpty() && (id.isEmpty() || xml.attributes().value(QLatin1String("Id")) == id))
                target = xml.attributes().value(QLatin1String("Target")).toString();
        });
        return target.isEmpty() ? QString() : QDir::cleanPath(folder + '/' + target);
    }

    // Reads series, axes (the first axis id of the scatter chart is X) and the legend.
    static void readChart(const QByteArray& bytes, XlsxChart& chart)
    {
        QXmlStreamReader xml(bytes);
        QStringList axisIds;
        QList<QPair<QString, XlsxAxis>> axes;
        QString inside;  // "tx", "xVal", "yVal" within a series; "axis" within an axis
        bool inTitle = false;
        while (!xml.atEnd()) {
            xml.readNext();
            const QString name = xml.name().toString();
            if (xml.isEndElement()) {
                if (name == "tx" || name == "xVal" || name == "yVal")
                    inside = inside == "axis" ? inside : QString();
                if (name == "title")
                    inTitle = false;
                if (name == "valAx")
                    inside.clear();
                continue;
            }
            if (!xml.isStartElement())
                continue;
            const QString val = xml.attributes().value(QLatin1String("val")).toString();
            if (name == "autoTitleDeleted")
                chart.hasTitle = val != "1";
            else if (name == "scatterStyle")
                chart.scatterStyle = val;
            else if (name == "ser")
                chart.series << XlsxSeries{};
            else if ((name == "tx" || name == "xVal" || name == "yVal") && inside != "axis" && !inTitle)
                inside = name;
            else if (name == "f" && inside == "tx")
                chart.series.last().nameFormula = xml.readElementText();
            else if (name == "v" && inside == "tx")
                chart.series.last().name = xml.readElementText();
            else if (name == "f" && inside == "xVal")
                chart.series.last().xFormula = xml.readElementText();
            else if (name == "f" && inside == "yVal")
                chart.series.last().yFormula = xml.readElementText();
            else if (name == "axId" && inside != "axis")
                axisIds << val;
            else if (name == "valAx") {
                inside = "axis";
                axes.append({QString(), XlsxAxis{}});
            } else if (inside == "axis" && name == "axId")
                axes.last().first = val;
            else if (inside == "axis" && name == "orientation")
                axes.last().second.reversed = val == "maxMin";
            else if (inside == "axis" && name == "majorGridlines")
                axes.last().second.majorGridlines = true;
            else if (inside == "axis" && name == "title")
                inTitle = true;
            else if (inside == "axis" && inTitle && name == "t")
                axes.last().second.title += xml.readElementText();
            else if (name == "legend")
                chart.hasLegend = true;
        }
        for (const auto& [id, axis] : axes) {
            if (!axisIds.isEmpty() && id == axisIds.first())
                chart.x = axis;
            else
                chart.y = axis;
        }
    }

    QString m_path;
};

}  // namespace quarlo::test
