#include "common/ButtonPicture.h"
#include "Desk.h"
#include "editor/EntryListBox.h"
#include "overview/OverviewController.h"
#include "overview/OverviewWindow.h"
#include "overview/PageGrid.h"
#include "overview/PageGridView.h"
#include "preview/PagePainter.h"
#include "TestData.h"

#include <QLabel>
#include <QProcess>
#include <QRegularExpression>
#include <QScrollBar>

using namespace Qt::StringLiterals;
using Answer = UserDialogs::Answer;

namespace {

QString item(const QString &command)
{
    return u"MENUITEM|TASK_"_s + command + u'|';
}

QString header(int number)
{
    return u"MENUPAGE|TASK_PAGE%1|Seite %1|"_s.arg(number);
}

// Pages 1 … n, each with one command and a turn to the next page.
QStringList pages(int count)
{
    QStringList records{u"MENUBLOCK|BLOCK_MAIN|BTM_GPS_POSITION|"_s};
    for (int page = 1; page <= count; ++page)
        records << header(page) << item(u"SHOW_MAP"_s) << item(u"PAGE%1"_s.arg(page % count + 1));
    return records;
}

OverviewWindow *openOverview(Desk &desk, const QStringList &records)
{
    const QString buttons = TestData::sourcePath(u"data/buttons/"_s);
    desk.state.buttonFolder = buttons;
    desk.state.buttonFiles.setEntries(QDir(buttons).entryList({u"*.gif"_s}, QDir::Files, QDir::Name));
    desk.state.recordList.setEntries(records);
    desk.trigger(u"mnuEUebersicht"_s);
    auto *controller = desk.window.findChild<OverviewController *>(u"overviewController"_s);
    return controller ? controller->overviewWindow() : nullptr;
}

} // namespace

class TestOverview : public QObject
{
    Q_OBJECT

private slots:
    // A page is 166 x 270, its number label 20 high; 16 between cells and around them.
    void pagesFillRowsAsTheWidthAllows_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<qreal>("zoom");
        QTest::addColumn<int>("columns");
        QTest::addColumn<QRect>("fifthPage");
        QTest::addColumn<int>("height"); // of seven pages
        QTest::newRow("600 wide: three to a row") << 600 << 1.0 << 3 << QRect(198, 342, 166, 270) << 16 + 3 * 306;
        QTest::newRow("400 wide: two to a row") << 400 << 1.0 << 2 << QRect(16, 648, 166, 270) << 16 + 4 * 306;
        QTest::newRow("narrower than a page: one to a row")
            << 100 << 1.0 << 1 << QRect(16, 1260, 166, 270) << 16 + 7 * 306;
        QTest::newRow("400 wide at half size: three to a row")
            << 400 << 0.5 << 3 << QRect(115, 207, 83, 135) << 16 + 3 * 171;
    }

    void pagesFillRowsAsTheWidthAllows()
    {
        QFETCH(int, width);
        QFETCH(qreal, zoom);
        QFETCH(int, columns);
        QFETCH(QRect, fifthPage);
        QFETCH(int, height);
        const PageGrid grid(7, width, zoom, 20);
        QCOMPARE(grid.columns(), columns);
        QCOMPARE(grid.pageRect(0), QRect(QPoint(16, 36), fifthPage.size()));
        QCOMPARE(grid.pageRect(4), fifthPage);
        QCOMPARE(grid.contentHeight(), height);
        QCOMPARE(grid.pageAt(fifthPage.center()), 4);
        QCOMPARE(grid.pageAt(fifthPage.topLeft() - QPoint(0, 5)), -1); // on the label
    }

    void f8OpensTheOverviewWhichFollowsTheList()
    {
        Desk desk;
        OverviewWindow *overview = openOverview(desk, TestData::WorkedExample);
        QVERIFY(overview && overview->isVisible());
        QCOMPARE(overview->pages().count(), 2);

        // Many changes in one pass are taken up once, when the loop comes round.
        desk.state.recordList.append(header(3));
        desk.state.recordList.append(item(u"SHOW_MAP"_s));
        QCoreApplication::processEvents();
        QCOMPARE(overview->pages().count(), 3);
        QVERIFY(!overview->pages().page(2).reachable);

        // A list without a page shows one line and nothing to save.
        desk.state.recordList.setEntries({u"x"_s, item(u"SHOW_MAP"_s)});
        QCoreApplication::processEvents();
        QVERIFY(overview->findChild<QLabel *>(u"lblKeineSeite"_s)->isVisible());
        QVERIFY(!overview->view()->isVisible());
        QVERIFY(!overview->findChild<QPushButton *>(u"cmdBilder"_s)->isEnabled());
        QVERIFY(!overview->findChild<QPushButton *>(u"cmdPdf"_s)->isEnabled());

        // Shown again, the open window comes to the front; closing the program closes it.
        desk.trigger(u"mnuEUebersicht"_s);
        QCOMPARE(desk.window.findChild<OverviewController *>(u"overviewController"_s)->overviewWindow(), overview);
        desk.window.close();
        QVERIFY(!desk.window.findChild<OverviewController *>(u"overviewController"_s)->overviewWindow());
    }

    void theOverviewOpenedAgainShowsWhatChangedWhileItWasClosed_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<int>("pageCount");
        QTest::addColumn<QString>("caption");      // of page 1, place 2 (TASK_SHOW_MAP)
        QTest::addColumn<bool>("templatePicture"); // there
        QTest::newRow("a page added to the records") << u"records"_s << 3 << u"Karte zeigen"_s << false;
        QTest::newRow("a caption in the vocabulary") << u"vocabulary"_s << 2 << u"Karte"_s << false;
        QTest::newRow("the button files gone") << u"buttons"_s << 2 << u"SHOW_MAP"_s << true;
    }

    void theOverviewOpenedAgainShowsWhatChangedWhileItWasClosed()
    {
        QFETCH(QString, change);
        QFETCH(int, pageCount);
        QFETCH(QString, caption);
        QFETCH(bool, templatePicture);
        Desk desk;
        OverviewWindow *overview = openOverview(desk, TestData::WorkedExample);
        QVERIFY(overview && QTest::qWaitForWindowExposed(overview));
        auto *controller = desk.window.findChild<OverviewController *>(u"overviewController"_s);
        controller->closeOverview();
        if (change == u"records"_s)
            desk.state.recordList.setEntries(TestData::WorkedExample + QStringList{header(3), item(u"SHOW_MAP"_s)});
        else if (change == u"vocabulary"_s)
            desk.state.vocabulary.setEntries({TestData::vocabularyLine(u"show_map"_s, u"Karte"_s)});
        else
            desk.state.buttonFiles.setEntries({});

        desk.trigger(u"mnuEUebersicht"_s);
        overview = controller->overviewWindow();
        QVERIFY(overview && QTest::qWaitForWindowExposed(overview));
        QCOMPARE(overview->pages().count(), pageCount);
        const ShownPage::Place &place = overview->pages().shown(0).places.at(1);
        QCOMPARE(place.caption, caption);
        QCOMPARE(place.picture.toImage() == ButtonPicture::templatePicture().toImage(), templatePicture);
    }

    void aClickOnAPlaceSelectsItsRecord_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<int>("place"); // -1: the title line
        QTest::addColumn<int>("row");
        QTest::newRow("a command") << 0 << 1 << 3;
        QTest::newRow("a page turn") << 1 << 2 << 11;
        QTest::newRow("the title line") << 1 << -1 << 8;
        QTest::newRow("an empty place") << 1 << 4 << -1;
    }

    void aClickOnAPlaceSelectsItsRecord()
    {
        QFETCH(int, page);
        QFETCH(int, place);
        QFETCH(int, row);
        Desk desk;
        OverviewWindow *overview = openOverview(desk, TestData::WorkedExample);
        QVERIFY(QTest::qWaitForWindowExposed(overview));
        const QRect target = place < 0 ? PagePainter::titleRect() : PagePainter::pictureRect(place);
        const QPoint point = overview->view()->grid().pageRect(page).topLeft() + target.center();
        QTest::mouseClick(overview->view()->viewport(), Qt::LeftButton, {}, point);
        QCOMPARE(desk.child<EntryListBox>(u"cboQDMenu_0"_s)->currentRow(), row);
    }

    void ctrlPlusAndCtrlMinusZoom()
    {
        Desk desk;
        OverviewWindow *overview = openOverview(desk, TestData::WorkedExample);
        overview->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(overview));
        QCOMPARE(overview->view()->zoom(), 1.0);
        QTest::keyClick(overview, Qt::Key_Plus, Qt::ControlModifier);
        QCOMPARE(overview->view()->grid().pageRect(0).size(), QSize(249, 405));
        QTest::keyClick(overview, Qt::Key_Minus, Qt::ControlModifier);
        QTest::keyClick(overview, Qt::Key_Minus, Qt::ControlModifier);
        QCOMPARE(overview->view()->zoom(), 0.75);
    }

    // Zoomed in on a narrow window: the page's right side is scrolled to,
    // and a click there still finds its place.
    void aPageWiderThanTheViewScrollsAcross()
    {
        Desk desk;
        OverviewWindow *overview = openOverview(desk, TestData::WorkedExample);
        PageGridView *view = overview->view();
        view->setZoom(3.0);
        view->resize(300, 600);
        QCOMPARE(view->viewport()->width() + view->horizontalScrollBar()->maximum(), 16 + 498 + 16);
        view->horizontalScrollBar()->setValue(view->horizontalScrollBar()->maximum());
        // Page 1's second place, top right.
        const QRect page = view->grid().pageRect(0);
        const QPoint rightPlace(page.left() + 3 * 125 - view->horizontalScrollBar()->value(),
                                page.top() + 3 * 60 - view->verticalScrollBar()->value());
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, rightPlace);
        QCOMPARE(desk.child<EntryListBox>(u"cboQDMenu_0"_s)->text(), u"MENUITEM|TASK_SHOW_MAP|"_s);
    }

    void eachPageBecomesAPictureTwiceTheDeviceSize()
    {
        Desk desk;
        OverviewWindow *overview = openOverview(desk, TestData::WorkedExample);
        const QString folder = desk.folder.filePath(u"bilder"_s);
        QVERIFY(QDir().mkpath(folder));
        desk.dialogs.chooseFile(folder);
        QTest::mouseClick(overview->findChild<QPushButton *>(u"cmdBilder"_s), Qt::LeftButton);
        QCOMPARE(QDir(folder).entryList(QDir::Files), (QStringList{u"Seite-01.png"_s, u"Seite-02.png"_s}));
        const QImage first(folder + u"/Seite-01.png"_s);
        QCOMPARE(first.size(), QSize(332, 540));
        // The whole page, drawn at twice the size, up to its far corner.
        QCOMPARE(first.pixelColor(331, 539), QGuiApplication::palette().color(QPalette::Window));

        // Asked first, "No" keeps what is there.
        desk.folder.write(u"bilder/Seite-02.png"_s, "alt");
        desk.dialogs.chooseFile(folder);
        desk.dialogs.answer(Answer::No);
        QTest::mouseClick(overview->findChild<QPushButton *>(u"cmdBilder"_s), Qt::LeftButton);
        QCOMPARE(desk.folder.read(u"bilder/Seite-02.png"_s), QByteArray("alt"));
        QCOMPARE(desk.dialogs.messages(), (QStringList{u"Im Ordner liegen schon Seitenbilder. Überschreiben?"_s}));
        QCOMPARE(desk.dialogs.shown.constLast().buttons, UserDialogs::Buttons::YesNo);
        QCOMPARE(desk.dialogs.unexpected, 0);
    }

    void aFolderThatCannotTakeThePicturesIsReported()
    {
        Desk desk;
        OverviewWindow *overview = openOverview(desk, TestData::WorkedExample);
        desk.dialogs.chooseFile(desk.folder.filePath(u"fehlt/auch"_s));
        QTest::mouseClick(overview->findChild<QPushButton *>(u"cmdBilder"_s), Qt::LeftButton);
        QCOMPARE(desk.dialogs.messages(), (QStringList{u"Das Bild „Seite-01.png“ konnte nicht gespeichert werden."_s}));
        QVERIFY(!QFileInfo::exists(desk.folder.filePath(u"fehlt"_s)));
    }

    void thePdfHoldsTwelvePagesASheet_data()
    {
        QTest::addColumn<int>("menuPages");
        QTest::addColumn<int>("sheets");
        QTest::newRow("twelve pages") << 12 << 1;
        QTest::newRow("thirteen pages") << 13 << 2;
    }

    void thePdfHoldsTwelvePagesASheet()
    {
        QFETCH(int, menuPages);
        QFETCH(int, sheets);
        Desk desk;
        OverviewWindow *overview = openOverview(desk, pages(menuPages));
        desk.dialogs.chooseFile(desk.folder.filePath(u"menu"_s)); // the suffix is added
        QTest::mouseClick(overview->findChild<QPushButton *>(u"cmdPdf"_s), Qt::LeftButton);
        QCOMPARE(desk.dialogs.shown.size(), 1);
        QProcess pdfinfo;
        pdfinfo.start(u"pdfinfo"_s, {desk.folder.filePath(u"menu.pdf"_s)});
        QVERIFY2(pdfinfo.waitForFinished(), "pdfinfo (Debian's poppler-utils, scripts/setup.sh) must be there");
        QCOMPARE(pdfinfo.exitCode(), 0);
        const QString info = QString::fromUtf8(pdfinfo.readAllStandardOutput());
        QVERIFY2(info.contains(QRegularExpression(u"\nPages: +%1\n"_s.arg(sheets))), qPrintable(info));
    }

    void thePdfAsksBeforeOverwriting()
    {
        Desk desk;
        OverviewWindow *overview = openOverview(desk, TestData::WorkedExample);
        const QString pdf = desk.folder.write(u"menu.pdf"_s, "alt");
        desk.dialogs.chooseFile(pdf);
        desk.dialogs.answer(Answer::No);
        QTest::mouseClick(overview->findChild<QPushButton *>(u"cmdPdf"_s), Qt::LeftButton);
        QCOMPARE(desk.folder.read(u"menu.pdf"_s), QByteArray("alt"));
        QCOMPARE(desk.dialogs.messages(), (QStringList{u"Datei existiert bereits. Überschreiben?"_s}));
        QCOMPARE(desk.dialogs.shown.constLast().title, u"Als PDF speichern"_s);
    }
};

QTEST_MAIN(TestOverview)
#include "tst_overview.moc"
