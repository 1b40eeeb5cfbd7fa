// Faults while saving: a save that is killed, a full disk, a read-only
// folder and a folder removed after the dialog. The old file stays whole,
// the write error is reported, and the list with its flag is kept.

#include "files/EntryFileFormat.h"
#include "files/FileCommands.h"
#include "files/FileTexts.h"
#include "LargeMenu.h"
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

using namespace Qt::StringLiterals;
using Outcome = SaveProcedure::Outcome;

namespace {

const QStringList OldMenu = {u"MENUBLOCK|BLOCK_MAIN|BTM_GPS_POSITION|"_s, u"MENUPAGE|TASK_PAGE1|Alt 1|"_s};

QByteArray bytesOf(const QStringList &entries)
{
    return EntryFileFormat::encode(entries).bytes;
}

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

// The program's "&Speichern" over the large menu, with the dialog scripted.
struct Saving
{
    ProgramState state;
    VanishingFolderDialogs dialogs;
    FileCommands commands{state, dialogs};

    explicit Saving(const QStringList &entries = LargeMenu::First)
    {
        state.recordList.setEntries(entries);
        state.recordListModified = true;
    }

    Outcome saveAs(const QString &path)
    {
        dialogs.chooseFile(path);
        if (QFileInfo(path).isFile())
            dialogs.answer(UserDialogs::Answer::Yes);
        return commands.saveMenuFile();
    }

    // The write failed, said so, and nothing of the list was given up; the
    // old file, if there is one, is whole and nothing is left beside it.
    void verifyFailed(Outcome outcome, const QString &oldFile = {}) const
    {
        QCOMPARE(outcome, Outcome::Failed);
        QCOMPARE(dialogs.messages().last(), FileTexts::writeError());
        QCOMPARE(state.recordList.entries(), LargeMenu::First);
        QVERIFY(state.recordListModified);
        if (oldFile.isEmpty())
            return;
        QFile file(oldFile);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), bytesOf(OldMenu));
        const QFileInfo info(oldFile);
        QCOMPARE(info.dir().entryList(QDir::Files | QDir::Hidden), QStringList{info.fileName()});
    }
};

} // namespace

class TestSaveFaults : public QObject
{
    Q_OBJECT

private slots:
    void killedWhileSaving()
    {
        // QProcess::kill() ends the helper as abruptly on every system:
        // SIGKILL on Unix, TerminateProcess on Windows.
        TestFolder folder;
        const QByteArray first = bytesOf(LargeMenu::First);
        const QByteArray second = bytesOf(LargeMenu::Second);
        const QString path = folder.write(u"menu.mnu"_s, first);
        QRandomGenerator random(9);
        for (int round = 0; round < 10; ++round) {
            QProcess helper;
            helper.start(QStringLiteral(SAVEFAULTS_HELPER), {path});
            QVERIFY(helper.waitForStarted());
            QVERIFY(helper.waitForReadyRead());
            // Somewhere in the first few saves: before, inside or between
            // writes, or in the rename that ends one.
            QThread::msleep(random.bounded(250));
            QCOMPARE(helper.state(), QProcess::Running);
            helper.kill();
            QVERIFY(helper.waitForFinished());
            const QByteArray now = folder.read(u"menu.mnu"_s);
            QVERIFY2(now == first || now == second, qPrintable(u"round %1: %2 bytes"_s.arg(round).arg(now.size())));
        }

        // Whatever a killed save left behind does not stand in the way of the next one.
        Saving saving(OldMenu);
        QCOMPARE(saving.saveAs(path), Outcome::Saved);
        QCOMPARE(folder.read(u"menu.mnu"_s), bytesOf(OldMenu));
    }

    void fullDisk()
    {
#ifdef Q_OS_UNIX
        // The device itself: every write to it fails for want of space.
        Saving device;
        device.verifyFailed(device.saveAs(u"/dev/full"_s));

        // A disk that fills up halfway through the new file, played by a
        // file size limit of 64 KiB for this process.
        TestFolder folder;
        const QString path = folder.write(u"menu.mnu"_s, bytesOf(OldMenu));
        rlimit previous{};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &previous), 0);
        const rlimit limited{64 * 1024, previous.rlim_max};
        const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &limited), 0);
        Saving saving;
        const Outcome outcome = saving.saveAs(path);
        setrlimit(RLIMIT_FSIZE, &previous);
        std::signal(SIGXFSZ, previousHandler);
        saving.verifyFailed(outcome, path);
#else
        QFAIL("no /dev/full and no file size limit here: a full disk cannot be played");
#endif
    }

    void readOnlyFolder()
    {
#ifdef Q_OS_UNIX
        TestFolder folder;
        const QString path = folder.write(u"locked/menu.mnu"_s, bytesOf(OldMenu));
        const QString locked = folder.filePath(u"locked"_s);
        const auto open = QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther;
        QFile::setPermissions(folder.path(), open | QFile::WriteOwner);
        QFile::setPermissions(locked, open);
        // Root may write anywhere: the save runs as "nobody" then.
        const bool root = geteuid() == 0;
        if (root && seteuid(65534) != 0)
            QFAIL("running as root, and cannot act as another user: permissions do not apply");
        Saving saving;
        const Outcome outcome = saving.saveAs(path);
        QVERIFY(!root || seteuid(0) == 0);
        QFile::setPermissions(locked, open | QFile::WriteOwner);
        saving.verifyFailed(outcome, path);
#else
        QFAIL("a folder cannot be made read-only for its owner here");
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

QTEST_GUILESS_MAIN(TestSaveFaults)
#include "tst_savefaults.moc"
