#pragma once

#include "compare3d.h"
#include "view3d/meshbuffer.h"
#include "view3d/object3d.h"

#include <QList>

#include <cmath>

// The smallest object that can be made: no meshes of its own.
class BareObject : public Object3D
{
public:
    int type() const override { return 0; }
    void buildGeometry() override { clearMeshes(); }
};

inline Vector3D meshVertex(const MeshBuffer &mesh, quint32 index)
{
    const QVector<float> &p = mesh.positions();
    return Vector3D(p[int(3 * index)], p[int(3 * index + 1)], p[int(3 * index + 2)]);
}

// Lowest and highest coordinates of the mesh's vertices.
inline QPair<Vector3D, Vector3D> meshExtent(const MeshBuffer &mesh)
{
    Vector3D low(1e300, 1e300, 1e300);
    Vector3D high(-1e300, -1e300, -1e300);
    for (int i = 0; i < mesh.vertexCount(); ++i) {
        const Vector3D v = meshVertex(mesh, quint32(i));
        for (int k = 0; k < 3; ++k) {
            low[k] = std::min(low[k], v[k]);
            high[k] = std::max(high[k], v[k]);
        }
    }
    return qMakePair(low, high);
}

// The triangle's normal by its winding (counter-clockwise seen from where it points), not unit.
inline Vector3D windingNormal(const MeshBuffer &mesh, int triangle)
{
    const QVector<quint32> &i = mesh.indices();
    const Vector3D a = meshVertex(mesh, i[3 * triangle]);
    const Vector3D b = meshVertex(mesh, i[3 * triangle + 1]);
    const Vector3D c = meshVertex(mesh, i[3 * triangle + 2]);
    return cross(b - a, c - a);
}

inline Vector3D triangleCentre(const MeshBuffer &mesh, int triangle)
{
    const QVector<quint32> &i = mesh.indices();
    return (meshVertex(mesh, i[3 * triangle]) + meshVertex(mesh, i[3 * triangle + 1])
            + meshVertex(mesh, i[3 * triangle + 2]))
           / 3.0;
}

// Degenerate triangles aside, how many face away from what outward gives for their centre.
template<typename Outward>
int inwardTriangles(const MeshBuffer &mesh, Outward outward)
{
    int inward = 0;
    for (int t = 0; t < mesh.triangleCount(); ++t) {
        const Vector3D n = windingNormal(mesh, t);
        if (n.norm() < 1e-12)
            continue;
        if (dot(n, outward(triangleCentre(mesh, t))) <= 0.0)
            ++inward;
    }
    return inward;
}

inline int degenerateTriangles(const MeshBuffer &mesh)
{
    int count = 0;
    for (int t = 0; t < mesh.triangleCount(); ++t)
        count += windingNormal(mesh, t).norm() < 1e-12 ? 1 : 0;
    return count;
}

// The first pixel of the mesh's texture image in its stored (RGBA) byte order.
inline QColor textureColour(const MeshBuffer &mesh)
{
    const QImage image = mesh.textureImage();
    if (image.isNull())
        return QColor();
    return image.rgbSwapped().pixelColor(0, 0);
}
