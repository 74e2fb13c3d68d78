#pragma once

#include <QImage>
#include <QList>
#include <QObject>
#include <QPointF>
#include <QPointer>
#include <QString>

class GraphicsScene;
class SelectableItem;

// The site plan of a 3D project: its drawn elements, the scale that turns scene units into
// metres and the angle of north. It owns its elements and shows them in a scene; it reads and
// writes the plan file and renders square picture tiles for the ground of the 3D view.
class FloorPlan : public QObject
{
    Q_OBJECT
    // Read by the process-wide plan scale, which follows a plan without knowing this type.
    Q_PROPERTY(double ratio READ ratio NOTIFY ratioChanged)

public:
    enum class SceneOwnership { Borrowed, Owned };

    // Scene units per tile side, and pixels per tile side.
    static constexpr int TileUnits = 500;
    static constexpr int TilePixels = 1000;

    // Shows the elements in the scene (may be null). A borrowed scene (a view's) stays with its
    // owner; an owned one goes with the plan.
    explicit FloorPlan(GraphicsScene *scene, SceneOwnership ownership = SceneOwnership::Borrowed);
    // Destroys the elements without announcing any scale: whoever follows the plan keeps the
    // scale it had.
    ~FloorPlan() override;

    GraphicsScene *scene() const;
    bool ownsScene() const { return m_ownsScene; }
    // The plan becomes the owner of its scene, for a scene handed over from a view.
    void adoptScene() { m_ownsScene = true; }

    // The elements in insertion order.
    QList<SelectableItem *> elements() const;
    // Appends the element, shows it in the scene and takes ownership.
    void addElement(SelectableItem *element);
    // Takes the element out of the scene and the plan; the caller owns it then.
    void removeElement(SelectableItem *element);
    // Destroys every element and sets the scale back to 1.0 (announced); north stays.
    void clear();

    // Metres per scene unit; a magnitude of at most 1e-12 means not calibrated.
    double ratio() const { return m_ratio; }
    // Stores and announces the ratio, also when it is unchanged.
    void setRatio(double ratio);
    // Angle of north in the caller's unit (radians in the project store); only stored.
    double northAngle() const { return m_northAngle; }
    void setNorthAngle(double angle) { m_northAngle = angle; }

    // Reads a plan file and appends its elements. A missing file changes nothing and is no
    // failure. A file that cannot be read or parsed, or whose elements could not all be read,
    // is reported and remembered: save() then refuses to write over it until allowOverwrite().
    bool load(const QString &path);
    // Writes the plan file in one piece (the old file stays whole on failure), keeping the
    // first "<path>.bak" ever made. Failures are reported; false then.
    bool save(const QString &path);

    bool loadFailed() const { return m_loadFailed; }
    QString loadError() const { return m_loadError; }
    // The user decided to write over a file that failed to load.
    void allowOverwrite() { m_loadFailed = false; }

    // Tiles of 500 x 500 scene units around the centre of the elements: an even count of at
    // least 2 in each direction, numbered from -count/2 to count/2 - 1.
    struct TileGrid
    {
        int columns = 2;
        int rows = 2;
        QPointF centre;
    };
    // Finding the elements' extent walks every item of the scene: whoever makes many tiles
    // takes the grid once and passes it to each.
    TileGrid tileGrid() const;
    int tileColumns() const;
    int tileRows() const;
    // A 1000 x 1000 picture of the tile; fully transparent outside the counts.
    QImage renderTile(int column, int row) const;
    // The same for a grid taken from this plan since its elements last changed.
    QImage renderTile(const TileGrid &grid, int column, int row) const;

signals:
    void ratioChanged(double ratio);

private:
    void deleteElements();

    QList<QPointer<SelectableItem>> m_elements;
    QPointer<GraphicsScene> m_scene;
    bool m_ownsScene;
    double m_ratio = 1.0;
    double m_northAngle = 0.0;
    bool m_loadFailed = false;
    QString m_loadError;
    QString m_failedPath;
};
