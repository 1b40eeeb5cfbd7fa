#include "files/EntryFile.h"
#include "TestFolder.h"

#include <QFile>
#include <QFileInfo>
#include <QTest>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#include <unistd.h>
#endif

using namespace Qt::StringLiterals;

namespace {

bool runningAsRoot()
{
#ifdef Q_OS_UNIX
    return geteuid() == 0;
#else
    return false;
#endif
}

} // namespace

class TestEntryFile : public QObject
{
    Q_OBJECT

private slots:
    void awkwardNamesRoundTrip_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("blanks") << u"mein Menü mit Blanks.mnu"_s;
        QTest::newRow("leading minus") << u"-rf.mnu"_s;
        QTest::newRow("umlauts") << u"Größe äöü.mnu"_s;
    }

    void awkwardNamesRoundTrip()
    {
        QFETCH(QString, name);
        TestFolder folder;
        QVERIFY(EntryFile::write(folder.filePath(name), "a\r\n\r\nb\r\n"));
        const EntryFile::ReadResult read = EntryFile::read(name);
        QCOMPARE(read.status, EntryFile::Status::Ok);
        QCOMPARE(read.entries, (QStringList{u"a"_s, QString(), u"b"_s}));
    }

    void refusesWhatIsNoMenuFile()
    {
        TestFolder folder;
        QCOMPARE(EntryFile::read(folder.write(u"nul.mnu"_s, QByteArray("MENU\0ITEM", 9))).status,
                 EntryFile::Status::NotText);
        QFile big(folder.filePath(u"big.mnu"_s));
        QVERIFY(big.open(QIODevice::WriteOnly) && big.resize(50 * 1000 * 1000));
        big.close();
        const EntryFile::ReadResult tooLarge = EntryFile::read(big.fileName());
        QCOMPARE(tooLarge.status, EntryFile::Status::TooLarge);
        QCOMPARE(tooLarge.size, 50 * 1000 * 1000);
        QCOMPARE(EntryFile::read(folder.filePath(u"vanished.mnu"_s)).status, EntryFile::Status::CannotRead);
        QCOMPARE(EntryFile::read(folder.path()).status, EntryFile::Status::CannotRead);
    }

    void opensLongLinesAndAMillionRecords()
    {
        TestFolder folder;
        const QByteArray longLine(1024 * 1024, 'x');
        const EntryFile::ReadResult oneLine = EntryFile::read(folder.write(u"line.mnu"_s, longLine + "\r\n"));
        QCOMPARE(oneLine.entries.size(), 1);
        QCOMPARE(oneLine.entries.first().size(), longLine.size());

        QByteArray records;
        for (int i = 0; i < 1000000; ++i)
            records += "MENUITEM|TASK_NAVIGATE_TO|" + QByteArray::number(i % 10) + "\r\n";
        const EntryFile::ReadResult million = EntryFile::read(folder.write(u"million.mnu"_s, records));
        QCOMPARE(million.status, EntryFile::Status::Ok);
        QCOMPARE(million.entries.size(), 1000000);
        QCOMPARE(million.entries.last(), u"MENUITEM|TASK_NAVIGATE_TO|9"_s);
    }

    void unreadableFile()
    {
        if (runningAsRoot())
            QSKIP("Permissions do not hold for root.");
        TestFolder folder;
        const QString path = folder.write(u"secret.mnu"_s, "a\r\n");
        QFile::setPermissions(path, QFileDevice::WriteOwner);
        QCOMPARE(EntryFile::read(path).status, EntryFile::Status::CannotRead);
    }

    void failedWritesLeaveTheOldFile()
    {
#ifdef Q_OS_UNIX
        // A file size limit lets a write fail half-way, also for root.
        TestFolder folder;
        const QString path = folder.write(u"old.mnu"_s, "old\r\n");
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit saved{};
        getrlimit(RLIMIT_FSIZE, &saved);
        rlimit small = saved;
        small.rlim_cur = 4096;
        setrlimit(RLIMIT_FSIZE, &small);
        const bool written = EntryFile::write(path, QByteArray(100000, 'x'));
        setrlimit(RLIMIT_FSIZE, &saved);
        QVERIFY(!written);
        QCOMPARE(folder.read(u"old.mnu"_s), "old\r\n");
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{u"old.mnu"_s});
#endif
        QVERIFY(!EntryFile::write(u"/no such folder/x.mnu"_s, "x"));
        if (QFileInfo::exists(u"/dev/full"_s)) {
            QVERIFY(!EntryFile::write(u"/dev/full"_s, "x\r\n"));
            QVERIFY(!QFileInfo(u"/dev/full"_s).isFile()); // still the device, not replaced
        }
    }

    void folderWithoutWritePermission()
    {
        if (runningAsRoot())
            QSKIP("Permissions do not hold for root.");
        TestFolder folder;
        const QString path = folder.write(u"old.mnu"_s, "old\r\n");
        QFile::setPermissions(folder.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        const bool written = EntryFile::write(path, "new\r\n");
        QFile::setPermissions(folder.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        QVERIFY(!written);
        QCOMPARE(folder.read(u"old.mnu"_s), "old\r\n");
    }
};

QTEST_GUILESS_MAIN(TestEntryFile)
#include "tst_entryfile.moc"
