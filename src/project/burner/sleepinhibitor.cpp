#include "project/burner/sleepinhibitor.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusReply>
#include <QDBusUnixFileDescriptor>
#include <QMutex>
#include <QtDebug>

namespace {

QMutex factoryMutex;

SleepInhibitor::Factory &factory()
{
    static SleepInhibitor::Factory current;
    return current;
}

} // namespace

std::unique_ptr<SleepInhibitor> SleepInhibitor::create()
{
    QMutexLocker lock(&factoryMutex);
    if (factory())
        return factory()();
    return std::make_unique<LogindSleepInhibitor>();
}

SleepInhibitor::Factory SleepInhibitor::setFactory(Factory replacement)
{
    QMutexLocker lock(&factoryMutex);
    Factory previous = std::move(factory());
    factory() = std::move(replacement);
    return previous;
}

LogindSleepInhibitor::LogindSleepInhibitor() = default;

LogindSleepInhibitor::~LogindSleepInhibitor() = default;

bool LogindSleepInhibitor::isHeld() const
{
    return m_lock && m_lock->isValid();
}

void LogindSleepInhibitor::take()
{
    if (isHeld())
        return;
    QDBusConnection bus = QDBusConnection::systemBus();
    if (!bus.isConnected()) {
        qDebug("sleep inhibitor: no system bus, the system may sleep during the write");
        return;
    }
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.login1"), QStringLiteral("/org/freedesktop/login1"),
        QStringLiteral("org.freedesktop.login1.Manager"), QStringLiteral("Inhibit"));
    call << QStringLiteral("sleep:idle") << QStringLiteral("ZOZOrure")
         << QCoreApplication::translate("Burner", "CD/DVD wird geschrieben")
         << QStringLiteral("block");
    const QDBusReply<QDBusUnixFileDescriptor> reply = bus.call(call, QDBus::Block, 5000);
    if (!reply.isValid()) {
        qDebug() << "sleep inhibitor: not taken:" << reply.error().message();
        return;
    }
    m_lock = std::make_unique<QDBusUnixFileDescriptor>(reply.value());
}

void LogindSleepInhibitor::release()
{
    m_lock.reset();
}
