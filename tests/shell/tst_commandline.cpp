#include "commandline/CommandLine.h"
#include "TestFolder.h"

#include <QTest>

using namespace Qt::StringLiterals;
using Command = CommandLine::Command;

namespace {

CommandLine parsed(const QStringList &arguments)
{
    return CommandLine::parse(QStringList{u"qd5tastwerk"_s} + arguments);
}

} // namespace

class TestCommandLine : public QObject
{
    Q_OBJECT

private slots:
    void commandAndWhetherItNeedsAWindow_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<Command>("command");
        QTest::addColumn<bool>("needsWindow");
        QTest::newRow("nothing") << QStringList() << Command::OpenWindow << true;
        QTest::newRow("a file") << QStringList{u"menu.mnu"_s} << Command::OpenWindow << true;
        QTest::newRow("--help") << QStringList{u"--help"_s} << Command::ShowHelp << false;
        QTest::newRow("-h") << QStringList{u"-h"_s} << Command::ShowHelp << false;
        QTest::newRow("-help") << QStringList{u"-help"_s} << Command::ShowHelp << false;
        QTest::newRow("--version") << QStringList{u"--version"_s} << Command::ShowVersion << false;
        QTest::newRow("-v") << QStringList{u"-v"_s} << Command::ShowVersion << false;
        QTest::newRow("help with a file") << QStringList{u"menu.mnu"_s, u"--help"_s} << Command::ShowHelp << false;
        QTest::newRow("help before version") << QStringList{u"--version"_s, u"--help"_s} << Command::ShowHelp << false;
        QTest::newRow("unknown option") << QStringList{u"--farbe"_s} << Command::Refuse << false;
        QTest::newRow("unknown option beside help") << QStringList{u"--help"_s, u"-x"_s} << Command::Refuse << false;
        QTest::newRow("value given to help") << QStringList{u"--help=ja"_s} << Command::Refuse << false;
        QTest::newRow("help after -- is a file") << QStringList{u"--"_s, u"--help"_s} << Command::OpenWindow << true;
    }

    void commandAndWhetherItNeedsAWindow()
    {
        QFETCH(QStringList, arguments);
        QFETCH(Command, command);
        QFETCH(bool, needsWindow);
        const CommandLine line = parsed(arguments);
        QCOMPARE(line.command, command);
        QCOMPARE(line.needsWindow(), needsWindow);
    }

    void fileNames_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("menuFile"); // below the current folder
        QTest::addColumn<QStringList>("ignored");
        QTest::newRow("none") << QStringList() << QString() << QStringList();
        QTest::newRow("blanks and umlauts")
            << QStringList{u"Menüs/mein Menü.mnu"_s} << u"Menüs/mein Menü.mnu"_s << QStringList();
        QTest::newRow("leading dash after --") << QStringList{u"--"_s, u"-alt.mnu"_s} << u"-alt.mnu"_s << QStringList();
        QTest::newRow("a lone dash") << QStringList{u"-"_s} << u"-"_s << QStringList();
        QTest::newRow("the first of three")
            << QStringList{u"a.mnu"_s, u"b.mnu"_s, u"c d.mnu"_s} << u"a.mnu"_s << QStringList{u"b.mnu"_s, u"c d.mnu"_s};
    }

    void fileNames()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, menuFile);
        QFETCH(QStringList, ignored);
        TestFolder folder;
        const CommandLine line = parsed(arguments);
        // Absolute, because opening the file moves the current directory.
        QCOMPARE(line.menuFile, menuFile.isEmpty() ? QString() : QDir::currentPath() + u'/' + menuFile);
        QCOMPARE(line.ignoredFiles, ignored);
    }

    void anAbsoluteNameStaysAsItIs() { QCOMPARE(parsed({u"/srv/menüs/a.mnu"_s}).menuFile, u"/srv/menüs/a.mnu"_s); }

    void refusalNamesTheOptionAsTyped_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("refusal");
        QTest::newRow("two dashes") << QStringList{u"--farbe"_s} << u"Unbekannte Option „--farbe“."_s;
        QTest::newRow("one dash") << QStringList{u"-farbe"_s} << u"Unbekannte Option „-farbe“."_s;
        QTest::newRow("with a value") << QStringList{u"--farbe=rot"_s} << u"Unbekannte Option „--farbe“."_s;
        QTest::newRow("value for help") << QStringList{u"--help=ja"_s} << u"Die Option „--help“ nimmt keinen Wert."_s;
        QTest::newRow("check without a file")
            << QStringList{u"--check"_s} << u"Die Option „--check“ braucht einen Wert."_s;
        QTest::newRow("check with two files") << QStringList{u"--check"_s, u"a.mnu"_s, u"b.mnu"_s}
                                              << u"„--check“ prüft eine Datei; „b.mnu“ ist zu viel."_s;
        QTest::newRow("buttons without check")
            << QStringList{u"--buttons"_s, u"knöpfe"_s} << u"Die Option „--buttons“ gilt nur zusammen mit „--check“."_s;
    }

    void checkTakesItsFiles()
    {
        const CommandLine line =
            parsed({u"--check"_s, u"a.mnu"_s, u"--buttons"_s, u"knöpfe"_s, u"--vocabulary=w.dat"_s});
        QCOMPARE(line.command, CommandLine::Command::Check);
        QVERIFY(!line.needsWindow());
        QCOMPARE(line.checkFile, u"a.mnu"_s);
        QCOMPARE(line.buttonsFolder, u"knöpfe"_s);
        QCOMPARE(line.vocabularyFile, u"w.dat"_s);
    }

    void refusalNamesTheOptionAsTyped()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, refusal);
        QCOMPARE(parsed(arguments).refusal, refusal);
    }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
