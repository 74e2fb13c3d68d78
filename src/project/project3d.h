#pragma once

#include <QCoreApplication>
#include <QDomDocument>
#include <QList>
#include <QPointer>
#include <QSharedPointer>
#include <QString>

class Camera;
class ConnectedInspection;
class FloorPlan;
class Object3D;
class Project;

// The 3D pipe network of a project, kept beside "project.xml" as "project3d.xml": the site plan
// used as ground (itself in "plan.tkp"), the camera, the 3D objects and the pipe courses of the
// inspections.
//
// Ownership: the objects, pipe courses and camera that load() makes (and those handed in with
// addObject(), addInspection() or setCamera()) belong to the Project3D until releaseToView()
// passes them to the 3D view that registered them. The destructor deletes only what it still
// owns; an object the view has deleted already is never touched again. Courses are no QObjects:
// whoever deletes one takes it out of the list first (removeInspectionsAt()).
class Project3D
{
    Q_DECLARE_TR_FUNCTIONS(Project3D)

public:
    static constexpr int DefaultShowFlags = 63;

    Project3D();
    ~Project3D();
    Project3D(const Project3D &) = delete;
    Project3D &operator=(const Project3D &) = delete;

    // Not owned; its folder holds the file.
    Project *project() const { return m_project; }
    void setProject(Project *project) { m_project = project; }
    // "<root>/<name>/project3d.xml", empty without a project.
    QString path() const;

    // Reads the file when it exists; a missing file leaves the store as constructed. A file
    // that cannot be read or parsed is reported and remembered: save() then refuses to write
    // over it until allowOverwrite(). What an earlier load() made and is still owned is deleted
    // first.
    bool load();
    // Saves "project.xml", then every inspection of the project that was changed in memory and
    // did not fail to load, then "project3d.xml" (through a temporary file, after keeping the
    // first ".bak") and the plan. Nothing without a project. False, reported, when a part failed.
    bool save();
    // Writes the plan to "plan.tkp" in the project folder when there is one.
    bool savePlan();

    bool loadFailed() const { return m_loadFailed; }
    QString loadError() const { return m_loadError; }
    void allowOverwrite() { m_loadFailed = false; }

    int showFlags() const { return m_showFlags; }
    // On ORs the bit in; off toggles it, so callers pass off only for a bit that is set.
    void setShowFlag(int bit, bool on);

    QSharedPointer<FloorPlan> plan() const { return m_plan; }
    void setPlan(const QSharedPointer<FloorPlan> &plan) { m_plan = plan; }

    Camera *camera() const { return m_camera.data(); }
    // Takes the camera like an object; a camera held before and still owned is deleted.
    void setCamera(Camera *camera);

    // The objects in file order (those deleted elsewhere in the meantime left out).
    QList<Object3D *> objects() const;
    // Appends the object under the ownership rule above.
    void addObject(Object3D *object);
    // Takes the object out of the list and hands it back to the caller; false when absent.
    bool removeObject(Object3D *object);

    // The pipe courses in file order, then those added since.
    QList<ConnectedInspection *> inspections() const;
    // Appends the course under the ownership rule above.
    void addInspection(ConnectedInspection *course);
    // The courses the object is part of (a pipe or joint of the course or of one of its branches).
    QList<ConnectedInspection *> inspectionsConnectedTo(const Object3D *object) const;
    // The courses that hang from the object.
    QList<ConnectedInspection *> inspectionsStartingAt(const Object3D *object) const;
    // Takes the courses that hang from the object out of the list, then the object itself;
    // nothing is deleted.
    void removeInspectionsAt(Object3D *object);

    // The view registered what was read and owns it now: nothing held so far or added later is
    // deleted by this store.
    void releaseToView() { m_ownsContents = false; }
    bool ownsContents() const { return m_ownsContents; }

private:
    void deleteOwned();
    bool writeFile(const QString &path);

    QSharedPointer<FloorPlan> m_plan;
    Project *m_project = nullptr;
    QPointer<Camera> m_camera;
    int m_showFlags = DefaultShowFlags;
    QList<QPointer<Object3D>> m_objects;
    struct Course
    {
        ConnectedInspection *course = nullptr;
        // The element as read (null for a course made since) and the course's own form of it
        // right after reading. A course still in that form is written back as read: what it
        // could not take up (an inspection or parent that is not there, a branch that no longer
        // fits, content of other versions) is kept rather than dropped.
        QDomElement element;
        QString formAsRead;
    };
    QList<Course> m_courses;
    // Holds the elements as read.
    QDomDocument m_coursesAsRead;
    bool m_ownsContents = true;
    bool m_loadFailed = false;
    QString m_loadError;
};
