#pragma once

#include "view3d/object3d.h"

// A straight pipe segment of a pipe course: a cylinder hanging from its frame's origin down the
// local -z axis over its length. Never stored: the course builds it again.
class Pipeline : public ConnectedObject3D
{
    Q_OBJECT

public:
    // Metres; the mesh is built at once.
    Pipeline(double length, double radius);

    QDomElement domElement(QDomDocument &document) const override;
    void initFromDOMElement(const QDomElement &element) override;
    int type() const override { return 3; }
    // A vertical band under the whole segment down to the given depth (metres), with a current
    // GL context only; drawn from attribute 0.
    void drawLabelLine(double depth) override;
    void buildGeometry() override;
};

// A ball joint of a pipe course at a bend, branch or end. Never stored.
class PipePoint : public ConnectedObject3D
{
    Q_OBJECT

public:
    // Metres; the mesh is built at once.
    explicit PipePoint(double radius);

    QDomElement domElement(QDomDocument &document) const override;
    void initFromDOMElement(const QDomElement &element) override;
    int type() const override { return 4; }
    void buildGeometry() override;
};
