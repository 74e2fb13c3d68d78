#pragma once

#include "view3d/object3d.h"

#include <memory>

// A ball marking a pipe start or junction below ground, at its depth under the frame's ground
// position. The mouse moves it within the ground plane only.
class Point : public Object3D
{
    Q_OBJECT

public:
    // Metres. The mesh is built by the setters or buildGeometry.
    Point(double diameter = 0.0, double depth = 0.0);
    ~Point() override;

    double diameter() const { return m_diameter; }
    double depth() const { return m_depth; }
    // Each stores the value and rebuilds the mesh.
    void setDiameter(double diameter);
    void setDepth(double depth);

    // The object's element with "Type" = "Point", "Diameter" and "Depth".
    QDomElement domElement(QDomDocument &document) const override;
    void initFromDOMElement(const QDomElement &element) override;
    int type() const override { return 2; }
    // The ball, and the frame moved down to the depth (x and z stay).
    void buildGeometry() override;

private:
    double m_diameter;
    double m_depth;
    std::unique_ptr<WorldConstraint> m_constraint;
};
