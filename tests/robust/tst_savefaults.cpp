// Faults while saving: a save that is killed, a full disk, a read-only
// folder and a folder removed after the dialog. The old file stays whole,
// the write error is reported, and the list with its flag is kept.

#include "files/EntryFileFormat.h"
#include "files/FileCommands.h"
#include "files/FileTexts.h"
#include "LargeMenu.h"
#include "model/ProgramState.h"
#include "ScriptedDialogs.h"
#include "TestData.h"
#include "TestFolder.h"

#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#include <unistd.h>
#endif
#ifdef Q_OS_LINUX
#include <sys/mount.h>
#endif

#include <cerrno>
#include <cstring>

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

// The program's "&Speichern" over the large menu, or its save of the
// vocabulary at shut-down, with the dialog scripted.
struct Saving
{
    ProgramState state;
    VanishingFolderDialogs dialogs;
    FileCommands commands{state, dialogs};
    QStringList entries;
    bool vocabulary = false;

    explicit Saving(const QStringList &list = LargeMenu::First, bool ofVocabulary = false)
        : entries(list)
        , vocabulary(ofVocabulary)
    {
        if (vocabulary) {
            state.vocabulary.setEntries(entries);
            state.vocabularyModified = true;
        } else {
            state.recordList.setEntries(entries);
            state.recordListModified = true;
        }
    }

    Outcome saveAs(const QString &path)
    {
        dialogs.chooseFile(path);
        if (QFileInfo::exists(path) && !QFileInfo(path).isDir())
            dialogs.answer(UserDialogs::Answer::Yes);
        if (!vocabulary)
            return commands.saveMenuFile();
        state.startDirectory = QFileInfo(path).absolutePath();
        return commands.saveVocabularyAtExit();
    }

    // The write failed, said so, and nothing of the list was given up; the
    // old file, if there is one, is whole and nothing is left beside it but
    // what was there before.
    void verifyFailed(Outcome outcome, const QString &oldFile = {}, const QStringList &alsoThere = {}) const
    {
        QCOMPARE(outcome, Outcome::Failed);
        QCOMPARE(dialogs.messages().last(), FileTexts::writeError());
        QCOMPARE((vocabulary ? state.vocabulary : state.recordList).entries(), entries);
        QVERIFY(vocabulary ? state.vocabularyModified : state.recordListModified);
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

// A folder on a file system without one free block. Where the test may
// mount one (as root on Linux), a tmpfs of 64 KiB filled to the last block;
// elsewhere a file size limit of no bytes at all plays the full disk while
// the save runs.
class FullDisk
{
public:
    FullDisk()
    {
#ifdef Q_OS_LINUX
        if (::mount("tmpfs", QFile::encodeName(m_dir.path()).constData(), "tmpfs", 0, "size=64k") == 0)
            m_mounted = true;
        else
            m_notMounted = QString::fromLocal8Bit(std::strerror(errno));
#else
        m_notMounted = u"only Linux mounts a tmpfs"_s;
#endif
        QDir(m_dir.path()).mkdir(u"menus"_s);
    }
    ~FullDisk()
    {
#ifdef Q_OS_LINUX
        if (m_mounted)
            ::umount2(QFile::encodeName(m_dir.path()).constData(), MNT_DETACH);
#endif
    }
    FullDisk(const FullDisk &) = delete;
    FullDisk &operator=(const FullDisk &) = delete;

    QString write(const QString &name, const QByteArray &bytes) const
    {
        const QString path = m_dir.filePath(u"menus/"_s + name);
        QFile file(path);
        if (file.open(QIODevice::WriteOnly))
            file.write(bytes);
        return path;
    }

    QString kind() const
    {
        return m_mounted ? u"a full tmpfs"_s : u"a file size limit of 0 bytes (no tmpfs: %1)"_s.arg(m_notMounted);
    }

    // Takes the last block, or says why the disk cannot be made full.
    QString fill() const
    {
        if (!m_mounted) {
#ifdef Q_OS_UNIX
            return {};
#else
            return u"no tmpfs and no file size limit here: %1"_s.arg(m_notMounted);
#endif
        }
        QFile filler(m_dir.filePath(u"filler"_s));
        if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            return u"cannot write the filler: "_s + filler.errorString();
        const QByteArray block(4096, 'f');
        while (filler.write(block) == block.size()) { }
        QFile probe(m_dir.filePath(u"probe"_s));
        const bool full = probe.open(QIODevice::WriteOnly | QIODevice::Unbuffered) && probe.write("p", 1) != 1;
        probe.remove();
        return full ? QString() : u"the tmpfs takes more after the filler"_s;
    }

    template<typename Save>
    Outcome whileFull(Save save) const
    {
        if (m_mounted)
            return save();
#ifdef Q_OS_UNIX
        rlimit previous{};
        getrlimit(RLIMIT_FSIZE, &previous);
        const rlimit nothing{0, previous.rlim_max};
        const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        setrlimit(RLIMIT_FSIZE, &nothing);
        const Outcome outcome = save();
        setrlimit(RLIMIT_FSIZE, &previous);
        std::signal(SIGXFSZ, previousHandler);
        return outcome;
#else
        return save();
#endif
    }

private:
    QTemporaryDir m_dir{QDir::tempPath() + u"/tastwerk-full-XXXXXX"_s};
    bool m_mounted = false;
    QString m_notMounted;
};

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

    // The small file stays in Qt's write buffer until the commit; the last
    // one is larger than the whole disk.
    void fullDiskKeepsTheOldFile_data()
    {
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<bool>("vocabulary");
        QTest::newRow("menu of two lines") << LargeMenu::make(u'S', 1) << false;
        QTest::newRow("menu just under the write buffer") << LargeMenu::make(u'M', 600) << false;
        QTest::newRow("menu larger than the disk") << LargeMenu::make(u'L', 4000) << false;
        QTest::newRow("vocabulary at shut-down") << TestData::vocabulary() << true;
    }

    void fullDiskKeepsTheOldFile()
    {
        QFETCH(QStringList, entries);
        QFETCH(bool, vocabulary);
        const TestFolder here; // the save moves into the disk's folder; back here at the end
        FullDisk disk;
        qInfo("the disk: %s", qPrintable(disk.kind()));
        const QString name = vocabulary ? u"Quonda.dat"_s : u"old.mnu"_s;
        const QString path = disk.write(name, bytesOf(OldMenu));
        // Left by a save that was killed before its rename: not ours to remove.
        const QString leftover = name + u".Kx9q2Z"_s;
        disk.write(leftover, QByteArray(8000, 'x'));
        const QString notFull = disk.fill();
        QVERIFY2(notFull.isEmpty(), qPrintable(notFull));

        Saving saving(entries, vocabulary);
        saving.verifyFailed(disk.whileFull([&saving, &path] { return saving.saveAs(path); }), path, {leftover});
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
        QCOMPARE(folder.read(u"locked/menu.mnu"_s), bytesOf(LargeMenu::First));
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

QTEST_GUILESS_MAIN(TestSaveFaults)
#include "tst_savefaults.moc"
