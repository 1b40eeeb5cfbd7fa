#include "editor/FullHeightRows.h"

#include "files/Windows1252Codec.h"

#include <QAbstractItemView>
#include <QFontMetrics>
#include <QItemDelegate>
#include <QStyledItemDelegate>

#include <algorithm>
#include <optional>

namespace {

// Every character of Windows-1252 that is drawn.
QString printableCharacters()
{
    QByteArray bytes;
    for (int byte = 0x21; byte <= 0xFF; ++byte) {
        if (byte != 0x7F && byte != 0x81 && byte != 0x8D && byte != 0x8F && byte != 0x90 && byte != 0x9D)
            bytes.append(char(byte));
    }
    return Windows1252Codec::decode(bytes);
}

// Twice the most any of those characters reaches above the font's ascent
// or below its descent.
int extraHeight(const QFont &font)
{
    static const QString characters = printableCharacters();
    const QFontMetrics metrics(font);
    const QRect glyphs = metrics.tightBoundingRect(characters);
    const int above = -glyphs.top() - metrics.ascent();
    const int below = glyphs.bottom() + 1 - metrics.descent();
    return 2 * std::max({0, above, below});
}

// The view's own kind of delegate, its rows grown.
template<typename Delegate>
class TallRows : public Delegate
{
public:
    using Delegate::Delegate;

    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        if (!m_measured || *m_measured != option.font) {
            m_measured = option.font;
            m_extra = extraHeight(option.font);
        }
        return Delegate::sizeHint(option, index) + QSize(0, m_extra);
    }

private:
    mutable std::optional<QFont> m_measured;
    mutable int m_extra = 0;
};

} // namespace

namespace FullHeightRows {

void apply(QAbstractItemView *view)
{
    // Each view keeps the kind of delegate it draws with, and so its look.
    if (qobject_cast<QStyledItemDelegate *>(view->itemDelegate()))
        view->setItemDelegate(new TallRows<QStyledItemDelegate>(view));
    else
        view->setItemDelegate(new TallRows<QItemDelegate>(view));
}

} // namespace FullHeightRows
