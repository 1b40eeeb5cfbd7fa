#include "common/ClickableImage.h"
#include "Desk.h"
#include "GifBytes.h"
#include "library/ButtonField.h"
#include "TestData.h"

#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>

#include <numeric>

using namespace Qt::StringLiterals;

namespace {

const QString TemplateCaption = u"Test Test Test Test Test Test"_s;

// "cmd001.gif" … and the members first … last.
QStringList names(int count)
{
    QStringList result;
    for (int i = 1; i <= count; ++i)
        result << u"cmd%1.gif"_s.arg(i, 3, 10, QChar(u'0'));
    return result;
}

QList<int> range(int first, int last)
{
    QList<int> members(last - first + 1);
    std::iota(members.begin(), members.end(), first);
    return members;
}

// A shown main window with the buttons `files` loaded from its folder.
struct FieldDesk : Desk
{
    explicit FieldDesk(const QStringList &files)
    {
        for (const QString &file : files)
            folder.write(file, GifBytes::filled(QSize(1, 1), 0xff0000));
        window.show();
        loadButtons(folder.path());
    }

    ButtonField &field() const { return buttonField(); }
    void next() const { click(Builder::NextBatch); }
    QList<int> shown() const
    {
        QList<int> members;
        for (int i = 1; i <= field().count(); ++i) {
            if (field().image(i)->isVisibleTo(buttonArea()))
                members << i;
        }
        return members;
    }
    qint64 templateKey() const { return child<ClickableImage>(u"imgQDMenu_0"_s)->pixmap().cacheKey(); }
};

} // namespace

// The created buttons: copies of the templates, paged in batches of 25,
// with pictures, numbered tooltips and captions, and what a click appends.
class TestButtonField : public QObject
{
    Q_OBJECT

private slots:
    void membersStartAsTheTemplates()
    {
        FieldDesk desk({});
        desk.library()->acceptButtonFiles(names(1000));
        QCOMPARE(desk.field().count(), 1000);
        ClickableImage *image = desk.field().image(1000);
        QLabel *label = desk.field().label(1000);
        QCOMPARE(image->geometry(), desk.child<ClickableImage>(u"imgQDMenu_0"_s)->geometry());
        QCOMPARE(label->geometry(), desk.child<QLabel>(u"lblQDMenu_0"_s)->geometry());
        QCOMPARE(image->toolTip(), u"Version anzeigen"_s);
        QCOMPARE(label->text(), TemplateCaption);
        QVERIFY(label->wordWrap() && image->isHidden() && label->isHidden());
        // One picture for all of them, not a copy each.
        QCOMPARE(image->pixmap().cacheKey(), desk.templateKey());
    }

    // A folder of a hundred thousand files would otherwise make two hundred
    // thousand widgets that are mostly never seen.
    void onlyShownMembersAreMade_data()
    {
        QTest::addColumn<int>("steps");
        QTest::addColumn<int>("made");
        QTest::newRow("none after loading") << 0 << 0;
        QTest::newRow("the first batch after one step") << 1 << 25;
        QTest::newRow("two batches after two steps") << 2 << 50;
    }
    void onlyShownMembersAreMade()
    {
        QFETCH(int, steps);
        QFETCH(int, made);
        FieldDesk desk(names(60));
        for (int step = 0; step < steps; ++step)
            desk.next();
        // The templates, numbered 0, are not counted.
        QCOMPARE(desk.buttonArea()->findChildren<QWidget *>(QRegularExpression(u"^imgQDMenu_[1-9]"_s)).size(), made);
        QCOMPARE(desk.buttonArea()->findChildren<QWidget *>(QRegularExpression(u"^lblQDMenu_[1-9]"_s)).size(), made);
    }

    void pagesInBatchesOfTwentyFive()
    {
        FieldDesk desk(names(60));
        desk.state.vocabulary.setEntries({TestData::vocabularyLine(u"cmd005"_s, u"Fünf"_s)});
        QDir::setCurrent(QDir::tempPath());
        desk.next();
        // Paging works in the button folder and stays there.
        QCOMPARE(QDir::currentPath(), desk.folder.path());
        QCOMPARE(desk.shown(), range(1, 25));
        const QPoint origin = desk.child<ClickableImage>(u"imgQDMenu_0"_s)->pos();
        QCOMPARE(desk.field().image(1)->pos(), origin);
        QCOMPARE(desk.field().label(7)->pos(), desk.field().label(2)->pos() + QPoint(0, 80));
        QCOMPARE(desk.field().image(25)->pos(), origin + QPoint(320, 320));
        QCOMPARE(desk.field().label(5)->toolTip(), u"005 cmd005"_s);
        QCOMPARE(desk.field().label(5)->text(), u"Fünf"_s);
        QCOMPARE(desk.field().label(6)->text(), TemplateCaption);
        QCOMPARE(desk.field().image(5)->pixmap().size(), QSize(1, 1));

        desk.next();
        desk.next();
        QCOMPARE(desk.shown(), range(51, 60));
        QCOMPARE(desk.field().image(60)->pos(), origin + QPoint(320, 80));
        desk.next();
        QCOMPARE(desk.shown(), range(26, 50));

        // A button folder that vanished changes nothing.
        QDir::setCurrent(QDir::tempPath());
        QVERIFY(QDir(desk.folder.path()).removeRecursively());
        desk.next();
        QCOMPARE(desk.dialogs.messages().size(), 1);
        QCOMPARE(desk.shown(), range(26, 50));
        QCOMPARE(desk.library()->paging().batch(), 1);
    }

    // A caption is text, whatever it holds: markup neither formats it nor
    // loads a picture from the disk.
    // Shown again, a member loads its picture afresh.
    void aStepHandsBackThePicturesOfTheBatchItHides()
    {
        FieldDesk desk(names(30));
        desk.next();
        desk.next();
        QCOMPARE(desk.shown(), range(26, 30));
        QCOMPARE(desk.field().image(1)->pixmap().cacheKey(), desk.templateKey());
        QCOMPARE(desk.field().image(26)->pixmap().size(), QSize(1, 1));
        desk.next();
        QCOMPARE(desk.shown(), range(1, 25));
        QCOMPARE(desk.field().image(1)->pixmap().size(), QSize(1, 1));
    }

    void aFolderLoadedAgainShowsFromTheStart()
    {
        FieldDesk desk(names(30));
        desk.next();
        desk.loadButtons(desk.folder.path());
        QCOMPARE(desk.field().count(), 30);
        QCOMPARE(desk.shown(), QList<int>());
        desk.next();
        QCOMPARE(desk.shown(), range(1, 25));
    }

    void captionsShowAsWritten()
    {
        FieldDesk desk({u"karte.gif"_s});
        QImage red(80, 50, QImage::Format_RGB32);
        red.fill(Qt::red);
        const QString picture = desk.folder.filePath(u"red.png"_s);
        QVERIFY(red.save(picture));
        const QString caption = u"<img src=\"%1\"><b>Karte</b>"_s.arg(picture);
        desk.state.vocabulary.setEntries({TestData::vocabularyLine(u"karte"_s, caption)});
        desk.next();
        QLabel *label = desk.field().label(1);
        QCOMPARE(label->text(), caption);
        const QImage shown = label->grab().toImage().convertToFormat(QImage::Format_RGB32);
        for (int y = 0; y < shown.height(); ++y) {
            for (int x = 0; x < shown.width(); ++x)
                QVERIFY2(shown.pixel(x, y) != qRgb(255, 0, 0), "the picture was loaded");
        }
    }

    void pagingStopsAtTheFirstNameThatIsNoGif()
    {
        FieldDesk desk({u"about.gif"_s, u"page.gif"_s, u"readme.txt"_s});
        desk.next();
        QCOMPARE(desk.dialogs.messages().size(), 1);
        QCOMPARE(desk.shown(), range(1, 3));
        // The offending one keeps the template's picture and shows no caption.
        QCOMPARE(desk.field().image(2)->pixmap().size(), QSize(1, 1));
        QCOMPARE(desk.field().image(3)->pixmap().cacheKey(), desk.templateKey());
        QVERIFY(!desk.field().label(3)->isVisibleTo(desk.buttonArea()));
        QCOMPARE(desk.field().image(3)->toolTip(), u"Version anzeigen"_s);
    }

    void clicksAppendItems()
    {
        FieldDesk desk({u"navigate_to.gif"_s, u"page.gif"_s, u"Page.gif"_s});
        desk.next();
        // The file list's order: navigate_to, Page, page.
        const auto click = [&](int member) { QTest::mouseClick(desk.field().image(member), Qt::LeftButton); };
        desk.pageField()->setText(u"2"_s);
        click(1);
        click(3);
        click(2);
        desk.pageField()->clear();
        click(3);
        QCOMPARE(desk.state.recordList.entries(),
                 (QStringList{u"MENUITEM|TASK_NAVIGATE_TO|"_s, u"MENUITEM|TASK_PAGE2|"_s, u"MENUITEM|TASK_PAGE|"_s,
                              u"MENUITEM|TASK_PAGE|"_s}));
        QVERIFY(desk.pageField()->text().isEmpty());
        QVERIFY(!desk.state.recordListModified);
    }
};

QTEST_MAIN(TestButtonField)
#include "tst_buttonfield.moc"
