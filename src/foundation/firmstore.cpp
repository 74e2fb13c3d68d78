#include "foundation/firmstore.h"

#include "foundation/inifile.h"
#include "foundation/readguard.h"
#include "foundation/reporter.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

#include <algorithm>

namespace {
const char *const kFileName = "tsfirm.ini";
}

FirmStore::FirmStore(const QString &dataDirectory)
    : m_dataDirectory(QDir(dataDirectory).absolutePath())
{
}

QString FirmStore::filePath() const
{
    return QDir::cleanPath(m_dataDirectory + QLatin1Char('/') + QLatin1String(kFileName));
}

bool FirmStore::load()
{
    const QString path = filePath();
    const QFileInfo info(path);
    m_loadFailed = false;
    if (!info.exists())
        return true;
    const auto unreadable = [this, &path](const QString &reason = QString()) {
        m_loadFailed = true;
        QString text = QCoreApplication::translate("FirmStore", "Die Firmendaten \"%1\" konnten nicht gelesen werden.")
                           .arg(QDir::toNativeSeparators(path));
        if (!reason.isEmpty())
            text += QLatin1Char('\n') + reason;
        Reporter::error(text);
        return false;
    };
    QFile probe(path);
    if (!info.isFile() || !probe.open(QIODevice::ReadOnly))
        return unreadable();
    const QString tooLarge = ReadGuard::sizeRefusal(path, ReadGuard::SmallFileLimit);
    if (!tooLarge.isEmpty())
        return unreadable(tooLarge);
    if (!IniFile::hasOnlyPlainValues(path))
        return unreadable();
    QSettings settings(path, QSettings::IniFormat);
    if (settings.status() != QSettings::NoError)
        return unreadable();

    m_current = settings.value(QStringLiteral("currentFirm"), 0).toInt();
    const int size = IniFile::beginReadArray(settings, QStringLiteral("Firms"));
    for (int i = 0; i < size; ++i) {
        settings.setArrayIndex(i);
        Firm firm;
        firm.readKeys(settings);
        m_firms.append(firm);
    }
    settings.endArray();
    return true;
}

bool FirmStore::save() const
{
    if (m_loadFailed) {
        Reporter::error(QCoreApplication::translate("FirmStore", "Die Firmendaten \"%1\" wurden nicht gelesen und werden nicht überschrieben.")
                            .arg(QDir::toNativeSeparators(filePath())));
        return false;
    }
    return IniFile::writeWhole(filePath(), [this](QSettings &settings) {
        settings.setValue(QStringLiteral("currentFirm"), m_current);
        settings.beginWriteArray(QStringLiteral("Firms"));
        for (int i = 0; i < m_firms.size(); ++i) {
            settings.setArrayIndex(i);
            m_firms.at(i).writeKeys(settings);
        }
        settings.endArray();
    });
}

Firm FirmStore::currentFirm() const
{
    if (m_current >= 0 && m_current < m_firms.size())
        return m_firms.at(m_current);
    return Firm();
}

void FirmStore::setCurrentFirm(const QString &name)
{
    m_current = std::max(indexOf(name), 0);
}

Firm FirmStore::firm(const QString &name) const
{
    const int index = indexOf(name);
    return index >= 0 ? m_firms.at(index) : Firm();
}

bool FirmStore::contains(const QString &name) const
{
    return indexOf(name) >= 0;
}

int FirmStore::indexOf(const QString &name) const
{
    for (int i = 0; i < m_firms.size(); ++i) {
        if (m_firms.at(i).name() == name)
            return i;
    }
    return -1;
}

QStringList FirmStore::names() const
{
    QStringList result;
    for (const Firm &firm : m_firms) {
        if (!firm.name().isEmpty())
            result.append(firm.name());
    }
    std::sort(result.begin(), result.end());
    return result;
}

bool FirmStore::addFirm(const Firm &firm)
{
    if (names().contains(firm.name()))
        return false;
    m_firms.append(firm);
    return true;
}

int FirmStore::updateFirm(const QString &name, const Firm &firm)
{
    const int index = indexOf(name);
    if (index >= 0)
        m_firms[index] = firm;
    return index;
}

void FirmStore::removeFirm(const QString &name)
{
    const int index = indexOf(name);
    if (index < 0)
        return;
    m_firms.removeAt(index);
    if (index < m_current)
        --m_current;
}
