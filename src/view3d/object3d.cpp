#include "view3d/object3d.h"

#include "foundation/global.h"
#include "foundation/meterratioobserver.h"
#include "view3d/constraint.h"
#include "view3d/groundconstraint.h"
#include "view3d/label3d.h"
#include "view3d/manipulatedsystem3d.h"

#include <QOpenGLContext>
#include <QOpenGLFunctions>

#include <algorithm>
#include <cmath>

namespace {

QList<Object3D *> &registryList()
{
    static QList<Object3D *> list;
    return list;
}

QMap<QString, Object3D *> &nameMap()
{
    static QMap<QString, Object3D *> map;
    return map;
}

} // namespace

Object3D::Object3D() : m_system(new ManipulatedSystem3D)
{
    m_label = new Label3D(this);
    connect(m_system, &ManipulatedSystem3D::manipulated, this, &Object3D::changed);
    registryList().append(this);
    m_name = uniqueName(QStringLiteral("object"));
    nameMap().insert(m_name, this);
}

Object3D::~Object3D()
{
    registryList().removeAll(this);
    // After clearRegistry another object may hold the name by now: only our own entry goes.
    if (nameMap().value(m_name) == this)
        nameMap().remove(m_name);
    clearMeshes();
    delete m_label;
    delete m_system;
}

QList<MeshBuffer *> Object3D::meshes() const
{
    return m_meshes ? *m_meshes : QList<MeshBuffer *>();
}

void Object3D::clearMeshes()
{
    if (!m_meshes)
        m_meshes = std::make_unique<QList<MeshBuffer *>>();
    qDeleteAll(*m_meshes);
    m_meshes->clear();
}

void Object3D::addMesh(MeshBuffer *mesh)
{
    if (!m_meshes)
        m_meshes = std::make_unique<QList<MeshBuffer *>>();
    m_meshes->append(mesh);
}

// ---- Names and registry

QString Object3D::uniqueName(const QString &base)
{
    const QString first = base.isEmpty() ? QStringLiteral("object") : base;
    if (!nameMap().contains(first))
        return first;
    for (int counter = 1;; ++counter) {
        const QString candidate = QStringLiteral("%1_%2").arg(base).arg(counter, 6, 10, QLatin1Char('0'));
        if (!nameMap().contains(candidate))
            return candidate;
    }
}

void Object3D::setName(const QString &name, bool takeOver)
{
    if (nameMap().value(m_name) == this)
        nameMap().remove(m_name);
    if (takeOver && !name.isEmpty()) {
        Object3D *holder = nameMap().value(name);
        if (holder && holder != this) {
            holder->m_name = uniqueName(name);
            nameMap().insert(holder->m_name, holder);
        }
        m_name = name;
    } else {
        m_name = uniqueName(name);
    }
    nameMap().insert(m_name, this);
}

const QList<Object3D *> &Object3D::registry()
{
    return registryList();
}

Object3D *Object3D::objectNamed(const QString &name)
{
    return nameMap().value(name);
}

void Object3D::clearRegistry()
{
    registryList().clear();
    nameMap().clear();
}

QString Object3D::labelText() const
{
    return m_label->text();
}

void Object3D::setLabelText(const QString &text)
{
    m_label->setText(text);
}

Label3D *Object3D::labelAt(const QPoint &pos, const Camera *camera) const
{
    return m_label->isVisible() && m_label->contains(pos, camera) ? m_label : nullptr;
}

// ---- Picking colours

std::array<float, 3> Object3D::idToColor(int id)
{
    const int r = std::max(0, id / 65536);
    const int g = std::max(0, (id - r * 65536) / 256);
    const int b = std::max(0, id - (r * 256 + g) * 256);
    return {float(r) / 255.0f, float(g) / 255.0f, float(b) / 255.0f};
}

int Object3D::colorToId(const Vector3D &color)
{
    if (color.x == 255.0 && color.y == 255.0 && color.z == 255.0)
        return -1;
    return int(color.x * 65536.0 + color.y * 256.0 + color.z);
}

// ---- Scale

double Object3D::toUnits(double metres)
{
    return Global::instance()->meterRatio()->toUnits(metres);
}

double Object3D::fromUnits(double units)
{
    return Global::instance()->meterRatio()->fromUnits(units);
}

// ---- XML

QDomElement Object3D::domElement(QDomDocument &document) const
{
    QDomElement element = document.createElement(QStringLiteral("Object"));
    element.setAttribute(QStringLiteral("Name"), m_name);
    element.appendChild(m_label->domElement(QStringLiteral("Label"), document));
    element.appendChild(m_system->toDomElement(QStringLiteral("System"), document));
    return element;
}

void Object3D::initFromDOMElement(const QDomElement &element)
{
    setName(element.attribute(QStringLiteral("Name")), true);
    const QDomElement system = element.firstChildElement(QStringLiteral("System"));
    if (!system.isNull())
        m_system->fromDomElement(system);
    const QDomElement label = element.firstChildElement(QStringLiteral("Label"));
    if (!label.isNull())
        m_label->initFromDOMElement(label);
}

bool Object3D::readVector(const QDomElement &element, const QString &name, Vector3D &value)
{
    const QDomElement child = element.firstChildElement(name);
    if (child.isNull())
        return false;
    value = Vector3D(child);
    return true;
}

// ---- Drawing

void Object3D::draw(int vertexLocation, int normalLocation, int texCoordLocation)
{
    if (!m_meshes)
        return;
    for (MeshBuffer *mesh : qAsConst(*m_meshes))
        mesh->render(vertexLocation, normalLocation, texCoordLocation);
}

void Object3D::drawLabelLine(double depth)
{
    QOpenGLContext *context = QOpenGLContext::currentContext();
    if (!context)
        return;
    const Vector3D top = m_system->position();
    const Vector3D bottom = top + Vector3D(0.0, -toUnits(depth), 0.0);
    const double length = (top - bottom).norm();
    // Dashes of half a period, one per thousandth of a scene unit; a runaway depth from a damaged
    // setting must not allocate without bound.
    const int dashes = int(std::min(std::floor(length * 1000.0), 1e6));
    QVector<float> positions;
    QVector<quint32> indices;
    positions.reserve((dashes + 1) * 6);
    indices.reserve((dashes + 1) * 2);
    for (int i = 0; i <= dashes; ++i) {
        const double y = bottom.y + i * 0.001;
        const double end = i == dashes ? y : y + 0.0005;
        positions << float(bottom.x) << float(y) << float(bottom.z);
        positions << float(bottom.x) << float(end) << float(bottom.z);
        indices << quint32(2 * i) << quint32(2 * i + 1);
    }
    QOpenGLFunctions *gl = context->functions();
    gl->glBindBuffer(GL_ARRAY_BUFFER, 0);
    gl->glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, 0);
    gl->glVertexAttribPointer(0, 3, GL_FLOAT, GL_FALSE, 0, positions.constData());
    gl->glEnableVertexAttribArray(0);
    gl->glDrawElements(GL_LINES, indices.size(), GL_UNSIGNED_INT, indices.constData());
    gl->glDisableVertexAttribArray(0);
}

// ---- Connected objects

ConnectedObject3D::ConnectedObject3D(double length, double radius)
    : m_length(length), m_radius(radius), m_constraint(lockFrame(system()))
{
}

ConnectedObject3D::~ConnectedObject3D()
{
    if (m_previous && m_previous->m_next == this)
        m_previous->m_next = nullptr;
    if (m_next) {
        if (m_next->m_previous == this)
            m_next->m_previous = nullptr;
        if (m_next->system()->referenceSystem() == system()) {
            const Vector3D position = m_next->system()->position();
            const Quaternion orientation = m_next->system()->orientation();
            m_next->system()->setReferenceSystem(nullptr);
            m_next->system()->setPosition(position);
            m_next->system()->setOrientation(orientation);
        }
    }
}

void ConnectedObject3D::linkAfter(ConnectedObject3D *previous)
{
    m_previous = previous;
    if (previous) {
        previous->m_next = this;
        system()->setReferenceSystem(previous->system());
    }
}

void ConnectedObject3D::setReferenceSystem(System3D *reference)
{
    system()->setReferenceSystem(reference);
}

double ConnectedObject3D::cumulativeLength() const
{
    double sum = 0.0;
    for (const ConnectedObject3D *object = this; object; object = object->m_previous)
        sum += object->m_length;
    return sum;
}
