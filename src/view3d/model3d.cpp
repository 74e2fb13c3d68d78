#include "view3d/model3d.h"

#include <QDataStream>
#include <QDebug>
#include <QFile>

namespace {

// The count the element announces; a negative or unreadable one is 0.
int announcedCount(const QDomElement &element)
{
    bool ok = false;
    const int count = element.attribute(QStringLiteral("count")).toInt(&ok);
    return ok && count > 0 ? count : 0;
}

QStringList numbers(const QDomElement &element)
{
    return element.text().split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

QImage readTexture(const QDomElement &element)
{
    QByteArray bytes = QByteArray::fromBase64(element.text().toLatin1());
    QDataStream stream(&bytes, QIODevice::ReadOnly);
    stream.setVersion(17);
    QImage image;
    stream >> image;
    if (stream.status() != QDataStream::Ok || image.isNull())
        return QImage();
    return image.convertToFormat(QImage::Format_ARGB32).rgbSwapped();
}

} // namespace

Model3D::Model3D(const QString &fileName) : m_fileName(fileName)
{
}

QDomElement Model3D::domElement(QDomDocument &) const
{
    return QDomElement();
}

void Model3D::initFromDOMElement(const QDomElement &)
{
}

QVector<float> Model3D::readFloats(const QDomElement &element, float factor)
{
    const int count = announcedCount(element);
    const QStringList parts = numbers(element);
    QVector<float> values;
    if (parts.size() < count)
        return values;
    values.reserve(count);
    for (int i = 0; i < count; ++i)
        values.append(parts[i].toFloat() * factor);
    return values;
}

QVector<quint32> Model3D::readIndices(const QDomElement &element)
{
    const int count = announcedCount(element);
    const QStringList parts = numbers(element);
    QVector<quint32> values;
    if (parts.size() < count)
        return values;
    values.reserve(count);
    for (int i = 0; i < count; ++i)
        values.append(parts[i].toUInt());
    return values;
}

void Model3D::buildGeometry()
{
    if (m_fileName.isEmpty() || !QFile::exists(m_fileName))
        return;
    clearMeshes();
    QFile file(m_fileName);
    QDomDocument document;
    if (!file.open(QIODevice::ReadOnly) || !document.setContent(&file)) {
        qDebug() << "Model file can not be read:" << m_fileName;
        return;
    }
    int number = 0;
    for (QDomElement object = document.documentElement().firstChildElement(QStringLiteral("object"));
         !object.isNull(); object = object.nextSiblingElement(QStringLiteral("object")), ++number) {
        QImage texture;
        QVector<float> positions, normals, texCoords;
        QVector<quint32> faces;
        for (QDomElement child = object.firstChildElement(); !child.isNull(); child = child.nextSiblingElement()) {
            const QString tag = child.tagName();
            if (tag == QLatin1String("texture"))
                texture = readTexture(child);
            else if (tag == QLatin1String("vertices"))
                positions = readFloats(child, 0.01f);
            else if (tag == QLatin1String("normals"))
                normals = readFloats(child, 1.0f);
            else if (tag == QLatin1String("uvs"))
                texCoords = readFloats(child, 1.0f);
            else if (tag == QLatin1String("faces"))
                faces = readIndices(child);
        }
        auto *mesh = new MeshBuffer;
        mesh->setData(positions, normals, texCoords, faces);
        if (!mesh->isWellFormed()) {
            qDebug() << "Model object" << number << "of" << m_fileName
                     << "left out: its positions or faces do not fit its vertices";
            delete mesh;
            continue;
        }
        mesh->setTexture(texture);
        addMesh(mesh);
    }
}
