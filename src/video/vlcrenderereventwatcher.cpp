#include "video/vlcrenderereventwatcher.h"

VLCRendererEventWatcher::VLCRendererEventWatcher(QObject *parent)
    : QObject(parent)
{
}
