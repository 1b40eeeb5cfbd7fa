// What the fuzz harnesses found, kept as plain tests so the normal suite
// guards every fix.

#include "model/MenuRecords.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestFuzzFindings : public QObject
{
    Q_OBJECT

private slots:
    // A folder may hold a thousand buttons and more; from button 1000 on the
    // number in the tooltip has four digits, and the click made an item of
    // " NAVIGATE_TO" with a blank in front.
    void tooltipsOfFourDigitButtons()
    {
        for (const int number : {1, 999, 1000, 32767}) {
            const QString tooltip = MenuRecords::buttonTooltip(number, u"navigate_to"_s);
            QCOMPARE(MenuRecords::commandFromTooltip(tooltip), u"navigate_to"_s);
        }
        QCOMPARE(MenuRecords::commandFromTooltip(u"1000 my button"_s), u"my button"_s);
    }
};

QTEST_GUILESS_MAIN(TestFuzzFindings)
#include "tst_fuzzfindings.moc"
