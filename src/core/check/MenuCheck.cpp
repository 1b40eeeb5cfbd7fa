#include "check/MenuCheck.h"

#include "check/CommandSupplies.h"
#include "check/MenuPages.h"
#include "files/Windows1252Codec.h"
#include "model/MenuRecords.h"
#include "model/RecordFields.h"
#include "model/RecordGrammar.h"

#include <QMap>
#include <QSet>

#include <algorithm>
#include <array>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

using Severity = CheckFinding::Severity;
using RecordGrammar::Fault;
using RecordGrammar::Kind;

// A quoted piece of a line stays short enough to read in one row.
QString shortened(QStringView text)
{
    constexpr qsizetype Longest = 30;
    return text.size() > Longest ? text.first(Longest).toString() + u'…' : text.toString();
}

QString faultText(const RecordGrammar::Reading &reading)
{
    switch (reading.fault) {
    case Fault::None: break;
    case Fault::UnknownKeyword:
        return u"Die Zeile ist weder Blockzeile noch Seitenkopf noch Eintrag: das erste Feld „%1“ ist unbekannt."_s.arg(
            shortened(reading.keyword));
    case Fault::NoClosingBar: return u"Die Zeile endet nicht mit „|“."_s;
    case Fault::BlockFields: return u"Die Blockzeile lautet nicht genau „%1“."_s.arg(MenuRecords::blockLine());
    case Fault::PageField:
        if (reading.kind == Kind::PageHeader)
            return u"Das zweite Feld des Seitenkopfs ist nicht „TASK_PAGE“ mit einer Seitennummer von 1 bis 99."_s;
        return u"Das Umblättern nennt keine Seitennummer von 1 bis 99."_s;
    case Fault::TitleNumber:
        return u"Das dritte Feld des Seitenkopfs endet nicht mit einem Leerzeichen und der Seitennummer %1."_s.arg(
            reading.page);
    case Fault::TitleBar: return u"Der Titel enthält „|“; das Gerät liest dahinter ein weiteres Feld."_s;
    case Fault::TaskField: return u"Das zweite Feld des Eintrags beginnt nicht mit „TASK_“."_s;
    case Fault::EmptyCommand: return u"Der Eintrag nennt keinen Befehl."_s;
    case Fault::CommandBar: return u"Der Befehl enthält „|“; das Gerät liest dahinter ein weiteres Feld."_s;
    case Fault::DigitsAtPageColumn:
        return u"Das Gerät liest die Ziffern in Spalte 19 und 20 des Befehls %1 als Seitennummer."_s.arg(
            shortened(reading.command));
    }
    return {};
}

class Checker
{
public:
    Checker(const QStringList &records, const QStringList &buttonFiles, const QStringList &vocabulary)
        : m_records(records)
        , m_supplies(buttonFiles, vocabulary)
    {
    }

    QList<CheckFinding> run()
    {
        if (m_records.isEmpty()) {
            add(-1, Severity::Error, u"Das Menü ist leer."_s); // line 0: the file as a whole
            return m_findings;
        }
        m_readings.resize(m_records.size());
        for (qsizetype index = 0; index < m_records.size(); ++index)
            checkRecord(index);
        checkNumbering();
        checkPages();
        std::stable_sort(m_findings.begin(), m_findings.end(),
                         [](const CheckFinding &a, const CheckFinding &b) { return a.line < b.line; });
        return m_findings;
    }

private:
    void add(qsizetype index, Severity severity, const QString &text)
    {
        m_findings.append({.line = index + 1, .severity = severity, .text = text});
    }

    void checkRecord(qsizetype index)
    {
        const QString &record = m_records.at(index);
        checkCodePage(index, record);
        if (index == 0) {
            if (record != MenuRecords::blockLine())
                add(index, Severity::Error,
                    u"Die erste Zeile ist nicht die Blockzeile „%1“."_s.arg(MenuRecords::blockLine()));
            return;
        }
        const RecordGrammar::Reading reading = RecordGrammar::read(record);
        // A header with a broken page field still opens the page the device
        // reads there; only that one mistake is reported about it.
        const int page =
            reading.kind == Kind::PageHeader && reading.page == 0 ? RecordFields::pageNumber(record) : reading.page;
        m_readings[index] = {reading.kind, reading.fault, page};
        if (reading.fault != Fault::None) {
            add(index, Severity::Error, faultText(reading));
            return;
        }
        switch (reading.kind) {
        case Kind::BlockLine: add(index, Severity::Error, u"Die Blockzeile gehört nur in die erste Zeile."_s); break;
        case Kind::PageHeader:
            if (reading.title.isEmpty())
                add(index, Severity::Warning, u"Seite %1 hat keinen Titel."_s.arg(reading.page));
            break;
        case Kind::CommandItem:
        case Kind::PageTurn: checkSupplies(index, RecordFields::command(record, reading.page)); break;
        case Kind::Unknown: break;
        }
    }

    void checkCodePage(qsizetype index, const QString &record)
    {
        m_encoded.resize(record.size());
        const qsizetype written = Windows1252Codec::encodeInto(record, m_encoded.data());
        if (written == record.size())
            return;
        const char32_t codePoint = QChar::isHighSurrogate(record.at(written).unicode()) && written + 1 < record.size()
                                       ? QChar::surrogateToUcs4(record.at(written), record.at(written + 1))
                                       : record.at(written).unicode();
        const QString character = QString::fromUcs4(&codePoint, 1);
        add(index, Severity::Error,
            u"Das Zeichen „%1“ (U+%2) gibt es in der Codepage Windows-1252 nicht."_s.arg(
                character, QString::number(codePoint, 16).toUpper().rightJustified(4, u'0')));
    }

    void checkSupplies(qsizetype index, QStringView command)
    {
        const CommandSupplies::Supply supply = m_supplies.of(command);
        if (!supply.picture)
            add(index, Severity::Warning,
                u"Zum Befehl %1 gibt es im Button-Ordner kein Bild."_s.arg(shortened(command)));
        if (!supply.caption)
            add(index, Severity::Warning,
                u"Zum Befehl %1 gibt es im Vokabular keine Beschriftung."_s.arg(shortened(command)));
    }

    // Page headers count 1, 2, 3 … in the order of the lines.
    void checkNumbering()
    {
        int previous = 0;
        for (qsizetype index = 1; index < m_records.size(); ++index) {
            const Reading &reading = m_readings.at(index);
            if (reading.kind != Kind::PageHeader || reading.page == 0)
                continue;
            const auto seen = m_headerLines.constFind(reading.page);
            if (seen != m_headerLines.cend()) {
                add(index, Severity::Error, u"Seite %1 gibt es schon in Zeile %2."_s.arg(reading.page).arg(*seen + 1));
                continue;
            }
            m_headerLines.insert(reading.page, index);
            if (reading.page != previous + 1) {
                add(index, Severity::Error,
                    previous == 0 ? u"Die erste Seite hat die Nummer %1; erwartet war Seite 1."_s.arg(reading.page)
                                  : u"Auf Seite %1 folgt Seite %2; erwartet war Seite %3."_s.arg(previous)
                                        .arg(reading.page)
                                        .arg(previous + 1));
            }
            previous = reading.page;
        }
    }

    void checkPages()
    {
        const MenuPages::Layout layout = MenuPages::read(m_records);
        for (const qsizetype index : layout.beforeFirstPage) {
            add(index, Severity::Warning, u"Der Eintrag steht vor der ersten Seite; das Gerät zeigt ihn nicht."_s);
        }
        if (layout.pages.isEmpty())
            add(-1, Severity::Error, u"Das Menü hat keine Seite."_s);
        for (const MenuPage &page : layout.pages)
            checkPage(page);
        checkTurns();
        if (!layout.pages.isEmpty())
            checkReturn(layout.pages.constLast());
    }

    void checkPage(const MenuPage &page)
    {
        // A header the device reads past while it looks for a page is a
        // page it never shows.
        for (qsizetype index = page.firstOpener; index < page.lastOpener; ++index) {
            const Reading &reading = m_readings.at(index);
            if (reading.kind == Kind::PageHeader && reading.page != 0)
                add(index, Severity::Error,
                    u"Seite %1 zeigt das Gerät nie: Zeile %2 dahinter liest es als Anfang von Seite %3."_s
                        .arg(reading.page)
                        .arg(index + 2)
                        .arg(page.number));
        }
        if (page.placeCount() == 0) {
            add(page.lastOpener, Severity::Error, u"Seite %1 hat keine Plätze."_s.arg(page.number));
        } else if (page.placeCount() > PlacesShown) {
            add(page.firstPlace + PlacesShown, Severity::Error,
                u"Seite %1 hat %2 Plätze; das Gerät zeigt nur die ersten sechs."_s.arg(page.number)
                    .arg(page.placeCount()));
        }
    }

    void checkTurns()
    {
        QSet<int> reached{1};
        for (qsizetype index = 1; index < m_records.size(); ++index) {
            const Reading &reading = m_readings.at(index);
            if (reading.kind != Kind::PageTurn || reading.fault != Fault::None)
                continue;
            reached.insert(reading.page);
            if (!m_headerLines.contains(reading.page))
                add(index, Severity::Error,
                    u"Das Umblättern führt zu Seite %1, die es nicht gibt."_s.arg(reading.page));
            else if (const Landing wrong = wrongLanding(reading.page); wrong.start >= 0)
                add(index, Severity::Error,
                    u"Das Umblättern zu Seite %1 landet woanders: das Gerät liest %2 als Anfang von Seite %3."_s
                        .arg(reading.page)
                        .arg(wrong.start == index ? u"diese Zeile selbst"_s : u"Zeile %1"_s.arg(wrong.start + 1))
                        .arg(wrong.page));
        }
        for (auto header = m_headerLines.cbegin(); header != m_headerLines.cend(); ++header) {
            if (!reached.contains(header.key()))
                add(header.value(), Severity::Warning, u"Keine Umblätter-Taste führt zu Seite %1."_s.arg(header.key()));
        }
    }

    // The device looks for page n from the top: the first record that may
    // open a page of n or more begins the run of openers it reads, and the
    // places follow that run. A two-digit page turn is such a record
    // itself, so standing above its page without that page's header right
    // behind it, it sends the device to a page of its own. Returns the
    // record the device takes for the start of page n, and the page it
    // reads there, when the run misses page n's header; else start -1.
    struct Landing
    {
        qsizetype start = -1;
        int page = 0;
    };

    Landing wrongLanding(int page)
    {
        if (m_landings.empty())
            findLandings();
        return m_landings.at(static_cast<std::size_t>(page));
    }

    void findLandings()
    {
        std::array<qsizetype, 100> firstAtLeast{};
        firstAtLeast.fill(-1);
        for (qsizetype index = 1; index < m_records.size(); ++index) {
            const int number = RecordFields::pageNumber(m_records.at(index));
            if (!RecordFields::mayOpenPage(m_records.at(index), number))
                continue;
            // Filled from the top, so whatever is filled stays so below.
            for (int page = number; page >= 1 && firstAtLeast.at(std::size_t(page)) < 0; --page)
                firstAtLeast.at(std::size_t(page)) = index;
        }
        m_landings.assign(firstAtLeast.size(), {});
        for (auto header = m_headerLines.cbegin(); header != m_headerLines.cend(); ++header) {
            const int page = header.key();
            if (page < 1 || page >= int(firstAtLeast.size()))
                continue;
            const qsizetype start = firstAtLeast.at(std::size_t(page));
            qsizetype index = start;
            int reading = page;
            while (index < m_records.size()) {
                const int number = RecordFields::pageNumber(m_records.at(index));
                if (!RecordFields::mayOpenPage(m_records.at(index), number) || number < reading)
                    break;
                reading = number;
                ++index;
            }
            if (start >= 0 && (header.value() < start || header.value() >= index))
                m_landings.at(std::size_t(page)) = {.start = start, .page = reading};
        }
    }

    void checkReturn(const MenuPage &last)
    {
        if (last.placeCount() == 0)
            return; // reported as a page without places
        const qsizetype shownEnd = std::min(last.end, last.firstPlace + PlacesShown);
        for (qsizetype index = last.firstPlace; index < shownEnd; ++index) {
            const Reading &reading = m_readings.at(index);
            if (reading.kind == Kind::PageTurn && reading.fault == Fault::None && reading.page == 1)
                return;
        }
        add(last.lastOpener, Severity::Error, u"Die letzte Seite %1 führt nicht zurück zu Seite 1."_s.arg(last.number));
    }

    struct Reading
    {
        Kind kind = Kind::Unknown;
        Fault fault = Fault::None;
        int page = 0;
    };

    static constexpr qsizetype PlacesShown = 6;

    const QStringList &m_records;
    CommandSupplies m_supplies;
    QList<Reading> m_readings;
    QMap<int, qsizetype> m_headerLines; // page → index of its first header
    std::vector<Landing> m_landings;    // by page: see wrongLanding()
    QByteArray m_encoded;
    QList<CheckFinding> m_findings;
};

} // namespace

QList<CheckFinding> MenuCheck::run(const QStringList &records, const QStringList &buttonFiles,
                                   const QStringList &vocabulary)
{
    return Checker(records, buttonFiles, vocabulary).run();
}

bool MenuCheck::hasErrors(const QList<CheckFinding> &findings)
{
    return std::any_of(findings.cbegin(), findings.cend(),
                       [](const CheckFinding &finding) { return finding.severity == CheckFinding::Severity::Error; });
}
