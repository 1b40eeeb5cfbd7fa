// A page found through the kept index of openers is the page a fresh index
// finds, however the list was edited in between.

#include "model/EntryListModel.h"
#include "preview/PageOpenerIndex.h"
#include "preview/PreviewRenderer.h"

#include <QRandomGenerator>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// Openers of one- to three-digit pages with and without titles, items,
// page turns, and records too short for either.
QString randomRecord(QRandomGenerator &random)
{
    const QString page = QString::number(random.bounded(0, 130));
    switch (random.bounded(6)) {
    case 0:
    case 1: return u"MENUPAGE|TASK_PAGE"_s + page + (random.bounded(2) ? u" Menü "_s + page : QString()) + u'|';
    case 2: return u"MENUITEM|TASK_PAGE"_s + page + u'|';
    case 3: return u"MENUITEM|TASK_ZOOM_IN"_s + (random.bounded(2) ? page : QString()) + u'|';
    case 4: return u"MENUITEM|TASK_SHOW_MAP|"_s;
    default: return QString(random.bounded(0, 25), u'x');
    }
}

QStringList randomMenu(QRandomGenerator &random)
{
    QStringList menu;
    const int size = random.bounded(0, 80);
    for (int i = 0; i < size; ++i)
        menu.append(randomRecord(random));
    return menu;
}

// One random edit of the list, of the kinds the program makes.
void edit(EntryListModel &list, QRandomGenerator &random)
{
    const int count = list.count();
    switch (count == 0 ? 0 : random.bounded(6)) {
    case 0: list.append(randomRecord(random)); break;
    case 1: list.insert(random.bounded(count + 1), randomRecord(random)); break;
    case 2: list.replace(random.bounded(count), randomRecord(random)); break;
    case 3: list.remove(random.bounded(count)); break;
    case 4: list.setEntries(randomMenu(random)); break;
    default: list.clear(); break;
    }
}

} // namespace

class TestPageOpeners : public QObject
{
    Q_OBJECT

private slots:
    void everyPageAsFoundFromTheStart_data()
    {
        QTest::addColumn<int>("edits");
        QTest::newRow("one list asked in any order") << 0;
        QTest::newRow("a list edited between the pages") << 1;
        QTest::newRow("a list edited many times between the pages") << 5;
    }
    void everyPageAsFoundFromTheStart()
    {
        QFETCH(int, edits);
        QRandomGenerator random(20261206 + edits);
        for (int menu = 0; menu < 300; ++menu) {
            EntryListModel list;
            list.setEntries(randomMenu(random));
            PageOpenerIndex openers(list);
            for (int ask = 0; ask < 40; ++ask) {
                const int previewPage = random.bounded(-1, 102);
                const RenderedPage kept = PreviewRenderer::render(list.entries(), previewPage, {}, {}, openers);
                // A fresh index reads the list from its start.
                const RenderedPage plain = PreviewRenderer::render(list.entries(), previewPage, {}, {});
                if (kept != plain)
                    QFAIL(qPrintable(u"page %1 of %2 differs"_s.arg(previewPage).arg(list.entries().join(u" / "_s))));
                for (int i = 0; i < edits; ++i)
                    edit(list, random);
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestPageOpeners)
#include "tst_pageopeners.moc"
