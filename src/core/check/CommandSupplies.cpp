#include "check/CommandSupplies.h"

#include "library/ButtonFileNames.h"
#include "library/CaptionLookup.h"

#include <QLocale>

CommandSupplies::CommandSupplies(const QStringList &buttonFiles, const QStringList &vocabulary)
    : m_vocabulary(vocabulary)
    , m_folderLoaded(!buttonFiles.isEmpty())
{
    const QLocale locale;
    for (const QString &file : buttonFiles) {
        if (file.size() < 4)
            continue; // too short to be named "<command>.gif"
        const QString name = ButtonFileNames::commandName(file);
        // The first file of a name wins, as in the preview.
        const QString upper = locale.toUpper(name);
        if (!m_buttons.contains(upper))
            m_buttons.insert(upper, name);
    }
}

CommandSupplies::Supply CommandSupplies::of(QStringView command)
{
    const QString key = command.toString();
    const auto known = m_known.constFind(key);
    if (known != m_known.cend())
        return *known;

    const QLocale locale;
    Supply supply;
    QString name;
    if (m_folderLoaded) {
        const auto button = m_buttons.constFind(locale.toUpper(key));
        supply.picture = button != m_buttons.cend();
        if (supply.picture)
            name = *button;
    }
    // Without a picture the vocabulary is asked for the name a button file
    // of the command would have: the builder upper-cases file names.
    if (name.isEmpty())
        name = locale.toLower(key);
    supply.caption = CaptionLookup::find(m_vocabulary, name).has_value();
    m_known.insert(key, supply);
    return supply;
}
