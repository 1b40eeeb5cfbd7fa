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

namespace {

const QStringList OldMenu = {u"MENUBLOCK|BLOCK_MAIN|BTM_GPS_POSITION|"_s, u"MENUPAGE|TASK_PAGE1|Alt 1|"_s};

QByteArray bytesOf(const QStringList &entries)
{
    return EntryFileFormat::encode(entries).bytes;
}

// The program's "&Speichern" over one list, with the dialog scripted.
struct Saving
{
    ProgramState state;
    ScriptedDialogs dialogs;
    FileCommands commands{state, dialogs};

    explicit Saving(const QStringList &entries)
    {
        state.recordList.setEntries(entries);
        state.recordListModified = true;
    }

    SaveProcedure::Outcome saveAs(const QString &path, bool overwrite)
    {
        dialogs.chooseFile(path);
        if (overwrite)
            dialogs.answer(UserDialogs::Answer::Yes);
        return commands.saveMenuFile();
    }

    // The write failed, said so, and nothing of the list was given up.
    void verifyFailed(SaveProcedure::Outcome outcome, const QStringList &entries) const
    {
        QCOMPARE(outcome, SaveProcedure::Outcome::Failed);
        QCOMPARE(dialogs.messages().last(), FileTexts::writeError());
        QCOMPARE(dialogs.shown.last().title, FileTexts::saveTitle());
        QCOMPARE(state.recordList.entries(), entries);
        QVERIFY(state.recordListModified);
    }
};

// Removes the folder of the chosen file right after the dialog.
class VanishingFolderDialogs : public ScriptedDialogs
{
public:
    std::optional<QString> saveFileName(const FileRequest &request) override
    {
        const std::optional<QString> chosen = ScriptedDialogs::saveFileName(request);
        if (chosen)
            QFileInfo(*chosen).dir().removeRecursively();
        return chosen;
    }
};

} // namespace

class TestSaveFaults : public QObject
{
    Q_OBJECT

private slots:
    void killedWhileSaving()
    {
#ifndef Q_OS_UNIX
        QSKIP("SIGKILL is a Unix signal");
#endif
        TestFolder folder;
        const QByteArray first = bytesOf(LargeMenu::first());
        const QByteArray second = bytesOf(LargeMenu::second());
        const QString path = folder.write(u"menu.mnu"_s, first);

        QRandomGenerator random(9);
        QStringList completed;
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
            // The helper does nothing but save: every kill hits a save.
            completed << QString::number(helper.readAllStandardOutput().count("saved"));
        }
        qInfo("saves completed before each kill: %s", qPrintable(completed.join(u' ')));

        // Whatever a killed save left behind does not stand in the way of
        // the next one.
        Saving saving(OldMenu);
        QCOMPARE(saving.saveAs(path, true), SaveProcedure::Outcome::Saved);
        QCOMPARE(folder.read(u"menu.mnu"_s), bytesOf(OldMenu));
    }

    void fullDisk()
    {
#ifndef Q_OS_UNIX
        QSKIP("needs /dev/full and file size limits");
#else
        TestFolder folder;
        const QStringList large = LargeMenu::first();

        // The device itself: every write to it fails for want of space.
        Saving device(large);
        device.verifyFailed(device.saveAs(u"/dev/full"_s, false), large);

        // A disk that fills up halfway through the new file, played by a
        // file size limit of 64 KiB for this process.
        const QString path = folder.write(u"menu.mnu"_s, bytesOf(OldMenu));
        rlimit previous{};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &previous), 0);
        rlimit limited = previous;
        limited.rlim_cur = 64 * 1024;
        const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &limited), 0);
        Saving saving(large);
        const SaveProcedure::Outcome outcome = saving.saveAs(path, true);
        setrlimit(RLIMIT_FSIZE, &previous);
        std::signal(SIGXFSZ, previousHandler);

        saving.verifyFailed(outcome, large);
        QCOMPARE(folder.read(u"menu.mnu"_s), bytesOf(OldMenu));
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{u"menu.mnu"_s});
#endif
    }

    void readOnlyFolder()
    {
#ifndef Q_OS_UNIX
        QSKIP("folder permissions are tested on Unix");
#else
        TestFolder folder;
        const QString path = folder.write(u"locked/menu.mnu"_s, bytesOf(OldMenu));
        const QString locked = folder.filePath(u"locked"_s);
        QFile::setPermissions(folder.path(), QFile::permissions(folder.path()) | QFile::ExeOther | QFile::ReadOther);
        QFile::setPermissions(path, QFile::permissions(path) | QFile::ReadOther);
        QFile::setPermissions(locked, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther);

        // Root may write anywhere: the save runs as "nobody" then.
        const bool root = geteuid() == 0;
        if (root && seteuid(65534) != 0) {
            QFile::setPermissions(locked, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
            QSKIP("running as root, and cannot act as another user: permissions do not apply");
        }
        // Asked by trying: access checks go by the real user, not the acting one.
        QFile probe(locked + u"/probe"_s);
        const bool writable = probe.open(QIODevice::NewOnly);
        probe.remove();
        Saving saving(LargeMenu::first());
        const SaveProcedure::Outcome outcome = writable ? SaveProcedure::Outcome::NotRun : saving.saveAs(path, true);
        if (root)
            QCOMPARE(seteuid(0), 0);
        QFile::setPermissions(locked, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        if (writable)
            QSKIP("the folder stays writable for this user: permissions do not apply");

        saving.verifyFailed(outcome, LargeMenu::first());
        QCOMPARE(folder.read(u"locked/menu.mnu"_s), bytesOf(OldMenu));
        QCOMPARE(QDir(locked).entryList(QDir::Files), QStringList{u"menu.mnu"_s});
#endif
    }

    void folderRemovedAfterTheDialog()
    {
        TestFolder folder;
        const QString path = folder.write(u"gone/menu.mnu"_s, bytesOf(OldMenu));
        ProgramState state;
        state.recordList.setEntries(LargeMenu::first());
        VanishingFolderDialogs dialogs;
        FileCommands commands(state, dialogs);
        dialogs.chooseFile(path);

        QCOMPARE(commands.saveMenuFile(), SaveProcedure::Outcome::Failed);
        QCOMPARE(dialogs.messages(), QStringList{FileTexts::writeError()});
        QVERIFY(!QFileInfo::exists(folder.filePath(u"gone"_s)));
        QCOMPARE(state.recordList.count(), LargeMenu::first().size());
        // The program carries on where the folder was.
        QCOMPARE(QDir::currentPath(), QDir(folder.path()).canonicalPath());
    }
};

QTEST_GUILESS_MAIN(TestSaveFaults)
#include "tst_savefaults.moc"
