// Faults while saving: a save that is killed, a full disk, a read-only
// folder and a folder removed after the dialog. The old file stays whole,
// the write error is reported, and the list with its flag is kept.

#include "files/EntryFileFormat.h"
#include "files/FileCommands.h"
#include "files/FileTexts.h"
#include "model/ProgramState.h"
#include "ScriptedDialogs.h"
#include "TestFolder.h"

#include <QProcess>
#include <QRandomGenerator>
#include <QTest>
#include <QThread>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#include <unistd.h>
#endif

#include <cstdio>

using namespace Qt::StringLiterals;
using Outcome = SaveProcedure::Outcome;

namespace {

const QStringList OldMenu = {u"MENUBLOCK|BLOCK_MAIN|BTM_GPS_POSITION|"_s, u"MENUPAGE|TASK_PAGE1|Alt 1|"_s};

QByteArray bytesOf(const QStringList &entries)
{
    return EntryFileFormat::encode(entries).bytes;
}

QStringList largeMenu(QChar variant, int records)
{
    QStringList list{u"MENUBLOCK|BLOCK_MAIN|BTM_GPS_POSITION|"_s};
    for (int record = 1; record <= records; ++record)
        list << u"MENUITEM|TASK_%1_%2|"_s.arg(variant).arg(record, 6, 10, QChar(u'0'));
    return list;
}

// The two menus a killed save writes over each other: different lengths and
// texts, so that any mix of the two is told apart from both.
const QStringList First = largeMenu(u'A', 80000);
const QStringList Second = largeMenu(u'B', 90000);

// Removes the folder of the chosen file right after the dialog, when asked to.
struct VanishingFolderDialogs : ScriptedDialogs
{
    bool vanish = false;

    std::optional<QString> saveFileName(const FileRequest &request) override
    {
        const std::optional<QString> chosen = ScriptedDialogs::saveFileName(request);
        if (chosen && vanish)
            QFileInfo(*chosen).dir().removeRecursively();
        return chosen;
    }
};

// The program's "&Speichern" with the dialog scripted.
struct Saving
{
    ProgramState state;
    VanishingFolderDialogs dialogs;
    FileCommands commands{state, dialogs};
    QStringList entries;

    explicit Saving(const QStringList &list = First)
        : entries(list)
    {
        state.recordList.setEntries(entries);
        state.recordListModified = true;
    }

    Outcome saveAs(const QString &path)
    {
        dialogs.chooseFile(path);
        if (QFileInfo::exists(path) && !QFileInfo(path).isDir())
            dialogs.answer(UserDialogs::Answer::Yes);
        return commands.saveMenuFile();
    }

    // The write failed, said so, and nothing of the list was given up; the
    // old file, if there is one, is whole and nothing is left beside it but
    // what was there before.
    void verifyFailed(Outcome outcome, const QString &oldFile = {}, const QStringList &alsoThere = {}) const
    {
        QCOMPARE(outcome, Outcome::Failed);
        QCOMPARE(dialogs.messages().last(), FileTexts::writeError());
        QCOMPARE(state.recordList.entries(), entries);
        QVERIFY(state.recordListModified);
        if (oldFile.isEmpty())
            return;
        QFile file(oldFile);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), bytesOf(OldMenu));
        const QFileInfo info(oldFile);
        QStringList expected = alsoThere + QStringList{info.fileName()};
        expected.sort();
        QCOMPARE(info.dir().entryList(QDir::Files | QDir::Hidden, QDir::Name), expected);
    }
};

// Run as `tst_savefaults --keep-saving FILE`: saves the two large menus over
// one file by turns, with the program's own "&Speichern", until killed.
int keepSaving(const QString &path)
{
    ProgramState state;
    ScriptedDialogs dialogs;
    FileCommands commands(state, dialogs);
    std::puts("saving");
    std::fflush(stdout);
    for (int turn = 0;; turn = 1 - turn) {
        state.recordList.setEntries(turn == 0 ? Second : First);
        dialogs.chooseFile(path);
        dialogs.answer(UserDialogs::Answer::Yes);
        if (commands.saveMenuFile() != Outcome::Saved)
            return 1;
        dialogs.shown.clear();
    }
}

#ifdef Q_OS_UNIX
// For root, as whom permissions do not hold: acting as "nobody", really and
// effectively, and back; root stays the saved user to come back to.
bool actAsNobody(bool nobody)
{
#ifdef Q_OS_LINUX
    if (nobody)
        return setresgid(65534, 65534, 0) == 0 && setresuid(65534, 65534, 0) == 0;
    return setresuid(0, 0, 0) == 0 && setresgid(0, 0, 0) == 0;
#else
    Q_UNUSED(nobody);
    return false;
#endif
}
#endif

} // namespace

class TestSaveFaults : public QObject
{
    Q_OBJECT

private slots:
    void killedWhileSaving()
    {
        // QProcess::kill() ends the saving process as abruptly on every
        // system: SIGKILL on Unix, TerminateProcess on Windows.
        TestFolder folder;
        const QString path = folder.write(u"menu.mnu"_s, bytesOf(First));
        QRandomGenerator random(9);
        for (int round = 0; round < 10; ++round) {
            QProcess saver;
            saver.start(QCoreApplication::applicationFilePath(), {u"--keep-saving"_s, path});
            QVERIFY(saver.waitForStarted());
            QVERIFY(saver.waitForReadyRead());
            // Somewhere in the first few saves: before, inside or between
            // writes, or in the rename that ends one.
            QThread::msleep(random.bounded(250));
            QCOMPARE(saver.state(), QProcess::Running);
            saver.kill();
            QVERIFY(saver.waitForFinished());
            const QByteArray now = folder.read(u"menu.mnu"_s);
            QVERIFY2(now == bytesOf(First) || now == bytesOf(Second),
                     qPrintable(u"round %1: %2 bytes"_s.arg(round).arg(now.size())));
        }

        // Whatever a killed save left behind does not stand in the way of the next one.
        Saving saving(OldMenu);
        QCOMPARE(saving.saveAs(path), Outcome::Saved);
        QCOMPARE(folder.read(u"menu.mnu"_s), bytesOf(OldMenu));
    }

    // Every write to the device fails for want of space.
    void fullDevice()
    {
#ifndef Q_OS_UNIX
        QFAIL("no /dev/full here");
#endif
        Saving device;
        device.verifyFailed(device.saveAs(u"/dev/full"_s));
    }

    // A disk with room for so many bytes more, played by a file size limit
    // for this process. The small files stay in Qt's write buffer until the
    // commit; the large one fills the disk halfway through.
    void fullDiskKeepsTheOldFile_data()
    {
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<int>("room");
        QTest::newRow("menu of two lines") << largeMenu(u'S', 1) << 0;
        QTest::newRow("menu just under the write buffer") << largeMenu(u'M', 600) << 0;
        QTest::newRow("menu larger than the disk") << largeMenu(u'L', 4000) << 64 * 1024;
    }

    void fullDiskKeepsTheOldFile()
    {
#ifndef Q_OS_UNIX
        QFAIL("no file size limit here: a full disk cannot be played");
#else
        QFETCH(QStringList, entries);
        QFETCH(int, room);
        TestFolder folder;
        const QString path = folder.write(u"old.mnu"_s, bytesOf(OldMenu));
        // Left by a save that was killed before its rename: not ours to remove.
        const QString leftover = u"old.mnu.Kx9q2Z"_s;
        folder.write(leftover, QByteArray(8000, 'x'));

        rlimit previous{};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &previous), 0);
        const rlimit limited{rlim_t(room), previous.rlim_max};
        const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &limited), 0);
        Saving saving(entries);
        const Outcome outcome = saving.saveAs(path);
        setrlimit(RLIMIT_FSIZE, &previous);
        std::signal(SIGXFSZ, previousHandler);
        saving.verifyFailed(outcome, path, {leftover});
#endif
    }

    // Saving atomically needs a new file beside the old one. A file that
    // may be written is written in place in a folder that takes no new
    // files; one that may not is left alone.
    void readOnlyFolder_data()
    {
        QTest::addColumn<bool>("fileWritable");
        QTest::newRow("read-only file: not written") << false;
        QTest::newRow("writable file: written in place") << true;
    }

    void readOnlyFolder()
    {
#ifndef Q_OS_UNIX
        QFAIL("needs Unix file permissions");
#else
        QFETCH(bool, fileWritable);
        TestFolder folder;
        const QString path = folder.write(u"locked/menu.mnu"_s, bytesOf(OldMenu));
        const QString locked = folder.filePath(u"locked"_s);
        const auto readable = QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther;
        const auto writable = QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther;
        const auto open = readable | QFile::ExeOwner | QFile::ExeGroup | QFile::ExeOther;
        QFile::setPermissions(folder.path(), open | QFile::WriteOwner);
        QFile::setPermissions(path, fileWritable ? readable | writable : readable);
        QFile::setPermissions(locked, open);
        // Root may write anywhere: the save runs as "nobody" then, really
        // and effectively, as Qt asks what the real user may write.
        const bool root = geteuid() == 0;
        QVERIFY2(!root || actAsNobody(true), "running as root, and cannot act as another user");
        Saving saving;
        const Outcome outcome = saving.saveAs(path);
        QVERIFY(!root || actAsNobody(false));
        QFile::setPermissions(locked, open | QFile::WriteOwner);
        if (!fileWritable) {
            saving.verifyFailed(outcome, path);
            return;
        }
        QCOMPARE(outcome, Outcome::Saved);
        QCOMPARE(folder.read(u"locked/menu.mnu"_s), bytesOf(First));
        QCOMPARE(QDir(locked).entryList(QDir::Files | QDir::Hidden), QStringList{u"menu.mnu"_s});
#endif
    }

    void folderRemovedAfterTheDialog()
    {
        TestFolder folder;
        Saving saving;
        saving.dialogs.vanish = true;
        saving.verifyFailed(saving.saveAs(folder.write(u"gone/menu.mnu"_s, bytesOf(OldMenu))));
        QVERIFY(!QFileInfo::exists(folder.filePath(u"gone"_s)));
        // The program carries on where the folder was.
        QCOMPARE(QDir::currentPath(), QDir(folder.path()).canonicalPath());
    }
};

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    if (argc == 3 && qstrcmp(argv[1], "--keep-saving") == 0)
        return keepSaving(QString::fromLocal8Bit(argv[2]));
    TestSaveFaults test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_savefaults.moc"
