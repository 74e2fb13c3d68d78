#include "core/firm.h"

#include "core/inifile.h"
#include "print/records/printelement.h"
#include "print/records/streamcheck.h"

#include <QBuffer>
#include <QDebug>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

namespace {

// An INI file that exists and can be read; QSettings alone cannot tell a missing file or a
// folder from an empty file.
bool readableFile(const QString &path)
{
    QFile file(path);
    return QFileInfo(path).isFile() && file.open(QIODevice::ReadOnly);
}

QByteArray pngBytes(const QImage &image)
{
    if (image.isNull())
        return QByteArray();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

QImage imageFromPng(const QByteArray &bytes)
{
    if (bytes.isEmpty())
        return QImage();
    StreamCheck check(bytes, 0);
    if (!check.png()) {
        qWarning("Firm: the stored logo is not a readable PNG picture and is left out");
        return QImage();
    }
    return QImage::fromData(bytes, "PNG");
}

} // namespace

bool Firm::exportFile(const QString &path) const
{
    return IniFile::writeWhole(path, [this](QSettings &settings) { writeKeys(settings); });
}

bool Firm::importFile(const QString &path)
{
    if (!readableFile(path) || !IniFile::hasOnlyPlainValues(path))
        return false;
    QSettings settings(path, QSettings::IniFormat);
    if (settings.status() != QSettings::NoError)
        return false;
    readKeys(settings);
    return true;
}

void Firm::writeKeys(QSettings &settings) const
{
    settings.setValue(QStringLiteral("Name"), m_name);
    settings.setValue(QStringLiteral("Address"), m_address);
    settings.setValue(QStringLiteral("Contact"), m_contact);
    // The logo as PNG bytes: a plain byte value is read back without trusting any count in it.
    settings.setValue(QStringLiteral("Logo"), pngBytes(m_logo));
    settings.setValue(QStringLiteral("Custom"), m_custom);
    settings.setValue(QStringLiteral("UseCustom"), m_useCustom);
}

void Firm::readKeys(const QSettings &settings)
{
    m_name = settings.value(QStringLiteral("Name")).toString();
    m_address = settings.value(QStringLiteral("Address")).toString();
    m_contact = settings.value(QStringLiteral("Contact")).toString();
    m_logo = imageFromPng(settings.value(QStringLiteral("Logo")).toByteArray());
    m_custom = settings.value(QStringLiteral("Custom")).toByteArray();
    m_useCustom = settings.value(QStringLiteral("UseCustom"), false).toBool();

    // The bytes come from user files; reports must not draw from a damaged layout.
    PrintElement letterhead;
    if (!m_custom.isEmpty() && !letterhead.fromByteArray(m_custom)) {
        qWarning().noquote() << "Firm" << m_name << ": the stored letterhead cannot be read and is left out";
        m_custom.clear();
    }
}
