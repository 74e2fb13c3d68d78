#pragma once

#include "view3d/matrix4.h"
#include "view3d/vector3d.h"
#include "view3d/window3d.h"

#include <QHash>
#include <QList>
#include <QMultiMap>
#include <QPointF>
#include <QPointer>
#include <QSharedPointer>

class ConnectedInspection;
class DimensionNote;
class FloorPlan;
class Label3D;
class Model3D;
class Object3D;
class Plain3D;
class QOffscreenSurface;
class QOpenGLFramebufferObject;
class QOpenGLShaderProgram;
class QProgressBar;
class ReferencePoint;
class WindRose3D;

// How a picture of the viewer is put together from tiles when it is printed large: every tile is
// drawn at the print size with the camera's view cut down to a tileWidth x tileHeight piece of
// it, scaled by scale and set into an image about 4000 pixels wide. Row 0 is the bottom row.
struct PrintTiles
{
    int tileWidth = 100;
    int tileHeight = 0;
    int columns = 0;
    int rows = 0;
    float scale = 0.0f;
    // Line width while the tiles are drawn, so lines come out 2 pixels wide in the image.
    float lineWidth = 0.0f;
    int imageWidth = 0;
    int imageHeight = 0;
    // Width of one scaled tile grab.
    int grabWidth = 0;
    // The tile that carries the compass; it may lie outside the grid (then none is drawn).
    int compassColumn = 0;
    int compassRow = 0;

    // The layout for a picture of width x height pixels (both at least 1).
    static PrintTiles forSize(int width, int height);
    bool hasCompass() const { return compassColumn < columns && compassRow < rows; }
};

// The 3D view of a project's pipe network: the scene objects (manholes, points, reference points,
// dimension notes), the pipe courses hanging from them, the ground with the site plan, the compass
// and the house, drawn with four shader programs read from data/shader/ beside the program.
// Objects are picked by identity colours; the selected object's frame is the one the mouse moves.
//
// Ownership: the viewer owns the objects in its scene list, the pipe courses registered with
// addInspection, the ground, the compass and the house. removeObject and removeInspection hand an
// object or course back to the caller without deleting it.
class Viewer3D : public Window3D
{
    Q_OBJECT

public:
    enum RenderMode { Screen = 0, Picking = 1, PrintSingle = 2, PrintTiled = 3, DepthProbe = 4 };
    // Bits of the project's show flags.
    enum ShowFlag {
        ShowLabels = 0x01,
        ShowProjection = 0x02,
        PerspectiveA = 0x04,
        PerspectiveB = 0x08,
        ShowReferencePoints = 0x10,
        ShowDimensionNotes = 0x20
    };

    Viewer3D();
    // Deletes the scene objects, every registered course once, the ground, the compass and the
    // house.
    ~Viewer3D() override;

    // The widget that hosts the window; the parent of the viewer's dialogs.
    void setContainerWidget(QWidget *widget) { m_containerWidget = widget; }
    QWidget *containerWidget() const { return m_containerWidget; }
    // Perspective exactly when both perspective bits are set.
    void setShowFlags(int flags);
    int showFlags() const { return m_showFlags; }

    // A new ground on the plan (kept alive by the ground) and a new compass.
    void setFloorPlan(const QSharedPointer<FloorPlan> &plan);
    // A ground without plan.
    void clearFloorPlan();
    bool hasFloorPlan() const;
    Plain3D *groundPlane() const { return m_groundPlane; }
    WindRose3D *compass() const { return m_compass; }
    Model3D *house() const { return m_house; }
    void setLabelFontSize(int size);

    // ---- Scene
    // The viewer takes the object over; reference points and dimension notes also go to their own
    // lists. An object already in the scene is not added again.
    void addObject(Object3D *object);
    void addReferencePoint(ReferencePoint *point);
    void addDimensionNote(DimensionNote *note);
    // Takes the object out of the scene (clearing the selection when it is selected) without
    // deleting it.
    void removeObject(Object3D *object);
    void removeReferencePoint(ReferencePoint *point);
    void removeDimensionNote(DimensionNote *note);
    QList<Object3D *> objects() const { return m_objects; }
    QList<ReferencePoint *> referencePoints() const { return m_referencePoints; }
    QList<DimensionNote *> dimensionNotes() const { return m_dimensionNotes; }
    // Clears the selection and deletes every scene object, every registered course (once each)
    // and the ground and compass. The house stays.
    void clearScene();

    // ---- Pipe courses, registered under the object they start at (their parent)
    // The viewer takes the course over. A course already registered is not registered again.
    void addInspection(ConnectedInspection *inspection);
    // Takes exactly that course out without deleting it.
    void removeInspection(ConnectedInspection *inspection);
    // Deletes every course registered under the object.
    void removeInspectionsOf(Object3D *parent);
    // Whether that very course is registered.
    bool hasInspection(ConnectedInspection *inspection) const;
    QList<ConnectedInspection *> inspectionsOf(Object3D *parent) const;
    // Every registered course once.
    QList<ConnectedInspection *> inspections() const;

    // The greatest depth in the scene (metres), never below 0.5: manholes by their depth, points
    // by their depth plus half their diameter.
    void updateMaxDepth();
    double maxDepth() const { return m_maxDepth; }

    // ---- Selection
    // The object picked last, held by itself: objects made or deleted since do not move the
    // selection to another one. Null for none; the selection is cleared when that object is
    // deleted (the camera's frame takes the mouse again and selectionChanged(nullptr) is sent).
    Object3D *selectedObject() const;
    ReferencePoint *selectedReferencePoint() const;
    DimensionNote *selectedDimensionNote() const;
    // Whether the object is the selected one.
    bool isSelected(const Object3D *object) const;
    // The camera's frame becomes the one the mouse moves; emits selectionChanged(nullptr).
    void clearSelection();
    // While locked, mouse drags move only the camera and the selection stays.
    void setSelectionLocked(bool locked) { m_selectionLocked = locked; }
    bool isSelectionLocked() const { return m_selectionLocked; }
    Label3D *draggedLabel() const { return m_draggedLabel; }
    // The colour (0..255 each) read back by the last pick.
    Vector3D pickColor() const { return m_pickColor; }

    // Moves the camera in the ground plane by (d.x, 0, d.y) scene units.
    void moveCamera(const QPointF &d);

    // ---- Placement by clicks into the scene
    // 0 off, 1 free hand (one click), 2 measured in from two references.
    void setReferenceMode(int step);
    int referenceMode() const { return m_referenceStep; }
    ReferencePoint *currentReference() const { return m_currentReference; }
    // 0 off, 1 one click, 2 two clicks (the note's ends).
    void setDimensionNoteMode(int step);
    int dimensionNoteMode() const { return m_dimensionStep; }
    DimensionNote *currentDimensionNote() const { return m_currentDimensionNote; }

    // ---- Printing
    // The view at width x height pixels into out (and returned). With a progress bar it is drawn
    // in tiles into an image about 4000 pixels wide. Drawn off screen: the window may be hidden,
    // and it keeps its size. Without an OpenGL context out is a null image.
    QImage &renderToImage(QImage &out, int width, int height, QProgressBar *progress = nullptr);

    // ---- Drawing state, for the pipe courses' drawing
    RenderMode renderMode() const { return m_renderMode; }
    QOpenGLShaderProgram *objectProgram() const { return m_objectProgram; }
    QOpenGLShaderProgram *plainProgram() const { return m_plainProgram; }
    QOpenGLShaderProgram *compassProgram() const { return m_compassProgram; }
    QOpenGLShaderProgram *projectionProgram() const { return m_projectionProgram; }
    // The object's identity for the picking pass (its registry index), -1 when it has none.
    int pickingId(const Object3D *object) const;
    // Sets "selected", "usePicking" and "IDColor" of the object program for an object drawn
    // under the identity of idObject, as the render mode asks.
    void setSelectionUniforms(const Object3D *idObject);
    // Sets "M" of the object program.
    void setObjectMatrix(const Matrix4 &model);

    // The tile being drawn in a tiled print (column, row).
    static int tileColumn();
    static int tileRow();

signals:
    void selectionChanged(Object3D *object);
    void finishedReference();
    void finishedDimensionNote();
    // The plan scale changed while the scene was built with the old one.
    void needRestartProject();

public slots:
    // The house, and the ground and compass when there are none.
    void initObjects() override;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void draw(QPainter *painter) override;
    void initGL() override;
    void pickAt(const QPoint &point) override;
    void selectPicked(const QPoint &point) override;

private slots:
    void meterRatioChanged();

private:
    bool isShown(const Object3D *object) const;
    // Holds the object as the selection (null for none), without signals or frames.
    void setSelected(Object3D *object);
    void selectedDestroyed();
    void setCameraMatrices(QOpenGLShaderProgram *program) const;
    void drawObjects();
    void drawProjection();
    void drawGround();
    void drawLabels(QPainter *painter, const Camera *camera, double scale);
    void drawHouse();
    // The camera frame takes the mouse while f runs; the frame that had it gets it back.
    template<typename F>
    void withCameraFrame(F f);
    // Makes the context current on the window or, while it can not be, on an off-screen surface.
    bool makeContextCurrent();
    // Draws one frame in mode into a frame buffer of size pixels (depth, no multisampling); the
    // frame buffer stays bound for reading until releaseTarget.
    bool renderInto(RenderMode mode, const QSize &size);
    void releaseTarget();
    // The world point under the pixel from a depth probe; found false on the background.
    Vector3D probePoint(const QPoint &pos, bool &found);
    void placeReference(const QPoint &pos);
    void placeDimensionNote(const QPoint &pos);
    double askDistance();
    int drawWidth() const;
    int drawHeight() const;

    QWidget *m_containerWidget = nullptr;
    RenderMode m_renderMode = Screen;
    bool m_compassTile = false;
    Plain3D *m_groundPlane = nullptr;
    WindRose3D *m_compass = nullptr;
    Model3D *m_house = nullptr;
    QList<Object3D *> m_objects;
    QList<ReferencePoint *> m_referencePoints;
    QList<DimensionNote *> m_dimensionNotes;
    QMultiMap<Object3D *, ConnectedInspection *> m_inspections;
    QOpenGLShaderProgram *m_compassProgram = nullptr;
    QOpenGLShaderProgram *m_plainProgram = nullptr;
    QOpenGLShaderProgram *m_objectProgram = nullptr;
    QOpenGLShaderProgram *m_projectionProgram = nullptr;
    Vector3D m_pickColor;
    QPointer<Object3D> m_selected;
    QMetaObject::Connection m_selectedDestroyed;
    Label3D *m_draggedLabel = nullptr;
    bool m_selectionLocked = false;
    double m_maxDepth = 0.0;
    int m_referenceStep = 0;
    ReferencePoint *m_currentReference = nullptr;
    int m_dimensionStep = 0;
    DimensionNote *m_currentDimensionNote = nullptr;
    int m_showFlags = 0;

    // Identities of the picking pass, filled while it runs.
    QHash<const Object3D *, int> m_pickingIds;
    QOpenGLFramebufferObject *m_target = nullptr;
    QOffscreenSurface *m_offscreenSurface = nullptr;
    // What a print or probe pass draws at, in pixels; empty for the window's own size.
    QSize m_printSize;
    QImage m_labelOverlay;
};
