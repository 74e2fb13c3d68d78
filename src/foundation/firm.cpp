#include "foundation/firm.h"

#include "foundation/inifile.h"
#include "foundation/readguard.h"
#include "foundation/reporter.h"
#include "foundation/records/printelement.h"
#include "foundation/records/streamcheck.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDebug>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

#include <algorithm>
#include <cmath>

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
    if (!check.png())
        return QImage();
    return QImage::fromData(bytes, "PNG");
}

QString tr(const char *text)
{
    return QCoreApplication::translate("Firm", text);
}

// The picture within the pixel limit of stored company data, its aspect kept; scaled tells
// whether it had to be made smaller.
QImage withinPixelLimit(const QImage &image, bool &scaled)
{
    const qint64 pixels = qint64(image.width()) * image.height();
    scaled = pixels > Firm::maxPicturePixels();
    if (!scaled)
        return image;
    const double factor = std::sqrt(double(Firm::maxPicturePixels()) / double(pixels));
    const QSize box(qMax(1, int(image.width() * factor)), qMax(1, int(image.height() * factor)));
    return image.scaled(box, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

void tellScaled(const QSize &from, const QSize &to)
{
    // Spelled out: the text extractor finds no class context for tr() in a free function.
    Reporter::notice(QCoreApplication::translate("Firm",
                                                 "Das Bild hat %1 × %2 Bildpunkte, mehr als die Firmendaten aufnehmen können; "
                                                 "es wurde auf %3 × %4 Bildpunkte verkleinert.")
                         .arg(from.width())
                         .arg(from.height())
                         .arg(to.width())
                         .arg(to.height()));
}

// Scales the pictures of the element and its children; the size of the first one scaled.
bool fitPictures(PrintElement &element, QSize &from, QSize &to)
{
    bool any = false;
    if (element.kind() == PrintElement::Image && !element.image().isNull()) {
        bool scaled = false;
        const QImage fitted = withinPixelLimit(element.image(), scaled);
        if (scaled) {
            from = element.image().size();
            to = fitted.size();
            element.setImage(fitted);
            any = true;
        }
    }
    for (PrintElement &child : *element.children()) {
        QSize childFrom;
        QSize childTo;
        if (fitPictures(child, childFrom, childTo) && !any) {
            from = childFrom;
            to = childTo;
            any = true;
        }
    }
    return any;
}

} // namespace

qint64 Firm::maxPicturePixels()
{
    return StreamCheck::MaxImagePixels;
}

void Firm::setLogo(const QImage &logo)
{
    bool scaled = false;
    m_logo = withinPixelLimit(logo, scaled);
    m_unreadableLogo.clear();
    if (scaled)
        tellScaled(logo.size(), m_logo.size());
}

void Firm::setCustom(const QByteArray &custom)
{
    m_custom = custom;
    m_unreadableCustom.clear();
}

void Firm::setLetterhead(const PrintElement &letterhead)
{
    PrintElement fitted = letterhead;
    QSize from;
    QSize to;
    if (fitPictures(fitted, from, to))
        tellScaled(from, to);
    setCustom(fitted.toByteArray());
}

bool Firm::exportFile(const QString &path) const
{
    return IniFile::writeWhole(path, [this](QSettings &settings) { writeKeys(settings); });
}

bool Firm::importFile(const QString &path)
{
    if (!readableFile(path) || !ReadGuard::sizeRefusal(path, ReadGuard::SmallFileLimit).isEmpty()
        || !IniFile::hasOnlyPlainValues(path))
        return false;
    QSettings settings(path, QSettings::IniFormat);
    if (settings.status() != QSettings::NoError)
        return false;
    // An empty file, or one of another kind, names none of the fields: reading it would empty
    // them all.
    const QStringList keys = settings.allKeys();
    const bool companyFile = std::any_of(keys.begin(), keys.end(), [](const QString &key) {
        return key == QLatin1String("Name") || key == QLatin1String("Address") || key == QLatin1String("Contact")
               || key == QLatin1String("Logo") || key == QLatin1String("Custom") || key == QLatin1String("UseCustom");
    });
    if (!companyFile)
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
    settings.setValue(QStringLiteral("Logo"), m_logo.isNull() ? m_unreadableLogo : pngBytes(m_logo));
    settings.setValue(QStringLiteral("Custom"), m_custom.isEmpty() ? m_unreadableCustom : m_custom);
    settings.setValue(QStringLiteral("UseCustom"), m_useCustom);
}

void Firm::readKeys(const QSettings &settings)
{
    m_name = settings.value(QStringLiteral("Name")).toString();
    m_address = settings.value(QStringLiteral("Address")).toString();
    m_contact = settings.value(QStringLiteral("Contact")).toString();
    const QByteArray logo = settings.value(QStringLiteral("Logo")).toByteArray();
    m_logo = imageFromPng(logo);
    m_unreadableLogo = m_logo.isNull() ? logo : QByteArray();
    m_custom = settings.value(QStringLiteral("Custom")).toByteArray();
    m_unreadableCustom.clear();
    m_useCustom = settings.value(QStringLiteral("UseCustom"), false).toBool();

    if (!m_unreadableLogo.isEmpty())
        Reporter::error(tr("Das Logo der Firma \"%1\" kann nicht gelesen werden und wird nicht gedruckt.").arg(m_name));
    // The bytes come from user files; reports must not draw from a damaged layout.
    PrintElement letterhead;
    if (!m_custom.isEmpty() && !letterhead.fromByteArray(m_custom)) {
        if (m_useCustom)
            Reporter::error(tr("Der gestaltete Briefkopf der Firma \"%1\" kann nicht gelesen werden; "
                               "Berichte erhalten den Standard-Briefkopf.")
                                .arg(m_name));
        m_unreadableCustom = m_custom;
        m_custom.clear();
        m_useCustom = false;
    }
}
