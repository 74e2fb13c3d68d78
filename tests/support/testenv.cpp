#include "testenv.h"

#include <QDir>

namespace {
const char *const kVariables[] = {"HOME", "XDG_DATA_HOME", "XDG_CONFIG_HOME", "XDG_CACHE_HOME",
                                  "XDG_RUNTIME_DIR"};
}

TestEnvironment::TestEnvironment()
{
    for (const char *name : kVariables)
        m_saved.insert(name, qgetenv(name));
    const QString base = m_dir.path();
    QDir(base).mkpath(QStringLiteral("home"));
    QDir(base).mkpath(QStringLiteral("data"));
    QDir(base).mkpath(QStringLiteral("config"));
    QDir(base).mkpath(QStringLiteral("cache"));
    QDir(base).mkpath(QStringLiteral("runtime"));
    QFile::setPermissions(base + QStringLiteral("/runtime"),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    qputenv("HOME", QFile::encodeName(base + QStringLiteral("/home")));
    qputenv("XDG_DATA_HOME", QFile::encodeName(base + QStringLiteral("/data")));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(base + QStringLiteral("/config")));
    qputenv("XDG_CACHE_HOME", QFile::encodeName(base + QStringLiteral("/cache")));
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(base + QStringLiteral("/runtime")));
}

TestEnvironment::~TestEnvironment()
{
    for (auto it = m_saved.cbegin(); it != m_saved.cend(); ++it) {
        if (it.value().isEmpty())
            qunsetenv(it.key().constData());
        else
            qputenv(it.key().constData(), it.value());
    }
}

QString TestEnvironment::home() const
{
    return m_dir.path() + QStringLiteral("/home");
}

ReporterCapture::ReporterCapture()
{
    m_previous = Reporter::setHandler([this](Reporter::Kind kind, const QString &text) {
        m_messages.append(qMakePair(kind, text));
    });
}

ReporterCapture::~ReporterCapture()
{
    Reporter::setHandler(m_previous);
}

QStringList ReporterCapture::notices() const
{
    QStringList result;
    for (const auto &m : m_messages) {
        if (m.first == Reporter::Kind::Notice)
            result << m.second;
    }
    return result;
}

QStringList ReporterCapture::errors() const
{
    QStringList result;
    for (const auto &m : m_messages) {
        if (m.first == Reporter::Kind::Error)
            result << m.second;
    }
    return result;
}
