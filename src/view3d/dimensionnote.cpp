#include "view3d/dimensionnote.h"

#include "view3d/constraint.h"
#include "view3d/groundconstraint.h"
#include "view3d/label3d.h"
#include "view3d/manipulatedsystem3d.h"
#include "view3d/referencepoint.h"

DimensionNote::DimensionNote() : m_constraint(lockFrame(system()))
{
    label()->setPointer(false);
    label()->setBackground(Qt::white);
    label()->setRounded(false);
}

DimensionNote::~DimensionNote() = default;

void DimensionNote::setRef1(const Vector3D &point)
{
    m_ref1 = point;
    buildGeometry();
}

void DimensionNote::setRef2(const Vector3D &point)
{
    m_ref2 = point;
    const double length = (m_ref2 - m_ref1).norm();
    label()->setText(QStringLiteral("%1 m").arg(fromUnits(length), 0, 'f', 2));
    buildGeometry();
}

void DimensionNote::centerPosition()
{
    setPosition(m_ref1 + (m_ref2 - m_ref1) / 2.0);
}

void DimensionNote::setPosition(const Vector3D &position)
{
    m_position = position;
    system()->setPosition(position);
    m_positionSet = true;
    m_ref1 -= position;
    m_ref2 -= position;
    buildGeometry();
}

void DimensionNote::setText(const QString &text)
{
    label()->setText(text);
}

bool DimensionNote::hasRef2() const
{
    return (m_ref2 - m_position).normSquared() >= 1e-10;
}

bool DimensionNote::showsEnd(const Vector3D &end) const
{
    // Once placed, the ends are relative to the middle, so they are compared with the frame's
    // own origin rather than with the absolute position.
    const Vector3D middle = m_positionSet ? Vector3D() : m_position;
    return (end - middle).normSquared() >= 1e-10;
}

QDomElement DimensionNote::domElement(QDomDocument &document) const
{
    QDomElement element = Object3D::domElement(document);
    element.setAttribute(QStringLiteral("Type"), QStringLiteral("DimensionNote"));
    element.appendChild(m_position.toDomElement(QStringLiteral("Position"), document));
    element.appendChild(m_ref1.toDomElement(QStringLiteral("Ref1"), document));
    element.appendChild(m_ref2.toDomElement(QStringLiteral("Ref2"), document));
    return element;
}

void DimensionNote::initFromDOMElement(const QDomElement &element)
{
    Object3D::initFromDOMElement(element);
    if (readVector(element, QStringLiteral("Position"), m_position)) {
        system()->setPosition(m_position);
        m_positionSet = true;
    }
    readVector(element, QStringLiteral("Ref1"), m_ref1);
    readVector(element, QStringLiteral("Ref2"), m_ref2);
}

void DimensionNote::buildGeometry()
{
    clearMeshes();
    const QImage image = markerTexture(255);
    for (const Vector3D &end : {m_ref1, m_ref2}) {
        if (!showsEnd(end))
            continue;
        MeshBuffer *disc = makeDisc(0.03, 60);
        disc->translate(end);
        disc->setTexture(image);
        addMesh(disc);
    }
    if (m_positionSet) {
        MeshBuffer *bar = makeArrowBar((m_ref2 - m_ref1).norm(), 0.02, true, true);
        bar->rotate(Quaternion(Vector3D(0, 0, 1), m_ref1 - m_ref2));
        bar->translate(m_ref2);
        bar->setTexture(image);
        addMesh(bar);
    }
}
