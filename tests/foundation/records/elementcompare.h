#pragma once

#include "foundation/records/printelement.h"

#include <QDebug>
#include <QString>

// Field-by-field comparison of drawing records; returns the first difference, empty when equal.
// Texture brushes are compared by their pictures (QBrush compares texture cache keys).

inline QString describeBrushDifference(const QBrush &a, const QBrush &b)
{
    if (a.style() != b.style())
        return QStringLiteral("brush style %1 != %2").arg(a.style()).arg(b.style());
    if (a.style() == Qt::TexturePattern) {
        if (a.color() != b.color() || a.transform() != b.transform())
            return QStringLiteral("texture brush colour or transform");
        if (a.textureImage().convertToFormat(QImage::Format_ARGB32)
            != b.textureImage().convertToFormat(QImage::Format_ARGB32))
            return QStringLiteral("texture image");
        return QString();
    }
    if (!(a == b)) {
        QString text;
        QDebug(&text) << a << "!=" << b;
        return text;
    }
    return QString();
}

inline QString describePenDifference(const QPen &a, const QPen &b)
{
    if (a.style() != b.style() || a.capStyle() != b.capStyle() || a.joinStyle() != b.joinStyle())
        return QStringLiteral("pen style, cap or join");
    if (a.widthF() != b.widthF() || a.miterLimit() != b.miterLimit()
        || a.isCosmetic() != b.isCosmetic() || a.dashOffset() != b.dashOffset())
        return QStringLiteral("pen width, miter limit, cosmetic flag or dash offset");
    if (a.dashPattern() != b.dashPattern())
        return QStringLiteral("pen dash pattern");
    const QString brush = describeBrushDifference(a.brush(), b.brush());
    return brush.isEmpty() ? QString() : QStringLiteral("pen ") + brush;
}

inline QString describeImageDifference(const QImage &a, const QImage &b)
{
    if (a.isNull() != b.isNull())
        return QStringLiteral("image null-ness");
    if (a.convertToFormat(QImage::Format_ARGB32) != b.convertToFormat(QImage::Format_ARGB32))
        return QStringLiteral("image pixels");
    return QString();
}

// Compares what the byte form carries; the id, font and alignment of `actual` must be defaults.
inline QString describeSerialisedDifference(const PrintElement &expected, const PrintElement &actual,
                                            const QString &where = QStringLiteral("element"))
{
    if (expected.points() != actual.points())
        return where + QStringLiteral(": points");
    if (expected.text() != actual.text())
        return where + QStringLiteral(": text");
    QString d = describeImageDifference(expected.image(), actual.image());
    if (d.isEmpty())
        d = describePenDifference(expected.pen(), actual.pen());
    if (d.isEmpty())
        d = describeBrushDifference(expected.brush(), actual.brush());
    if (!d.isEmpty())
        return where + QStringLiteral(": ") + d;
    if (expected.path() != actual.path() || expected.path().fillRule() != actual.path().fillRule())
        return where + QStringLiteral(": path");
    if (expected.kind() != actual.kind() || expected.hasFrame() != actual.hasFrame()
        || expected.keepUnscaled() != actual.keepUnscaled())
        return where + QStringLiteral(": kind, frame or keepUnscaled");
    if (!actual.id().isEmpty() || actual.font() != QFont() || actual.alignment() != 0)
        return where + QStringLiteral(": id, font or alignment not default");
    if (expected.children()->size() != actual.children()->size())
        return where + QStringLiteral(": child count");
    for (int i = 0; i < expected.children()->size(); ++i) {
        const QString c = describeSerialisedDifference(expected.children()->at(i),
                                                       actual.children()->at(i),
                                                       where + QStringLiteral("/child %1").arg(i));
        if (!c.isEmpty())
            return c;
    }
    return QString();
}
