#include "view3d/viewer3d.h"

#include "foundation/global.h"
#include "foundation/inputdoubledialog.h"
#include "foundation/meterratioobserver.h"
#include "view3d/camera.h"
#include "view3d/connectedinspection.h"
#include "view3d/dimensionnote.h"
#include "view3d/duct.h"
#include "view3d/label3d.h"
#include "view3d/manipulatedcamerasystem3d.h"
#include "view3d/model3d.h"
#include "view3d/plain3d.h"
#include "view3d/point.h"
#include "view3d/referencepoint.h"
#include "view3d/system3d.h"
#include "view3d/windrose3d.h"

#include <QCoreApplication>
#include <QDebug>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFramebufferObject>
#include <QOpenGLShaderProgram>
#include <QPainter>
#include <QProgressBar>
#include <QVector3D>
#include <QVector4D>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

namespace {

// The tile a tiled print is drawing; written by renderToImage, read by the drawing it calls.
int currentTileColumn = 0;
int currentTileRow = 0;

void setMatrix(QOpenGLShaderProgram *program, const char *name, const double m[16])
{
    float f[16];
    toFloatMatrix(m, f);
    QOpenGLContext::currentContext()->functions()->glUniformMatrix4fv(
        program->uniformLocation(name), 1, GL_FALSE, f);
}

QOpenGLShaderProgram *makeProgram(QObject *parent, const char *debugText, const QString &name)
{
    qDebug() << debugText;
    auto *program = new QOpenGLShaderProgram(parent);
    const QString base = QCoreApplication::applicationDirPath() + QStringLiteral("/data/shader/") + name;
    program->addShaderFromSourceFile(QOpenGLShader::Vertex, base + QStringLiteral(".vert"));
    program->addShaderFromSourceFile(QOpenGLShader::Fragment, base + QStringLiteral(".frag"));
    // The meshes and the leader lines draw from fixed attribute locations.
    program->bindAttributeLocation("vertex", 0);
    program->bindAttributeLocation("normal", 1);
    program->bindAttributeLocation("uv", 2);
    program->link();
    return program;
}

// The eye of the overlays (compass, house): the camera's picture size, looking straight ahead from
// just in front of the origin, orthographic.
void setUpOverlayCamera(Camera &overlay)
{
    overlay.setType(Camera::ORTHOGRAPHIC);
    overlay.setOrientation(Quaternion());
    overlay.setPosition(Vector3D(0.0, 0.0, 0.4));
    overlay.computeModelViewMatrix();
    overlay.computeProjectionMatrix();
}

Vector3D overlayPosition(const Camera &overlay, double x, double y)
{
    Vector3D p = overlay.unprojectedCoordinatesOf(Vector3D(x, y, 0.4));
    p.x -= 0.03;
    p.y += 0.03;
    p.z = -0.4;
    return p;
}

} // namespace

// ---- Print tiles

PrintTiles PrintTiles::forSize(int width, int height)
{
    PrintTiles t;
    width = std::max(1, width);
    height = std::max(1, height);
    const float r = float(width) / float(height);
    t.tileHeight = std::max(1, int(std::floor(100.0f / r + 0.5f)));
    t.columns = int(std::ceil(double(width) / 100.0));
    t.rows = int(std::ceil(double(height) / double(t.tileHeight)));
    t.scale = 4000.0f / float(t.columns * width);
    t.lineWidth = 2.0f / t.scale;
    t.imageWidth = int(4000.0f - (float(t.columns) - float(width) / 100.0f) * float(width) * t.scale);
    t.imageHeight = int(float(t.imageWidth) / r);
    t.grabWidth = int(std::ceil(float(width) * t.scale));
    // The compass goes into a tile near the top left of the A4 plan pages, in either orientation.
    const bool portrait = r < 1.0f;
    if (t.rows == 8 || (t.rows == 12 && !portrait))
        t.compassColumn = portrait ? 5 : 8;
    else
        t.compassColumn = portrait ? 8 : 12;
    t.compassRow = portrait ? 2 : 5;
    return t;
}

int Viewer3D::tileColumn()
{
    return currentTileColumn;
}

int Viewer3D::tileRow()
{
    return currentTileRow;
}

// ---- Construction

Viewer3D::Viewer3D()
{
    // Lets selectionChanged travel through queued connections.
    qRegisterMetaType<Object3D *>();
    setPerspective(true);
    camera()->setPosition(Vector3D(0.0, 0.0, 1.0));
    camera()->frame()->rotateAboutPoint(Quaternion(Vector3D(1.0, 0.0, 0.0), -0.39269908169872414),
                                        Vector3D(0.0, 0.0, 0.001));
    connect(Global::instance()->meterRatio().data(), &MeterRatioObserver::ratioChanged, this,
            &Viewer3D::meterRatioChanged);
}

Viewer3D::~Viewer3D()
{
    // With the context current the meshes and frame buffers give their GL names back.
    const bool current = makeContextCurrent();
    // The objects go below: their deletion must not reach whoever listens to the selection.
    setSelected(nullptr);
    setManipulatedSystem(camera()->frame());
    const QList<ConnectedInspection *> courses = inspections();
    m_inspections.clear();
    qDeleteAll(courses);
    qDeleteAll(m_objects);
    m_objects.clear();
    delete m_house;
    delete m_groundPlane;
    delete m_compass;
    delete m_target;
    if (current) {
        delete m_compassProgram;
        delete m_plainProgram;
        delete m_objectProgram;
        delete m_projectionProgram;
    }
    delete m_offscreenSurface;
}

void Viewer3D::setShowFlags(int flags)
{
    m_showFlags = flags;
    setPerspective((flags & (PerspectiveA | PerspectiveB)) == (PerspectiveA | PerspectiveB));
}

void Viewer3D::setFloorPlan(const QSharedPointer<FloorPlan> &plan)
{
    delete m_groundPlane;
    m_groundPlane = new Plain3D(plan);
    // The plan's pictures arrive on the ground while the event loop runs.
    connect(m_groundPlane, &Plain3D::tilesChanged, this, &Viewer3D::renderLater);
    m_groundPlane->buildGeometry();
    delete m_compass;
    m_compass = new WindRose3D(0.03);
    m_compass->buildGeometry();
}

void Viewer3D::clearFloorPlan()
{
    delete m_groundPlane;
    m_groundPlane = new Plain3D;
    m_groundPlane->buildGeometry();
}

bool Viewer3D::hasFloorPlan() const
{
    return m_groundPlane && m_groundPlane->plan();
}

void Viewer3D::setLabelFontSize(int size)
{
    for (Object3D *object : qAsConst(m_objects)) {
        object->label()->setFontSize(size);
        for (ConnectedInspection *course : inspectionsOf(object))
            course->setLabelFontSize(size);
    }
}

void Viewer3D::initObjects()
{
    if (!m_house) {
        m_house = new Model3D(QCoreApplication::applicationDirPath()
                              + QStringLiteral("/data/obj/House.tsobj"));
        m_house->buildGeometry();
    }
    if (!m_groundPlane) {
        m_groundPlane = new Plain3D;
        m_groundPlane->buildGeometry();
    }
    if (!m_compass) {
        m_compass = new WindRose3D(0.03);
        m_compass->buildGeometry();
    }
}

void Viewer3D::initGL()
{
    m_compassProgram = makeProgram(this, "init compass", QStringLiteral("shader_compass"));
    if (m_compassProgram->bind()) {
        m_compassProgram->setUniformValue("lightPosition", QVector3D(100.0f, 0.0f, 100.0f));
        m_compassProgram->release();
    }
    m_plainProgram = makeProgram(this, "init plain", QStringLiteral("shader_plain"));
    m_objectProgram = makeProgram(this, "init object", QStringLiteral("shader"));
    if (m_objectProgram->bind()) {
        m_objectProgram->setUniformValue("lightPosition", QVector3D(10.0f, 0.0f, 10.0f));
        m_objectProgram->release();
    }
    m_projectionProgram = makeProgram(this, "init 2dproj", QStringLiteral("shader_2dproj"));

    glClearColor(1.0f, 1.0f, 1.0f, 1.0f);
    setManipulatedSystem(camera()->frame());
    setHandlerKeyboardModifiers(Global::HANDLER_SYSTEM, Qt::NoModifier);
    glLineWidth(2.0f);
}

// ---- Scene

void Viewer3D::addObject(Object3D *object)
{
    if (auto *point = qobject_cast<ReferencePoint *>(object))
        addReferencePoint(point);
    else if (auto *note = qobject_cast<DimensionNote *>(object))
        addDimensionNote(note);
    else if (object && !m_objects.contains(object))
        m_objects.append(object);
    updateMaxDepth();
}

void Viewer3D::addReferencePoint(ReferencePoint *point)
{
    if (!point)
        return;
    if (!m_referencePoints.contains(point))
        m_referencePoints.append(point);
    if (!m_objects.contains(point))
        m_objects.append(point);
}

void Viewer3D::addDimensionNote(DimensionNote *note)
{
    if (!note)
        return;
    if (!m_dimensionNotes.contains(note))
        m_dimensionNotes.append(note);
    if (!m_objects.contains(note))
        m_objects.append(note);
}

void Viewer3D::removeObject(Object3D *object)
{
    if (!object)
        return;
    if (isSelected(object))
        clearSelection();
    m_objects.removeAll(object);
    // The special lists never hold what the scene no longer draws.
    m_referencePoints.removeAll(qobject_cast<ReferencePoint *>(object));
    m_dimensionNotes.removeAll(qobject_cast<DimensionNote *>(object));
    updateMaxDepth();
}

void Viewer3D::removeReferencePoint(ReferencePoint *point)
{
    removeObject(point);
}

void Viewer3D::removeDimensionNote(DimensionNote *note)
{
    removeObject(note);
}

void Viewer3D::clearScene()
{
    clearSelection();
    // The courses go first: their frames refer to the objects they hang from.
    const QList<ConnectedInspection *> courses = inspections();
    m_inspections.clear();
    qDeleteAll(courses);
    const QList<Object3D *> objects = m_objects;
    m_objects.clear();
    m_referencePoints.clear();
    m_dimensionNotes.clear();
    m_currentReference = nullptr;
    m_currentDimensionNote = nullptr;
    qDeleteAll(objects);
    delete m_groundPlane;
    m_groundPlane = nullptr;
    delete m_compass;
    m_compass = nullptr;
    updateMaxDepth();
}

void Viewer3D::addInspection(ConnectedInspection *inspection)
{
    // Registering a course twice would draw it twice and delete it twice.
    if (!inspection || hasInspection(inspection))
        return;
    m_inspections.insert(inspection->parent(), inspection);
}

void Viewer3D::removeInspection(ConnectedInspection *inspection)
{
    // By the course, not its present parent: a course may have been hung elsewhere since.
    for (auto it = m_inspections.begin(); it != m_inspections.end();) {
        if (it.value() == inspection)
            it = m_inspections.erase(it);
        else
            ++it;
    }
}

void Viewer3D::removeInspectionsOf(Object3D *parent)
{
    const QList<ConnectedInspection *> courses = inspectionsOf(parent);
    m_inspections.remove(parent);
    qDeleteAll(courses);
}

bool Viewer3D::hasInspection(ConnectedInspection *inspection) const
{
    for (auto it = m_inspections.cbegin(); it != m_inspections.cend(); ++it) {
        if (it.value() == inspection)
            return true;
    }
    return false;
}

QList<ConnectedInspection *> Viewer3D::inspectionsOf(Object3D *parent) const
{
    QList<ConnectedInspection *> result;
    for (auto it = m_inspections.constFind(parent); it != m_inspections.cend() && it.key() == parent;
         ++it)
        result.append(it.value());
    return result;
}

QList<ConnectedInspection *> Viewer3D::inspections() const
{
    QList<ConnectedInspection *> result;
    for (auto it = m_inspections.cbegin(); it != m_inspections.cend(); ++it) {
        if (!result.contains(it.value()))
            result.append(it.value());
    }
    return result;
}

void Viewer3D::updateMaxDepth()
{
    m_maxDepth = 0.5;
    for (const Object3D *object : qAsConst(m_objects)) {
        if (const auto *duct = qobject_cast<const Duct *>(object))
            m_maxDepth = std::max(m_maxDepth, duct->depth());
        else if (const auto *point = qobject_cast<const Point *>(object))
            m_maxDepth = std::max(m_maxDepth, point->depth() + point->diameter() / 2.0);
    }
}

// ---- Selection

Object3D *Viewer3D::selectedObject() const
{
    return m_selected.data();
}

ReferencePoint *Viewer3D::selectedReferencePoint() const
{
    return qobject_cast<ReferencePoint *>(selectedObject());
}

DimensionNote *Viewer3D::selectedDimensionNote() const
{
    return qobject_cast<DimensionNote *>(selectedObject());
}

bool Viewer3D::isSelected(const Object3D *object) const
{
    return object && selectedObject() == object;
}

void Viewer3D::setSelected(Object3D *object)
{
    if (m_selected == object)
        return;
    disconnect(m_selectedDestroyed);
    m_selected = object;
    if (object)
        m_selectedDestroyed = connect(object, &QObject::destroyed, this, &Viewer3D::selectedDestroyed);
}

void Viewer3D::selectedDestroyed()
{
    // The object's frame went with it; the mouse must not move what is gone.
    m_selectedDestroyed = QMetaObject::Connection();
    clearSelection();
}

void Viewer3D::clearSelection()
{
    setSelected(nullptr);
    m_draggedLabel = nullptr;
    setManipulatedSystem(camera()->frame());
    emit selectionChanged(nullptr);
}

void Viewer3D::moveCamera(const QPointF &d)
{
    camera()->frame()->translate(Vector3D(d.x(), 0.0, d.y()));
}

int Viewer3D::pickingId(const Object3D *object) const
{
    if (!m_pickingIds.isEmpty())
        return m_pickingIds.value(object, -1);
    return Object3D::registry().indexOf(const_cast<Object3D *>(object));
}

void Viewer3D::setSelectionUniforms(const Object3D *idObject)
{
    QOpenGLShaderProgram *program = m_objectProgram;
    switch (m_renderMode) {
    case Screen:
        program->setUniformValue("selected", isSelected(idObject) ? 1 : 0);
        program->setUniformValue("usePicking", 0);
        break;
    case Picking: {
        const std::array<float, 3> c = Object3D::idToColor(pickingId(idObject));
        program->setUniformValue("usePicking", 1);
        program->setUniformValue("IDColor", QVector4D(c[0], c[1], c[2], 1.0f));
        break;
    }
    case PrintSingle:
    case PrintTiled:
    case DepthProbe:
        // A report picture shows neither the selection nor identity colours.
        program->setUniformValue("selected", 0);
        program->setUniformValue("usePicking", 0);
        break;
    }
}

// ---- Drawing

bool Viewer3D::isShown(const Object3D *object) const
{
    if (qobject_cast<const ReferencePoint *>(object))
        return m_showFlags & ShowReferencePoints;
    if (qobject_cast<const DimensionNote *>(object))
        return m_showFlags & ShowDimensionNotes;
    return true;
}

int Viewer3D::drawWidth() const
{
    return m_printSize.isEmpty() ? width() : m_printSize.width();
}

int Viewer3D::drawHeight() const
{
    return m_printSize.isEmpty() ? height() : m_printSize.height();
}

void Viewer3D::draw(QPainter *painter)
{
    painter->setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing
                            | QPainter::SmoothPixmapTransform);
    painter->beginNativePainting();
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LEQUAL);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    if (m_printSize.isEmpty())
        glViewport(0, 0, int(width() * devicePixelRatio()), int(height() * devicePixelRatio()));
    else
        glViewport(0, 0, m_printSize.width(), m_printSize.height());
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);

    drawObjects();
    if (m_renderMode != Picking && (m_showFlags & ShowProjection) && is3DView())
        drawProjection();
    if (m_renderMode != Picking && m_groundPlane)
        drawGround();

    glDisable(GL_DEPTH_TEST);
    painter->endNativePainting();

    if ((m_showFlags & ShowLabels) && (m_renderMode == Screen || m_renderMode == PrintSingle)) {
        // Many small pictures are cheap to compose in memory and costly to draw one by one
        // through OpenGL: the labels are painted into one picture, which is drawn once.
        const qreal ratio = m_printSize.isEmpty() ? devicePixelRatio() : 1.0;
        const QSize pixels(int(drawWidth() * ratio), int(drawHeight() * ratio));
        if (m_labelOverlay.size() != pixels)
            m_labelOverlay = QImage(pixels, QImage::Format_ARGB32_Premultiplied);
        m_labelOverlay.setDevicePixelRatio(ratio);
        m_labelOverlay.fill(Qt::transparent);
        {
            QPainter overlay(&m_labelOverlay);
            overlay.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing
                                   | QPainter::SmoothPixmapTransform);
            drawLabels(&overlay, camera(), 1.0);
        }
        painter->drawImage(QPointF(0.0, 0.0), m_labelOverlay);
    }

    painter->beginNativePainting();
    glEnable(GL_DEPTH_TEST);
    if (m_renderMode == Screen && m_house)
        drawHouse();
    glDisable(GL_DEPTH_TEST);
    painter->endNativePainting();
}

// The camera's projection ("P") and view ("V"); a tiled print projects onto its current tile.
void Viewer3D::setCameraMatrices(QOpenGLShaderProgram *program) const
{
    double projection[16];
    if (m_renderMode == PrintTiled)
        ::tileProjectionMatrix(projection, 100, currentTileRow, currentTileColumn, *camera(),
                               drawWidth(), drawHeight());
    else
        std::copy(camera()->projectionMatrix().begin(), camera()->projectionMatrix().end(),
                  projection);
    setMatrix(program, "P", projection);
    setMatrix(program, "V", camera()->modelViewMatrix().data());
}

void Viewer3D::drawObjects()
{
    QOpenGLShaderProgram *program = m_objectProgram;
    if (!program || !program->bind())
        return;
    const int vertex = program->attributeLocation("vertex");
    const int normal = program->attributeLocation("normal");
    setCameraMatrices(program);

    // Reference points and dimension notes lie on the plan, below the whole network.
    const double lift = 0.0002 - Object3D::toUnits(m_maxDepth);
    for (Object3D *object : qAsConst(m_objects)) {
        if (!isShown(object))
            continue;
        Matrix4 model = object->system()->worldMatrix();
        const bool marker = qobject_cast<ReferencePoint *>(object) || qobject_cast<DimensionNote *>(object);
        if (marker)
            model[13] += lift;
        program->setUniformValue("hasTexture", marker ? 1 : 0);
        setMatrix(program, "M", model.data());
        if (qobject_cast<Duct *>(object) || qobject_cast<Point *>(object))
            program->setUniformValue("color", QVector4D(1.0f, 0.5f, 0.0f, 1.0f));
        setSelectionUniforms(object);
        object->draw(vertex, normal, -1);
        for (ConnectedInspection *course : inspectionsOf(object))
            course->draw(program, this);
    }
    program->release();
}

void Viewer3D::setObjectMatrix(const Matrix4 &model)
{
    setMatrix(m_objectProgram, "M", model.data());
}

void Viewer3D::drawProjection()
{
    QOpenGLShaderProgram *program = m_projectionProgram;
    if (!program || !program->bind())
        return;
    setCameraMatrices(program);
    for (Object3D *object : qAsConst(m_objects)) {
        if (!isShown(object))
            continue;
        object->drawLabelLine(m_maxDepth);
        for (ConnectedInspection *course : inspectionsOf(object))
            course->drawLabelLines(m_maxDepth);
    }
    program->release();
}

void Viewer3D::drawGround()
{
    QOpenGLShaderProgram *program = m_plainProgram;
    if (!program || !program->bind())
        return;
    const int vertex = program->attributeLocation("vertex");
    const int uv = program->attributeLocation("uv");
    setCameraMatrices(program);
    program->setUniformValue("depth", float(Object3D::toUnits(m_maxDepth)));
    setMatrix(program, "M", m_groundPlane->system()->worldMatrix().data());
    // Reference points and dimension notes lie a hair above the plan, far less than the depth
    // buffer resolves at a distance: the plan gives way to what is drawn on it. A probe reads
    // the plan's true depth.
    const bool offset = m_renderMode != DepthProbe;
    if (offset) {
        glEnable(GL_POLYGON_OFFSET_FILL);
        glPolygonOffset(1.0f, 4.0f);
    }
    m_groundPlane->draw(vertex, -1, uv);
    if (offset)
        glDisable(GL_POLYGON_OFFSET_FILL);

    const bool compass = m_compass
                         && (m_renderMode == Screen || m_renderMode == PrintSingle
                             || (m_renderMode == PrintTiled && m_compassTile));
    if (compass) {
        glClear(GL_DEPTH_BUFFER_BIT);
        m_compass->setNorthAngle(m_groundPlane->northAngle());
        m_compass->system()->setOrientation(camera()->orientation().inverse());
        if (m_renderMode == PrintTiled)
            m_compass->scale(5.0);
        else if (m_renderMode == PrintSingle)
            m_compass->scale(0.5);
        Camera overlay(*camera());
        setUpOverlayCamera(overlay);
        Vector3D position(0.0, 0.0, -0.4);
        if (m_renderMode == Screen)
            position = overlayPosition(overlay, 180.0, drawHeight() - 20.0);
        else if (m_renderMode == PrintSingle)
            position = overlayPosition(overlay, drawWidth() - 180.0, drawHeight() - 300.0);
        m_compass->system()->setPosition(position);
        setMatrix(program, "P", overlay.projectionMatrix().data());
        setMatrix(program, "V", overlay.modelViewMatrix().data());
        // The compass is an overlay in front of the eye, not on the sunken plan.
        program->setUniformValue("depth", 0.0f);
        setMatrix(program, "M", m_compass->system()->worldMatrix().data());
        m_compass->draw(vertex, -1, uv);
        if (m_renderMode == PrintTiled)
            m_compass->scale(0.2);
        else if (m_renderMode == PrintSingle)
            m_compass->scale(2.0);
    }
    program->release();
}

void Viewer3D::drawLabels(QPainter *painter, const Camera *camera, double scale)
{
    const double lift = 0.0002 - Object3D::toUnits(m_maxDepth);
    for (Object3D *object : qAsConst(m_objects)) {
        const bool marker = qobject_cast<ReferencePoint *>(object) || qobject_cast<DimensionNote *>(object);
        if (qobject_cast<DimensionNote *>(object) && !(m_showFlags & ShowDimensionNotes))
            continue;
        // A marker's label sits on the marker, down on the plan.
        if (marker && object->label()->frame()->translation().y != lift)
            object->label()->frame()->setTranslation(Vector3D(0.0, lift, 0.0));
        object->label()->paint(painter, camera, scale);
        for (ConnectedInspection *course : inspectionsOf(object))
            course->paintLabels(painter, camera, scale);
    }
}

void Viewer3D::drawHouse()
{
    QOpenGLShaderProgram *program = m_compassProgram;
    if (!program || !program->bind())
        return;
    glClear(GL_DEPTH_BUFFER_BIT);
    m_house->system()->setOrientation(camera()->orientation().inverse());
    Camera overlay(*camera());
    setUpOverlayCamera(overlay);
    m_house->system()->setPosition(overlayPosition(overlay, drawWidth(), drawHeight()));
    setMatrix(program, "P", overlay.projectionMatrix().data());
    setMatrix(program, "V", overlay.modelViewMatrix().data());
    setMatrix(program, "M", m_house->system()->worldMatrix().data());
    m_house->draw(program->attributeLocation("vertex"), program->attributeLocation("normal"), -1);
    program->release();
}

// ---- Off-screen passes

bool Viewer3D::makeContextCurrent()
{
    QOpenGLContext *glContext = context();
    if (!glContext)
        return false;
    if (QOpenGLContext::currentContext() == glContext)
        return true;
    if (isExposed() && glContext->makeCurrent(this))
        return true;
    // A hidden window (the 3D tab behind the print dialog) has no picture to draw into; every
    // pass that needs one draws into a frame buffer of its own.
    if (!m_offscreenSurface) {
        m_offscreenSurface = new QOffscreenSurface;
        m_offscreenSurface->setFormat(glContext->format());
        m_offscreenSurface->create();
    }
    return glContext->makeCurrent(m_offscreenSurface);
}

bool Viewer3D::renderInto(RenderMode mode, const QSize &size)
{
    if (size.isEmpty() || !makeContextCurrent())
        return false;
    if (!m_target || m_target->size() != size) {
        delete m_target;
        QOpenGLFramebufferObjectFormat format;
        // Depth for the scene and for probes, stencil for the painter's outlines, one sample so
        // what is read back is what was drawn.
        format.setAttachment(QOpenGLFramebufferObject::CombinedDepthStencil);
        format.setSamples(0);
        m_target = new QOpenGLFramebufferObject(size, format);
    }
    if (!m_target->isValid() || !m_target->bind())
        return false;
    setRenderTargetSize(size);
    m_renderMode = mode;
    render();
    return true;
}

void Viewer3D::releaseTarget()
{
    if (m_target)
        m_target->release();
    setRenderTargetSize(QSize());
}

void Viewer3D::pickAt(const QPoint &point)
{
    if (!pickingFramebuffer() || !makeContextCurrent())
        return;
    glBindFramebuffer(GL_FRAMEBUFFER, pickingFramebuffer());
    m_renderMode = Picking;
    const QList<Object3D *> &registry = Object3D::registry();
    m_pickingIds.reserve(registry.size());
    for (int i = 0; i < registry.size(); ++i)
        m_pickingIds.insert(registry.at(i), i);
    render();
    uchar pixel[4] = {255, 255, 255, 255};
    const qreal ratio = devicePixelRatio();
    glReadPixels(int(point.x() * ratio), int((camera()->screenHeight() - point.y()) * ratio) - 1, 1,
                 1, GL_RGBA, GL_UNSIGNED_BYTE, pixel);
    m_pickColor = Vector3D(pixel[0], pixel[1], pixel[2]);
    glBindFramebuffer(GL_FRAMEBUFFER, context()->defaultFramebufferObject());
    m_pickingIds.clear();
    m_renderMode = Screen;
}

void Viewer3D::selectPicked(const QPoint &)
{
    // The identity is the registry index at the time of the pick, which drew it just now.
    const int id = Object3D::colorToId(m_pickColor);
    const QList<Object3D *> &registry = Object3D::registry();
    Object3D *object = id >= 0 && id < registry.size() ? registry.at(id) : nullptr;
    const bool changed = object != m_selected;
    setSelected(object);
    setManipulatedSystem(object ? object->system() : camera()->frame());
    if (changed)
        emit selectionChanged(object);
    renderLater();
}

Vector3D Viewer3D::probePoint(const QPoint &pos, bool &found)
{
    found = false;
    // In window pixels, as the camera reads them back.
    const QSize size(std::max(1, width()), std::max(1, height()));
    m_printSize = size;
    Vector3D point;
    if (renderInto(DepthProbe, size))
        point = camera()->pointUnderPixel(pos, found);
    releaseTarget();
    m_printSize = QSize();
    m_renderMode = Screen;
    renderLater();
    return point;
}

// ---- Printing

QImage &Viewer3D::renderToImage(QImage &out, int width, int height, QProgressBar *progress)
{
    out = QImage();
    if (width < 1 || height < 1 || !makeContextCurrent())
        return out;
    // A printed picture shows the whole ground, also while its tiles are still being painted.
    if (m_groundPlane)
        m_groundPlane->finishTiles();
    const int oldWidth = camera()->screenWidth();
    const int oldHeight = camera()->screenHeight();
    const float oldFieldOfView = camera()->fieldOfView();
    // The scene keeps its pixel scale: a taller picture sees more, not larger.
    camera()->setFieldOfView(
        float(2.0 * std::atan(height * std::tan(oldFieldOfView / 2.0) / std::max(1, oldHeight))));
    camera()->setScreenWidthAndHeight(width, height);
    const QSize size(width, height);
    m_printSize = size;

    if (!progress) {
        if (renderInto(PrintSingle, size))
            out = grabFrame();
        releaseTarget();
    } else {
        const PrintTiles tiles = PrintTiles::forSize(width, height);
        progress->setMaximum(tiles.rows * tiles.columns);
        out = QImage(tiles.imageWidth, tiles.imageHeight, QImage::Format_ARGB32);
        out.fill(Qt::white);
        QPainter painter(&out);
        painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing
                               | QPainter::SmoothPixmapTransform);
        glLineWidth(tiles.lineWidth);
        for (int c = 0; c < tiles.columns; ++c) {
            for (int k = 0; k < tiles.rows; ++k) {
                currentTileColumn = c;
                currentTileRow = k;
                m_compassTile = c == tiles.compassColumn && k == tiles.compassRow;
                QImage grab;
                if (renderInto(PrintTiled, size))
                    grab = grabFrame();
                if (!grab.isNull())
                    painter.drawImage(
                        QPointF(std::trunc(c * width * double(tiles.scale)),
                                std::trunc(tiles.imageHeight - (k + 1) * height * double(tiles.scale))),
                        grab.scaledToWidth(tiles.grabWidth, Qt::SmoothTransformation));
                progress->setValue(c * tiles.rows + k);
            }
        }
        releaseTarget();
        m_compassTile = false;
        if (m_showFlags & ShowLabels) {
            // The tiles set the print picture into the image at this factor, bottom row at the
            // bottom; the labels follow the same mapping through the print camera.
            const double factor = double(tiles.imageWidth) / width;
            painter.translate(0.0, tiles.imageHeight - height * factor);
            painter.scale(factor, factor);
            drawLabels(&painter, camera(), 1.0);
        }
        painter.end();
        glLineWidth(2.0f);
    }

    camera()->setFieldOfView(oldFieldOfView);
    camera()->setScreenWidthAndHeight(oldWidth, oldHeight);
    m_printSize = QSize();
    m_renderMode = Screen;
    glViewport(0, 0, int(this->width() * devicePixelRatio()), int(this->height() * devicePixelRatio()));
    renderLater();
    return out;
}

// ---- Placement

void Viewer3D::setReferenceMode(int step)
{
    m_referenceStep = step;
    m_currentReference = nullptr;
}

void Viewer3D::setDimensionNoteMode(int step)
{
    m_dimensionStep = step;
    m_currentDimensionNote = nullptr;
}

double Viewer3D::askDistance()
{
    InputDoubleDialog dialog(m_containerWidget);
    dialog.setText(tr("Abstand zum Referenzpunkt:"));
    dialog.setMinimum(0.0);
    dialog.setMaximum(1000.0);
    dialog.setSuffix(QStringLiteral("m"));
    dialog.hideCancelButton();
    dialog.exec();
    return dialog.value();
}

void Viewer3D::placeReference(const QPoint &pos)
{
    bool found = false;
    Vector3D point = probePoint(pos, found);
    if (!found)
        return;
    // Points are kept at ground height; they are drawn on the plan below the network, wherever
    // its depth lies by then.
    point.y = 0.0;
    if (m_referenceStep == 1) {
        auto *reference = new ReferencePoint;
        reference->setPosition(point);
        addReferencePoint(reference);
        m_currentReference = reference;
        m_referenceStep = 0;
        emit finishedReference();
    } else if (!m_currentReference) {
        const double distance = askDistance();
        auto *reference = new ReferencePoint;
        reference->setRef1(point, distance);
        addReferencePoint(reference);
        m_currentReference = reference;
    } else if (!m_currentReference->hasRef2()) {
        m_currentReference->setRef2(point, askDistance());
    } else {
        m_currentReference->setPosition(point);
        m_referenceStep = 0;
        emit finishedReference();
    }
    renderLater();
}

void Viewer3D::placeDimensionNote(const QPoint &pos)
{
    bool found = false;
    Vector3D point = probePoint(pos, found);
    if (!found)
        return;
    point.y = 0.0;
    if (m_dimensionStep == 1) {
        auto *note = new DimensionNote;
        note->setPosition(point);
        addDimensionNote(note);
        m_currentDimensionNote = note;
        m_dimensionStep = 0;
        emit finishedDimensionNote();
    } else if (!m_currentDimensionNote) {
        auto *note = new DimensionNote;
        note->setRef1(point);
        addDimensionNote(note);
        m_currentDimensionNote = note;
    } else if (!m_currentDimensionNote->hasRef2()) {
        m_currentDimensionNote->setRef2(point);
        m_currentDimensionNote->centerPosition();
        m_dimensionStep = 0;
        emit finishedDimensionNote();
    }
    renderLater();
}

// ---- Input

template<typename F>
void Viewer3D::withCameraFrame(F f)
{
    ManipulatedSystem3D *held = manipulatedSystem();
    setManipulatedSystem(camera()->frame());
    f();
    Object3D *selected = selectedObject();
    setManipulatedSystem(selected ? selected->system() : held);
}

void Viewer3D::mousePressEvent(QMouseEvent *event)
{
    const bool left = event->button() == Qt::LeftButton && event->buttons() == Qt::LeftButton;
    if (m_referenceStep != 0) {
        if (left)
            placeReference(event->pos());
        else
            Window3D::mousePressEvent(event);
        return;
    }
    if (m_dimensionStep != 0) {
        if (left)
            placeDimensionNote(event->pos());
        else
            Window3D::mousePressEvent(event);
        return;
    }
    if (!left) {
        m_draggedLabel = nullptr;
        if (selectedObject())
            withCameraFrame([&] { Window3D::mousePressEvent(event); });
        else
            Window3D::mousePressEvent(event);
        return;
    }
    if (m_selectionLocked) {
        QMouseEvent plain(event->type(), event->localPos(), event->windowPos(), event->screenPos(),
                          event->button(), event->buttons(), Qt::NoModifier);
        withCameraFrame([&] { Window3D::mousePressEvent(&plain); });
        return;
    }
    if (event->modifiers() != Qt::NoModifier) {
        Window3D::mousePressEvent(event);
        return;
    }
    if (m_showFlags & ShowLabels) {
        m_draggedLabel = nullptr;
        for (int i = m_objects.size() - 1; i >= 0 && !m_draggedLabel; --i) {
            Object3D *object = m_objects.at(i);
            if (qobject_cast<DimensionNote *>(object) && !(m_showFlags & ShowDimensionNotes))
                continue;
            m_draggedLabel = object->labelAt(event->pos(), camera());
            for (ConnectedInspection *course : inspectionsOf(object)) {
                if (m_draggedLabel)
                    break;
                m_draggedLabel = course->labelAt(event->pos(), camera());
            }
        }
        if (m_draggedLabel) {
            m_draggedLabel->mousePressEvent(event);
            setSelected(nullptr);
            emit selectionChanged(nullptr);
            return;
        }
    }
    // The bindings select on a click with Shift; the plain press then starts moving what is
    // selected now.
    QMouseEvent select(event->type(), event->localPos(), event->windowPos(), event->screenPos(),
                       event->button(), event->buttons(), Qt::ShiftModifier);
    Window3D::mousePressEvent(&select);
    Window3D::mousePressEvent(event);
}

void Viewer3D::mouseMoveEvent(QMouseEvent *event)
{
    if (m_draggedLabel)
        m_draggedLabel->mouseMoveEvent(event, this);
    else if (m_selectionLocked)
        withCameraFrame([&] { Window3D::mouseMoveEvent(event); });
    else
        Window3D::mouseMoveEvent(event);
}

void Viewer3D::wheelEvent(QWheelEvent *event)
{
    if (selectedObject())
        withCameraFrame([&] { Window3D::wheelEvent(event); });
    else
        Window3D::wheelEvent(event);
}

void Viewer3D::keyPressEvent(QKeyEvent *event)
{
    const bool plus = event->key() == Qt::Key_Plus;
    const bool minus = event->key() == Qt::Key_Minus;
    if (!plus && !minus)
        return;
    ManipulatedCameraSystem3D *frame = camera()->frame();
    const Vector3D centre = frame->localFromWorld(camera()->sceneCenter());
    const double coef = std::max(0.2 * double(camera()->sceneRadius()), std::fabs(centre.z));
    const double t = double(frame->wheelSensitivity()) * coef * (plus ? -60.0 : 60.0) * 0.0004;
    frame->translate(frame->worldDirection(Vector3D(0.0, 0.0, t)));
    emit frame->manipulated();
}

void Viewer3D::meterRatioChanged()
{
    qDebug() << "new ratio:" << Global::instance()->meterRatio()->ratio();
    if (!m_objects.isEmpty())
        emit needRestartProject();
}
