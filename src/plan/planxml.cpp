#include "plan/planxml.h"

#include "foundation/records/streamcheck.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDataStream>
#include <QImageReader>

#include <cmath>

namespace PlanXml {

namespace {

constexpr int StreamVersion = QDataStream::Qt_5_6; // 17, the version of every plan file

template <class T>
QString streamed(const T &value)
{
    QByteArray bytes;
    QDataStream stream(&bytes, QIODevice::WriteOnly);
    stream.setVersion(StreamVersion);
    stream << value;
    return QString::fromLatin1(bytes.toBase64());
}

QByteArray decodeBase64(const QString &data, bool *ok)
{
    const QByteArray::FromBase64Result decoded
        = QByteArray::fromBase64Encoding(data.toLatin1(), QByteArray::AbortOnBase64DecodingErrors);
    *ok = bool(decoded);
    return decoded.decoded;
}

void noteBadValue(QStringList *problems, const QDomElement &element, const QString &name, const QString &text)
{
    if (problems)
        *problems << QCoreApplication::translate("FloorPlan", "%1: \"%2\" ist kein brauchbarer Wert für %3.")
                         .arg(element.tagName(), text, name);
}

} // namespace

QString number(double value)
{
    return QString::number(value, 'g', 16);
}

double readNumber(const QDomElement &element, const QString &name, double fallback, QStringList *problems)
{
    if (!element.hasAttribute(name))
        return fallback;
    const QString text = element.attribute(name);
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (ok && std::isfinite(value) && std::fabs(value) <= MaxMagnitude)
        return value;
    noteBadValue(problems, element, name, text);
    return 0.0;
}

int readInteger(const QDomElement &element, const QString &name, QStringList *problems)
{
    const QString text = element.attribute(name);
    if (text.isEmpty())
        return 0;
    bool ok = false;
    const int value = text.toInt(&ok);
    if (ok)
        return value;
    noteBadValue(problems, element, name, text);
    return 0;
}

QString penData(const QPen &pen)
{
    return streamed(pen);
}

bool readPen(const QString &data, QPen *pen)
{
    bool ok = false;
    const QByteArray bytes = decodeBase64(data, &ok);
    // Qt's reader trusts the dash count it finds; check the whole form before it runs.
    StreamCheck check(bytes, 0);
    if (!ok || !check.pen() || check.remaining() != 0)
        return false;
    QDataStream stream(bytes);
    stream.setVersion(StreamVersion);
    QPen read;
    stream >> read;
    if (stream.status() != QDataStream::Ok)
        return false;
    *pen = read;
    return true;
}

QString imageData(const QImage &image)
{
    return streamed(image);
}

bool readImage(const QString &data, QImage *image)
{
    bool ok = false;
    QByteArray bytes = decodeBase64(data, &ok);
    if (!ok || bytes.size() < 4)
        return false;
    QDataStream stream(bytes);
    stream.setVersion(StreamVersion);
    qint32 marker = 0;
    stream >> marker;
    if (marker == 0) {
        if (bytes.size() != 4)
            return false;
        *image = QImage();
        return true;
    }
    // Decoded here rather than by Qt's stream reader, so that the size the PNG header claims is
    // checked before any pixel memory is taken.
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    buffer.seek(4);
    QImageReader reader(&buffer, "png");
    const QSize size = reader.size();
    if (!size.isValid() || qint64(size.width()) * size.height() > MaxImagePixels)
        return false;
    const QImage read = reader.read();
    if (read.isNull())
        return false;
    *image = read;
    return true;
}

QList<QDomElement> children(const QDomElement &parent, const QString &tag)
{
    QList<QDomElement> found;
    for (QDomElement child = parent.firstChildElement(tag); !child.isNull(); child = child.nextSiblingElement(tag))
        found << child;
    return found;
}

} // namespace PlanXml
