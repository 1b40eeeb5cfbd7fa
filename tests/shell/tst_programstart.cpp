#include "commandline/CommandLine.h"
#include "files/FileTexts.h"
#include "MainWindow.h"
#include "ProgramStart.h"
#include "ScriptedDialogs.h"
#include "TestData.h"
#include "TestFolder.h"

#include <QAction>
#include <QTest>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <unistd.h>
#endif

using namespace Qt::StringLiterals;

namespace {

// The window as main() starts it, with `arguments` after the program's name.
struct Start
{
    explicit Start(const QStringList &arguments)
        : commandLine(CommandLine::parse(QStringList{u"qd5tastwerk"_s} + arguments))
    {
    }

    void run() { ProgramStart::show(window, dialogs, commandLine); }

    ScriptedDialogs dialogs;
    MainWindow window{dialogs};
    CommandLine commandLine;
};

QByteArray menuBytes()
{
    return TestData::WorkedExample.join(u"\r\n"_s).toLatin1() + "\r\n";
}

} // namespace

class TestProgramStart : public QObject
{
    Q_OBJECT

private slots:
    void fileArgumentIsOpenedAsOpenWould()
    {
        TestFolder folder;
        folder.write(u"Menüs/-mein Menü.mnu"_s, menuBytes());
        QDir(folder.path()).mkdir(u"anderswo"_s);
        Start start({u"--"_s, u"Menüs/-mein Menü.mnu"_s});
        start.run();
        QVERIFY(start.window.isVisible());
        QCOMPARE(start.window.state().recordList.entries(), TestData::WorkedExample);
        QCOMPARE(start.dialogs.shown.size(), 0);
        // Like a file chosen in the dialog: the next "&Öffnen" starts in its folder.
        QDir::setCurrent(folder.filePath(u"anderswo"_s));
        start.dialogs.cancelFileDialog();
        start.window.findChild<QAction *>(u"mnuDLaden"_s)->trigger();
        QCOMPARE(start.dialogs.shown.constLast().currentDirectory, folder.filePath(u"Menüs"_s));
        QCOMPARE(start.dialogs.unexpected, 0);
    }

    void badFileArgumentGivesTheOpenMessage_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("message");
        QTest::newRow("missing") << u"fehlt.mnu"_s << FileTexts::readError();
        QTest::newRow("folder") << u"ordner.mnu"_s
                                << u"Fehler beim Öffnen der Datei.\r\n\r\n"
                                   u"Das ist keine gewöhnliche Datei, sondern ein Ordner, ein Gerät oder eine Pipe."_s;
        QTest::newRow("not a menu") << u"bild.mnu"_s
                                    << u"Fehler beim Öffnen der Datei.\r\n\r\n"
                                       u"Die Datei enthält Nullbytes und ist keine Textdatei."_s;
#ifdef Q_OS_UNIX
        QTest::newRow("pipe") << u"pipe.mnu"_s
                              << u"Fehler beim Öffnen der Datei.\r\n\r\n"
                                 u"Das ist keine gewöhnliche Datei, sondern ein Ordner, ein Gerät oder eine Pipe."_s;
        QTest::newRow("unreadable") << u"gesperrt.mnu"_s << FileTexts::readError();
#endif
    }

    void badFileArgumentGivesTheOpenMessage()
    {
        QFETCH(QString, name);
        QFETCH(QString, message);
        TestFolder folder;
        QDir(folder.path()).mkdir(u"ordner.mnu"_s);
        folder.write(u"bild.mnu"_s, QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16));
        const QString locked = folder.write(u"gesperrt.mnu"_s, menuBytes());
        QFile::setPermissions(locked, {});
        Start start({name});
#ifdef Q_OS_UNIX
        // Anyone may open the pipe, so that only the program's own care keeps it from waiting for a writer.
        const QByteArray pipe = QFile::encodeName(folder.filePath(u"pipe.mnu"_s));
        QCOMPARE(mkfifo(pipe.constData(), 0666), 0);
        QCOMPARE(chmod(pipe.constData(), 0666), 0);
        // Root reads any file: the start runs as "nobody" then.
        QFile::setPermissions(folder.path(), QFile::permissions(folder.path()) | QFile::ExeGroup | QFile::ExeOther);
        const bool root = geteuid() == 0;
        QVERIFY2(!root || seteuid(65534) == 0, "running as root and cannot act as another user");
#endif
        start.run();
#ifdef Q_OS_UNIX
        QVERIFY(!root || seteuid(0) == 0);
#endif
        QVERIFY(start.window.isVisible());
        QCOMPARE(start.dialogs.messages(), QStringList{message});
        QCOMPARE(start.dialogs.shown.constFirst().title, u"Quonda .mnu Öffnen"_s);
        QCOMPARE(start.dialogs.shown.constFirst().icon, UserDialogs::Icon::None);
        QCOMPARE(start.window.state().recordList.entries(), QStringList());
    }

    void furtherFilesAreNamedAsIgnored()
    {
        TestFolder folder;
        folder.write(u"a.mnu"_s, menuBytes());
        Start start({u"a.mnu"_s, u"b.mnu"_s, u"c d.mnu"_s});
        start.run();
        QCOMPARE(start.window.state().recordList.entries(), TestData::WorkedExample);
        QCOMPARE(start.dialogs.messages(),
                 QStringList{u"Beim Start wird nur eine Datei geöffnet. Nicht geöffnet:\r\n\r\nb.mnu\r\nc d.mnu"_s});
        QCOMPARE(start.dialogs.shown.constFirst().icon, UserDialogs::Icon::Information);
    }
};

QTEST_MAIN(TestProgramStart)
#include "tst_programstart.moc"
