#include "project/project3d.h"

#include "project/project.h"

#include "foundation/atomicfile.h"
#include "foundation/filehelper.h"
#include "foundation/filetext.h"
#include "foundation/global.h"
#include "foundation/meterratioobserver.h"
#include "foundation/readguard.h"
#include "foundation/reporter.h"
#include "plan/floorplan.h"
#include "plan/graphicsscene.h"
#include "view3d/camera.h"
#include "view3d/connectedinspection.h"
#include "view3d/dimensionnote.h"
#include "view3d/duct.h"
#include "view3d/object3d.h"
#include "view3d/point.h"
#include "view3d/referencepoint.h"
#include "model/investigation.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace {

const QString kFileName = QStringLiteral("project3d.xml");
const QString kPlanFileName = QStringLiteral("plan.tkp");

// The object a "Type" value names; null for any other value (older files hold "Pipe", which
// is rebuilt from the courses and never read).
Object3D *makeObject(const QString &type)
{
    if (type == QLatin1String("Duct"))
        return new Duct;
    if (type == QLatin1String("Point"))
        return new Point;
    if (type == QLatin1String("Reference"))
        return new ReferencePoint;
    if (type == QLatin1String("DimensionNote"))
        return new DimensionNote;
    return nullptr;
}

// Tag, attributes in name order, children in document order: equal for equal content, whatever
// order the DOM happens to list attributes in.
void appendForm(const QDomNode &node, QString &out)
{
    if (node.isText()) {
        out += QLatin1Char('"') + node.nodeValue() + QLatin1Char('"');
        return;
    }
    if (!node.isElement())
        return;
    const QDomElement element = node.toElement();
    out += QLatin1Char('<') + element.tagName();
    const QDomNamedNodeMap attributes = element.attributes();
    QStringList pairs;
    for (int i = 0; i < attributes.count(); ++i) {
        const QDomAttr attribute = attributes.item(i).toAttr();
        pairs << attribute.name() + QLatin1String("=\"") + attribute.value() + QLatin1Char('"');
    }
    std::sort(pairs.begin(), pairs.end());
    out += QLatin1Char(' ') + pairs.join(QLatin1Char(' ')) + QLatin1Char('>');
    for (QDomNode child = element.firstChild(); !child.isNull(); child = child.nextSibling())
        appendForm(child, out);
    out += QLatin1String("</>");
}

QString formOf(const QDomElement &element, const ConnectedInspection *course)
{
    // The name counts too: a course keeps the name of an inspection it could not find, but only
    // writes it while the inspection is attached.
    QString form = course->investigationName() + QLatin1Char('|');
    appendForm(element, form);
    return form;
}

} // namespace

Project3D::Project3D() = default;

Project3D::~Project3D()
{
    deleteOwned();
}

void Project3D::deleteOwned()
{
    if (m_ownsContents) {
        // Courses first: their frames hang from the objects' frames.
        for (const Course &course : qAsConst(m_courses))
            delete course.course;
        for (const QPointer<Object3D> &object : qAsConst(m_objects))
            delete object.data();
        delete m_camera.data();
    }
    m_courses.clear();
    m_coursesAsRead = QDomDocument();
    m_objects.clear();
    m_camera.clear();
}

QString Project3D::path() const
{
    if (!m_project || m_project->name().isEmpty() || m_project->root().isEmpty())
        return QString();
    return m_project->folder() + QLatin1Char('/') + kFileName;
}

void Project3D::setShowFlag(int bit, bool on)
{
    if (on)
        m_showFlags |= bit;
    else
        m_showFlags ^= bit;
}

void Project3D::setCamera(Camera *camera)
{
    if (m_camera == camera)
        return;
    if (m_ownsContents)
        delete m_camera.data();
    m_camera = camera;
}

QList<Object3D *> Project3D::objects() const
{
    QList<Object3D *> list;
    for (const QPointer<Object3D> &object : m_objects) {
        if (object)
            list << object.data();
    }
    return list;
}

void Project3D::addObject(Object3D *object)
{
    if (object && !objects().contains(object))
        m_objects << object;
}

bool Project3D::removeObject(Object3D *object)
{
    for (int i = 0; i < m_objects.size(); ++i) {
        if (m_objects.at(i) == object && object) {
            m_objects.removeAt(i);
            return true;
        }
    }
    return false;
}

QList<ConnectedInspection *> Project3D::inspections() const
{
    QList<ConnectedInspection *> list;
    for (const Course &course : m_courses)
        list << course.course;
    return list;
}

void Project3D::addInspection(ConnectedInspection *course)
{
    if (course && !inspections().contains(course))
        m_courses << Course{course, QDomElement(), QString()};
}

QList<ConnectedInspection *> Project3D::inspectionsConnectedTo(const Object3D *object) const
{
    QList<ConnectedInspection *> list;
    if (!object)
        return list;
    for (const Course &course : m_courses) {
        if (course.course->ownerOf(object))
            list << course.course;
    }
    return list;
}

QList<ConnectedInspection *> Project3D::inspectionsStartingAt(const Object3D *object) const
{
    QList<ConnectedInspection *> list;
    if (!object)
        return list;
    for (const Course &course : m_courses) {
        if (course.course->parent() == object)
            list << course.course;
    }
    return list;
}

void Project3D::removeInspectionsAt(Object3D *object)
{
    if (!object)
        return;
    m_courses.erase(std::remove_if(m_courses.begin(), m_courses.end(),
                                   [object](const Course &course) { return course.course->parent() == object; }),
                    m_courses.end());
    removeObject(object);
}

bool Project3D::load()
{
    const QString file = path();
    if (file.isEmpty() || !QFileInfo::exists(file))
        return true;

    deleteOwned();
    m_ownsContents = true;
    m_plan.clear();
    m_showFlags = DefaultShowFlags;
    m_loadFailed = false;
    m_loadError.clear();

    QDomDocument document;
    QByteArray bytes;
    QString error;
    int line = 0;
    int column = 0;
    if (ReadGuard::readXml(file, ReadGuard::SmallFileLimit, ReadGuard::XmlUse::Tree, bytes, error)
        && !document.setContent(bytes, &error, &line, &column)) {
        error = tr("%1 (Zeile %2, Spalte %3)").arg(error).arg(line).arg(column);
    }
    if (!error.isEmpty()) {
        // Opening empty and saving later would put an empty network in place of the user's.
        m_loadFailed = true;
        m_loadError = error;
        Reporter::error(tr("Die 3D-Projektdatei %1 konnte nicht gelesen werden und wird nicht überschrieben.\n%2")
                            .arg(QDir::toNativeSeparators(file), error));
        return false;
    }

    QDomElement coursesAsRead = m_coursesAsRead.createElement(QStringLiteral("INSPECTIONS"));
    m_coursesAsRead.appendChild(coursesAsRead);

    const QDomElement root = document.documentElement();
    for (QDomElement element = root.firstChildElement(); !element.isNull(); element = element.nextSiblingElement()) {
        const QString tag = element.tagName();
        if (tag == QLatin1String("Properties")) {
            bool ok = false;
            const int flags = element.attribute(QStringLiteral("ShowFlags")).toInt(&ok);
            m_showFlags = ok ? flags : 0;
        } else if (tag == QLatin1String("PLAN")) {
            m_plan = QSharedPointer<FloorPlan>::create(new GraphicsScene, FloorPlan::SceneOwnership::Owned);
            m_plan->load(m_project->folder() + QLatin1Char('/') + kPlanFileName);
            Global::instance()->meterRatio()->observe(m_plan.staticCast<QObject>());
        } else if (tag == QLatin1String("Camera")) {
            auto *camera = new Camera;
            camera->fromDomElement(element);
            setCamera(camera);
        } else if (tag == QLatin1String("OBJECTS")) {
            for (QDomElement child = element.firstChildElement(); !child.isNull(); child = child.nextSiblingElement()) {
                Object3D *object = makeObject(child.attribute(QStringLiteral("Type")));
                if (!object) {
                    qDebug() << "3D object of type" << child.attribute(QStringLiteral("Type")) << "skipped";
                    continue;
                }
                object->initFromDOMElement(child);
                object->buildGeometry();
                m_objects << object;
            }
        } else if (tag == QLatin1String("INSPECTIONS")) {
            // After the objects: a course finds its parent among them.
            const QList<Object3D *> sceneObjects = objects();
            for (QDomElement child = element.firstChildElement(QStringLiteral("Inspection")); !child.isNull();
                 child = child.nextSiblingElement(QStringLiteral("Inspection"))) {
                auto *course = new ConnectedInspection;
                course->load(child, m_project, sceneObjects);
                QDomDocument scratch;
                const QString form = formOf(course->save(QStringLiteral("Inspection"), scratch), course);
                const QDomElement kept = coursesAsRead.appendChild(m_coursesAsRead.importNode(child, true)).toElement();
                m_courses << Course{course, kept, form};
            }
        }
    }
    return true;
}

bool Project3D::save()
{
    const QString file = path();
    if (file.isEmpty())
        return false;

    bool ok = m_project->save();
    // Only what was edited in memory is written: the readers skip elements other programs put
    // into the files, so a rewrite would strip them. A file that failed to load is never
    // written over.
    for (Investigation *inspection : m_project->inspections(true)) {
        if (inspection->isChanged() && !inspection->loadFailed() && !inspection->save())
            ok = false;
    }

    if (m_loadFailed) {
        Reporter::error(tr("Die 3D-Projektdatei %1 konnte nicht gelesen werden und wird nicht überschrieben.")
                            .arg(QDir::toNativeSeparators(file)));
        ok = false;
    } else if (!writeFile(file)) {
        ok = false;
    }
    if (!savePlan())
        ok = false;
    return ok;
}

bool Project3D::savePlan()
{
    if (!m_plan || !m_project)
        return true;
    return m_plan->save(m_project->folder() + QLatin1Char('/') + kPlanFileName);
}

bool Project3D::writeFile(const QString &path)
{
    QDomDocument document;
    document.appendChild(document.createProcessingInstruction(
        QStringLiteral("xml"), QStringLiteral("version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\" ")));
    QDomElement root = document.createElement(QStringLiteral("ZOZOrureProject3D"));
    root.setAttribute(QStringLiteral("version"), QStringLiteral("1.0"));
    document.appendChild(root);

    QDomElement properties = document.createElement(QStringLiteral("Properties"));
    properties.setAttribute(QStringLiteral("ShowFlags"), QString::number(m_showFlags));
    root.appendChild(properties);
    if (m_plan)
        root.appendChild(document.createElement(QStringLiteral("PLAN")));
    if (m_camera)
        root.appendChild(m_camera->toDomElement(QStringLiteral("Camera"), document));

    QDomElement objectList = document.createElement(QStringLiteral("OBJECTS"));
    root.appendChild(objectList);
    for (Object3D *object : objects()) {
        const QDomElement element = object->domElement(document);
        if (!element.isNull())
            objectList.appendChild(element);
    }

    QDomElement courseList = document.createElement(QStringLiteral("INSPECTIONS"));
    root.appendChild(courseList);
    for (const Course &course : qAsConst(m_courses)) {
        const QDomElement element = course.course->save(QStringLiteral("Inspection"), document);
        if (!course.element.isNull() && formOf(element, course.course) == course.formAsRead)
            courseList.appendChild(document.importNode(course.element, true));
        else
            courseList.appendChild(element);
    }

    const QString backup = path + QLatin1String(".bak");
    if (QFileInfo::exists(path) && !QFileInfo::exists(backup) && !QFile::copy(path, backup))
        qDebug() << "no backup of" << path;

    FileHelper::removeStaleSaveFiles(path);
    AtomicFile out(path);
    if (!out.open()) {
        Reporter::error(tr("Die 3D-Projektdatei %1 konnte nicht zum Schreiben geöffnet werden!\n%2")
                            .arg(QDir::toNativeSeparators(path), out.errorString()));
        return false;
    }
    if (!out.write(FileText::xmlDocument(document, 2)) || !out.commit()) {
        Reporter::error(tr("Die 3D-Projektdatei %1 konnte nicht geschrieben werden!\n%2")
                            .arg(QDir::toNativeSeparators(path), out.errorString()));
        return false;
    }
    return true;
}
