#pragma once

#include "video/helper.h"

class Clip;

// Places a clip on a workflow track: the stretch of the clip it covers. It deletes itself (later)
// when its clip goes.
class ClipHelper : public Helper
{
    Q_OBJECT

public:
    // begin or end -1 take the clip's own.
    ClipHelper(Clip *clip, qint64 begin = -1, qint64 end = -1, const QString &uuidText = QString());

    // Null once the clip is gone.
    Clip *getClip() const { return m_clip; }

    // Ignored below the clip's begin (and once the clip is gone).
    void setBegin(qint64 begin) override;
    // Ignored above the clip's end (and once the clip is gone).
    void setEnd(qint64 end) override;

private slots:
    void clipDestroyed();

private:
    Clip *m_clip;
};
