#include "common/DragData.h"

#include <QMimeData>

using namespace Qt::StringLiterals;

namespace {

const QString RecordFormat = u"application/x-qd5tastwerk-record"_s;
const QString ButtonFormat = u"application/x-qd5tastwerk-button"_s;

// A drop from another program arrives as the platform's own data object.
class ProgramDragData : public QMimeData
{
};

std::optional<QByteArray> ours(const QMimeData *data, const QString &format)
{
    if (!dynamic_cast<const ProgramDragData *>(data) || !data->hasFormat(format))
        return std::nullopt;
    return data->data(format);
}

} // namespace

namespace DragData {

QMimeData *forRecord(int row)
{
    auto *data = new ProgramDragData;
    data->setData(RecordFormat, QByteArray::number(row));
    return data;
}

QMimeData *forButton(const QString &command)
{
    auto *data = new ProgramDragData;
    data->setData(ButtonFormat, command.toUtf8());
    return data;
}

std::optional<int> record(const QMimeData *data)
{
    const auto bytes = ours(data, RecordFormat);
    bool ok = false;
    const int row = bytes ? bytes->toInt(&ok) : 0;
    return ok ? std::optional(row) : std::nullopt;
}

std::optional<QString> button(const QMimeData *data)
{
    const auto bytes = ours(data, ButtonFormat);
    return bytes ? std::optional(QString::fromUtf8(*bytes)) : std::nullopt;
}

} // namespace DragData
