#include "drop/ui/DropAnalysisViewModel.h"

#include "access/AccessManager.h"
#include "core/Localization.h"
#include "core/PathBytes.h"
#include "core/SizeText.h"
#include "drop/CopyFinder.h"
#include "screens/ui/FileIcon.h"
#include "store/CleanerStore.h"

#include <QtConcurrent>

namespace pelmo {

DropAnalysisViewModel::DropAnalysisViewModel(QObject *parent)
    : StoreViewModel(parent)
{ }

void DropAnalysisViewModel::setPath(const QString &path)
{
    if (m_path == path || m_started)
        return; // one sheet analyses one item
    m_path = path;
    m_iconName = FileIcon::forPath(path);
    Q_EMIT pathChanged();
    search();
}

QString DropAnalysisViewModel::name() const
{
    return PathBytes::display(m_path.sliced(m_path.lastIndexOf(u'/') + 1));
}

QString DropAnalysisViewModel::sizeText() const
{
    return m_size ? formatSize(*m_size) : Localization::tr("Počítám…");
}

QString DropAnalysisViewModel::trashText() const
{
    return Localization::tr("Kopie do koše (") + QString::number(ticked().size()) + u')';
}

bool DropAnalysisViewModel::trashEnabled() const
{
    return m_store && !m_store->isCleaning() && !ticked().isEmpty();
}

void DropAnalysisViewModel::toggle(const QString &path)
{
    if (!m_checked.remove(path))
        m_checked.insert(path);
    m_copies.setItems(m_copies.items(), m_checked);
    Q_EMIT changed();
}

void DropAnalysisViewModel::trash()
{
    if (!trashEnabled())
        return;
    m_awaitingBatch = true;
    m_store->clean(ticked());
}

void DropAnalysisViewModel::attach(CleanerStore &store)
{
    connect(&store, &CleanerStore::isCleaningChanged, this, &DropAnalysisViewModel::changed);
    // The sheet closes after its own move, whatever the move's outcome.
    connect(&store, &CleanerStore::batchFinished, this, [this] {
        if (std::exchange(m_awaitingBatch, false))
            Q_EMIT finished();
    });
}

void DropAnalysisViewModel::storeReplaced()
{
    search();
    Q_EMIT changed();
}

void DropAnalysisViewModel::search()
{
    if (m_started || !m_store || m_path.isEmpty())
        return;
    m_started = true;
    const QString home = m_store->access()->homeUrl();
    if (home.isEmpty()) {
        m_searching = false;
        Q_EMIT changed();
        return;
    }
    QtConcurrent::run([path = m_path, home] {
        return CopyFinder::copies(path, home);
    }).then(this, [this](const CopyFinder::Result &result) {
        m_size = result.size;
        for (const CleanItem &copy : result.copies)
            m_checked.insert(copy.id());
        m_copies.setItems(result.copies, m_checked);
        m_searching = false;
        Q_EMIT changed();
    });
}

QList<CleanItem> DropAnalysisViewModel::ticked() const
{
    QList<CleanItem> result;
    for (const CleanItem &copy : m_copies.items())
        if (m_checked.contains(copy.id()))
            result.append(copy);
    return result;
}

} // namespace pelmo
