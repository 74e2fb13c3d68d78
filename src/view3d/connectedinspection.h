#pragma once

#include "view3d/coursesteps.h"

#include <QDomDocument>
#include <QDomElement>
#include <QList>
#include <QMap>
#include <QPair>
#include <QPointF>
#include <QString>
#include <QTime>

class Camera;
class InspectionSource;
class Investigation;
class Label3D;
class Object3D;
class PipePoint;
class QOpenGLShaderProgram;
class QPainter;
class QPoint;
class System3D;
class Viewer3D;

// The placement of a bend or branch the user gave: where on the pipe cross-section and by which
// angle. It belongs to the observation with its code, video time and distance.
struct CIEntry
{
    enum Type { Elbow = 0, Branch = 1, Narrow = 2, End = 3 };

    int type = End;
    double position = 0.0; // degrees on the cross-section
    double angle = 0.0;    // degrees
    QString code;
    QTime timecode;
    double meter = 0.0;
    // Which observation of equal code, time and metre (0 the first); stored only when not 0.
    int index = 0;

    // Same observation: same code, time and index, meters equal up to 1e-12 relative.
    bool operator==(const CIEntry &other) const;
    // Meter only; the entry list is sorted stably with it.
    bool operator<(const CIEntry &other) const { return meter < other.meter; }
};

// The observation a label belongs to.
struct LabelEntry
{
    QString code;
    QTime timecode;
    double meter = 0.0;
    // Which observation of equal code, time and metre (0 the first); stored only when not 0.
    int index = 0;

    bool operator<(const LabelEntry &other) const;
    // Same code, time and index, meters equal up to 1e-12 relative.
    bool matches(const LabelEntry &other) const;
};

// What is kept of a label between builds and in the project file.
struct StoredLabel
{
    QPointF offset;
    bool visible = true;
};

// One inspection laid out as a 3D course of pipe segments and joints hanging from a scene object
// (a manhole, a point or the joint of another course), with its side branches as child courses and
// a label per observation. build() stops at the first bend or branch the user has not placed yet
// and returns it; addEntry() gives its placement and the caller builds again.
class ConnectedInspection
{
public:
    // The frame passes to the course; its reference becomes the parent's frame.
    ConnectedInspection(Investigation *investigation, System3D *frame, Object3D *parent);
    // No inspection, no parent, a frame of its own.
    ConnectedInspection();
    virtual ~ConnectedInspection();
    ConnectedInspection(const ConnectedInspection &) = delete;
    ConnectedInspection &operator=(const ConnectedInspection &) = delete;

    // Rebuilds the course. A default step (empty code) when complete; otherwise the first bend or
    // branch without an entry. Without an inspection: one 0.5 m pipe of the placeholder radius.
    CourseStep build(double placeholderRadius);
    // Appends a piece of the course for one step; false (for a bend or branch without entry)
    // when the user still has to place it.
    bool addStep(const CourseStep &step, double &position, double &width);

    void addEntry(const CIEntry &entry);
    // Removes every equal entry; returns how many.
    int removeEntry(const CIEntry &entry);
    QList<CIEntry> entries() const { return m_entries; }

    // Forgets the inspection and shows the placeholder in the inspection's width (0.1 mm
    // without one).
    void detachInvestigation();
    Investigation *investigation() const { return m_investigation; }
    void setInvestigation(Investigation *investigation) { m_investigation = investigation; }
    QString investigationName() const;
    void setInvestigationName(const QString &name);

    QList<ConnectedInspection *> allBranches() const;
    // Branch courses with the entries they were built from, in entry order.
    QList<QPair<CIEntry, ConnectedInspection *>> branchEntries() const { return m_branchOfEntry; }
    ConnectedInspection *ownerOf(const Object3D *object);
    QList<Object3D *> objects() const { return m_objects; }
    System3D *frame() const { return m_frame; }
    Object3D *parent() const { return m_parent; }

    // Labels (one per observation on the course).
    void createLabels();
    QList<Label3D *> labels() const { return m_labels; }
    LabelEntry labelKey(Label3D *label) const { return m_labelKeys.value(label); }
    QMap<LabelEntry, StoredLabel> storedLabels() const { return m_storedLabels; }
    // Draws the built pipes and joints with the viewer's object program (bound), then the branch
    // courses at their joints. The whole course picks and highlights as its first object.
    void draw(QOpenGLShaderProgram *program, Viewer3D *viewer);
    void paintLabels(QPainter *painter, const Camera *camera, double scale) const;
    void drawLabelLines(double depth);
    Label3D *labelAt(const QPoint &pos, const Camera *camera) const;
    void setLabelFontSize(double size);

    // The XML form: tag "Inspection" at the top level, "Branch" for branches. A branch without
    // inspection is left out, unless it was read so: then its element goes back as read.
    virtual QDomElement save(const QString &tagName, QDomDocument &document) const;
    virtual void load(const QDomElement &element, InspectionSource *project, const QList<Object3D *> &sceneObjects);
    void loadBranch(const QDomElement &element, InspectionSource *project);

    // Turns a frame to a place (degrees on the cross-section, 0 right, 90 top) and angle
    // (degrees) on the pipe clock.
    static void orientOnClock(System3D *frame, double position, double angle);

private:
    void append(Object3D *object);
    void clearBuilt(bool keepBranches = false);
    CourseStep buildSteps(double placeholderRadius);
    void deleteLabels();
    const CIEntry *findEntry(const CourseStep &step) const;
    // Files written before equal keys were told apart hold one entry for all observations of
    // such a key; it stays the first one's, and each later one is placed like it, at its own
    // place on the cross-section when the observation names one.
    void placeEqualKeysLikeTheFirst();
    ConnectedInspection *findBranch(const CIEntry &key) const;
    void readChildren(const QDomElement &element);

    Investigation *m_investigation = nullptr;
    QString m_name;
    // A branch read without its inspection (not in the project when it was opened) keeps its
    // element as read, in a document of its own, and is written so while it has no inspection.
    QDomDocument m_asRead;
    QList<CIEntry> m_entries;
    QList<Object3D *> m_objects;
    QMap<PipePoint *, ConnectedInspection *> m_branches;
    QMap<ConnectedInspection *, CIEntry> m_entryOfBranch;
    // A list, not a map by meter, so that two branches at the same metre stay apart.
    QList<QPair<CIEntry, ConnectedInspection *>> m_branchOfEntry;
    // Branch courses of the last build, while a rebuild runs.
    QList<QPair<CIEntry, ConnectedInspection *>> m_keptBranches;
    QMap<Label3D *, LabelEntry> m_labelKeys;
    QMap<LabelEntry, StoredLabel> m_storedLabels;
    QList<Label3D *> m_labels;
    System3D *m_frame = nullptr;
    Object3D *m_parent = nullptr;
};
