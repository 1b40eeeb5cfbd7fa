#include "preview/PageDirectory.h"
#include "TestData.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QString item(const QString &command)
{
    return u"MENUITEM|TASK_"_s + command + u'|';
}

QString header(int number, const QString &title)
{
    return u"MENUPAGE|TASK_PAGE%1|%2 %1|"_s.arg(number).arg(title);
}

// Each page as "number:first item row+places"; places that turn the page
// as "place→target"; "!" for a page no page turn reaches.
QStringList outline(const PageDirectory &directory)
{
    QStringList result;
    for (int index = 0; index < directory.count(); ++index) {
        const PageDirectory::Page &page = directory.page(index);
        QString text = u"%1:%2+%3"_s.arg(page.number).arg(page.firstItem).arg(page.placeCount);
        for (int place = 0; place < RenderedPage::PlaceCount; ++place) {
            if (page.targets.at(place) != PageDirectory::NoTarget)
                text += u" %1→%2"_s.arg(place).arg(page.targets.at(place));
        }
        if (!page.reachable)
            text += u" !"_s;
        result << text;
    }
    return result;
}

} // namespace

class TestPageDirectory : public QObject
{
    Q_OBJECT

private slots:
    void pagesAreFoundInListOrder_data()
    {
        QTest::addColumn<QStringList>("records");
        QTest::addColumn<QStringList>("expected");

        QTest::newRow("worked example") << TestData::WorkedExample << QStringList{u"1:2+6 5→2"_s, u"2:9+3 2→1"_s};
        QTest::newRow("no page header") << QStringList{u"x"_s, item(u"SHOW_MAP"_s), item(u"PAGE2"_s)} << QStringList{};
        QTest::newRow("a header as the last record draws nothing")
            << QStringList{u"x"_s, header(1, u"A"_s), item(u"SHOW_MAP"_s), header(2, u"B"_s)}
            << QStringList{u"1:2+1"_s};
        QTest::newRow("the first line is never a page")
            << QStringList{header(1, u"A"_s), item(u"SHOW_MAP"_s)} << QStringList{};
        QTest::newRow("only six of eight items show")
            << (QStringList{u"x"_s, header(1, u"A"_s)} + QStringList(8, item(u"SHOW_MAP"_s)))
            << QStringList{u"1:2+6"_s};
        QTest::newRow("a page nobody turns to, and a turn to a page that does not exist")
            << QStringList{u"x"_s,           header(1, u"A"_s), item(u"PAGE7"_s), header(2, u"B"_s),
                           item(u"PAGE1"_s), header(3, u"C"_s), item(u"PAGE2"_s)}
            << QStringList{u"1:2+1 0→7"_s, u"2:4+1 0→1 !"_s, u"3:6+1 0→2 !"_s};
        QTest::newRow("a page turn without a number names none")
            << QStringList{u"x"_s, header(1, u"A"_s), item(u"PAGE"_s)} << QStringList{u"1:2+1 0→0"_s};
        QTest::newRow("pages out of numerical order stay in list order")
            << QStringList{u"x"_s, header(3, u"C"_s), item(u"PAGE1"_s), header(1, u"A"_s), item(u"PAGE3"_s)}
            << QStringList{u"3:2+1 0→1"_s, u"1:4+1 0→3"_s};
        QTest::newRow("a two-digit page turn before its header joins the header's run")
            << QStringList{u"x"_s,
                           header(11, u"K"_s),
                           item(u"SHOW_MAP"_s),
                           item(u"PAGE12"_s),
                           header(12, u"L"_s),
                           item(u"PAGE11"_s)}
            << QStringList{u"11:2+2 1→12"_s, u"12:5+1 0→11"_s};
        QTest::newRow("a two-digit page turn among the items opens a page after it")
            << QStringList{u"x"_s, header(1, u"A"_s), item(u"SHOW_MAP"_s), item(u"PAGE12"_s), item(u"SHOW_MAP"_s)}
            << QStringList{u"1:2+3 1→12"_s, u"12:4+1"_s};
    }

    void pagesAreFoundInListOrder()
    {
        QFETCH(QStringList, records);
        QFETCH(QStringList, expected);
        QCOMPARE(outline(PageDirectory(records)), expected);
    }

    void aPageIsDrawnAsThePreviewDrawsIt()
    {
        const QStringList buttons = {u"page.gif"_s, u"set_language.gif"_s, u"switch_nightview.gif"_s};
        const PageDirectory directory(TestData::WorkedExample);
        const RenderedPage second = directory.render(1, TestData::WorkedExample, buttons, {});
        QCOMPARE(second.title, u"Optionen 2"_s);
        QCOMPARE(second.places.at(0).pictureFile, u"switch_nightview.gif"_s);
        QCOMPARE(second.places.at(2).command, u"page"_s);
        QVERIFY(!second.places.at(3).drawn);
    }

    void aRunWithoutTitleShowsTheTitleBeforeIt()
    {
        // "MENUITEM|TASK_PAGE12|" is one of the 21-character openers that carry no title.
        const QStringList records = {u"x"_s, header(1, u"A"_s), item(u"SHOW_MAP"_s), item(u"PAGE12"_s),
                                     item(u"SHOW_MAP"_s)};
        const PageDirectory directory(records);
        QCOMPARE(directory.render(1, records, {}, {}).title, u"A 1"_s);
    }
};

QTEST_MAIN(TestPageDirectory)
#include "tst_pagedirectory.moc"
