#pragma once

#include <QImage>
#include <QList>
#include <QString>

// Our own button pictures: one 80 x 50 picture for every command of the
// vocabulary, named after the command. A coloured key per kind of command
// (route, map, places, traffic, help, settings, services, device), a line
// pictogram, a mark for the action where several share a pictogram, and a
// short label.
namespace ButtonSet {

QStringList commands();
QImage draw(const QString &command);

// Writes "<command>.gif" for every command into `folder`.
bool write(const QString &folder);

} // namespace ButtonSet
