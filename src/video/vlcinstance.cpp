#include "video/vlcinstance.h"

#include <QDebug>
#include <QVector>

#include <vlc/vlc.h>

VLCInstance::VLCInstance(const QStringList &arguments)
{
    QVector<QByteArray> utf8;
    for (const QString &argument : arguments)
        utf8 << argument.toUtf8();
    QVector<const char *> argv;
    for (const QByteArray &argument : utf8)
        argv << argument.constData();
    m_instance = libvlc_new(argv.size(), argv.constData());
    if (m_instance)
        qDebug() << "using libvlc version:" << libvlc_get_version();
    else
        qWarning() << "libvlc could not be started; videos cannot be played";
}

VLCInstance::~VLCInstance()
{
    if (m_instance)
        libvlc_release(m_instance);
}
