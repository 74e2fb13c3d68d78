#pragma once

#include "foundation/firm.h"

#include <QList>
#include <QString>
#include <QStringList>

// The companies kept by the program, one of them current, stored in "tsfirm.ini" in the data
// directory. Names are matched exactly (case-sensitive); the first match wins.
class FirmStore
{
public:
    explicit FirmStore(const QString &dataDirectory);

    QString filePath() const;

    // Appends the companies of the file and takes its current index. A missing file (first
    // start) is no failure; a file that exists but cannot be read is reported and gives false.
    bool load();
    // Whether the file exists but failed to load; it is then not saved over (its companies are
    // not in memory) until the user decides to (allowOverwrite()).
    bool loadFailed() const { return m_loadFailed; }
    void allowOverwrite() { m_loadFailed = false; }
    // Writes the whole file anew; false when it could not be written (the old file then stays)
    // or when it failed to load (reported).
    bool save() const;

    // The current company, or a default record when the index is outside the list.
    Firm currentFirm() const;
    int currentIndex() const { return m_current; }
    // Selects the first company of that name, or index 0 when there is none.
    void setCurrentFirm(const QString &name);

    Firm firm(const QString &name) const;
    bool contains(const QString &name) const;
    int indexOf(const QString &name) const;
    int count() const { return m_firms.size(); }
    // The non-empty names, sorted case-sensitively.
    QStringList names() const;

    // Appends a copy unless a company of that (non-empty) name exists; true when appended.
    bool addFirm(const Firm &firm);
    // Replaces the first company of that name; its index, or -1 (nothing changed) when none.
    int updateFirm(const QString &name, const Firm &firm);
    // Removes the first company of that name. A company listed before the current one moves the
    // index with it, so the same company stays current; removing the current company itself
    // leaves the index as it is (it may then point past the end).
    void removeFirm(const QString &name);

private:
    QList<Firm> m_firms;
    int m_current = -1;
    QString m_dataDirectory;
    bool m_loadFailed = false;
};
