#include "view3d/referencepoint.h"

#include "view3d/constraint.h"
#include "view3d/domnumbers.h"
#include "view3d/groundconstraint.h"
#include "view3d/manipulatedsystem3d.h"

#include <cmath>
#include <utility>

QImage markerTexture(int alpha)
{
    QImage image(2, 2, QImage::Format_ARGB32);
    image.fill(QColor(0, 70, 130, alpha));
    return image.rgbSwapped();
}

ReferencePoint::ReferencePoint() : m_constraint(lockFrame(system()))
{
}

ReferencePoint::~ReferencePoint() = default;

void ReferencePoint::setPosition(const Vector3D &position)
{
    m_position = position;
    system()->setPosition(position);
    m_positionSet = true;
    buildGeometry();
}

void ReferencePoint::setRef1(const Vector3D &ref, double distance)
{
    m_ref1 = ref;
    m_distance1 = distance;
    buildGeometry();
}

void ReferencePoint::setRef2(const Vector3D &ref, double distance)
{
    m_ref2 = ref;
    m_distance2 = distance;
    buildGeometry();
}

bool ReferencePoint::showsRef(const Vector3D &ref, double distance) const
{
    return (ref - m_position).normSquared() >= 1e-10 && distance > 0.0;
}

bool ReferencePoint::hasRef2() const
{
    return showsRef(m_ref2, m_distance2);
}

QDomElement ReferencePoint::domElement(QDomDocument &document) const
{
    QDomElement element = Object3D::domElement(document);
    element.setAttribute(QStringLiteral("Type"), QStringLiteral("Reference"));
    setDoubleAttribute(element, QStringLiteral("depth"), m_depth);
    element.appendChild(m_position.toDomElement(QStringLiteral("Position"), document));
    const auto writeRef = [&](const QString &name, const Vector3D &ref, double distance) {
        if (std::fabs(distance) <= 1e-12)
            return;
        QDomElement child = ref.toDomElement(name, document);
        setDoubleAttribute(child, QStringLiteral("distance"), distance);
        element.appendChild(child);
    };
    writeRef(QStringLiteral("Ref1"), m_ref1, m_distance1);
    writeRef(QStringLiteral("Ref2"), m_ref2, m_distance2);
    return element;
}

void ReferencePoint::initFromDOMElement(const QDomElement &element)
{
    Object3D::initFromDOMElement(element);
    m_depth = floatAttribute(element, QStringLiteral("depth"));
    Vector3D position;
    if (readVector(element, QStringLiteral("Position"), position)) {
        m_position = position;
        system()->setPosition(position);
        m_positionSet = true;
    }
    const QDomElement ref1 = element.firstChildElement(QStringLiteral("Ref1"));
    if (!ref1.isNull()) {
        m_ref1 = Vector3D(ref1);
        m_distance1 = floatAttribute(ref1, QStringLiteral("distance"));
    }
    const QDomElement ref2 = element.firstChildElement(QStringLiteral("Ref2"));
    if (!ref2.isNull()) {
        m_ref2 = Vector3D(ref2);
        m_distance2 = floatAttribute(ref2, QStringLiteral("distance"));
    }
}

void ReferencePoint::buildGeometry()
{
    clearMeshes();
    const QImage solid = markerTexture(255);
    const auto add = [this](MeshBuffer *mesh, const QImage &texture) {
        mesh->setTexture(texture);
        addMesh(mesh);
    };
    const auto refs = {std::make_pair(m_ref1, m_distance1), std::make_pair(m_ref2, m_distance2)};
    if (m_positionSet) {
        add(makeDisc(0.2, 60), solid);
        for (const auto &ref : refs) {
            if (!showsRef(ref.first, ref.second))
                continue;
            const Vector3D towards = ref.first - m_position;
            MeshBuffer *disc = makeDisc(0.1, 60);
            disc->translate(towards);
            add(disc, solid);
            MeshBuffer *bar = makeArrowBar(towards.norm(), 0.02, false, false);
            bar->rotate(Quaternion(Vector3D(0, 0, 1), towards));
            add(bar, solid);
        }
        return;
    }
    // Placement in progress: each reference with the circle on which the point must lie; the
    // second circle a little higher, so the two do not fight for depth where they overlap.
    if (showsRef(m_ref1, m_distance1)) {
        MeshBuffer *centre = makeDisc(0.1, 60);
        MeshBuffer *circle = makeDisc(m_distance1, 60);
        centre->translate(m_ref1);
        circle->translate(m_ref1);
        add(centre, solid);
        add(circle, markerTexture(80));
    }
    if (showsRef(m_ref2, m_distance2)) {
        const Vector3D raised = m_ref2 + Vector3D(0, 0.0002, 0);
        MeshBuffer *centre = makeDisc(0.1, 60);
        MeshBuffer *circle = makeDisc(m_distance2, 60);
        centre->translate(raised);
        circle->translate(raised);
        add(centre, solid);
        add(circle, markerTexture(120));
    }
}
