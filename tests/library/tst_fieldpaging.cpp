#include "common/ClickableImage.h"
#include "Desk.h"
#include "GifBytes.h"
#include "library/ButtonField.h"

using namespace Qt::StringLiterals;

namespace {

// A shown main window with `count` red one-pixel buttons loaded.
struct PagingDesk : Desk
{
    explicit PagingDesk(int count)
    {
        for (int i = 1; i <= count; ++i)
            folder.write(u"knopf%1.gif"_s.arg(i, 3, 10, QChar(u'0')), GifBytes::filled(QSize(1, 1), 0xff0000));
        window.show();
        loadButtons(folder.path());
    }
    qint64 templateKey() const { return child<ClickableImage>(u"imgQDMenu_0"_s)->pixmap().cacheKey(); }
    bool shows(int member) const { return buttonField().image(member)->isVisibleTo(buttonArea()); }
};

} // namespace

class TestFieldPaging : public QObject
{
    Q_OBJECT

private slots:
    void aStepHandsBackThePicturesOfTheBatchItHides()
    {
        PagingDesk desk(30);
        desk.click(Builder::NextBatch);
        QCOMPARE(desk.buttonField().image(1)->pixmap().size(), QSize(1, 1));
        desk.click(Builder::NextBatch);
        QVERIFY(!desk.shows(1) && !desk.shows(25) && desk.shows(26) && desk.shows(30));
        QCOMPARE(desk.buttonField().image(1)->pixmap().cacheKey(), desk.templateKey());
        QCOMPARE(desk.buttonField().image(26)->pixmap().size(), QSize(1, 1));
        // Shown again, a member loads its picture afresh.
        desk.click(Builder::NextBatch);
        QVERIFY(desk.shows(1) && !desk.shows(26));
        QCOMPARE(desk.buttonField().image(1)->pixmap().size(), QSize(1, 1));
    }

    void aFolderLoadedAgainAfterTheReleaseShows()
    {
        PagingDesk desk(30);
        desk.click(Builder::NextBatch);
        desk.loadButtons(desk.folder.path());
        QCOMPARE(desk.buttonField().count(), 30);
        QVERIFY(!desk.shows(1));
        desk.click(Builder::NextBatch);
        QVERIFY(desk.shows(1) && desk.shows(25) && !desk.shows(26));
        QCOMPARE(desk.buttonField().image(25)->pos(),
                 desk.child<ClickableImage>(u"imgQDMenu_0"_s)->pos() + QPoint(320, 320));
    }
};

QTEST_MAIN(TestFieldPaging)
#include "tst_fieldpaging.moc"
