#pragma once

#include <QString>

#include <optional>

class QMimeData;

// What a drag inside the program carries: a record of the record list or
// the command of a button picture. The formats are the program's own and
// carry no text, so that no other program and no edit field takes them;
// and only data made here is read back, so that a drop from outside the
// program, even from another of its windows elsewhere, gives nothing.
namespace DragData {

QMimeData *forRecord(int row);
QMimeData *forButton(const QString &command);

std::optional<int> record(const QMimeData *data);
std::optional<QString> button(const QMimeData *data);

} // namespace DragData
