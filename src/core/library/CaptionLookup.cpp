#include "library/CaptionLookup.h"

namespace CaptionLookup {

QStringView commandOf(QStringView line)
{
    QStringView field = line.left(CommandColumns);
    while (!field.isEmpty() && field.front() == u' ')
        field = field.sliced(1);
    while (!field.isEmpty() && field.back() == u' ')
        field.chop(1);
    return field;
}

std::optional<QString> find(const QStringList &vocabulary, QStringView commandName)
{
    for (const QString &line : vocabulary) {
        if (line.size() <= CommandColumns)
            return std::nullopt;
        if (commandOf(line) == commandName)
            return line.sliced(CommandColumns);
    }
    return std::nullopt;
}

} // namespace CaptionLookup
