#pragma once

#include <QHash>
#include <QMap>
#include <QMutex>
#include <QString>

namespace ModelUtils {

// What one catalogue resource yields: its codes and the option lists of its "texte" section.
template <class Catalogue>
struct CatalogueSnapshot
{
    Catalogue catalogue;
    QHash<QString, QMap<QString, QString>> lists;
};

// Fills catalogue and the named option lists from the resource. The first call for a resource
// reads it with read (which fills the same targets) and keeps what it read; every later call
// takes that copy. The copies share their data until one is changed, so an inspection costs no
// parsing and no memory of its own for its catalogue, and a change to one inspection's lists
// never reaches another's. The first read happens under a lock: inspections built on several
// threads at once read a resource once, and none sees it half read.
//
// Only for the program's resources, which cannot change while it runs; a file on disk is read
// by the caller every time. Each call site keeps its own store (read is a distinct lambda type).
template <class Catalogue, class Read>
void loadSharedCatalogue(const QString &resource, Catalogue &catalogue,
                         const QHash<QString, QMap<QString, QString> *> &lists, Read read)
{
    static QMutex mutex;
    static QHash<QString, CatalogueSnapshot<Catalogue>> store;
    QMutexLocker lock(&mutex);
    auto found = store.constFind(resource);
    if (found == store.constEnd()) {
        read();
        CatalogueSnapshot<Catalogue> snapshot;
        snapshot.catalogue = catalogue;
        for (auto it = lists.constBegin(); it != lists.constEnd(); ++it)
            snapshot.lists.insert(it.key(), *it.value());
        found = store.insert(resource, snapshot);
    }
    catalogue = found->catalogue;
    for (auto it = lists.constBegin(); it != lists.constEnd(); ++it)
        *it.value() = found->lists.value(it.key());
}

} // namespace ModelUtils
