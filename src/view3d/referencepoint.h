#pragma once

#include "view3d/object3d.h"

#include <memory>

// A point of the site fixed by measured distances from two known references. While it is being
// placed it shows the circles on which it must lie; once placed, a disc at the point and bars to
// the references. The mouse can neither move nor turn it.
class ReferencePoint : public Object3D
{
    Q_OBJECT

public:
    ReferencePoint();
    ~ReferencePoint() override;

    // Scene units.
    Vector3D position() const { return m_position; }
    Vector3D ref1() const { return m_ref1; }
    Vector3D ref2() const { return m_ref2; }
    // Metres.
    double distance1() const { return m_distance1; }
    double distance2() const { return m_distance2; }
    double depth() const { return m_depth; }
    void setDepth(double depth) { m_depth = depth; }
    bool isPositionSet() const { return m_positionSet; }

    // Each setter rebuilds the meshes.
    // The point is placed: the frame moves there.
    void setPosition(const Vector3D &position);
    // A reference (scene units) and the distance measured from it (metres).
    void setRef1(const Vector3D &ref, double distance);
    void setRef2(const Vector3D &ref, double distance);
    // The second reference differs from the position and has a distance.
    bool hasRef2() const;

    // The object's element with "Type" = "Reference", "depth", a child "Position" and, for a
    // reference with a distance, a child "Ref1" or "Ref2" with the attribute "distance".
    QDomElement domElement(QDomDocument &document) const override;
    void initFromDOMElement(const QDomElement &element) override;
    int type() const override { return 3; }
    void drawLabelLine(double) override {}
    void buildGeometry() override;

private:
    bool showsRef(const Vector3D &ref, double distance) const;

    Vector3D m_position;
    Vector3D m_ref1;
    Vector3D m_ref2;
    double m_distance1 = 0.0;
    double m_distance2 = 0.0;
    double m_depth = 0.0;
    bool m_positionSet = false;
    std::unique_ptr<WorldConstraint> m_constraint;
};

// A 2 x 2 marker texture of the given alpha in the colour of reference points and dimension
// notes, in RGBA byte order for upload.
QImage markerTexture(int alpha);
