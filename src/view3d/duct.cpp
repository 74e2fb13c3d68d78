#include "view3d/duct.h"

#include "view3d/constraint.h"
#include "view3d/domnumbers.h"
#include "view3d/groundconstraint.h"
#include "view3d/manipulatedsystem3d.h"

Duct::Duct(double diameter, double depth)
    : m_diameter(diameter), m_depth(depth), m_constraint(placeOnGround(system()))
{
}

Duct::~Duct() = default;

void Duct::setDiameter(double diameter)
{
    m_diameter = diameter;
    buildGeometry();
}

void Duct::setWidth(double width)
{
    m_width = width;
    buildGeometry();
}

void Duct::setDepth(double depth)
{
    m_depth = depth;
    buildGeometry();
}

void Duct::setShape(int shape)
{
    m_shape = shape;
    buildGeometry();
}

QDomElement Duct::domElement(QDomDocument &document) const
{
    QDomElement element = Object3D::domElement(document);
    element.setAttribute(QStringLiteral("Type"), QStringLiteral("Duct"));
    setDoubleAttribute(element, QStringLiteral("Diameter"), m_diameter);
    setDoubleAttribute(element, QStringLiteral("Width"), m_width);
    setDoubleAttribute(element, QStringLiteral("Depth"), m_depth);
    element.setAttribute(QStringLiteral("Shape"), m_shape == 0 ? QStringLiteral("Circle") : QStringLiteral("Rect"));
    return element;
}

void Duct::initFromDOMElement(const QDomElement &element)
{
    Object3D::initFromDOMElement(element);
    m_diameter = floatAttribute(element, QStringLiteral("Diameter"));
    m_width = floatAttribute(element, QStringLiteral("Width"));
    m_depth = floatAttribute(element, QStringLiteral("Depth"));
    m_shape = element.attribute(QStringLiteral("Shape"), QStringLiteral("Circle")) == QLatin1String("Circle") ? 0 : 1;
}

void Duct::buildGeometry()
{
    clearMeshes();
    if (m_shape == 0)
        addMesh(makeCylinder(m_diameter * 0.5, m_depth, 60));
    else
        addMesh(makeBox(m_diameter, m_width, m_depth));
}
