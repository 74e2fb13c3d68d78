#include "video/genericrenderer.h"

#include "video/videoplatform.h"
#include "video/vlcrenderereventwatcher.h"
#include "video/vlcsourcerenderer.h"

#include <QWidget>

GenericRenderer::GenericRenderer(QObject *parent)
    : RenderEffectUser(parent)
    , m_eventWatcher(new VLCRendererEventWatcher)
{
}

GenericRenderer::~GenericRenderer()
{
    delete m_sourceRenderer;
    delete m_eventWatcher;
}

void GenericRenderer::bindRenderWidget()
{
    if (m_renderWidget && m_sourceRenderer && !VideoPlatform::isHeadless())
        m_sourceRenderer->setWindow(m_renderWidget->winId());
}
