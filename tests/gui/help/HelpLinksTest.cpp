#include <QDir>
#include <QSet>
#include <QtTest>

#include "GuiTestSupport.h"
#include "HelpLibrary.h"
#include "HelpUrls.h"
#include "HelpWindowFixture.h"

using namespace quarlo;
using namespace quarlo::test;

namespace {

// Every link of the page shown, as written.
QStringList linksOf(const QTextDocument& document)
{
    QStringList links;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment)
            if (const QString href = fragment.fragment().charFormat().anchorHref(); !href.isEmpty())
                links << href;
    links.removeDuplicates();
    return links;
}

bool isWebAddress(const QUrl& url)
{
    return url.scheme() == QStringLiteral("http") || url.scheme() == QStringLiteral("https") ||
           url.scheme() == QStringLiteral("mailto");
}

QStringList helpPagesOf(const HelpLibrary& library)
{
    QStringList pages{kHelpContentsPage};
    for (const HelpPage& page : library.Pages())
        pages << QString::fromStdString(page.path);
    return pages;
}

}  // namespace

// Walks every page of the help as the reader would: every link must open a page the help
// holds, and every "#anchor" must name a heading of that page.
class HelpLinksTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        isolateSettings();
        m_help = std::make_unique<HelpWindow>();
        m_target = std::make_unique<HelpWindow>();
    }

    void everyManualPageOfTheSourceIsInTheHelp()
    {
        QStringList inSources;
        const QDir manuals(QStringLiteral(QUARLO_SOURCE_DIR "/docs/manual"));
        for (const QString& manual : {QStringLiteral("user"), QStringLiteral("technical")})
            for (const QString& page : QDir(manuals.filePath(manual)).entryList({QStringLiteral("*.md")}, QDir::Files))
                inSources << manual + QLatin1Char('/') + page;
        QVERIFY(inSources.contains(kTechnicalManualPage));
        QStringList inHelp = helpPagesOf(m_help->Library());
        inHelp.removeOne(kHelpContentsPage);
        inSources.sort();
        inHelp.sort();
        QCOMPARE(inHelp, inSources);
    }

    void everyLinkOpensAPageAndAnchorOfTheHelp_data()
    {
        QTest::addColumn<QString>("page");
        for (const QString& page : helpPagesOf(m_help->Library()))
            QTest::newRow(qPrintable(page)) << page;
    }

    void everyLinkOpensAPageAndAnchorOfTheHelp()
    {
        QFETCH(QString, page);
        m_help->Open(page);
        const QUrl source = m_help->Browser().source();
        QStringList broken;
        for (const QString& link : linksOf(*m_help->Browser().document())) {
            const QUrl target = source.resolved(QUrl(link));
            if (isWebAddress(target))
                continue;
            const QString targetPage = HelpPath(target);
            if (targetPage.isEmpty() || !m_help->HasPage(targetPage)) {
                broken << link + QStringLiteral(": no such page in the help");
                continue;
            }
            if (!target.hasFragment())
                continue;
            m_target->Open(targetPage);
            if (anchorPosition(*m_target->Browser().document(), target.fragment()) < 0)
                broken << link + QStringLiteral(": no heading with this anchor");
        }
        QVERIFY2(broken.isEmpty(), qPrintable(broken.join(QStringLiteral("\n"))));
    }

    void everyHeadingCanBeLinkedTo_data() { everyLinkOpensAPageAndAnchorOfTheHelp_data(); }

    void everyHeadingCanBeLinkedTo()
    {
        QFETCH(QString, page);
        m_help->Open(page);
        QSet<QString> names;
        for (QTextBlock block = m_help->Browser().document()->begin(); block.isValid(); block = block.next()) {
            if (block.blockFormat().headingLevel() == 0 || block.text().isEmpty())
                continue;
            const QStringList anchors = block.begin().fragment().charFormat().anchorNames();
            QVERIFY2(anchors.size() == 1, qPrintable(block.text()));
            QVERIFY2(!names.contains(anchors.first()), qPrintable(anchors.first()));
            names.insert(anchors.first());
        }
        QVERIFY(!names.isEmpty());
    }

private:
    std::unique_ptr<HelpWindow> m_help;
    std::unique_ptr<HelpWindow> m_target;
};

QTEST_MAIN(HelpLinksTest)
#include "HelpLinksTest.moc"
