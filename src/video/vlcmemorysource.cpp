#include "video/vlcmemorysource.h"

#include "video/vlcsourcerenderer.h"

VLCMemorySource::VLCMemorySource(VLCBackend *backend)
    : m_backend(backend)
{
}

VLCSourceRenderer *VLCMemorySource::createRenderer(VLCRendererEventWatcher *watcher)
{
    return new VLCSourceRenderer(m_backend, this, watcher);
}
