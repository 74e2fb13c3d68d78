#include "video/rendereffectuser.h"

RenderEffectUser::RenderEffectUser(QObject *parent)
    : QObject(parent)
{
}

void RenderEffectUser::initFilters()
{
}

quint8 *RenderEffectUser::applyFilters(const VideoFrame *, qint64, double)
{
    return nullptr;
}
