// The mesh builders of Object3D. They share class-wide scratch arrays, which each builder empties
// first and copies out at the end, so building a scene allocates little; they are therefore
// not reentrant (the scene is built on the GUI thread only).
#include "view3d/object3d.h"

#include <QMap>
#include <QPair>

#include <algorithm>
#include <cmath>

namespace {

QVector<float> scratchPositions;
QVector<float> scratchNormals;
QVector<quint32> scratchIndices;
QMap<QPair<quint32, quint32>, quint32> midpointCache;

void clearScratch()
{
    scratchPositions.clear();
    scratchNormals.clear();
    scratchIndices.clear();
}

void addPoint(QVector<float> &array, double x, double y, double z)
{
    array << float(x) << float(y) << float(z);
}

void addTriangle(quint32 a, quint32 b, quint32 c)
{
    scratchIndices << a << b << c;
}

MeshBuffer *takeScratch()
{
    auto *mesh = new MeshBuffer;
    mesh->setData(scratchPositions, scratchNormals, QVector<float>(), scratchIndices);
    clearScratch();
    return mesh;
}

// Appends p scaled to unit length and returns its vertex index.
quint32 addVertex(const Vector3D &p)
{
    const Vector3D unit = p.unitVector();
    addPoint(scratchPositions, unit.x, unit.y, unit.z);
    return quint32(scratchPositions.size() / 3 - 1);
}

Vector3D scratchVertex(quint32 index)
{
    return Vector3D(scratchPositions[int(3 * index)], scratchPositions[int(3 * index + 1)],
                    scratchPositions[int(3 * index + 2)]);
}

// The vertex halfway between a and b on the unit sphere, shared by the two triangles of an edge.
quint32 midpointVertex(quint32 a, quint32 b)
{
    const QPair<quint32, quint32> key(std::min(a, b), std::max(a, b));
    const auto cached = midpointCache.constFind(key);
    if (cached != midpointCache.constEnd())
        return *cached;
    const quint32 index = addVertex((scratchVertex(a) + scratchVertex(b)) / 2.0);
    midpointCache.insert(key, index);
    return index;
}

// Zig-zags across a convex ring; every triangle turns the way the ring does (the middle one of
// some rings is degenerate and harmless).
void triangulatePolygon(const QVector<quint32> &ring)
{
    const int n = ring.size();
    for (int i = 0; i + 1 < n; ++i)
        addTriangle(ring[i], ring[i + 1], ring[n - 1 - i]);
}

void stitchRings(const QVector<quint32> &a, const QVector<quint32> &b, bool closed)
{
    const int m = std::min(a.size(), b.size());
    if (m == 0)
        return;
    for (int i = 0; i + 1 < m; ++i) {
        addTriangle(a[i], b[i], a[i + 1]);
        addTriangle(a[i + 1], b[i], b[i + 1]);
    }
    for (int k = m; k < a.size(); ++k)
        addTriangle(a[k - 1], a[k], b[m - 1]);
    for (int k = m; k < b.size(); ++k)
        addTriangle(a[m - 1], b[k], b[k - 1]);
    if (closed) {
        addTriangle(a[m - 1], b[m - 1], a[0]);
        addTriangle(a[0], b[m - 1], b[0]);
    }
}

quint32 vertexWithNormal(const Vector3D &p, const Vector3D &n)
{
    addPoint(scratchPositions, p.x, p.y, p.z);
    addPoint(scratchNormals, n.x, n.y, n.z);
    return quint32(scratchPositions.size() / 3 - 1);
}

// A quad centred at c spanned by the half extents u and v, facing u x v (counter-clockwise seen
// from that side).
void addQuad(const Vector3D &c, const Vector3D &u, const Vector3D &v, const Vector3D &normal)
{
    const quint32 first = vertexWithNormal(c - u - v, normal);
    vertexWithNormal(c + u - v, normal);
    vertexWithNormal(c + u + v, normal);
    vertexWithNormal(c - u + v, normal);
    addTriangle(first, first + 1, first + 2);
    addTriangle(first, first + 2, first + 3);
}

} // namespace

MeshBuffer *Object3D::makeDisc(double radius, int segments)
{
    clearScratch();
    QVector<quint32> ring;
    for (int k = 0; k < segments; ++k) {
        const double a = k * 2.0 * M_PI / segments;
        ring << vertexWithNormal(Vector3D(toUnits(radius * std::sin(a)), 0.0, toUnits(radius * std::cos(a))),
                                 Vector3D(0, 1, 0));
    }
    triangulatePolygon(ring);
    return takeScratch();
}

MeshBuffer *Object3D::makeBox(double length, double width, double depth)
{
    clearScratch();
    const double hx = toUnits(length) / 2.0;
    const double hy = toUnits(width) / 2.0;
    const double hz = toUnits(depth) / 2.0;
    const Vector3D x(hx, 0, 0);
    const Vector3D y(0, hy, 0);
    const Vector3D z(0, 0, hz);
    const Vector3D middle(0, 0, -hz);
    addQuad(Vector3D(0, 0, 0), x, y, Vector3D(0, 0, 1)); // top, at the frame's origin
    addQuad(Vector3D(0, 0, -2 * hz), y, x, Vector3D(0, 0, -1));
    addQuad(middle + x, y, z, Vector3D(1, 0, 0));
    addQuad(middle - x, z, y, Vector3D(-1, 0, 0));
    addQuad(middle + y, z, x, Vector3D(0, 1, 0));
    addQuad(middle - y, x, z, Vector3D(0, -1, 0));
    return takeScratch();
}

MeshBuffer *Object3D::makeCylinder(double radius, double height, int segments)
{
    clearScratch();
    const double h = toUnits(height);
    QVector<quint32> mantleTop, mantleBottom, capTop, capBottom;
    for (int k = 0; k < segments; ++k) {
        const double a = 2.0 * M_PI * k / segments;
        const double x = toUnits(radius * std::sin(a));
        const double y = toUnits(radius * std::cos(a));
        const Vector3D radial(std::sin(a), std::cos(a), 0);
        mantleTop << vertexWithNormal(Vector3D(x, y, 0), radial);
        mantleBottom << vertexWithNormal(Vector3D(x, y, -h), radial);
        capTop << vertexWithNormal(Vector3D(x, y, 0), Vector3D(0, 0, 1));
        capBottom << vertexWithNormal(Vector3D(x, y, -h), Vector3D(0, 0, -1));
    }
    stitchRings(mantleTop, mantleBottom, true);
    triangulatePolygon(capTop);
    triangulatePolygon(capBottom);
    return takeScratch();
}

MeshBuffer *Object3D::makeSphere(double radius, int subdivisions)
{
    clearScratch();
    midpointCache.clear();
    const double t = (1.0 + std::sqrt(5.0)) / 2.0;
    const Vector3D corners[12] = {{-1, t, 0}, {1, t, 0}, {-1, -t, 0}, {1, -t, 0},
                                  {0, -1, t}, {0, 1, t}, {0, -1, -t}, {0, 1, -t},
                                  {t, 0, -1}, {t, 0, 1}, {-t, 0, -1}, {-t, 0, 1}};
    for (const Vector3D &corner : corners)
        addVertex(corner);
    // Counter-clockwise seen from outside.
    static const quint32 faces[20][3] = {{0, 11, 5}, {0, 5, 1},  {0, 1, 7},   {0, 7, 10}, {0, 10, 11},
                                         {1, 5, 9},  {5, 11, 4}, {11, 10, 2}, {10, 7, 6}, {7, 1, 8},
                                         {3, 9, 4},  {3, 4, 2},  {3, 2, 6},   {3, 6, 8},  {3, 8, 9},
                                         {4, 9, 5},  {2, 4, 11}, {6, 2, 10},  {8, 6, 7},  {9, 8, 1}};
    for (const auto &face : faces)
        addTriangle(face[0], face[1], face[2]);
    for (int level = 0; level < subdivisions; ++level) {
        const QVector<quint32> coarse = scratchIndices;
        scratchIndices.clear();
        for (int i = 0; i + 2 < coarse.size(); i += 3) {
            const quint32 a = coarse[i], b = coarse[i + 1], c = coarse[i + 2];
            const quint32 ab = midpointVertex(a, b);
            const quint32 bc = midpointVertex(b, c);
            const quint32 ca = midpointVertex(c, a);
            addTriangle(a, ab, ca);
            addTriangle(b, bc, ab);
            addTriangle(c, ca, bc);
            addTriangle(ab, bc, ca);
        }
    }
    midpointCache.clear();
    const float scale = float(toUnits(radius));
    for (float &value : scratchPositions)
        value *= scale;
    // Outward, as long as the radius; the shaders normalise them.
    scratchNormals = scratchPositions;
    return takeScratch();
}

MeshBuffer *Object3D::makeArrowBar(double length, double width, bool arrowAtStart, bool arrowAtEnd)
{
    clearScratch();
    const double w = toUnits(width);
    const double s = arrowAtStart ? 4.0 * w : 0.0;
    const double e = arrowAtEnd ? 4.0 * w : 0.0;
    const Vector3D up(0, 1, 0);
    // Counter-clockwise seen from above.
    const quint32 first = vertexWithNormal(Vector3D(-w / 2, 0, s), up);
    vertexWithNormal(Vector3D(-w / 2, 0, length - e), up);
    vertexWithNormal(Vector3D(w / 2, 0, length - e), up);
    vertexWithNormal(Vector3D(w / 2, 0, s), up);
    addTriangle(first, first + 1, first + 2);
    addTriangle(first, first + 2, first + 3);
    if (arrowAtStart) {
        const quint32 tip = vertexWithNormal(Vector3D(0, 0, 0), up);
        const quint32 left = vertexWithNormal(Vector3D(-2 * w, 0, s), up);
        const quint32 right = vertexWithNormal(Vector3D(2 * w, 0, s), up);
        addTriangle(tip, left, right);
    }
    if (arrowAtEnd) {
        const quint32 tip = vertexWithNormal(Vector3D(0, 0, length), up);
        const quint32 right = vertexWithNormal(Vector3D(2 * w, 0, length - e), up);
        const quint32 left = vertexWithNormal(Vector3D(-2 * w, 0, length - e), up);
        addTriangle(tip, right, left);
    }
    return takeScratch();
}
