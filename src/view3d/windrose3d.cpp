#include "view3d/windrose3d.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

WindRose3D::WindRose3D(double size)
    : m_image(QCoreApplication::applicationDirPath() + QStringLiteral("/data/img/compass.png"))
    , m_size(size)
{
}

void WindRose3D::setNorthAngle(double angle)
{
    const Quaternion rotation(m_axis, angle);
    // Compared as rotations, not by angle alone: turning by -a is not turning by a.
    double same = 0.0;
    double opposite = 0.0;
    for (int i = 0; i < 4; ++i) {
        same = std::max(same, std::fabs(rotation[i] - m_rotation[i]));
        opposite = std::max(opposite, std::fabs(rotation[i] + m_rotation[i]));
    }
    if (std::min(same, opposite) < 1e-12)
        return;
    m_rotation = rotation;
    buildGeometry();
}

void WindRose3D::scale(double factor)
{
    const double size = m_size * factor;
    if (size == m_size)
        return;
    m_size = size;
    buildGeometry();
}

void WindRose3D::buildGeometry()
{
    clearMeshes();
    const float s = float(m_size);
    auto *mesh = new MeshBuffer;
    mesh->setData({-s, 0, -s, s, 0, -s, s, 0, s, -s, 0, s}, {0, 1, 0, 0, 1, 0, 0, 1, 0, 0, 1, 0},
                  {0, 0, 1, 0, 1, 1, 0, 1}, {0, 1, 2, 0, 2, 3});
    if (!m_image.isNull())
        mesh->setTexture(m_image.convertToFormat(QImage::Format_ARGB32).rgbSwapped());
    mesh->rotate(m_rotation);
    addMesh(mesh);
}
