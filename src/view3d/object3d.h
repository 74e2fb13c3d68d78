#pragma once

#include "view3d/meshbuffer.h"
#include "view3d/vector3d.h"

#include <QDomDocument>
#include <QDomElement>
#include <QList>
#include <QMap>
#include <QObject>
#include <QPoint>
#include <QString>

#include <array>
#include <memory>

class Camera;
class Label3D;
class ManipulatedSystem3D;
class System3D;
class WorldConstraint;

// Everything drawn in the 3D view of the pipe network: a frame the user may move, a label, a
// unique name and meshes built by the subclass. Every live object is listed in a class-wide
// registry in order of construction; an object's index there is its picking id, drawn as a
// flat colour in the picking pass.
//
// Subclasses build their meshes in buildGeometry and extend the XML element. Objects whose
// element is null are not stored; their owners create them again.
class Object3D : public QObject
{
    Q_OBJECT

public:
    Object3D();
    // Leaves the registry; deletes the frame, the label and the meshes. Later objects' picking
    // ids move down by one.
    ~Object3D() override;
    Object3D(const Object3D &) = delete;
    Object3D &operator=(const Object3D &) = delete;

    // An element "Object" with the attribute "Name" and the children "Label" and "System".
    virtual QDomElement domElement(QDomDocument &document) const;
    // Reads the name (taking it over from any object that holds it), the frame and the label;
    // a missing child leaves what the object has.
    virtual void initFromDOMElement(const QDomElement &element);
    virtual int type() const = 0;
    // Draws every mesh in order, with a current GL context only.
    virtual void draw(int vertexLocation, int normalLocation, int texCoordLocation);
    // A dashed vertical line from the given depth (metres below the object) up to the object,
    // with a current GL context only; drawn from attribute 0.
    virtual void drawLabelLine(double depth);
    virtual void buildGeometry() = 0;

    ManipulatedSystem3D *system() const { return m_system; }
    Label3D *label() const { return m_label; }
    // Empty until the first buildGeometry.
    QList<MeshBuffer *> meshes() const;

    QString name() const { return m_name; }
    // With takeOver and a non-empty name, the object takes exactly that name and an object that
    // held it gets the next free form of it; otherwise the object gets uniqueName(name).
    void setName(const QString &name, bool takeOver = false);
    QString labelText() const;
    void setLabelText(const QString &text);
    // The label, when it is visible and its box contains the pixel; else null.
    Label3D *labelAt(const QPoint &pos, const Camera *camera) const;

    // base (or "object" for an empty base) when no live object has that name, otherwise the
    // first free "<base>_000001", "<base>_000002", ...
    static QString uniqueName(const QString &base);
    static const QList<Object3D *> &registry();
    static Object3D *objectNamed(const QString &name);
    // Forgets every object without deleting any.
    static void clearRegistry();

    // The picking colour of an id, as red, green and blue in 0..1.
    static std::array<float, 3> idToColor(int id);
    // The id of a colour read back as bytes (0..255); -1 for white, the background.
    static int colorToId(const Vector3D &color);

    // Mesh builders. Sizes are metres (converted to scene units with the plan scale), except the
    // length of the arrow bar, which is in scene units. The caller owns the result.
    // A flat disc in the x/z plane, facing up.
    static MeshBuffer *makeDisc(double radius, int segments);
    // A closed box: x across the length, y across the width (both centred), z from 0 down to
    // -depth.
    static MeshBuffer *makeBox(double length, double width, double depth);
    // A closed cylinder about the local z axis from z = 0 down to z = -height.
    static MeshBuffer *makeCylinder(double radius, double height, int segments);
    // An icosphere: 20 * 4^subdivisions triangles, normals pointing outwards.
    static MeshBuffer *makeSphere(double radius, int subdivisions);
    // A flat bar along +z from 0 to length in the x/z plane, facing up, with optional arrow
    // heads reaching to either end.
    static MeshBuffer *makeArrowBar(double length, double width, bool arrowAtStart, bool arrowAtEnd);

    // Metres to scene units and back, with the plan scale of the program.
    static double toUnits(double metres);
    static double fromUnits(double units);

signals:
    void changed();

protected:
    // Creates the mesh list when needed and empties it.
    void clearMeshes();
    // The object takes the mesh over.
    void addMesh(MeshBuffer *mesh);
    // Reads a child Vector3D element; false, leaving the value, when there is none.
    static bool readVector(const QDomElement &element, const QString &name, Vector3D &value);

private:
    ManipulatedSystem3D *m_system = nullptr;
    std::unique_ptr<QList<MeshBuffer *>> m_meshes;
    Label3D *m_label = nullptr;
    QString m_name;
};

// A pipe segment or joint in a chain of connected objects: each object's frame refers to its
// predecessor's, so a course moves as one. The mouse can neither move nor turn them.
class ConnectedObject3D : public Object3D
{
    Q_OBJECT

public:
    ConnectedObject3D(double length, double radius);
    // Unlinks the object from its neighbours; a successor whose frame referred to this one's
    // keeps its world pose.
    ~ConnectedObject3D() override;

    ConnectedObject3D *previous() const { return m_previous; }
    ConnectedObject3D *next() const { return m_next; }
    // Links this object after previous: previous becomes its predecessor, this its successor,
    // and this frame refers to previous's frame.
    void linkAfter(ConnectedObject3D *previous);
    void setReferenceSystem(System3D *reference);

    double length() const { return m_length; }
    double radius() const { return m_radius; }
    // The length of this object and of all its predecessors.
    double cumulativeLength() const;

protected:
    double m_length;
    double m_radius;

private:
    ConnectedObject3D *m_previous = nullptr;
    ConnectedObject3D *m_next = nullptr;
    std::unique_ptr<WorldConstraint> m_constraint;
};
