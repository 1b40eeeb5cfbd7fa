#include "model/MenuRecords.h"
#include "model/PageNumber.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestMenuRecords : public QObject
{
    Q_OBJECT

private slots:
    void workedExample()
    {
        // The order of work of the manual: first line, title, five buttons and
        // the page turn, title again, two buttons, the arrow back to page 1.
        QString page = u"1"_s;
        const QString title = u"Optionen"_s;
        QStringList records;
        auto header = [&] {
            records << MenuRecords::pageHeader(page, title);
            page = PageNumber::next(page);
        };
        auto click = [&](const QString &command) { records << MenuRecords::itemForButton(command, page); };

        records << MenuRecords::blockLine();
        header();
        for (const char16_t *command :
             {u"navigate_to", u"show_map", u"plan_via", u"add_favorite", u"set_volume", u"page"})
            click(QString::fromUtf16(command));
        header();
        click(u"switch_nightview"_s);
        click(u"set_language"_s);
        records << MenuRecords::firstPageItem();
        page = u"1"_s;

        const QStringList expected = {
            u"MENUBLOCK|BLOCK_MAIN|BTM_GPS_POSITION|"_s,
            u"MENUPAGE|TASK_PAGE1|Optionen 1|"_s,
            u"MENUITEM|TASK_NAVIGATE_TO|"_s,
            u"MENUITEM|TASK_SHOW_MAP|"_s,
            u"MENUITEM|TASK_PLAN_VIA|"_s,
            u"MENUITEM|TASK_ADD_FAVORITE|"_s,
            u"MENUITEM|TASK_SET_VOLUME|"_s,
            u"MENUITEM|TASK_PAGE2|"_s,
            u"MENUPAGE|TASK_PAGE2|Optionen 2|"_s,
            u"MENUITEM|TASK_SWITCH_NIGHTVIEW|"_s,
            u"MENUITEM|TASK_SET_LANGUAGE|"_s,
            u"MENUITEM|TASK_PAGE1|"_s,
        };
        QCOMPARE(records, expected);
        QCOMPARE(MenuRecords::blockLine().size(), 38);
        QCOMPARE(MenuRecords::firstPageItem().size(), 20);
    }

    void pageHeaders_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("record");
        QTest::addColumn<QString>("nextPage");
        QTest::newRow("twelve") << u"12"_s << u"Extras"_s << u"MENUPAGE|TASK_PAGE12|Extras 12|"_s << u"13"_s;
        QTest::newRow("nine") << u"9"_s << u"A"_s << u"MENUPAGE|TASK_PAGE9|A 9|"_s << u"10"_s;
        QTest::newRow("empty field") << QString() << u"T"_s << u"MENUPAGE|TASK_PAGE|T |"_s << u"1"_s;
        QTest::newRow("empty title") << u"1"_s << QString() << u"MENUPAGE|TASK_PAGE1| 1|"_s << u"2"_s;
        QTest::newRow("letter") << u"x"_s << u"T"_s << u"MENUPAGE|TASK_PAGEx|T x|"_s << u"1"_s;
        QTest::newRow("digits then text") << u"3b"_s << u"T"_s << u"MENUPAGE|TASK_PAGE3b|T 3b|"_s << u"4"_s;
        QTest::newRow("leading zeros") << u"007"_s << u"T"_s << u"MENUPAGE|TASK_PAGE007|T 007|"_s << u"8"_s;
        QTest::newRow("huge") << u"99999999999999999999"_s << u"T"_s
                              << u"MENUPAGE|TASK_PAGE99999999999999999999|T 99999999999999999999|"_s
                              << u"100000000000000000000"_s;
        QTest::newRow("comma and bar kept") << u"2"_s << u"a,b|c"_s << u"MENUPAGE|TASK_PAGE2|a,b|c 2|"_s << u"3"_s;
    }

    void pageHeaders()
    {
        QFETCH(QString, page);
        QFETCH(QString, title);
        QFETCH(QString, record);
        QFETCH(QString, nextPage);
        QCOMPARE(MenuRecords::pageHeader(page, title), record);
        QCOMPARE(PageNumber::next(page), nextPage);
    }

    void leadingValueSaturates()
    {
        QCOMPARE(PageNumber::leadingValue(u"7|"), 7);
        QCOMPARE(PageNumber::leadingValue(u" 12"), 12);
        QCOMPARE(PageNumber::leadingValue(u"|1"), 0);
        QCOMPARE(PageNumber::leadingValue(u"99999999999999999999"), INT_MAX);
    }

    void buttonItems()
    {
        QCOMPARE(MenuRecords::itemForButton(u"navigate_to"_s, u"4"_s), u"MENUITEM|TASK_NAVIGATE_TO|"_s);
        QCOMPARE(MenuRecords::itemForButton(u"page"_s, u"2"_s), u"MENUITEM|TASK_PAGE2|"_s);
        QCOMPARE(MenuRecords::itemForButton(u"page"_s, QString()), u"MENUITEM|TASK_PAGE|"_s);
        // Only the exact lower-case name turns pages.
        QCOMPARE(MenuRecords::itemForButton(u"Page"_s, u"2"_s), u"MENUITEM|TASK_PAGE|"_s);
        QCOMPARE(MenuRecords::itemForButton(u"grüße"_s, u"2"_s), u"MENUITEM|TASK_GRÜSSE|"_s);
    }

    void tooltips()
    {
        QCOMPARE(MenuRecords::buttonTooltip(7, u"navigate_to"_s), u"007 navigate_to"_s);
        QCOMPARE(MenuRecords::buttonTooltip(100, u"page"_s), u"100 page"_s);
        QCOMPARE(MenuRecords::commandFromTooltip(u"005 about"_s), u"about"_s);
    }
};

QTEST_GUILESS_MAIN(TestMenuRecords)
#include "tst_menurecords.moc"
