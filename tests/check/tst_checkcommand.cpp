// "--check": the menu checker on the command line, as the function the
// program calls; tst_programrun runs it in the built program.

#include "check/CheckCommand.h"
#include "TestData.h"
#include "TestFolder.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// Windows-1252 and CR LF, as the program saves a menu.
QByteArray menuFile(const QStringList &records)
{
    QByteArray bytes;
    for (const QString &record : records) {
        Windows1252Codec::appendEncoded(record, bytes);
        bytes += "\r\n";
    }
    return bytes;
}

// Two mistakes: a page turn to a page that does not exist, and a command
// without a picture in the button folder; "Zielführung ö" checks that the
// output is UTF-8 whatever the file was.
const QByteArray BadMenu = menuFile({
    u"MENUBLOCK|BLOCK_MAIN|BTM_GPS_POSITION|"_s,
    u"MENUPAGE|TASK_PAGE1|Zielführung 1|"_s,
    u"MENUITEM|TASK_NAVIGATE_TO|"_s,
    u"MENUITEM|TASK_NO_SUCH_BUTTON|"_s,
    u"MENUITEM|TASK_PAGE2|"_s,
    u"MENUITEM|TASK_PAGE1|"_s,
});

QString expectedFindings(const QString &path)
{
    return path + u":4: Warnung: Zum Befehl NO_SUCH_BUTTON gibt es im Button-Ordner kein Bild.\n"_s + path
           + u":4: Warnung: Zum Befehl NO_SUCH_BUTTON gibt es im Vokabular keine Beschriftung.\n"_s + path
           + u":5: Fehler: Das Umblättern führt zu Seite 2, die es nicht gibt.\n"_s;
}

struct Run
{
    int exitCode = -1;
    QString out;
    QString err;
};

Run runCheck(const QString &menu, const QString &buttons, const QString &vocabulary)
{
    Run run;
    QTextStream out(&run.out);
    QTextStream err(&run.err);
    run.exitCode = CheckCommand::run(menu, buttons, vocabulary, out, err);
    return run;
}

} // namespace

class TestCheckCommand : public QObject
{
    Q_OBJECT

private slots:
    void printsOneLinePerFinding()
    {
        TestFolder folder;
        const QString path = folder.write(u"bad.mnu"_s, BadMenu);
        const Run run = runCheck(path, TestData::sourcePath(u"data/buttons"_s), {});
        QCOMPARE(run.out, expectedFindings(path));
        QCOMPARE(run.err, QString());
    }

    // A finding about the whole file names no line.
    void emptyMenuNamesNoLine()
    {
        TestFolder folder;
        const QString path = folder.write(u"leer.mnu"_s, {});
        QCOMPARE(runCheck(path, {}, {}).out, path + u": Fehler: Das Menü ist leer.\n"_s);
    }

    void exitCode_data()
    {
        QTest::addColumn<QByteArray>("menu");
        QTest::addColumn<QString>("buttons");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("err");

        const QString buttons = TestData::sourcePath(u"data/buttons"_s);
        const QByteArray good = menuFile(TestData::WorkedExample);
        QTest::newRow("no errors") << good << buttons << 0 << QString();
        // Warnings alone are no reason to fail.
        QTest::newRow("only warnings") << menuFile(
            {TestData::WorkedExample.mid(0, 2) + QStringList{u"MENUITEM|TASK_MY_OWN|"_s, u"MENUITEM|TASK_PAGE1|"_s}})
                                       << QString() << 0 << QString();
        QTest::newRow("errors") << BadMenu << buttons << 1 << QString();
        QTest::newRow("not a text file")
            << QByteArray("MENU\0BLOCK\r\n", 12) << buttons << 2
            << u"%1: Fehler: Fehler beim Öffnen der Datei. Die Datei enthält Nullbytes und ist "
               u"keine Textdatei.\n"_s;
        QTest::newRow("no such button folder")
            << good << u"/no/such/folder"_s << 2 << u"/no/such/folder: Fehler: Den Button-Ordner gibt es nicht.\n"_s;
    }

    void exitCode()
    {
        QFETCH(QByteArray, menu);
        QFETCH(QString, buttons);
        QFETCH(int, exitCode);
        QFETCH(QString, err);

        TestFolder folder;
        const QString path = folder.write(u"menu.mnu"_s, menu);
        const Run run = runCheck(path, buttons, {});
        QCOMPARE(run.exitCode, exitCode);
        QCOMPARE(run.err, err.arg(path));
    }

    void usesTheGivenVocabulary()
    {
        TestFolder folder;
        const QString path = folder.write(u"menu.mnu"_s, menuFile(TestData::WorkedExample));
        const QString vocabulary =
            folder.write(u"words.dat"_s, menuFile({TestData::vocabularyLine(u"navigate_to"_s, u"Los"_s)}));
        const Run run = runCheck(path, {}, vocabulary);
        QCOMPARE(run.exitCode, 0);
        // Every command but navigate_to lacks its caption now.
        QCOMPARE(run.out.count(u"Vokabular keine Beschriftung"_s), 8);
        QVERIFY(!run.out.contains(u"NAVIGATE_TO"_s));
    }
};

QTEST_GUILESS_MAIN(TestCheckCommand)
#include "tst_checkcommand.moc"
