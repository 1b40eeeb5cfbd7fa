#include "library/ButtonField.h"
#include "LibraryTestSteps.h"
#include "ScriptedDialogs.h"
#include "shell/ClickableImage.h"
#include "TestFolder.h"

#include <QFile>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>

using namespace Qt::StringLiterals;
using namespace LibraryTestSteps;

// The created buttons: copies of the templates, paged in batches of 25,
// with pictures, numbered tooltips and captions, and what a click appends.
class TestButtonField : public QObject
{
    Q_OBJECT

private:
    static const QString NotGif;

    static QString name(int number) { return u"cmd%1.gif"_s.arg(number, 3, 10, QChar(u'0')); }

    static void writeButtons(const TestFolder &folder, int count)
    {
        for (int i = 1; i <= count; ++i)
            folder.write(name(i), tinyGif());
    }

    static void next(MainWindow &window) { QTest::mouseClick(window.builderButton(2), Qt::LeftButton); }

    static ButtonField &field(MainWindow &window) { return window.library()->buttonField(); }

    // The members whose image is shown, in order.
    static QList<int> shown(MainWindow &window)
    {
        QList<int> members;
        for (int i = 1; i <= field(window).count(); ++i) {
            if (field(window).image(i)->isVisibleTo(window.buttonArea()))
                members << i;
        }
        return members;
    }

    static QList<int> range(int first, int last)
    {
        QList<int> members;
        for (int i = first; i <= last; ++i)
            members << i;
        return members;
    }

    static bool showsTemplate(MainWindow &window, int member)
    {
        return field(window).image(member)->pixmap().toImage() == window.templateImage()->pixmap().toImage();
    }

    static QString vocabularyLine(const QString &command, const QString &caption)
    {
        return command.leftJustified(25) + caption;
    }

private slots:
    void membersStartAsTheTemplates()
    {
        TestFolder folder;
        ScriptedDialogs dialogs;
        MainWindow window(dialogs);
        QStringList names;
        for (int i = 1; i <= 1000; ++i)
            names << name(i);
        window.library()->acceptButtonFiles(names);
        QCOMPARE(field(window).count(), 1000);
        QCOMPARE(window.state().buttonFiles.count(), 1000);
        window.show();
        for (const int i : {1, 1000}) {
            ClickableImage *image = field(window).image(i);
            QLabel *label = field(window).label(i);
            QCOMPARE(image->objectName(), u"imgQDMenu_%1"_s.arg(i));
            QCOMPARE(label->objectName(), u"lblQDMenu_%1"_s.arg(i));
            QCOMPARE(image->parentWidget(), window.buttonArea());
            QCOMPARE(image->geometry(), window.templateImage()->geometry());
            QCOMPARE(image->toolTip(), u"Version anzeigen"_s);
            // One picture for all of them, not a copy each.
            QCOMPARE(image->pixmap().cacheKey(), window.templateImage()->pixmap().cacheKey());
            QCOMPARE(label->geometry(), window.templateLabel()->geometry());
            QCOMPARE(label->text(), u"Test Test Test Test Test Test"_s);
            QCOMPARE(label->font(), window.templateLabel()->font());
            QVERIFY(label->wordWrap());
            QCOMPARE(label->alignment(), window.templateLabel()->alignment());
            QVERIFY(image->isHidden() && label->isHidden());
        }
        window.library()->releaseButtonField();
        QCOMPARE(field(window).count(), 0);
        QVERIFY(!window.findChild<QWidget *>(u"imgQDMenu_1"_s));
        QVERIFY(!window.findChild<QWidget *>(u"lblQDMenu_1000"_s));
    }

    void pagesInBatchesOfTwentyFive()
    {
        TestFolder folder;
        writeButtons(folder, 60);
        ScriptedDialogs dialogs;
        MainWindow window(dialogs);
        window.show();
        load(window, folder.path());
        QDir::setCurrent(QDir::tempPath());

        next(window);
        // Paging works in the button folder and stays there.
        QCOMPARE(QDir::currentPath(), folder.path());
        QCOMPARE(shown(window), range(1, 25));
        const QPoint origin = window.templateImage()->pos();
        const QPoint labelOrigin = window.templateLabel()->pos();
        QCOMPARE(field(window).image(1)->pos(), origin);
        QCOMPARE(field(window).label(1)->pos(), labelOrigin);
        QCOMPARE(field(window).image(7)->pos(), field(window).image(2)->pos() + QPoint(0, 80));
        QCOMPARE(field(window).label(7)->pos(), field(window).label(2)->pos() + QPoint(0, 80));
        QCOMPARE(field(window).image(25)->pos(), origin + QPoint(320, 320));
        QVERIFY(field(window).label(25)->isVisibleTo(window.buttonArea()));

        next(window);
        QCOMPARE(shown(window), range(26, 50));
        QCOMPARE(field(window).image(26)->pos(), origin);
        next(window);
        QCOMPARE(shown(window), range(51, 60));
        QCOMPARE(field(window).image(60)->pos(), origin + QPoint(320, 80));
        next(window);
        QCOMPARE(shown(window), range(26, 50));
        next(window);
        QCOMPARE(shown(window), range(1, 25));
        next(window);
        QCOMPARE(shown(window), range(26, 50));
        QCOMPARE(dialogs.shown.size(), 0);
    }

    void oneBatchIsShownOnce()
    {
        TestFolder folder;
        writeButtons(folder, 25);
        ScriptedDialogs dialogs;
        MainWindow window(dialogs);
        window.show();
        load(window, folder.path());
        next(window);
        QCOMPARE(shown(window), range(1, 25));
        QFile::remove(folder.filePath(name(3)));
        QDir::setCurrent(QDir::tempPath());
        next(window);
        // Nothing is loaded again, but the button folder is current again.
        QVERIFY(!showsTemplate(window, 3));
        QCOMPARE(QDir::currentPath(), folder.path());
        QCOMPARE(window.library()->paging().batch(), 0);
    }

    void tooltipsNumberAndCaptionsName()
    {
        TestFolder folder;
        writeButtons(folder, 100);
        ScriptedDialogs dialogs;
        MainWindow window(dialogs);
        window.show();
        window.state().vocabulary.setEntries({vocabularyLine(u"cmd005"_s, u"Fünf"_s),
                                              vocabularyLine(u"cmd100"_s, u"  Hundert- eins"_s),
                                              vocabularyLine(u"cmd005"_s, u"Zweite"_s)});
        load(window, folder.path());
        next(window);
        QCOMPARE(field(window).image(5)->toolTip(), u"005 cmd005"_s);
        QCOMPARE(field(window).label(5)->toolTip(), u"005 cmd005"_s);
        QCOMPARE(field(window).label(5)->text(), u"Fünf"_s);
        QCOMPARE(field(window).label(6)->text(), u"Test Test Test Test Test Test"_s);
        QCOMPARE(field(window).image(5)->pixmap().size(), QSize(1, 1));
        for (int i = 0; i < 3; ++i)
            next(window);
        QCOMPARE(shown(window), range(76, 100));
        QCOMPARE(field(window).image(100)->toolTip(), u"100 cmd100"_s);
        QCOMPARE(field(window).label(100)->text(), u"  Hundert- eins"_s);
    }

    void anEmptyFirstVocabularyLineGivesNoCaptions()
    {
        TestFolder folder;
        writeButtons(folder, 3);
        ScriptedDialogs dialogs;
        MainWindow window(dialogs);
        window.state().vocabulary.setEntries({QString(), vocabularyLine(u"cmd001"_s, u"Eins"_s)});
        load(window, folder.path());
        next(window);
        QCOMPARE(field(window).label(1)->text(), u"Test Test Test Test Test Test"_s);
        QCOMPARE(field(window).image(1)->toolTip(), u"001 cmd001"_s);
    }

    void pagingStopsAtTheFirstNameThatIsNoGif_data()
    {
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<int>("stop");
        QTest::newRow("readme.txt") << QStringList{u"about.gif"_s, u"page.gif"_s, u"readme.txt"_s} << 3;
        QTest::newRow("ABOUT.GIF") << QStringList{u"a.gif"_s, u"ABOUT.GIF"_s, u"b.gif"_s} << 2;
    }

    void pagingStopsAtTheFirstNameThatIsNoGif()
    {
        QFETCH(QStringList, files);
        QFETCH(int, stop);
        TestFolder folder;
        for (const QString &file : files)
            folder.write(file, tinyGif());
        ScriptedDialogs dialogs;
        MainWindow window(dialogs);
        window.show();
        load(window, folder.path());
        QCOMPARE(field(window).count(), 3);
        next(window);
        QCOMPARE(dialogs.messages(), QStringList{NotGif});
        const ScriptedDialogs::Shown &box = dialogs.shown.constFirst();
        QCOMPARE(box.icon, UserDialogs::Icon::Exclamation);
        QCOMPARE(box.buttons, UserDialogs::Buttons::Ok);
        QVERIFY(box.title.isEmpty());
        QCOMPARE(shown(window), range(1, stop));
        for (int i = 1; i < stop; ++i)
            QVERIFY(field(window).label(i)->isVisibleTo(window.buttonArea()));
        // The offending one keeps the template's picture and shows no caption.
        QVERIFY(showsTemplate(window, stop));
        QVERIFY(!field(window).label(stop)->isVisibleTo(window.buttonArea()));
        QCOMPARE(field(window).image(stop)->toolTip(), u"Version anzeigen"_s);
        QCOMPARE(window.library()->paging().batch(), 0);
    }

    void unreadablePicturesShowTheTemplate()
    {
        TestFolder folder;
        folder.write(u"a_broken.gif"_s, "GIF89a nothing more");
        folder.write(u"b_text.gif"_s, "just words");
        folder.write(u"c_gone.gif"_s, tinyGif());
        folder.write(u"gif"_s, tinyGif());
        folder.write(u"z_fine.gif"_s, tinyGif());
        ScriptedDialogs dialogs;
        MainWindow window(dialogs);
        window.show();
        load(window, folder.path());
        QFile::remove(folder.filePath(u"c_gone.gif"_s));
        next(window);
        QCOMPARE(dialogs.shown.size(), 0);
        QCOMPARE(shown(window), range(1, 5));
        for (int i = 1; i <= 4; ++i)
            QVERIFY2(showsTemplate(window, i), qPrintable(window.state().buttonFiles.at(i - 1)));
        QCOMPARE(field(window).image(5)->pixmap().size(), QSize(1, 1));
        QCOMPARE(field(window).image(4)->toolTip(), u"004 "_s);
        QVERIFY(field(window).label(5)->isVisibleTo(window.buttonArea()));
    }

    void picturesAreReadAgainAtEveryStep()
    {
        TestFolder folder;
        writeButtons(folder, 30);
        ScriptedDialogs dialogs;
        MainWindow window(dialogs);
        window.show();
        load(window, folder.path());
        next(window);
        QVERIFY(!showsTemplate(window, 1));
        folder.write(name(1), "broken now");
        next(window);
        next(window);
        QCOMPARE(shown(window), range(1, 25));
        QVERIFY(showsTemplate(window, 1));
    }

    void aVanishedButtonFolderChangesNothing()
    {
        TestFolder folder;
        QDir(folder.path()).mkdir(u"set"_s);
        for (int i = 1; i <= 30; ++i)
            folder.write(u"set/"_s + name(i), tinyGif());
        ScriptedDialogs dialogs;
        MainWindow window(dialogs);
        window.show();
        load(window, folder.filePath(u"set"_s));
        next(window);
        QDir::setCurrent(folder.path());
        QDir(folder.filePath(u"set"_s)).removeRecursively();
        next(window);
        QCOMPARE(dialogs.messages().size(), 1);
        QVERIFY(dialogs.messages().constFirst().startsWith(u"Der Button-Ordner\r\n"_s
                                                           + QDir::toNativeSeparators(folder.filePath(u"set/"_s))));
        QCOMPARE(window.library()->paging().batch(), 0);
        QCOMPARE(shown(window), range(1, 25));
        QCOMPARE(QDir::currentPath(), folder.path());
    }

    void clicksAppendItems()
    {
        TestFolder folder;
        for (const QString &file : {u"navigate_to.gif"_s, u"page.gif"_s, u"Page.gif"_s})
            folder.write(file, tinyGif());
        ScriptedDialogs dialogs;
        MainWindow window(dialogs);
        window.show();
        load(window, folder.path());
        next(window);
        // The file list's order: navigate_to, Page, page.
        QCOMPARE(field(window).image(2)->toolTip(), u"002 Page"_s);
        const auto click = [&](int member) { QTest::mouseClick(field(window).image(member), Qt::LeftButton); };

        window.pageField()->setText(u"2"_s);
        click(1);
        click(3);
        click(2);
        window.pageField()->clear();
        click(3);
        for (int i = 0; i < 3; ++i)
            click(1);
        QCOMPARE(window.state().recordList.entries(),
                 (QStringList{u"MENUITEM|TASK_NAVIGATE_TO|"_s, u"MENUITEM|TASK_PAGE2|"_s, u"MENUITEM|TASK_PAGE|"_s,
                              u"MENUITEM|TASK_PAGE|"_s, u"MENUITEM|TASK_NAVIGATE_TO|"_s,
                              u"MENUITEM|TASK_NAVIGATE_TO|"_s, u"MENUITEM|TASK_NAVIGATE_TO|"_s}));
        QVERIFY(window.pageField()->text().isEmpty());
        QVERIFY(!window.state().recordListModified);
        QCOMPARE(shown(window), range(1, 3));
        QCOMPARE(dialogs.shown.size(), 0);
    }

    void ourButtonSet()
    {
        const QString source = qEnvironmentVariable("TASTWERK_SOURCE_DIR");
        QFile dat(source + u"/data/Quonda.dat"_s);
        QVERIFY(dat.open(QIODevice::ReadOnly));
        const QStringList vocabulary = QString::fromLatin1(dat.readAll()).split(u"\r\n"_s, Qt::SkipEmptyParts);
        QStringList expected;
        for (const QString &line : vocabulary)
            expected << line.left(25).trimmed() + u".gif"_s;

        TestFolder folder;
        ScriptedDialogs dialogs;
        MainWindow window(dialogs);
        window.show();
        window.state().vocabulary.setEntries(vocabulary);
        load(window, source + u"/data/buttons"_s);
        QStringList files = window.state().buttonFiles.entries();
        std::sort(files.begin(), files.end());
        std::sort(expected.begin(), expected.end());
        QCOMPARE(files, expected);

        QList<int> batches;
        for (int step = 0; step < 5; ++step) {
            next(window);
            batches << window.library()->paging().batch();
            const int batch = batches.constLast();
            for (int i = 25 * batch + 1; i <= std::min(25 * batch + 25, 74); ++i) {
                const QString file = window.state().buttonFiles.at(i - 1);
                QCOMPARE(QImageReader(file).format(), QByteArray("gif"));
                QCOMPARE(field(window).image(i)->pixmap().size(), QSize(80, 50));
                QVERIFY2(!showsTemplate(window, i), qPrintable(file));
                QVERIFY2(field(window).label(i)->text() != u"Test Test Test Test Test Test"_s, qPrintable(file));
            }
        }
        QCOMPARE(batches, (QList<int>{0, 1, 2, 1, 0}));
        QCOMPARE(dialogs.shown.size(), 0);
    }
};

const QString TestButtonField::NotGif =
    u"Ihr Button-Ordner enthält\r\nNicht-.gif-Dateien!\r\nBitte entfernen und neu Starten!"_s;

QTEST_MAIN(TestButtonField)
#include "tst_buttonfield.moc"
