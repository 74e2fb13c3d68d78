#include "entry/observationpreview.h"

#include "support/model/inspections.h"

#include <QGraphicsEllipseItem>
#include <QGraphicsLineItem>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QLoggingCategory>
#include <QtTest>

#include <memory>

Q_DECLARE_METATYPE(ObservationRecord)

namespace {

int subtypeOf(const Investigation &inspection, const QString &code)
{
    int index = -1;
    if (auto *catalogue = dynamic_cast<const EN135082Structur *>(&inspection))
        catalogue->findSubtype(code, index);
    return index;
}

QString preview(const Investigation &inspection, const ObservationRecord &record)
{
    return updateText(inspection, record, subtypeOf(inspection, record.code));
}

// A crack of the German EN catalogue, every part of the sentence filled in.
ObservationRecord crack()
{
    ObservationRecord o;
    o.distance = 12.5;
    o.code = QStringLiteral("BAB");
    o.character1 = QStringLiteral("B");
    o.character2 = QStringLiteral("A");
    o.quantity1 = 150;
    o.clockFrom = 2;
    o.clockTo = 4;
    o.joint = 1;
    o.continuousDefect = QStringLiteral("A");
    o.continuousDefectNumber = 0;
    o.remark = QStringLiteral("r");
    return o;
}

const QString kCrackStart = QStringLiteral("12.50m BABBA Rissbildung, Riss, längs, ");

// The scene's items of one kind, in the order they were added.
template <typename Item>
QList<Item *> itemsOf(const QGraphicsScene &scene)
{
    QList<Item *> found;
    for (QGraphicsItem *item : scene.items(Qt::AscendingOrder)) {
        if (auto *wanted = qgraphicsitem_cast<Item *>(item))
            found << wanted;
    }
    return found;
}

} // namespace

class TestObservationPreview : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLoggingCategory::setFilterRules(QStringLiteral("zz.model.*.debug=false")); }

    void clockFace();
    void clockMarks_data();
    void clockMarks();
    void clockViewKeepsOneScene();

    void enSentence_data();
    void enSentence();
    void namedNodes_data();
    void namedNodes();
    void danDasSentence();
    void nothingToShow_data();
    void nothingToShow();
};

void TestObservationPreview::clockFace()
{
    QGraphicsScene scene;
    drawClock(scene, 0, 7);

    QCOMPARE(scene.items().size(), 13);
    const QList<QGraphicsEllipseItem *> dial = itemsOf<QGraphicsEllipseItem>(scene);
    QCOMPARE(dial.size(), 1);
    QCOMPARE(dial.first()->rect(), QRectF(10, 10, 60, 60));
    QCOMPARE(dial.first()->pen().widthF(), 2.5);
    QCOMPARE(dial.first()->brush().style(), Qt::NoBrush);

    const QList<QGraphicsLineItem *> ticks = itemsOf<QGraphicsLineItem>(scene);
    QCOMPARE(ticks.size(), 12);
    for (QGraphicsLineItem *tick : ticks) {
        QCOMPARE(tick->pen().widthF(), 3.0);
        QCOMPARE(tick->pen().color(), QColor(Qt::black));
        QCOMPARE(tick->pen().capStyle(), Qt::SquareCap);
        QCOMPARE(tick->pen().joinStyle(), Qt::BevelJoin);
    }
    // Twelve o'clock: a long tick pointing up; one o'clock: a short one, clockwise.
    const QLineF twelve = ticks.at(0)->line();
    QVERIFY(qAbs(twelve.x1() - 40) < 1e-9 && qAbs(twelve.y1() - 18) < 1e-9);
    QVERIFY(qAbs(twelve.x2() - 40) < 1e-9 && qAbs(twelve.y2() - 12) < 1e-9);
    const QLineF one = ticks.at(1)->line();
    QVERIFY(qAbs(QLineF(QPointF(40, 40), one.p1()).length() - 26) < 1e-9);
    QVERIFY(one.x2() > 40 && one.y2() < 40);
}

void TestObservationPreview::clockMarks_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("span");

    QTest::newRow("3 to 9 through 6") << 3 << 9 << 5760 << -2880;
    QTest::newRow("9 to 3 through 12") << 9 << 3 << 2880 << -2880;
    QTest::newRow("12 to 12, whole disc") << 12 << 12 << 0 << 5760;
    QTest::newRow("12 to 6, right half") << 12 << 6 << 7200 << -2880;
    QTest::newRow("5 to 5, wedge") << 5 << 5 << 4680 << 240;
    QTest::newRow("at 5, wedge") << 5 << 0 << 4680 << 240;
    QTest::newRow("at 12, wedge") << 12 << 0 << 1320 << 240;
}

void TestObservationPreview::clockMarks()
{
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(int, start);
    QFETCH(int, span);

    QGraphicsScene scene;
    drawClock(scene, from, to);
    QCOMPARE(scene.items().size(), 14);
    const QList<QGraphicsEllipseItem *> found = itemsOf<QGraphicsEllipseItem>(scene);
    QCOMPARE(found.size(), 2);
    const QGraphicsEllipseItem *mark = found.last();
    QCOMPARE(mark->rect(), QRectF(10, 10, 60, 60));
    QCOMPARE(mark->startAngle(), start);
    QCOMPARE(mark->spanAngle(), span);
    QCOMPARE(mark->brush().color(), QColor(Qt::yellow));
    QCOMPARE(mark->opacity(), 0.5);
    QCOMPARE(mark->pen().widthF(), 1.0);
}

void TestObservationPreview::clockViewKeepsOneScene()
{
    QGraphicsView view;
    drawClock(view, 3, 9);
    QGraphicsScene *scene = view.scene();
    QVERIFY(scene);
    QCOMPARE(scene->sceneRect(), QRectF(0, 0, 80, 80));
    QCOMPARE(scene->parent(), &view);

    drawClock(view, 0, 0);
    QCOMPARE(view.scene(), scene);
    QCOMPARE(scene->items().size(), 13);
}

void TestObservationPreview::enSentence_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<ObservationRecord>("record");
    QTest::addColumn<QString>("expected");

    const ObservationRecord full = crack();
    QTest::newRow("every part") << int(NormEN135082) << full
                                << kCrackStart + QStringLiteral("150mm, von 2 bis 4Uhr, Schaden tritt an der Rohrverbindung auf, "
                                                                "Streckenschaden Nr. 1 Anfang, r");

    ObservationRecord o = full;
    o.clockTo = 0;
    o.clockFrom = 3;
    o.joint = 0;
    o.continuousDefect = QStringLiteral("R");
    o.continuousDefectNumber = 2;
    o.remark.clear();
    QTest::newRow("one clock hour, pipe length")
        << int(NormEN135082) << o << kCrackStart + QStringLiteral("150mm, bei 3Uhr, Schaden über die Baulänge eines Rohres, Nr. 3");

    o = full;
    o.clockFrom = 0;
    o.joint = 0;
    o.continuousDefect = QStringLiteral("B");
    o.continuousDefectNumber = 4;
    o.remark.clear();
    QTest::newRow("no clock, end") << int(NormEN135082) << o << kCrackStart + QStringLiteral("150mm, Streckenschaden Nr. 5 Ende");

    const struct
    {
        double value;
        const char *text;
    } numbers[] = {{150, "150"}, {12.5, "12.50"}, {12.004, "12"}, {12.01, "12.01"}, {0.01, "0.01"}};
    for (const auto &number : numbers) {
        o = full;
        o.quantity1 = number.value;
        o.clockFrom = 0;
        o.joint = 0;
        o.continuousDefect.clear();
        o.remark.clear();
        QTest::addRow("number %s", number.text) << int(NormEN135082) << o << kCrackStart + QLatin1String(number.text) + QStringLiteral("mm");
    }

    // A code with two quantities; the DWA-M 149-2 catalogue names its options differently.
    o = ObservationRecord();
    o.distance = 1;
    o.code = QStringLiteral("BCA");
    o.character1 = QStringLiteral("A");
    o.character2 = QStringLiteral("B");
    o.quantity1 = 150;
    o.quantity2 = 100.5;
    o.clockFrom = 12;
    QTest::newRow("two quantities") << int(NormDWAM1492) << o
                                    << QStringLiteral("1.00m BCAAB Anschluss, Abzweig (Formstück), verschlossen, 150mm, 100.50mm, bei 12Uhr");
    QTest::newRow("ISYBAU 2006") << int(NormIsybau2006) << o
                                 << QStringLiteral("1.00m BCAAB Anschluss, Abzweig (Formstück), verschlossen, 150mm, 100.50mm, bei 12Uhr");

    // Without a quantity in the catalogue no number is printed, whatever the record holds.
    o = ObservationRecord();
    o.code = QStringLiteral("BDA");
    o.quantity1 = 3;
    QTest::newRow("no quantity") << int(NormEN135082) << o << QStringLiteral("0.00m BDA Allgemeines Foto");
}

void TestObservationPreview::enSentence()
{
    QFETCH(int, kind);
    QFETCH(ObservationRecord, record);
    QFETCH(QString, expected);

    const auto inspection = makeInspection(kind);
    QCOMPARE(preview(*inspection, record), expected);
}

void TestObservationPreview::namedNodes_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("character1");
    QTest::addColumn<QString>("expected");

    // EN 13508-2 names its start and end nodes; the other standards keep numbers for them.
    QTest::newRow("EN 13508-2") << int(NormEN135082) << QStringLiteral("A")
                                << QStringLiteral("2.00m BCEA Endknoten, Schacht, S 17, 4711/0815");
    QTest::newRow("DWA-M 149-2") << int(NormDWAM1492) << QStringLiteral("XP")
                                 << QStringLiteral("2.00m BCEXP Endknoten, Rohrende");
    QTest::newRow("ISYBAU 2006") << int(NormIsybau2006) << QStringLiteral("XP")
                                 << QStringLiteral("2.00m BCEXP Endknoten, Rohrende");
}

void TestObservationPreview::namedNodes()
{
    QFETCH(int, kind);
    QFETCH(QString, character1);
    QFETCH(QString, expected);

    const auto inspection = makeInspection(kind);
    ObservationRecord o;
    o.distance = 2;
    o.code = QStringLiteral("BCE");
    o.character1 = character1;
    o.quantity1Text = QStringLiteral("S 17");
    o.quantity2Text = QStringLiteral("4711/0815");
    QCOMPARE(preview(*inspection, o), expected);

    // An empty name adds nothing.
    o.quantity1Text.clear();
    if (kind == NormEN135082)
        QCOMPARE(preview(*inspection, o), QStringLiteral("2.00m BCEA Endknoten, Schacht, 4711/0815"));
}

void TestObservationPreview::danDasSentence()
{
    DanDas inspection;
    ObservationRecord o;
    o.distance = 3.25;
    o.code = QStringLiteral("RB");
    o.character1 = QStringLiteral("L");
    o.damageClass = 2;
    o.remark = QStringLiteral("ved muffe");
    // The inspection's own description ends with the remark; the preview shows it once.
    QCOMPARE(updateText(inspection, o, -1),
             QStringLiteral("3.25m RBL Revner/brud, Langsgående, observation klasse 2, ved muffe"));
}

void TestObservationPreview::nothingToShow_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("code");

    QTest::newRow("EN 13508-2 without a code") << int(NormEN135082) << QString();
    QTest::newRow("DWA-M 149-2 without a code") << int(NormDWAM1492) << QString();
    QTest::newRow("ISYBAU 2001") << int(NormIsybau2001) << QStringLiteral("BAAO");
}

void TestObservationPreview::nothingToShow()
{
    QFETCH(int, kind);
    QFETCH(QString, code);

    const auto inspection = makeInspection(kind);
    inspection->setNormKind(kind);
    ObservationRecord o;
    o.code = code;
    o.remark = QStringLiteral("r");
    QVERIFY(updateText(*inspection, o, -1).isNull());
}

QTEST_MAIN(TestObservationPreview)
#include "tst_observationpreview.moc"
