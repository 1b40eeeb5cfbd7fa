#include "overview/OverviewPages.h"

#include "common/ButtonPicture.h"
#include "model/ProgramState.h"
#include "overview/PageCell.h"

#include <QDir>
#include <QPainter>

namespace {

constexpr std::size_t MaxKept = 400;
// The cells kept, at most: enough for a few windows full at any zoom.
constexpr qsizetype MaxCellBytes = qsizetype(32) * 1024 * 1024;

} // namespace

bool OverviewPages::CellLook::operator==(const CellLook &other) const
{
    return pageSize == other.pageSize && labelHeight == other.labelHeight && font == other.font
           && palette.cacheKey() == other.palette.cacheKey() && qFuzzyCompare(pixelRatio, other.pixelRatio);
}

OverviewPages::OverviewPages(const ProgramState &state)
    : m_state(state)
{
}

void OverviewPages::ensureCurrent()
{
    if (!m_stale)
        return;
    m_directory = PageDirectory(m_state.recordList.entries());
    m_shown.clear();
    m_cells.clear();
    m_stale = false;
}

void OverviewPages::forgetDrawn()
{
    m_shown.clear();
    m_cells.clear();
}

void OverviewPages::forgetPictures()
{
    m_pictures.clear();
    forgetDrawn();
}

QMargins OverviewPages::cellMargins(const CellLook &look)
{
    const int frame = 2 * PageCell::frameWidth(look.pageSize.width());
    return {frame, frame, frame, frame};
}

const QPixmap &OverviewPages::cell(int index, const CellLook &look)
{
    if (!(look == m_cellLook)) {
        m_cells.clear();
        m_cellLook = look;
    }
    const auto found = m_cells.find(index);
    if (found != m_cells.end())
        return found->second;
    const QMargins margins = cellMargins(look);
    const QRect label(margins.left(), margins.top(), look.pageSize.width(), look.labelHeight);
    const QRect page(label.bottomLeft() + QPoint(0, 1), look.pageSize);
    const QSize size = QRect(label.topLeft(), page.bottomRight()).marginsAdded(margins).size();
    const qsizetype bytes = qsizetype(size.width() * look.pixelRatio) * qsizetype(size.height() * look.pixelRatio) * 4;
    if (qsizetype(m_cells.size() + 1) * bytes > MaxCellBytes)
        m_cells.clear();

    QPixmap drawn(size * look.pixelRatio);
    drawn.setDevicePixelRatio(look.pixelRatio);
    drawn.fill(Qt::transparent);
    QPainter painter(&drawn);
    painter.setFont(look.font);
    PageCell::paint(painter, label, page, index, *this, look.palette);
    painter.end();
    return m_cells.emplace(index, std::move(drawn)).first->second;
}

const ShownPage &OverviewPages::shown(int index)
{
    const auto found = m_shown.find(index);
    if (found != m_shown.end())
        return found->second;
    // Enough for every page in sight at the smallest zoom; a long scroll
    // does not keep every page it passed.
    if (m_shown.size() >= MaxKept)
        m_shown.clear();
    ShownPage page;
    page.apply(m_directory.render(index, m_state.recordList.entries(), m_state.buttonFiles.entries(),
                                  m_state.vocabulary.entries()),
               [this](const std::optional<QString> &file) { return picture(file); });
    return m_shown.emplace(index, std::move(page)).first->second;
}

QPixmap OverviewPages::picture(const std::optional<QString> &file)
{
    if (!file)
        return ButtonPicture::templatePicture();
    // Most pages show the same few buttons; each is read once.
    const QString path = QDir(m_state.buttonFolder).filePath(*file);
    auto found = m_pictures.constFind(path);
    if (found == m_pictures.constEnd())
        found = m_pictures.insert(path, ButtonPicture::load(path));
    return *found;
}

int OverviewPages::recordOf(int index, int place) const
{
    if (index < 0 || index >= count())
        return -1;
    const PageDirectory::Page &found = page(index);
    if (place < 0)
        return static_cast<int>(found.header);
    return place < found.placeCount ? static_cast<int>(found.firstItem) + place : -1;
}
