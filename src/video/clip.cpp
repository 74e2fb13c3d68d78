#include "video/clip.h"

#include "video/media.h"
#include "video/vlcsource.h"

#include <cmath>

Clip::Clip(Media *media, qint64 begin, qint64 end, const QString &uuidText)
    : m_media(media)
    , m_begin(begin)
    , m_end(end == -1 ? media->getSource()->getNbFrames() : end)
    , m_uuid(uuidText.isEmpty() ? QUuid::createUuid() : QUuid(uuidText))
{
    computeLength();
    connect(media, &Media::metaDataComputed, this, &Clip::mediaMetadataUpdated);
}

Clip::~Clip()
{
    emit unloaded(m_uuid);
    delete m_media;
}

void Clip::computeLength()
{
    const float fps = static_cast<float>(VLCSource::usableFps(m_media->getSource()->getFps()));
    m_length = m_end - m_begin;
    m_lengthSeconds = std::lround(m_length / fps);
}

void Clip::mediaMetadataUpdated()
{
    if (m_end != 0)
        return;
    m_begin = 0;
    m_end = m_media->getSource()->getNbFrames();
    computeLength();
}
