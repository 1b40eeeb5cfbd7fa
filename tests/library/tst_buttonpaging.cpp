#include "library/ButtonPaging.h"

#include <QTest>

class TestButtonPaging : public QObject
{
    Q_OBJECT

private:
    static QList<int> batches(int buttonCount, int clicks)
    {
        ButtonPaging paging;
        QList<int> shown;
        for (int i = 0; i < clicks; ++i) {
            if (paging.step(buttonCount))
                shown << paging.batch();
        }
        return shown;
    }

private slots:
    void batchesBounceAtBothEnds_data()
    {
        QTest::addColumn<int>("buttons");
        QTest::addColumn<QList<int>>("shown");
        QTest::newRow("60") << 60 << QList<int>{0, 1, 2, 1, 0, 1, 2, 1, 0};
        QTest::newRow("50") << 50 << QList<int>{0, 1, 0, 1, 0, 1, 0, 1, 0};
        QTest::newRow("51") << 51 << QList<int>{0, 1, 2, 1, 0, 1, 2, 1, 0};
        QTest::newRow("100") << 100 << QList<int>{0, 1, 2, 3, 2, 1, 0, 1, 2};
        QTest::newRow("26") << 26 << QList<int>{0, 1, 0, 1, 0, 1, 0, 1, 0};
        // One batch: shown once, later clicks have nothing to step to.
        QTest::newRow("25") << 25 << QList<int>{0};
        QTest::newRow("1") << 1 << QList<int>{0};
        QTest::newRow("1000") << 1000 << QList<int>{0, 1, 2, 3, 4, 5, 6, 7, 8};
    }

    void batchesBounceAtBothEnds()
    {
        QFETCH(int, buttons);
        QFETCH(QList<int>, shown);
        QCOMPARE(batches(buttons, 9), shown);
    }

    void resetStartsOverAtBatchZero()
    {
        ButtonPaging paging;
        for (int i = 0; i < 4; ++i)
            paging.step(60); // 0, 1, 2, 1: now going back
        QVERIFY(!paging.forward());
        paging.reset();
        QCOMPARE(paging.batch(), ButtonPaging::NoBatch);
        QVERIFY(paging.forward());
        QVERIFY(paging.step(60));
        QCOMPARE(paging.batch(), 0);
    }

    void membersOfABatch()
    {
        QCOMPARE(ButtonPaging::firstMember(0), 1);
        QCOMPARE(ButtonPaging::lastMember(0, 60), 25);
        QCOMPARE(ButtonPaging::firstMember(2), 51);
        QCOMPARE(ButtonPaging::lastMember(2, 60), 60);
        QCOMPARE(ButtonPaging::lastMember(3, 100), 100);
        QCOMPARE(ButtonPaging::lastMember(0, 3), 3);
    }

    void placesFiveToARow()
    {
        // Button 26 opens batch 1 where button 1 opened batch 0.
        QCOMPARE(ButtonPaging::column(26), ButtonPaging::column(1));
        QCOMPARE(ButtonPaging::row(26), ButtonPaging::row(1));
        QCOMPARE(ButtonPaging::column(1), 0);
        // Button 7 lies one row below button 2.
        QCOMPARE(ButtonPaging::column(7), ButtonPaging::column(2));
        QCOMPARE(ButtonPaging::row(7), ButtonPaging::row(2) + 1);
        QCOMPARE(ButtonPaging::column(25), 4);
        QCOMPARE(ButtonPaging::row(25), 4);
        QCOMPARE(ButtonPaging::row(60), 1);
        QCOMPARE(ButtonPaging::column(60), 4);
    }
};

QTEST_APPLESS_MAIN(TestButtonPaging)
#include "tst_buttonpaging.moc"
