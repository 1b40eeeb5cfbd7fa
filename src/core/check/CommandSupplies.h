#pragma once

#include <QHash>
#include <QSet>
#include <QStringList>

// Whether a command of the menu has a picture among the loaded button
// files and a caption in the vocabulary, found the way the preview finds
// them. A menu names the same few commands many times over; each is looked
// up once.
class CommandSupplies
{
public:
    struct Supply
    {
        bool picture = true; // true as well when no button folder is loaded
        bool caption = true;
    };

    CommandSupplies(const QStringList &buttonFiles, const QStringList &vocabulary);

    Supply of(QStringView command);

private:
    const QStringList &m_vocabulary;
    // Upper-case command → the button's name as the file spells it.
    QHash<QString, QString> m_buttons;
    bool m_folderLoaded = false;
    QHash<QString, Supply> m_known;
};
