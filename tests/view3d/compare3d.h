#pragma once

#include "view3d/quaternion.h"
#include "view3d/vector3d.h"

#include <QString>
#include <QtTest>

#include <algorithm>
#include <cmath>

inline QString describe(const Vector3D &v)
{
    return QStringLiteral("(%1, %2, %3)").arg(v.x, 0, 'g', 12).arg(v.y, 0, 'g', 12).arg(v.z, 0, 'g', 12);
}

inline QString describe(const Quaternion &q)
{
    return QStringLiteral("(%1, %2, %3, %4)")
        .arg(q.x, 0, 'g', 12)
        .arg(q.y, 0, 'g', 12)
        .arg(q.z, 0, 'g', 12)
        .arg(q.w, 0, 'g', 12);
}

inline bool closeTo(const Vector3D &a, const Vector3D &b, double tolerance)
{
    return std::fabs(a.x - b.x) <= tolerance && std::fabs(a.y - b.y) <= tolerance
           && std::fabs(a.z - b.z) <= tolerance;
}

// The same rotation: q and -q turn alike.
inline bool sameRotation(const Quaternion &a, const Quaternion &b, double tolerance)
{
    double same = 0.0;
    double opposite = 0.0;
    for (int i = 0; i < 4; ++i) {
        same = std::max(same, std::fabs(a[i] - b[i]));
        opposite = std::max(opposite, std::fabs(a[i] + b[i]));
    }
    return std::min(same, opposite) <= tolerance;
}

#define COMPARE_VECTOR(actual, expected, tolerance)                                               \
    do {                                                                                           \
        const Vector3D actualValue_ = (actual);                                                    \
        const Vector3D expectedValue_ = (expected);                                                \
        QVERIFY2(closeTo(actualValue_, expectedValue_, tolerance),                                 \
                 qPrintable(describe(actualValue_) + QStringLiteral(" != ")                        \
                            + describe(expectedValue_)));                                          \
    } while (false)

#define COMPARE_ROTATION(actual, expected, tolerance)                                             \
    do {                                                                                           \
        const Quaternion actualValue_ = (actual);                                                  \
        const Quaternion expectedValue_ = (expected);                                              \
        QVERIFY2(sameRotation(actualValue_, expectedValue_, tolerance),                            \
                 qPrintable(describe(actualValue_) + QStringLiteral(" != ")                        \
                            + describe(expectedValue_)));                                          \
    } while (false)

Q_DECLARE_METATYPE(Vector3D)
Q_DECLARE_METATYPE(Quaternion)
