#include "view3d/connectedinspection.h"

#include "foundation/config.h"
#include "foundation/global.h"
#include "view3d/domnumbers.h"
#include "view3d/inspectionsource.h"
#include "view3d/label3d.h"
#include "view3d/manipulatedsystem3d.h"
#include "view3d/pipeline.h"
#include "view3d/quaternion.h"
#include "view3d/viewer3d.h"
#include "model/investigation.h"

#include <QDebug>
#include <QOpenGLShaderProgram>
#include <QVector4D>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

const char *const typeNames[] = {"Elbow", "Branch", "Narrow", "End"};

QString timeText(const QTime &time)
{
    return time.toString(QStringLiteral("hhmmss"));
}

QTime readTime(const QDomElement &element)
{
    return QTime::fromString(element.attribute(QStringLiteral("Timecode")), QStringLiteral("hhmmss"));
}

// Entries, label entries and branches are matched against the inspection's distances, so their
// numbers are read in double precision.
double readDouble(const QDomElement &element, const QString &name)
{
    bool ok = false;
    const double value = element.attribute(name).toDouble(&ok);
    return ok && std::isfinite(value) ? value : 0.0;
}

// The first observation of a key has no index in the file, as in files from before the index.
void writeIndex(QDomElement &element, int index)
{
    if (index > 0)
        element.setAttribute(QStringLiteral("Index"), index);
}

int readIndex(const QDomElement &element)
{
    bool ok = false;
    const int index = element.attribute(QStringLiteral("Index")).toInt(&ok);
    return ok && index > 0 ? index : 0;
}

void writeEntryFields(QDomElement &element, const CIEntry &entry)
{
    setDoubleAttribute(element, QStringLiteral("Position"), entry.position);
    setDoubleAttribute(element, QStringLiteral("Angle"), entry.angle);
    element.setAttribute(QStringLiteral("Code"), entry.code);
    element.setAttribute(QStringLiteral("Timecode"), timeText(entry.timecode));
    setDoubleAttribute(element, QStringLiteral("Meter"), entry.meter);
    writeIndex(element, entry.index);
}

CIEntry readEntryFields(const QDomElement &element)
{
    CIEntry entry;
    entry.position = readDouble(element, QStringLiteral("Position"));
    entry.angle = readDouble(element, QStringLiteral("Angle"));
    entry.code = element.attribute(QStringLiteral("Code"));
    entry.timecode = readTime(element);
    entry.meter = readDouble(element, QStringLiteral("Meter"));
    entry.index = readIndex(element);
    return entry;
}

double radians(double degrees)
{
    return degrees * M_PI / 180.0;
}

ConnectedObject3D *connected(Object3D *object)
{
    return qobject_cast<ConnectedObject3D *>(object);
}

double lengthOf(Object3D *object)
{
    ConnectedObject3D *c = connected(object);
    return c ? c->length() : 0.0;
}

} // namespace

bool CIEntry::operator==(const CIEntry &other) const
{
    return code == other.code && timecode == other.timecode && index == other.index && sameMeter(meter, other.meter);
}

bool LabelEntry::operator<(const LabelEntry &other) const
{
    const int a = timecode.isNull() ? -1 : timecode.msecsSinceStartOfDay();
    const int b = other.timecode.isNull() ? -1 : other.timecode.msecsSinceStartOfDay();
    if (a != b)
        return a < b;
    if (meter != other.meter)
        return meter < other.meter;
    if (code != other.code)
        return code < other.code;
    return index < other.index;
}

bool LabelEntry::matches(const LabelEntry &other) const
{
    return code == other.code && timecode == other.timecode && index == other.index && sameMeter(meter, other.meter);
}

// --- life

ConnectedInspection::ConnectedInspection(Investigation *investigation, System3D *frame, Object3D *parent)
    : m_investigation(investigation)
    , m_frame(frame ? frame : new ManipulatedSystem3D)
    , m_parent(parent)
{
    if (m_investigation)
        m_name = m_investigation->fileName();
    if (m_parent)
        m_frame->setReferenceSystem(m_parent->system());
}

ConnectedInspection::ConnectedInspection()
    : m_frame(new ManipulatedSystem3D)
{
}

ConnectedInspection::~ConnectedInspection()
{
    clearBuilt();
    m_frame->setReferenceSystem(nullptr);
    delete m_frame;
}

void ConnectedInspection::deleteLabels()
{
    // Drags and hides made since the last load survive the rebuild.
    for (Label3D *label : qAsConst(m_labels)) {
        const LabelEntry key = m_labelKeys.value(label);
        for (auto it = m_storedLabels.begin(); it != m_storedLabels.end();) {
            if (it.key().matches(key))
                it = m_storedLabels.erase(it);
            else
                ++it;
        }
        m_storedLabels.insert(key, StoredLabel{label->offset(), label->isVisible()});
    }
    qDeleteAll(m_labels);
    m_labels.clear();
    m_labelKeys.clear();
}

void ConnectedInspection::clearBuilt(bool keepBranches)
{
    for (const auto &kept : qAsConst(m_keptBranches))
        delete kept.second;
    m_keptBranches.clear();
    if (keepBranches) {
        // A rebuild keeps the branch courses (their inspection, entries and labels) for the
        // branch steps that come again; they are cut from the joints that go now.
        for (const auto &pair : qAsConst(m_branchOfEntry)) {
            pair.second->m_frame->setReferenceSystem(nullptr);
            pair.second->m_parent = nullptr;
        }
        m_keptBranches = m_branchOfEntry;
    } else {
        qDeleteAll(m_branches);
    }
    m_branches.clear();
    m_entryOfBranch.clear();
    m_branchOfEntry.clear();
    deleteLabels();
    // Last first, so no object outlives the one its frame refers to.
    while (!m_objects.isEmpty())
        delete m_objects.takeLast();
}

// --- building

void ConnectedInspection::append(Object3D *object)
{
    ConnectedObject3D *added = connected(object);
    if (!m_objects.isEmpty()) {
        ConnectedObject3D *last = connected(m_objects.last());
        added->linkAfter(last);
        object->system()->setTranslation(Vector3D(0, 0, -Object3D::toUnits(last->length())));
    } else {
        added->setReferenceSystem(m_frame);
    }
    m_objects.append(object);
}

CourseStep ConnectedInspection::build(double placeholderRadius)
{
    clearBuilt(true);
    const CourseStep result = buildSteps(placeholderRadius);
    // Branches whose step did not come again go now.
    for (const auto &kept : qAsConst(m_keptBranches))
        delete kept.second;
    m_keptBranches.clear();
    return result;
}

CourseStep ConnectedInspection::buildSteps(double placeholderRadius)
{
    if (!m_investigation) {
        append(new Pipeline(0.5, placeholderRadius));
        return CourseStep();
    }
    const QList<CourseStep> steps = buildCourseSteps(m_investigation);
    double position = 0.0;
    double width = m_investigation->mainData().width;
    for (int i = 0; i < steps.size(); ++i) {
        if (!addStep(steps[i], position, width)) {
            // The part after an unplaced bend is drawn as a preview.
            if (i + 1 < steps.size())
                addStep(steps[i + 1], position, width);
            return steps[i];
        }
    }
    createLabels();
    return CourseStep();
}

const CIEntry *ConnectedInspection::findEntry(const CourseStep &step) const
{
    CIEntry key;
    key.code = step.code;
    key.timecode = step.timecode;
    key.meter = step.meter;
    key.index = step.index;
    for (const CIEntry &entry : m_entries) {
        if (entry == key)
            return &entry;
    }
    return nullptr;
}

void ConnectedInspection::placeEqualKeysLikeTheFirst()
{
    if (!m_investigation)
        return;
    bool added = false;
    for (const CourseStep &step : buildCourseSteps(m_investigation)) {
        if (step.index == 0 || (step.kind != CourseStep::Bend && step.kind != CourseStep::Branch) || findEntry(step))
            continue;
        CourseStep first = step;
        first.index = 0;
        const CIEntry *found = findEntry(first);
        if (!found)
            continue;
        CIEntry entry = *found;
        entry.index = step.index;
        if (step.position >= 0)
            entry.position = step.position;
        m_entries.append(entry);
        added = true;
    }
    if (added)
        std::stable_sort(m_entries.begin(), m_entries.end());
}

bool ConnectedInspection::addStep(const CourseStep &step, double &position, double &width)
{
    const double radius = width / 2000.0;
    switch (step.kind) {
    case CourseStep::End:
        append(new Pipeline(step.meter - position, radius));
        append(new PipePoint(radius));
        break;
    case CourseStep::WidthChange:
        append(new Pipeline(step.meter - position, radius));
        append(new PipePoint(std::max(step.value, width) / 2000.0));
        width = step.value;
        break;
    case CourseStep::Bend: {
        const CIEntry *entry = findEntry(step);
        append(new Pipeline(step.meter - position, radius));
        auto *joint = new PipePoint(radius);
        append(joint);
        if (!entry)
            return false;
        orientOnClock(joint->system(), entry->position, entry->angle);
        break;
    }
    case CourseStep::Branch: {
        const CIEntry *found = findEntry(step);
        if (!found)
            return false;
        const CIEntry entry = *found;
        double sum = 0.0;
        ConnectedObject3D *segment = nullptr;
        for (Object3D *object : qAsConst(m_objects)) {
            sum += lengthOf(object);
            if (sum >= step.meter) {
                segment = connected(object);
                break;
            }
        }
        if (!segment)
            break; // beyond the end of the course: dropped
        auto *joint = new PipePoint(radius);
        joint->linkAfter(segment);
        const double start = segment->cumulativeLength() - segment->length();
        joint->system()->setTranslation(Vector3D(0, 0, -Object3D::toUnits(step.meter - start)));
        m_objects.append(joint);
        ConnectedInspection *child = nullptr;
        for (int k = 0; k < m_keptBranches.size(); ++k) {
            if (m_keptBranches[k].first == entry) {
                child = m_keptBranches.takeAt(k).second;
                break;
            }
        }
        if (child) {
            child->m_parent = joint;
            child->m_frame->setReferenceSystem(joint->system());
        } else {
            child = new ConnectedInspection(nullptr, new ManipulatedSystem3D, joint);
            orientOnClock(child->frame(), entry.position, entry.angle);
        }
        child->build(radius);
        m_branches.insert(joint, child);
        m_entryOfBranch.insert(child, entry);
        auto at = std::upper_bound(m_branchOfEntry.begin(), m_branchOfEntry.end(), entry,
                                   [](const CIEntry &e, const QPair<CIEntry, ConnectedInspection *> &p) {
                                       return e < p.first;
                                   });
        m_branchOfEntry.insert(at, qMakePair(entry, child));
        break;
    }
    default:
        break;
    }
    position = step.meter;
    return true;
}

void ConnectedInspection::orientOnClock(System3D *frame, double position, double angle)
{
    const Vector3D x(1, 0, 0);
    const Vector3D y(0, 1, 0);
    if (position == 0.0 || position == 360.0) {
        frame->rotateFree(Quaternion(y, radians(-angle)));
    } else if (position == 90.0) {
        frame->rotateFree(Quaternion(x, radians(angle)));
    } else if (position == 180.0) {
        frame->rotateFree(Quaternion(y, radians(angle)));
    } else if (position == 270.0) {
        frame->rotateFree(Quaternion(x, radians(-angle)));
    } else if (position < 90.0) {
        frame->setRotation(Quaternion(y, radians(-90.0)));
        frame->rotateFree(Quaternion(x, radians(position)));
        frame->rotateFree(Quaternion(y, radians(90.0 - angle)));
    } else if (position < 270.0) {
        frame->setRotation(Quaternion(y, radians(90.0)));
        frame->rotateFree(Quaternion(x, radians(180.0 - position)));
        frame->rotateFree(Quaternion(y, radians(angle - 90.0)));
    } else {
        frame->setRotation(Quaternion(y, radians(-90.0)));
        frame->rotateFree(Quaternion(x, radians(position - 360.0)));
        frame->rotateFree(Quaternion(y, radians(90.0 - angle)));
    }
}

void ConnectedInspection::addEntry(const CIEntry &entry)
{
    m_entries.append(entry);
    std::stable_sort(m_entries.begin(), m_entries.end());
}

int ConnectedInspection::removeEntry(const CIEntry &entry)
{
    return m_entries.removeAll(entry);
}

void ConnectedInspection::detachInvestigation()
{
    clearBuilt();
    const double width = m_investigation ? m_investigation->mainData().width : 0.1;
    m_investigation = nullptr;
    build(width / 2000.0);
}

QString ConnectedInspection::investigationName() const
{
    return m_investigation ? m_investigation->fileName() : m_name;
}

void ConnectedInspection::setInvestigationName(const QString &name)
{
    if (name != m_name)
        m_name = name;
}

QList<ConnectedInspection *> ConnectedInspection::allBranches() const
{
    QList<ConnectedInspection *> result;
    for (const auto &pair : m_branchOfEntry) {
        result.append(pair.second);
        result.append(pair.second->allBranches());
    }
    return result;
}

ConnectedInspection *ConnectedInspection::ownerOf(const Object3D *object)
{
    for (Object3D *own : qAsConst(m_objects)) {
        if (own == object)
            return this;
    }
    for (ConnectedInspection *branch : qAsConst(m_branches)) {
        if (ConnectedInspection *owner = branch->ownerOf(object))
            return owner;
    }
    return nullptr;
}

// --- labels

void ConnectedInspection::createLabels()
{
    deleteLabels();
    if (!m_investigation)
        return;
    const QVector<ObservationRecord> observations = m_investigation->observations();
    const QVector<int> keys = equalKeyIndexes(observations);
    qDebug() << "void ConnectedInspection::createLabels() Anzahl Einträge in damages: " << observations.size();
    const int mode = Global::instance()->config()->labelText();
    for (int i = 0; i < observations.size(); ++i) {
        const ObservationRecord &o = observations.at(i);
        double sum = 0.0;
        Object3D *segment = nullptr;
        for (Object3D *object : qAsConst(m_objects)) {
            if (sum + lengthOf(object) >= o.distance) {
                segment = object;
                sum += lengthOf(object);
                break;
            }
            sum += lengthOf(object);
        }
        if (!segment)
            continue;
        const LabelEntry key{o.code, o.videoTime, o.distance, keys.at(i)};
        auto *label = new Label3D(segment);
        if (mode == 0)
            label->setText(QStringLiteral("%1m %2").arg(QString::number(o.distance, 'f', 2),
                                                        m_investigation->observationDescription(o)));
        else if (mode == 1)
            label->setText(m_investigation->observationText(i, true));
        else if (mode == 2)
            label->setText(QStringLiteral("Custom String - please set!"));
        const double start = sum - lengthOf(segment);
        label->frame()->setTranslation(Vector3D(0, 0, -Object3D::toUnits(o.distance - start)));
        bool found = false;
        for (auto it = m_storedLabels.constBegin(); it != m_storedLabels.constEnd(); ++it) {
            if (it.key().matches(key)) {
                qDebug() << "Damage: " << key.code << key.meter << key.timecode;
                label->setOffset(it.value().offset);
                label->setVisible(it.value().visible);
                found = true;
                break;
            }
        }
        if (!found) {
            label->setOffset(QPointF(0, 0));
            label->setVisible(true);
        }
        m_labels.append(label);
        m_labelKeys.insert(label, key);
    }
}

void ConnectedInspection::draw(QOpenGLShaderProgram *program, Viewer3D *viewer)
{
    if (!program || !viewer || m_objects.isEmpty())
        return;
    const int vertex = program->attributeLocation("vertex");
    const int normal = program->attributeLocation("normal");
    // A stub without inspection keeps the colour of what was drawn before it (its parent course).
    QVector4D color;
    if (m_investigation) {
        switch (m_investigation->systemText()) {
        case 1: // storm water
            color = QVector4D(0.0f, 0.7f, 1.0f, 1.0f);
            break;
        case 2: // foul water
            color = QVector4D(1.0f, 0.0f, 0.0f, 1.0f);
            break;
        default:
            color = QVector4D(1.0f, 0.5f, 0.1f, 1.0f);
            break;
        }
    }
    const Object3D *identity = m_objects.first();
    for (Object3D *object : qAsConst(m_objects)) {
        program->setUniformValue("hasTexture", 0);
        viewer->setObjectMatrix(object->system()->worldMatrix());
        if (m_investigation)
            program->setUniformValue("color", color);
        viewer->setSelectionUniforms(identity);
        object->draw(vertex, normal, -1);
        if (auto *joint = qobject_cast<PipePoint *>(object)) {
            if (ConnectedInspection *branch = m_branches.value(joint))
                branch->draw(program, viewer);
        }
    }
}

void ConnectedInspection::paintLabels(QPainter *painter, const Camera *camera, double scale) const
{
    for (Label3D *label : m_labels)
        label->paint(painter, camera, scale);
    for (Object3D *object : m_objects) {
        if (ConnectedInspection *branch = m_branches.value(qobject_cast<PipePoint *>(object)))
            branch->paintLabels(painter, camera, scale);
    }
}

void ConnectedInspection::drawLabelLines(double depth)
{
    for (Object3D *object : qAsConst(m_objects)) {
        object->drawLabelLine(depth);
        if (ConnectedInspection *branch = m_branches.value(qobject_cast<PipePoint *>(object)))
            branch->drawLabelLines(depth);
    }
}

Label3D *ConnectedInspection::labelAt(const QPoint &pos, const Camera *camera) const
{
    const QList<ConnectedInspection *> branches = m_branches.values();
    for (int i = branches.size() - 1; i >= 0; --i) {
        if (Label3D *label = branches[i]->labelAt(pos, camera))
            return label;
    }
    for (int i = m_labels.size() - 1; i >= 0; --i) {
        if (m_labels[i]->isVisible() && m_labels[i]->contains(pos, camera))
            return m_labels[i];
    }
    return nullptr;
}

void ConnectedInspection::setLabelFontSize(double size)
{
    for (Label3D *label : qAsConst(m_labels))
        label->setFontSize(size);
    for (ConnectedInspection *branch : qAsConst(m_branches))
        branch->setLabelFontSize(size);
}

// --- XML

QDomElement ConnectedInspection::save(const QString &tagName, QDomDocument &document) const
{
    QDomElement element = document.createElement(tagName);
    if (m_parent && !m_parent->name().isEmpty())
        element.setAttribute(QStringLiteral("Parent"), m_parent->name());
    if (m_investigation)
        element.setAttribute(QStringLiteral("Investigation"), m_investigation->fileName());
    if (m_frame)
        element.appendChild(m_frame->toDomElement(QStringLiteral("System"), document));
    for (const CIEntry &entry : m_entries) {
        QDomElement child = document.createElement(QStringLiteral("CIEntry"));
        child.setAttribute(QStringLiteral("Type"), QLatin1String(typeNames[qBound(0, entry.type, 3)]));
        writeEntryFields(child, entry);
        element.appendChild(child);
    }
    for (Label3D *label : m_labels) {
        // A hidden label is written even when never dragged, so it stays hidden after reloading.
        if (label->offset().isNull() && label->isVisible())
            continue;
        const LabelEntry key = m_labelKeys.value(label);
        QDomElement child = document.createElement(QStringLiteral("LabelEntry"));
        child.setAttribute(QStringLiteral("Code"), key.code);
        child.setAttribute(QStringLiteral("Timecode"), timeText(key.timecode));
        setDoubleAttribute(child, QStringLiteral("Meter"), key.meter);
        writeIndex(child, key.index);
        setDoubleAttribute(child, QStringLiteral("x"), label->offset().x());
        setDoubleAttribute(child, QStringLiteral("y"), label->offset().y());
        child.setAttribute(QStringLiteral("Visible"),
                           label->isVisible() ? QStringLiteral("true") : QStringLiteral("false"));
        element.appendChild(child);
    }
    for (const auto &pair : m_branchOfEntry) {
        ConnectedInspection *branch = pair.second;
        if (!branch->m_investigation) {
            // What could not be taken up stays in the file: placed bends, labels and branches
            // of an inspection that may come back.
            if (!branch->m_asRead.isNull())
                element.appendChild(document.importNode(branch->m_asRead.documentElement(), true));
            continue;
        }
        QDomElement child = branch->save(QStringLiteral("Branch"), document);
        QDomElement key = document.createElement(QStringLiteral("BranchEntry"));
        writeEntryFields(key, pair.first);
        child.appendChild(key);
        element.appendChild(child);
    }
    return element;
}

void ConnectedInspection::readChildren(const QDomElement &element)
{
    for (QDomElement child = element.firstChildElement(); !child.isNull(); child = child.nextSiblingElement()) {
        const QString tag = child.tagName();
        if (tag == QLatin1String("CIEntry")) {
            CIEntry entry = readEntryFields(child);
            const QString type = child.attribute(QStringLiteral("Type"));
            entry.type = CIEntry::End;
            for (int t = 0; t < 3; ++t) {
                if (type == QLatin1String(typeNames[t]))
                    entry.type = t;
            }
            m_entries.append(entry);
        } else if (tag == QLatin1String("LabelEntry")) {
            const LabelEntry key{child.attribute(QStringLiteral("Code")), readTime(child),
                                 readDouble(child, QStringLiteral("Meter")), readIndex(child)};
            StoredLabel stored;
            stored.offset = QPointF(readDouble(child, QStringLiteral("x")), readDouble(child, QStringLiteral("y")));
            stored.visible = child.attribute(QStringLiteral("Visible")) == QLatin1String("true");
            qDebug() << "visible " << key.code << key.timecode << key.meter << stored.visible;
            m_storedLabels.insert(key, stored);
        } else if (tag == QLatin1String("System")) {
            if (!m_frame)
                m_frame = new ManipulatedSystem3D;
            m_frame->fromDomElement(child);
        }
    }
    std::stable_sort(m_entries.begin(), m_entries.end());
}

void ConnectedInspection::load(const QDomElement &element, InspectionSource *project,
                               const QList<Object3D *> &sceneObjects)
{
    m_name = element.attribute(QStringLiteral("Investigation"));
    m_investigation = project && !m_name.isEmpty() ? project->inspectionByName(m_name) : nullptr;
    m_storedLabels.clear();
    readChildren(element);
    placeEqualKeysLikeTheFirst();
    const QString parentName = element.attribute(QStringLiteral("Parent"));
    m_parent = nullptr;
    if (!parentName.isEmpty()) {
        for (Object3D *object : sceneObjects) {
            if (object->name() == parentName)
                m_parent = object;
        }
    }
    m_frame->setReferenceSystem(m_parent ? m_parent->system() : nullptr);
    build(0.0);
    for (QDomElement branch = element.firstChildElement(QStringLiteral("Branch")); !branch.isNull();
         branch = branch.nextSiblingElement(QStringLiteral("Branch")))
        loadBranch(branch, project);
}

ConnectedInspection *ConnectedInspection::findBranch(const CIEntry &key) const
{
    // The whole entry first; the metre alone for files that two branches at one metre broke.
    for (const auto &pair : m_branchOfEntry) {
        if (pair.first == key)
            return pair.second;
    }
    for (const auto &pair : m_branchOfEntry) {
        if (pair.first.meter == key.meter)
            return pair.second;
    }
    return nullptr;
}

void ConnectedInspection::loadBranch(const QDomElement &element, InspectionSource *project)
{
    const CIEntry key = readEntryFields(element.firstChildElement(QStringLiteral("BranchEntry")));
    ConnectedInspection *branch = findBranch(key);
    if (!branch) {
        qDebug() << "TODO:" << "ConnectedInspection::loadBranch" << "in line" << 335 << ", file:"
                 << "view3d/connectedinspection";
        return;
    }
    qDebug() << "branch" << key.code << key.meter;
    branch->m_name = element.attribute(QStringLiteral("Investigation"));
    branch->m_investigation = project && !branch->m_name.isEmpty() ? project->inspectionByName(branch->m_name) : nullptr;
    branch->m_asRead = QDomDocument();
    if (!branch->m_investigation)
        branch->m_asRead.appendChild(branch->m_asRead.importNode(element, true));
    branch->m_storedLabels.clear();
    branch->readChildren(element);
    branch->placeEqualKeysLikeTheFirst();
    branch->build(0.0);
    for (QDomElement child = element.firstChildElement(QStringLiteral("Branch")); !child.isNull();
         child = child.nextSiblingElement(QStringLiteral("Branch")))
        branch->loadBranch(child, project);
}
