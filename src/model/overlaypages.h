#pragma once

#include <QMap>
#include <QStringList>
#include <QTime>

// One page of text shown over the inspection video for a while.
struct OverlayPage
{
    OverlayPage() = default;
    void clear() { *this = OverlayPage(); }

    int kind = 0;
    QTime start = QTime(0, 0);  // video time at which the page appears
    int duration = 0;           // seconds
    QStringList lines;
};

// The overlay pages of an inspection, keyed by their start in milliseconds since midnight.
class OverlayPages
{
public:
    // Refuses (false) a page whose start is already taken.
    bool add(const OverlayPage &page);
    const QMap<int, OverlayPage> &pages() const { return m_pages; }
    bool isEmpty() const { return m_pages.isEmpty(); }

private:
    QMap<int, OverlayPage> m_pages;
};
