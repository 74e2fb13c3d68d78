#include "view3d/meshbuffer.h"

#include <QOpenGLContext>
#include <QOpenGLFunctions>

MeshBuffer::~MeshBuffer()
{
    QOpenGLContext *context = QOpenGLContext::currentContext();
    if (context && m_texture)
        context->functions()->glDeleteTextures(1, &m_texture);
}

void MeshBuffer::setData(const QVector<float> &positions, const QVector<float> &normals,
                         const QVector<float> &texCoords, const QVector<quint32> &indices)
{
    m_positions = positions;
    m_normals = normals;
    m_texCoords = texCoords;
    m_indices = indices;
}

void MeshBuffer::setTexture(const QImage &image)
{
    if (image.isNull() || image.depth() != 32)
        return;
    m_image = image;
    m_texturePending = true;
    uploadTexture();
}

void MeshBuffer::setTextureForNextRender(const QImage &image)
{
    if (image.isNull() || image.depth() != 32)
        return;
    m_image = image;
    m_texturePending = true;
}

void MeshBuffer::uploadTexture()
{
    QOpenGLContext *context = QOpenGLContext::currentContext();
    if (!context || !m_texturePending)
        return;
    QOpenGLFunctions *gl = context->functions();
    gl->glEnable(GL_TEXTURE_2D);
    if (!m_texture)
        gl->glGenTextures(1, &m_texture);
    gl->glBindTexture(GL_TEXTURE_2D, m_texture);
    gl->glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    gl->glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    gl->glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    gl->glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    // Rows of a 32-bit image are whole words, so the default unpack alignment fits.
    gl->glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, m_image.width(), m_image.height(), 0, GL_RGBA,
                     GL_UNSIGNED_BYTE, m_image.constBits());
    gl->glBindTexture(GL_TEXTURE_2D, 0);
    m_texturePending = false;
}

bool MeshBuffer::hasPerVertex(const QVector<float> &array, int components) const
{
    return !array.isEmpty() && array.size() >= vertexCount() * components;
}

bool MeshBuffer::isWellFormed() const
{
    if (m_positions.size() % 3 != 0 || m_indices.size() % 3 != 0)
        return false;
    const quint32 vertices = quint32(vertexCount());
    for (quint32 index : m_indices) {
        if (index >= vertices)
            return false;
    }
    return true;
}

void MeshBuffer::render(int vertexLocation, int normalLocation, int texCoordLocation)
{
    QOpenGLContext *context = QOpenGLContext::currentContext();
    if (!context || vertexLocation < 0 || m_indices.isEmpty() || !isWellFormed())
        return;
    uploadTexture();
    QOpenGLFunctions *gl = context->functions();
    // The arrays are read from client memory: no buffer object may be bound (the painter's
    // engine binds its own between native painting blocks).
    gl->glBindBuffer(GL_ARRAY_BUFFER, 0);
    gl->glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, 0);
    if (m_texture)
        gl->glBindTexture(GL_TEXTURE_2D, m_texture);

    gl->glVertexAttribPointer(GLuint(vertexLocation), 3, GL_FLOAT, GL_FALSE, 0, m_positions.constData());
    gl->glEnableVertexAttribArray(GLuint(vertexLocation));
    const bool normals = normalLocation >= 0 && drawsNormals();
    if (normals) {
        gl->glVertexAttribPointer(GLuint(normalLocation), 3, GL_FLOAT, GL_FALSE, 0, m_normals.constData());
        gl->glEnableVertexAttribArray(GLuint(normalLocation));
    }
    const bool texCoords = texCoordLocation >= 0 && drawsTexCoords();
    if (texCoords) {
        gl->glVertexAttribPointer(GLuint(texCoordLocation), 2, GL_FLOAT, GL_FALSE, 0,
                                  m_texCoords.constData());
        gl->glEnableVertexAttribArray(GLuint(texCoordLocation));
    }

    gl->glDrawElements(GL_TRIANGLES, m_indices.size(), GL_UNSIGNED_INT, m_indices.constData());

    gl->glDisableVertexAttribArray(GLuint(vertexLocation));
    if (normals)
        gl->glDisableVertexAttribArray(GLuint(normalLocation));
    if (texCoords)
        gl->glDisableVertexAttribArray(GLuint(texCoordLocation));
    gl->glBindTexture(GL_TEXTURE_2D, 0);
}

void MeshBuffer::translate(const Vector3D &t)
{
    for (int i = 0; i + 2 < m_positions.size(); i += 3) {
        m_positions[i] += float(t.x);
        m_positions[i + 1] += float(t.y);
        m_positions[i + 2] += float(t.z);
    }
}

void MeshBuffer::rotate(const Quaternion &q)
{
    for (int i = 0; i + 2 < m_positions.size(); i += 3) {
        const Vector3D p = q.rotate(Vector3D(m_positions[i], m_positions[i + 1], m_positions[i + 2]));
        m_positions[i] = float(p.x);
        m_positions[i + 1] = float(p.y);
        m_positions[i + 2] = float(p.z);
    }
}
