#pragma once

#include "plan/floorplan.h"
#include "view3d/object3d.h"

#include <QSharedPointer>
#include <QTimer>
#include <QVector>

// The ground: 20 x 20 square tiles of 0.05 scene units around the origin in the x/z plane, each
// textured with the site plan's tile at its place, or white where the plan has none. Not
// stored: the viewer creates it.
//
// A large plan takes seconds to paint into all its tiles, and a scene can only be painted on the
// thread that owns it. So the tiles are white at first and get their pictures in slices of the
// event loop, each slice short enough that the window stays responsive.
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

    // Whether tiles still wait for their picture of the plan.
    bool hasPendingTiles() const { return m_nextPending < m_pending.size(); }
    // Gives every waiting tile its picture now.
    void finishTiles();

    // Longest time one slice may keep the event loop busy; a slice ends after the tile that
    // reaches it.
    static constexpr int SliceMilliseconds = 30;

signals:
    // Tiles got their pictures: the ground looks different.
    void tilesChanged();
    // The last waiting tile got its picture.
    void tilesFinished();

private:
    struct PendingTile
    {
        MeshBuffer *mesh;
        int column;
        int row;
    };

    // Paints waiting tiles until the slice's time is up.
    void paintSlice();
    void paintTile(const PendingTile &tile);
    void stopPainting();

    QSharedPointer<FloorPlan> m_plan;
    FloorPlan::TileGrid m_grid;
    QVector<PendingTile> m_pending;
    int m_nextPending = 0;
    QTimer m_slices;
};
