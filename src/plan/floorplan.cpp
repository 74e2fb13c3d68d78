#include "plan/floorplan.h"

#include "foundation/atomicfile.h"
#include "foundation/filetext.h"
#include "foundation/readguard.h"
#include "foundation/reporter.h"
#include "plan/graphicsscene.h"
#include "plan/planxml.h"
#include "plan/selectableboxitem.h"
#include "plan/selectablelineitem.h"
#include "plan/selectablepixmapitem.h"
#include "plan/selectabletextitem.h"

#include <QDir>
#include <QDomDocument>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QXmlStreamReader>

#include <algorithm>
#include <cmath>

namespace {

const QString RootTag = QStringLiteral("ZOZOrure_FloorPlan");
const QString ElementTag = QStringLiteral("Element");

// Even, at least 2, and bounded, so that a far-flung element cannot overflow the count.
int tileCount(double extent)
{
    const double n = std::floor(std::min(std::max(extent, 0.0) / FloorPlan::TileUnits + 1, 1e6));
    const int count = int(n);
    return count % 2 ? count + 1 : count;
}

SelectableItem *readElement(const QDomElement &element)
{
    const QString type = element.attribute(QStringLiteral("Type"));
    if (type == QLatin1String("BOX"))
        return new SelectableBoxItem(element);
    if (type == QLatin1String("LINE"))
        return new SelectableLineItem(element);
    if (type == QLatin1String("IMAGE"))
        return new SelectablePixmapItem(element);
    if (type == QLatin1String("TEXT"))
        return new SelectableTextItem(element);
    return nullptr;
}

} // namespace

FloorPlan::FloorPlan(GraphicsScene *scene, SceneOwnership ownership)
    : m_scene(scene)
    , m_ownsScene(ownership == SceneOwnership::Owned)
{
}

FloorPlan::~FloorPlan()
{
    deleteElements();
    if (m_ownsScene)
        delete m_scene.data();
}

// Out of line: a QPointer needs the whole scene type to hand it out, and the header that users
// of tiles include names the scene only.
GraphicsScene *FloorPlan::scene() const
{
    return m_scene;
}

QList<SelectableItem *> FloorPlan::elements() const
{
    QList<SelectableItem *> live;
    for (const QPointer<SelectableItem> &element : m_elements) {
        if (element)
            live << element.data();
    }
    return live;
}

void FloorPlan::addElement(SelectableItem *element)
{
    if (!element)
        return;
    m_elements << element;
    if (m_scene)
        m_scene->addElement(element);
}

void FloorPlan::removeElement(SelectableItem *element)
{
    if (!element)
        return;
    if (m_scene && element->scene() == m_scene)
        m_scene->removeItem(element);
    m_elements.removeAll(element);
}

// Elements a deleted scene took with it are already gone; the pointers know.
void FloorPlan::deleteElements()
{
    const QList<QPointer<SelectableItem>> elements = m_elements;
    m_elements.clear();
    for (const QPointer<SelectableItem> &element : elements)
        delete element.data();
}

void FloorPlan::clear()
{
    deleteElements();
    m_ratio = 1.0;
    emit ratioChanged(m_ratio);
}

void FloorPlan::setRatio(double ratio)
{
    m_ratio = ratio;
    emit ratioChanged(ratio);
}

bool FloorPlan::load(const QString &path)
{
    m_loadFailed = false;
    m_loadError.clear();
    m_failedPath.clear();
    QFile file(path);
    if (!file.exists())
        return true;

    const auto fail = [&](const QString &message, const QString &detail) {
        m_loadFailed = true;
        m_loadError = detail;
        m_failedPath = QFileInfo(path).absoluteFilePath();
        Reporter::error(message.arg(QDir::toNativeSeparators(path), detail));
        return false;
    };
    // The document tree is built and freed recursively: the guard finds what would exhaust the
    // stack, or memory, before it does.
    QByteArray bytes;
    QString refusal;
    if (!ReadGuard::readXml(path, ReadGuard::LargeFileLimit, ReadGuard::XmlUse::Tree, bytes, refusal))
        return fail(tr("Der Lageplan %1 konnte nicht gelesen werden:\n%2"), refusal);
    QDomDocument document;
    QString error;
    int line = 0;
    int column = 0;
    if (!document.setContent(bytes, &error, &line, &column))
        return fail(tr("Der Lageplan %1 konnte nicht gelesen werden:\n%2"),
                    tr("%1 (Zeile %2, Spalte %3)").arg(error).arg(line).arg(column));

    // Another program's file under the plan's name (a drawing saved as "plan.tkp") would load as
    // an empty plan, and the next save would put one in its place.
    const QDomElement root = document.documentElement();
    if (root.tagName() != RootTag)
        return fail(tr("Der Lageplan %1 konnte nicht gelesen werden:\n%2"),
                    tr("Die Datei ist kein Lageplan: ihr Wurzelelement ist \"%1\" statt \"%2\".").arg(root.tagName(), RootTag));

    QStringList problems;
    m_ratio = PlanXml::readNumber(root, QStringLiteral("ratio"), 1.0, &problems);
    m_northAngle = PlanXml::readNumber(root, QStringLiteral("northAngle"), 0.0, &problems);
    emit ratioChanged(m_ratio);
    for (const QDomElement &child : PlanXml::children(root, ElementTag)) {
        SelectableItem *element = readElement(child);
        if (!element) {
            // Saving the plan would drop it; the file is left alone (see save()).
            problems << tr("Ein Element der unbekannten Art \"%1\" wurde übergangen.").arg(child.attribute(QStringLiteral("Type")));
            continue;
        }
        problems << element->readProblems();
        addElement(element);
    }
    if (problems.isEmpty())
        return true;
    problems.removeDuplicates();
    const int shown = 10;
    QStringList lines = problems.mid(0, shown);
    if (problems.size() > shown)
        lines << tr("(%1 weitere)").arg(problems.size() - shown);
    return fail(tr("Der Lageplan %1 konnte nicht vollständig gelesen werden:\n%2"), lines.join(QLatin1Char('\n')));
}

bool FloorPlan::save(const QString &path)
{
    if (m_loadFailed && QFileInfo(path).absoluteFilePath() == m_failedPath) {
        Reporter::error(tr("Der Lageplan %1 wurde nicht vollständig gelesen und wird nicht überschrieben.")
                            .arg(QDir::toNativeSeparators(path)));
        return false;
    }
    QDomDocument document;
    document.appendChild(document.createProcessingInstruction(
        QStringLiteral("xml"), QStringLiteral("version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\" ")));
    QDomElement root = document.createElement(RootTag);
    root.setAttribute(QStringLiteral("version"), QStringLiteral("1.0"));
    root.setAttribute(QStringLiteral("ratio"), PlanXml::number(m_ratio));
    root.setAttribute(QStringLiteral("northAngle"), PlanXml::number(m_northAngle));
    document.appendChild(root);
    for (SelectableItem *element : elements())
        root.appendChild(element->toElement(ElementTag, document));

    // The first version ever saved stays as the backup; a failed copy does not stop the save.
    const QString backup = path + QStringLiteral(".bak");
    if (QFile::exists(path) && !QFile::exists(backup))
        QFile::copy(path, backup);

    AtomicFile file(path);
    if (!file.open()) {
        Reporter::error(tr("Der Lageplan %1 konnte nicht zum Schreiben geöffnet werden!\n%2")
                            .arg(QDir::toNativeSeparators(path), file.errorString()));
        return false;
    }
    if (!file.write(FileText::xmlDocument(document, 2)) || !file.commit()) {
        Reporter::error(tr("Der Lageplan %1 konnte nicht geschrieben werden!\n%2")
                            .arg(QDir::toNativeSeparators(path), file.errorString()));
        return false;
    }
    return true;
}

FloorPlan::TileGrid FloorPlan::tileGrid() const
{
    const QRectF extent = m_scene ? m_scene->itemsBoundingRect() : QRectF();
    return TileGrid{tileCount(extent.width()), tileCount(extent.height()), extent.center()};
}

int FloorPlan::tileColumns() const
{
    return tileGrid().columns;
}

int FloorPlan::tileRows() const
{
    return tileGrid().rows;
}

QImage FloorPlan::renderTile(int column, int row) const
{
    return renderTile(tileGrid(), column, row);
}

QImage FloorPlan::renderTile(const TileGrid &grid, int column, int row) const
{
    QImage tile(TilePixels, TilePixels, QImage::Format_ARGB32);
    tile.fill(Qt::transparent);
    if (!m_scene || column < -grid.columns / 2 || column >= grid.columns / 2 || row < -grid.rows / 2
        || row >= grid.rows / 2)
        return tile;
    const QPointF c = grid.centre;
    QPainter painter(&tile);
    // Qt 5.15's Antialiasing is the high-quality kind; its old separate hint is obsolete.
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
    m_scene->render(&painter, QRectF(0, 0, TilePixels, TilePixels),
                    QRectF(c.x() + TileUnits * column, c.y() + TileUnits * row, TileUnits, TileUnits),
                    Qt::KeepAspectRatio);
    return tile;
}
