// The command line as read, and the window's start with a file argument.

#include "commandline/CommandLine.h"
#include "Desk.h"
#include "ProgramStart.h"
#include "TestData.h"

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <unistd.h>
#endif

using namespace Qt::StringLiterals;
using Command = CommandLine::Command;

namespace {

// The window as main() starts it, with `arguments` after the program's name.
void start(Desk &desk, const QStringList &arguments)
{
    ProgramStart::show(desk.window, desk.dialogs, CommandLine::parse(QStringList{u"qd5tastwerk"_s} + arguments));
}

const QByteArray MenuBytes = TestData::WorkedExample.join(u"\r\n"_s).toLatin1() + "\r\n";

} // namespace

class TestCommandLine : public QObject
{
    Q_OBJECT

private slots:
    // Only the window needs a display. The menu file is made absolute,
    // because opening it moves the current directory; the files after the
    // first are furtherFilesAreNamedAsIgnored's.
    void commandFileAndRefusal_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<Command>("command");
        QTest::addColumn<QString>("menuFile"); // below the current folder unless absolute
        QTest::addColumn<QString>("refusal");
        const QString none;
        const auto row = [](const char *name, const QStringList &arguments, Command command,
                            const QString &menuFile = {}, const QString &refusal = {}) {
            QTest::newRow(name) << arguments << command << menuFile << refusal;
        };
        row("nothing", {}, Command::OpenWindow);
        row("a file with blanks and umlauts", {u"Menüs/mein Menü.mnu"_s}, Command::OpenWindow,
            u"Menüs/mein Menü.mnu"_s);
        row("an absolute file as it is", {u"/srv/menüs/a.mnu"_s}, Command::OpenWindow, u"/srv/menüs/a.mnu"_s);
        row("a lone dash is a file", {u"-"_s}, Command::OpenWindow, u"-"_s);
        row("leading dash after --", {u"--"_s, u"-alt.mnu"_s}, Command::OpenWindow, u"-alt.mnu"_s);
        row("help after -- is a file", {u"--"_s, u"--help"_s}, Command::OpenWindow, u"--help"_s);
        row("--help", {u"--help"_s}, Command::ShowHelp);
        row("-h", {u"-h"_s}, Command::ShowHelp);
        row("-help", {u"-help"_s}, Command::ShowHelp);
        row("--version", {u"--version"_s}, Command::ShowVersion);
        row("-v", {u"-v"_s}, Command::ShowVersion);
        row("help with a file", {u"menu.mnu"_s, u"--help"_s}, Command::ShowHelp);
        row("help before version", {u"--version"_s, u"--help"_s}, Command::ShowHelp);
        row("unknown option", {u"--farbe"_s}, Command::Refuse, none, u"Unbekannte Option „--farbe“."_s);
        row("unknown option, one dash", {u"-farbe"_s}, Command::Refuse, none, u"Unbekannte Option „-farbe“."_s);
        row("unknown option with a value", {u"--farbe=rot"_s}, Command::Refuse, none,
            u"Unbekannte Option „--farbe“."_s);
        row("unknown option beside help", {u"--help"_s, u"-x"_s}, Command::Refuse, none, u"Unbekannte Option „-x“."_s);
        row("value given to help", {u"--help=ja"_s}, Command::Refuse, none,
            u"Die Option „--help“ nimmt keinen Wert."_s);
        row("check without a file", {u"--check"_s}, Command::Refuse, none,
            u"Die Option „--check“ braucht einen Wert."_s);
        row("check with two files", {u"--check"_s, u"a.mnu"_s, u"b.mnu"_s}, Command::Refuse, none,
            u"„--check“ prüft eine Datei; „b.mnu“ ist zu viel."_s);
        row("buttons without check", {u"--buttons"_s, u"knöpfe"_s}, Command::Refuse, none,
            u"Die Option „--buttons“ gilt nur zusammen mit „--check“."_s);
    }

    void commandFileAndRefusal()
    {
        QFETCH(QStringList, arguments);
        QFETCH(Command, command);
        QFETCH(QString, menuFile);
        QFETCH(QString, refusal);
        TestFolder folder;
        const CommandLine line = CommandLine::parse(QStringList{u"qd5tastwerk"_s} + arguments);
        QCOMPARE(line.command, command);
        QCOMPARE(line.needsWindow(), command == Command::OpenWindow);
        const bool relative = !menuFile.isEmpty() && !menuFile.startsWith(u'/');
        QCOMPARE(line.menuFile, relative ? QDir::currentPath() + u'/' + menuFile : menuFile);
        QCOMPARE(line.refusal, refusal);
    }

    void checkTakesItsFiles()
    {
        const CommandLine line = CommandLine::parse(
            {u"qd5tastwerk"_s, u"--check"_s, u"a.mnu"_s, u"--buttons"_s, u"knöpfe"_s, u"--vocabulary=w.dat"_s});
        QCOMPARE(line.command, Command::Check);
        QVERIFY(!line.needsWindow());
        QCOMPARE(line.checkFile, u"a.mnu"_s);
        QCOMPARE(line.buttonsFolder, u"knöpfe"_s);
        QCOMPARE(line.vocabularyFile, u"w.dat"_s);
    }

    void fileArgumentIsOpenedAsOpenWould()
    {
        Desk desk;
        desk.folder.write(u"Menüs/-mein Menü.mnu"_s, MenuBytes);
        QDir(desk.folder.path()).mkdir(u"anderswo"_s);
        start(desk, {u"--"_s, u"Menüs/-mein Menü.mnu"_s});
        QVERIFY(desk.window.isVisible());
        QCOMPARE(desk.state.recordList.entries(), TestData::WorkedExample);
        QCOMPARE(desk.dialogs.shown.size(), 0);
        // Like a file chosen in the dialog: the next "&Öffnen" starts in its folder.
        QDir::setCurrent(desk.folder.filePath(u"anderswo"_s));
        desk.dialogs.cancelFileDialog();
        desk.trigger(u"mnuDLaden"_s);
        QCOMPARE(desk.dialogs.shown.constLast().currentDirectory, desk.folder.filePath(u"Menüs"_s));
        QCOMPARE(desk.dialogs.unexpected, 0);
    }

    void badFileArgumentGivesTheOpenMessage_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("message");
        const QString notAFile = u"Fehler beim Öffnen der Datei.\r\n\r\n"
                                 u"Das ist keine gewöhnliche Datei, sondern ein Ordner, ein Gerät oder eine Pipe."_s;
        QTest::newRow("missing") << u"fehlt.mnu"_s << u"Fehler beim Öffnen der Datei."_s;
        QTest::newRow("folder") << u"ordner.mnu"_s << notAFile;
        QTest::newRow("not a menu") << u"bild.mnu"_s
                                    << u"Fehler beim Öffnen der Datei.\r\n\r\n"
                                       u"Die Datei enthält Nullbytes und ist keine Textdatei."_s;
#ifdef Q_OS_UNIX
        QTest::newRow("pipe") << u"pipe.mnu"_s << notAFile;
        QTest::newRow("unreadable") << u"gesperrt.mnu"_s << u"Fehler beim Öffnen der Datei."_s;
#endif
    }

    void badFileArgumentGivesTheOpenMessage()
    {
        QFETCH(QString, name);
        QFETCH(QString, message);
        Desk desk;
        QDir(desk.folder.path()).mkdir(u"ordner.mnu"_s);
        desk.folder.write(u"bild.mnu"_s, QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16));
        QFile::setPermissions(desk.folder.write(u"gesperrt.mnu"_s, MenuBytes), {});
#ifdef Q_OS_UNIX
        // Anyone may open the pipe, so that only the program's own care keeps it from waiting for a writer.
        const QByteArray pipe = QFile::encodeName(desk.folder.filePath(u"pipe.mnu"_s));
        QCOMPARE(mkfifo(pipe.constData(), 0666), 0);
        QCOMPARE(chmod(pipe.constData(), 0666), 0);
        // Root reads any file: the start runs as "nobody" then.
        QFile::setPermissions(desk.folder.path(),
                              QFile::permissions(desk.folder.path()) | QFile::ExeGroup | QFile::ExeOther);
        const bool root = geteuid() == 0;
        QVERIFY2(!root || seteuid(65534) == 0, "running as root and cannot act as another user");
#endif
        start(desk, {name});
#ifdef Q_OS_UNIX
        QVERIFY(!root || seteuid(0) == 0);
#endif
        QVERIFY(desk.window.isVisible());
        QCOMPARE(desk.dialogs.messages(), QStringList{message});
        QCOMPARE(desk.dialogs.shown.constFirst().title, u"Quonda .mnu Öffnen"_s);
        QCOMPARE(desk.dialogs.shown.constFirst().icon, UserDialogs::Icon::None);
        QCOMPARE(desk.state.recordList.entries(), QStringList());
    }

    void furtherFilesAreNamedAsIgnored()
    {
        Desk desk;
        desk.folder.write(u"a.mnu"_s, MenuBytes);
        start(desk, {u"a.mnu"_s, u"b.mnu"_s, u"c d.mnu"_s});
        QCOMPARE(desk.state.recordList.entries(), TestData::WorkedExample);
        QCOMPARE(desk.dialogs.messages(),
                 QStringList{u"Beim Start wird nur eine Datei geöffnet. Nicht geöffnet:\r\n\r\nb.mnu\r\nc d.mnu"_s});
        QCOMPARE(desk.dialogs.shown.constFirst().icon, UserDialogs::Icon::Information);
    }
};

QTEST_MAIN(TestCommandLine)
#include "tst_commandline.moc"
