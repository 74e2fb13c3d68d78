#pragma once

#include "view3d/object3d.h"

#include <QSharedPointer>

class FloorPlan;

// The ground: 20 x 20 square tiles of 0.05 scene units around the origin in the x/z plane, each
// textured with the site plan's tile at its place, or white where the plan has none. Not
// stored: the viewer creates it.
class Plain3D : public Object3D
{
    Q_OBJECT

public:
    // The plan (may be null) is kept alive as long as the ground.
    explicit Plain3D(const QSharedPointer<FloorPlan> &plan = QSharedPointer<FloorPlan>());

    FloorPlan *plan() const { return m_plan.data(); }
    // The plan's north angle (radians), 0 without a plan.
    double northAngle() const;

    QDomElement domElement(QDomDocument &document) const override;
    void initFromDOMElement(const QDomElement &element) override;
    int type() const override { return 3; }
    void buildGeometry() override;

    // The 32 x 32 white picture of tiles outside the plan.
    static QImage defaultTile();

private:
    QSharedPointer<FloorPlan> m_plan;
};
