#pragma once

#include "view3d/quaternion.h"
#include "view3d/vector3d.h"

#include <QImage>
#include <QVector>

// One drawable piece of a scene object: plain vertex arrays in scene units (drawn straight from
// client memory), triangles as index triples and an optional texture.
//
// Every call that touches OpenGL does nothing without a current context. A texture given while
// no context is current (a scene built while loading a project) is kept and uploaded at the
// first render, so it is never lost. Only arrays that hold data for every vertex are drawn, and
// nothing is drawn while an index lies outside the vertices: a damaged model file can not make
// the driver read beyond the arrays.
class MeshBuffer
{
public:
    MeshBuffer() = default;
    // Deletes the GL texture when a context is current.
    ~MeshBuffer();
    MeshBuffer(const MeshBuffer &) = delete;
    MeshBuffer &operator=(const MeshBuffer &) = delete;

    void setData(const QVector<float> &positions, const QVector<float> &normals,
                 const QVector<float> &texCoords, const QVector<quint32> &indices);

    // The image in RGBA byte order (a 32-bit image with red and blue swapped). Uploaded at once
    // with a current context, otherwise at the first render; a null image removes nothing and
    // uploads nothing.
    void setTexture(const QImage &image);
    // The same, always uploaded at the next render: for work done at any moment of the event
    // loop, when the current context may be another window's.
    void setTextureForNextRender(const QImage &image);
    // The image last given to setTexture (null when none).
    QImage textureImage() const { return m_image; }
    // Whether an image waits for its upload.
    bool hasPendingTexture() const { return m_texturePending; }

    // Draws the triangles with the given attribute locations (-1 for an attribute the program
    // lacks), with a current context only.
    void render(int vertexLocation, int normalLocation, int texCoordLocation);

    void translate(const Vector3D &t);
    // Turns the positions; normals stay as they are.
    void rotate(const Quaternion &q);

    int vertexCount() const { return m_positions.size() / 3; }
    int triangleCount() const { return m_indices.size() / 3; }
    // Positions in whole triples, indices in whole triples and all within the vertices.
    bool isWellFormed() const;
    // Whether the optional arrays hold data for every vertex, and are drawn.
    bool drawsNormals() const { return hasPerVertex(m_normals, 3); }
    bool drawsTexCoords() const { return hasPerVertex(m_texCoords, 2); }

    const QVector<float> &positions() const { return m_positions; }
    const QVector<float> &normals() const { return m_normals; }
    const QVector<float> &texCoords() const { return m_texCoords; }
    const QVector<quint32> &indices() const { return m_indices; }
    // The GL texture name, 0 until a texture has been uploaded.
    unsigned int texture() const { return m_texture; }

private:
    bool hasPerVertex(const QVector<float> &array, int components) const;
    void uploadTexture();

    QVector<float> m_positions;
    QVector<float> m_normals;
    QVector<float> m_texCoords;
    QVector<quint32> m_indices;
    QImage m_image;
    unsigned int m_texture = 0;
    bool m_texturePending = false;
};
