#include "overview/OverviewPages.h"

#include "common/ButtonPicture.h"
#include "model/ProgramState.h"

#include <QDir>

namespace {

constexpr std::size_t MaxKept = 400;

} // namespace

OverviewPages::OverviewPages(const ProgramState &state)
    : m_state(state)
{
    ensureCurrent();
}

void OverviewPages::ensureCurrent()
{
    if (!m_stale)
        return;
    m_directory = PageDirectory(m_state.recordList.entries());
    m_shown.clear();
    m_stale = false;
}

void OverviewPages::forgetPictures()
{
    m_pictures.clear();
    m_shown.clear();
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
