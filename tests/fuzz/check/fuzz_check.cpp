// The menu checker over any bytes a menu file could hold, read as "&Öffnen"
// reads them: no crash, no hang, and every finding points at a line of the
// file.

#include "FuzzSupport.h"

#include "check/MenuCheck.h"
#include "check/MenuPages.h"
#include "files/EntryFileFormat.h"

using namespace Qt::StringLiterals;

namespace {

const QStringList ButtonFiles{u"navigate_to.gif"_s, u"page.gif"_s, u"Page.gif"_s, u"x"_s, u"ä.gif"_s};
const QStringList Vocabulary{u"navigate_to              Navigieren"_s, u"page                     Nächste Seite"_s};

void check(const QStringList &records, const QStringList &buttonFiles)
{
    const QList<CheckFinding> findings = MenuCheck::run(records, buttonFiles, Vocabulary);
    const qsizetype lines = records.size();
    qsizetype previous = 0;
    bool errors = false;
    for (const CheckFinding &finding : findings) {
        FUZZ_CHECK(lines == 0 ? finding.line == 0 : finding.line >= 1 && finding.line <= lines);
        FUZZ_CHECK(finding.line >= previous);
        FUZZ_CHECK(!finding.text.isEmpty());
        previous = finding.line;
        errors = errors || finding.severity == CheckFinding::Severity::Error;
    }
    FUZZ_CHECK(MenuCheck::hasErrors(findings) == errors);
    // Only a menu with a first line can be free of errors.
    FUZZ_CHECK(lines > 0 || errors);

    // The pages follow each other without gap or overlap, after the first line.
    const MenuPages::Layout layout = MenuPages::read(records);
    qsizetype next = layout.beforeFirstPage.isEmpty() ? 1 : layout.beforeFirstPage.constLast() + 1;
    for (const MenuPage &page : layout.pages) {
        FUZZ_CHECK(page.firstOpener == next);
        FUZZ_CHECK(page.firstOpener <= page.lastOpener && page.lastOpener < page.firstPlace);
        FUZZ_CHECK(page.firstPlace <= page.end && page.end <= lines);
        FUZZ_CHECK(page.titleRecord < 0
                   || (page.titleRecord >= page.firstOpener && page.titleRecord <= page.lastOpener));
        FUZZ_CHECK(page.number >= 1 && page.number <= 99);
        next = page.end;
    }
    FUZZ_CHECK(lines <= 1 || next == lines);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *bytes, size_t size)
{
    // The raw bytes are a menu file, so the file reader's seeds serve too.
    const QStringList records =
        EntryFileFormat::entries(QByteArrayView(reinterpret_cast<const char *>(bytes), qsizetype(size)));
    check(records, ButtonFiles);
    check(records, {});
    return 0;
}
