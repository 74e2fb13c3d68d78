#include "video/media.h"

#include "video/metadatamanager.h"
#include "video/vlcbackend.h"
#include "video/vlcmedia.h"
#include "video/vlcsource.h"
#include "video/vlcvmemrenderer.h"

#include <QImage>

Media::Media(const QString &path)
    : m_fileName(QFileInfo(path).fileName())
    , m_fileInfo(path)
    , m_mrl(VLCMedia::fileLocation(path))
{
    m_source = VLCBackend::getInstance()->createSource(path);
    MetaDataManager::getInstance()->computeMediaMetadata(this);
}

Media::~Media()
{
    MetaDataManager::getInstance()->remove(this);
    delete m_snapshotImage;
    delete m_source;
}

void Media::emitMetaDataComputed()
{
    // The thumbnail is in place before anyone hears of the result.
    if (m_source->hasVideo() && m_source->getSnapshot()) {
        delete m_snapshotImage;
        m_snapshotImage = new QImage(m_source->getSnapshot(), VLCVmemRenderer::kWidth, VLCVmemRenderer::kHeight,
                                     QImage::Format_RGB32);
    }
    m_state.storeRelease(Computed);
    emit metaDataComputed();
    if (m_snapshotImage)
        emit snapshotAvailable();
}

void Media::setFailed()
{
    m_state.storeRelease(Failed);
}
