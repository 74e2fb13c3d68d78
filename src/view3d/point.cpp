#include "view3d/point.h"

#include "view3d/constraint.h"
#include "view3d/domnumbers.h"
#include "view3d/groundconstraint.h"
#include "view3d/manipulatedsystem3d.h"

Point::Point(double diameter, double depth)
    : m_diameter(diameter), m_depth(depth), m_constraint(placeOnGround(system()))
{
}

Point::~Point() = default;

void Point::setDiameter(double diameter)
{
    m_diameter = diameter;
    buildGeometry();
}

void Point::setDepth(double depth)
{
    m_depth = depth;
    buildGeometry();
}

QDomElement Point::domElement(QDomDocument &document) const
{
    QDomElement element = Object3D::domElement(document);
    element.setAttribute(QStringLiteral("Type"), QStringLiteral("Point"));
    setDoubleAttribute(element, QStringLiteral("Diameter"), m_diameter);
    setDoubleAttribute(element, QStringLiteral("Depth"), m_depth);
    return element;
}

void Point::initFromDOMElement(const QDomElement &element)
{
    Object3D::initFromDOMElement(element);
    m_diameter = floatAttribute(element, QStringLiteral("Diameter"));
    m_depth = floatAttribute(element, QStringLiteral("Depth"));
}

void Point::buildGeometry()
{
    clearMeshes();
    addMesh(makeSphere(m_diameter * 0.5, 3));
    Vector3D position = system()->position();
    position.y = -toUnits(m_depth);
    system()->setPosition(position);
}
