#include "view3d/pipeline.h"

#include "view3d/manipulatedsystem3d.h"

#include <QOpenGLContext>
#include <QOpenGLFunctions>

Pipeline::Pipeline(double length, double radius) : ConnectedObject3D(length, radius)
{
    buildGeometry();
}

QDomElement Pipeline::domElement(QDomDocument &) const
{
    return QDomElement();
}

void Pipeline::initFromDOMElement(const QDomElement &)
{
}

void Pipeline::buildGeometry()
{
    clearMeshes();
    addMesh(makeCylinder(m_radius, m_length, 60));
}

void Pipeline::drawLabelLine(double depth)
{
    QOpenGLContext *context = QOpenGLContext::currentContext();
    if (!context)
        return;
    const Vector3D down(0.0, -toUnits(depth), 0.0);
    const Vector3D a = system()->position();
    const Vector3D b = system()->worldFromLocal(Vector3D(0.0, 0.0, -toUnits(m_length)));
    const Vector3D corners[4] = {a, a + down, b, b + down};
    float positions[12];
    for (int i = 0; i < 4; ++i) {
        positions[3 * i] = float(corners[i].x);
        positions[3 * i + 1] = float(corners[i].y);
        positions[3 * i + 2] = float(corners[i].z);
    }
    static const quint32 indices[6] = {0, 2, 3, 0, 3, 1};
    QOpenGLFunctions *gl = context->functions();
    gl->glBindBuffer(GL_ARRAY_BUFFER, 0);
    gl->glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, 0);
    gl->glVertexAttribPointer(0, 3, GL_FLOAT, GL_FALSE, 0, positions);
    gl->glEnableVertexAttribArray(0);
    gl->glDrawElements(GL_TRIANGLES, 6, GL_UNSIGNED_INT, indices);
    gl->glDisableVertexAttribArray(0);
}

PipePoint::PipePoint(double radius) : ConnectedObject3D(0.0, radius)
{
    buildGeometry();
}

QDomElement PipePoint::domElement(QDomDocument &) const
{
    return QDomElement();
}

void PipePoint::initFromDOMElement(const QDomElement &)
{
}

void PipePoint::buildGeometry()
{
    clearMeshes();
    addMesh(makeSphere(m_radius, 3));
}
