#include "video/blendingthread.h"

BlendingThread::BlendingThread(const OverlayPages &overlay, QObject *parent)
    : QThread(parent)
    , m_overlay(overlay)
{
}

BlendingThread::~BlendingThread()
{
    quit();
    wait();
}

void BlendingThread::renderFrameChanged(qint64, Global::FrameChangedReason)
{
}
