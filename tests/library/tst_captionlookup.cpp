#include "library/CaptionLookup.h"
#include <QRegularExpression>

#include <QFile>
#include <QTest>

using namespace Qt::StringLiterals;

class TestCaptionLookup : public QObject
{
    Q_OBJECT

private:
    static QString line(const QString &command, const QString &caption) { return command.leftJustified(25) + caption; }

private slots:
    void findsTheFirstExactMatch()
    {
        const QStringList vocabulary = {
            line(u"about"_s, u"Version anzeigen"_s),
            line(u"  Navigate_To"_s, u"Groß"_s),
            line(u"navigate_to"_s, u"  Navigieren zu"_s),
            line(u"navigate_to"_s, u"zweite"_s),
        };
        QCOMPARE(CaptionLookup::find(vocabulary, u"about"), u"Version anzeigen"_s);
        QCOMPARE(CaptionLookup::find(vocabulary, u"Navigate_To"), u"Groß"_s);
        // Leading blanks of the caption stay; case counts.
        QCOMPARE(CaptionLookup::find(vocabulary, u"navigate_to"), u"  Navigieren zu"_s);
        QCOMPARE(CaptionLookup::find(vocabulary, u"ABOUT"), std::nullopt);
        QCOMPARE(CaptionLookup::find(vocabulary, u"page"), std::nullopt);
    }

    void aShortLineEndsTheSearch()
    {
        QCOMPARE(CaptionLookup::find({QString(), line(u"about"_s, u"x"_s)}, u"about"), std::nullopt);
        QCOMPARE(CaptionLookup::find({line(u"a"_s, u"1"_s), u"b"_s.leftJustified(25), line(u"c"_s, u"3"_s)}, u"c"),
                 std::nullopt);
        QCOMPARE(CaptionLookup::find({u"menu_recalc_block        ?"_s}, u"menu_recalc_block"), u"?"_s);
        QCOMPARE(CaptionLookup::find({}, u"about"), std::nullopt);
    }

    void ourVocabularyFile()
    {
        QFile file(qEnvironmentVariable("TASTWERK_SOURCE_DIR") + u"/data/Quonda.dat"_s);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QStringList lines = QString::fromLatin1(file.readAll()).split(u"\r\n"_s, Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 74);
        QCOMPARE(CaptionLookup::find(lines, u"about"), u"Version anzeigen"_s);
        QCOMPARE(CaptionLookup::find(lines, u"set_backlight"), u"Hintergrund- beleuchtung"_s);
        QCOMPARE(CaptionLookup::find(lines, u"menu_recalc_block"), u"?"_s);
        QCOMPARE(CaptionLookup::find(lines, u"page"), u"N\u00e4chste Seite"_s);
        QCOMPARE(lines.filter(u"Traffic"_s).filter(QRegularExpression(u"Traffic$"_s)).size(), 4);
        for (const QString &entry : lines)
            QVERIFY(!entry.contains(u','));
    }
};

QTEST_GUILESS_MAIN(TestCaptionLookup)
#include "tst_captionlookup.moc"
