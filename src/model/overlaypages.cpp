#include "model/overlaypages.h"

bool OverlayPages::add(const OverlayPage &page)
{
    const int key = page.start.msecsSinceStartOfDay();
    if (m_pages.contains(key))
        return false;
    m_pages.insert(key, page);
    return true;
}
