#include "library/ButtonFileNames.h"
#include "library/ButtonFolderPath.h"
#include "library/Drives.h"
#include "library/NameOrder.h"
#include "TestFolder.h"

#include <QTest>

using namespace Qt::StringLiterals;

// What the folder choice and the file list make of a folder on disk.
class TestButtonFolder : public QObject
{
    Q_OBJECT

private slots:
    void listsNormalFilesByName()
    {
        TestFolder folder;
        for (const QString &name : {u"page.gif"_s, u"about.gif"_s, u"readme.txt"_s, u"ABOUT.GIF"_s, u"Zoom.gif"_s,
                                    u"b.gif"_s, u".hidden.gif"_s, u"sub/inner.gif"_s, u"gif"_s})
            folder.write(name, "x");
        QDir(folder.path()).mkdir(u"folder.gif"_s);
        QCOMPARE(ButtonFileNames::list(folder.path()),
                 (QStringList{u"ABOUT.GIF"_s, u"about.gif"_s, u"b.gif"_s, u"gif"_s, u"page.gif"_s, u"readme.txt"_s,
                              u"Zoom.gif"_s}));
        QCOMPARE(ButtonFileNames::list(folder.filePath(u"nowhere"_s)), QStringList());
    }

    void commandNamesDropTheSuffix()
    {
        QCOMPARE(ButtonFileNames::commandName(u"navigate_to.gif"_s), u"navigate_to"_s);
        QCOMPARE(ButtonFileNames::commandName(u"ABOUT.GIF"_s), u"ABOUT"_s);
        QCOMPARE(ButtonFileNames::commandName(u".gif"_s), QString());
        QCOMPARE(ButtonFileNames::commandName(u"gif"_s), QString());
    }

    void orderIsTotal()
    {
        QStringList names{u"b"_s, u"B"_s, u"a"_s, u"A"_s, u"_x"_s, u"Ä"_s};
        NameOrder::sort(names);
        QStringList again{u"Ä"_s, u"A"_s, u"_x"_s, u"b"_s, u"a"_s, u"B"_s};
        NameOrder::sort(again);
        QCOMPARE(names, again);
        QCOMPARE(names, (QStringList{u"_x"_s, u"A"_s, u"a"_s, u"B"_s, u"b"_s, u"Ä"_s}));
        QVERIFY(!NameOrder::before(u"a"_s, u"a"_s));
    }

    void folderTextEndsInOneSeparator()
    {
        TestFolder folder;
        const QString sep = QDir::separator();
        const QString native = QDir::toNativeSeparators(folder.path());
        QCOMPARE(ButtonFolderPath::fromFolder(folder.path()), native + sep);
        QCOMPARE(ButtonFolderPath::fromFolder(folder.path() + u'/'), native + sep);
        QCOMPARE(ButtonFolderPath::fromFolder(folder.path() + u"/x/.."_s), native + sep);
        const QString root = QDir::toNativeSeparators(QDir::rootPath());
        QCOMPARE(ButtonFolderPath::fromFolder(QDir::rootPath()), root);
        QVERIFY(root.endsWith(sep) && !root.endsWith(sep + sep));
    }

    void drives()
    {
        TestFolder folder;
        const QStringList drives = Drives::available();
        QVERIFY(!drives.isEmpty());
        for (const QString &drive : drives)
            QVERIFY2(Drives::isReady(drive), qPrintable(drive));
        QVERIFY(Drives::isReady(Drives::rootOf(folder.path())));
        QVERIFY(!Drives::isReady(folder.filePath(u"gone/"_s)));
#ifndef Q_OS_WIN
        QVERIFY(drives.contains(u"/"_s));
        QCOMPARE(Drives::displayName(u"/"_s), u"/"_s);
#endif
    }
};

QTEST_GUILESS_MAIN(TestButtonFolder)
#include "tst_buttonfolder.moc"
