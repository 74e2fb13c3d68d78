#pragma once

#include "project/burner/disc.h"

#include <QObject>

// Turns what the drive reports during a write into progress for the user: emits updateData
// only while the image's data is written (not during lead-in, closing or finalisation), with
// the sectors written since the write began (never fewer than reported before, never more than
// the count), the elapsed seconds, and the remaining and total seconds estimated from the rate
// so far.
class DiscEventReceiver : public QObject
{
    Q_OBJECT

public:
    explicit DiscEventReceiver(QObject *parent = nullptr);

    // The drive's state, elapsedMs after the write began.
    void update(const Disc::DriveProgress &progress, qint64 elapsedMs);

signals:
    void updateData(long currentAddress, long cnt, long currentTime, long remainingTime,
                    long totalTime);

private:
    long m_lastAddress = 0;
};
