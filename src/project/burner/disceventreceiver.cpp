#include "project/burner/disceventreceiver.h"

#include <QtGlobal>

DiscEventReceiver::DiscEventReceiver(QObject *parent)
    : QObject(parent)
{
}

void DiscEventReceiver::update(const Disc::DriveProgress &progress, qint64 elapsedMs)
{
    if (progress.phase != Disc::DriveProgress::Phase::Data || progress.sectors <= 0)
        return;
    const long count = progress.sectors;
    const long address = qMax(m_lastAddress, qBound(0L, long(progress.sector), count));
    m_lastAddress = address;
    const long elapsed = long(elapsedMs / 1000);
    // Until the first sector is written there is no rate to estimate from.
    long remaining = 0;
    if (address > 0 && elapsedMs > 0) {
        const double msPerSector = double(elapsedMs) / double(address);
        remaining = long(double(count - address) * msPerSector / 1000.0 + 0.5);
    }
    emit updateData(address, count, elapsed, remaining, elapsed + remaining);
}
