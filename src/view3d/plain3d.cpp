#include "view3d/plain3d.h"

#include "plan/floorplan.h"
#include "plan/graphicsscene.h"

#include <QElapsedTimer>

Plain3D::Plain3D(const QSharedPointer<FloorPlan> &plan) : m_plan(plan)
{
    m_slices.setInterval(0);
    connect(&m_slices, &QTimer::timeout, this, &Plain3D::paintSlice);
}

QImage Plain3D::defaultTile()
{
    static const QImage tile = [] {
        QImage image(32, 32, QImage::Format_ARGB32);
        image.fill(Qt::white);
        return image;
    }();
    return tile;
}

double Plain3D::northAngle() const
{
    return m_plan ? m_plan->northAngle() : 0.0;
}

QDomElement Plain3D::domElement(QDomDocument &) const
{
    return QDomElement();
}

void Plain3D::initFromDOMElement(const QDomElement &)
{
}

void Plain3D::buildGeometry()
{
    stopPainting();
    clearMeshes();
    int left = -20;
    int top = -20;
    int columns = 0;
    int rows = 0;
    if (m_plan) {
        m_grid = m_plan->tileGrid();
        columns = m_grid.columns;
        rows = m_grid.rows;
        left = -(columns / 2);
        top = -(rows / 2);
    }
    const QVector<float> normals{0, 1, 0, 0, 1, 0, 0, 1, 0, 0, 1, 0};
    const QVector<float> texCoords{0, 0, 1, 0, 1, 1, 0, 1};
    const QVector<quint32> indices{0, 1, 2, 0, 2, 3};
    const float side = 0.05f;
    for (int i = 0; i < 20; ++i) {
        for (int j = 0; j < 20; ++j) {
            const int tx = i - 10;
            const int tz = j - 10;
            const float x0 = tx * side, x1 = (tx + 1) * side;
            const float z0 = tz * side, z1 = (tz + 1) * side;
            auto *tile = new MeshBuffer;
            tile->setData({x0, 0, z0, x1, 0, z0, x1, 0, z1, x0, 0, z1}, normals, texCoords, indices);
            tile->setTexture(defaultTile());
            if (tx >= left && tx < left + columns && tz >= top && tz < top + rows)
                m_pending.append(PendingTile{tile, tx, tz});
            addMesh(tile);
        }
    }
    if (hasPendingTiles())
        m_slices.start();
}

void Plain3D::finishTiles()
{
    if (!hasPendingTiles())
        return;
    while (hasPendingTiles())
        paintTile(m_pending.at(m_nextPending++));
    stopPainting();
    emit tilesChanged();
    emit tilesFinished();
}

void Plain3D::paintSlice()
{
    QElapsedTimer slice;
    slice.start();
    while (hasPendingTiles() && slice.elapsed() < SliceMilliseconds)
        paintTile(m_pending.at(m_nextPending++));
    emit tilesChanged();
    if (!hasPendingTiles()) {
        stopPainting();
        emit tilesFinished();
    }
}

void Plain3D::paintTile(const PendingTile &tile)
{
    tile.mesh->setTextureForNextRender(m_plan->renderTile(m_grid, tile.column, tile.row).rgbSwapped());
}

void Plain3D::stopPainting()
{
    m_slices.stop();
    m_pending.clear();
    m_nextPending = 0;
}
