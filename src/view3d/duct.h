#pragma once

#include "view3d/object3d.h"

#include <memory>

// A manhole, circular or rectangular, hanging from its frame's origin (its top centre on the
// ground) down to its depth. The mouse moves it within the ground plane only.
class Duct : public Object3D
{
    Q_OBJECT

public:
    // Metres; circular, no width. The mesh is built by the setters or buildGeometry.
    Duct(double diameter = 0.0, double depth = 0.0);
    ~Duct() override;

    // Diameter, or the length of a rectangular manhole.
    double diameter() const { return m_diameter; }
    double width() const { return m_width; }
    double depth() const { return m_depth; }
    // 0 circular, anything else rectangular.
    int shape() const { return m_shape; }
    // Each stores the value and rebuilds the mesh.
    void setDiameter(double diameter);
    void setWidth(double width);
    void setDepth(double depth);
    void setShape(int shape);

    // The object's element with "Type" = "Duct", "Diameter", "Width", "Depth" and "Shape"
    // ("Circle" or "Rect").
    QDomElement domElement(QDomDocument &document) const override;
    // Missing numbers read as 0; any "Shape" but "Circle" is rectangular, a missing one circular.
    void initFromDOMElement(const QDomElement &element) override;
    int type() const override { return 1; }
    void buildGeometry() override;

private:
    double m_diameter;
    double m_width = 0.0;
    double m_depth;
    int m_shape = 0;
    std::unique_ptr<WorldConstraint> m_constraint;
};
