#include "sceneobjects.h"
#include "view3d/camera.h"
#include "view3d/label3d.h"
#include "view3d/manipulatedsystem3d.h"
#include "view3d/system3d.h"
#include "support/testenv.h"

#include <QDomDocument>
#include <QFontMetrics>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QtTest>

namespace {

// A word as wide as at least the given number of pixels in the font.
QString wordOfWidth(const QFont &font, int pixels)
{
    const QFontMetrics metrics(font);
    QString word = QStringLiteral("m");
    while (metrics.horizontalAdvance(word) < pixels)
        word += QLatin1Char('m');
    return word;
}

// A camera two units in front of the origin, looking at it, with fresh matrices.
void lookAtOrigin(Camera &camera)
{
    camera.setScreenWidthAndHeight(400, 300);
    camera.setPosition(Vector3D(0, 0, 2));
    camera.lookAt(Vector3D());
    camera.computeModelViewMatrix();
    camera.computeProjectionMatrix();
}

bool blank(const QImage &image, const QRect &area)
{
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.pixel(x, y) != qRgb(255, 255, 255))
                return false;
    return true;
}

QImage painted(const Label3D &label, const Camera &camera, double scale = 1.0)
{
    QImage image(400, 300, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    label.paint(&painter, &camera, scale);
    return image;
}

} // namespace

class TestLabel3D : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void boxOfOneLine();
    void wrapping_data();
    void wrapping();
    void anchorFollowsOwner();
    void dragOnlyWithLeftButton_data();
    void dragOnlyWithLeftButton();
    void xml();
    void painting();

private:
    TestEnvironment m_env;
    // The first use of the settings may tell about folders it had to create.
    ReporterCapture m_reports;
};

void TestLabel3D::cleanup()
{
    QVERIFY(Object3D::registry().isEmpty());
}

void TestLabel3D::boxOfOneLine()
{
    Label3D label;
    QCOMPARE(label.font().pointSize(), 8);
    QCOMPARE(label.background(), QColor(240, 230, 150, 200));
    QVERIFY(label.isVisible() && label.hasPointer() && label.isRounded());
    label.setText(QStringLiteral("Schacht"));
    const QFontMetrics metrics(label.font());
    QCOMPARE(label.box(), QRectF(0, 0, metrics.horizontalAdvance(QStringLiteral("Schacht")) + 6,
                                 2 * metrics.lineSpacing()));
    label.setFontSize(14.9);
    QCOMPARE(label.font().pointSize(), 14);
    const QFontMetrics larger(label.font());
    QCOMPARE(label.box().height(), 2.0 * larger.lineSpacing());
}

void TestLabel3D::wrapping_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("lines");
    Label3D label;
    const QString wide = wordOfWidth(label.font(), 80);
    QTest::newRow("short words join") << QStringLiteral("a b c d") << 1;
    QTest::newRow("blanks are no words") << QStringLiteral("  a   b ") << 1;
    QTest::newRow("a line break ends a line") << QStringLiteral("a b\n c") << 2;
    QTest::newRow("wide pairs stay apart") << QStringLiteral("%1 %1 %1").arg(wide) << 3;
    QTest::newRow("short ones join a wide one") << QStringLiteral("%1 a %1").arg(wide) << 2;
    QTest::newRow("one word") << wide + wide << 1;
    QTest::newRow("empty") << QString() << 0;
}

void TestLabel3D::wrapping()
{
    QFETCH(QString, text);
    QFETCH(int, lines);
    Label3D label;
    QCOMPARE(Label3D::wrappedLineCount(text, label.font()), lines);
    if (lines < 2)
        return;
    label.setText(text);
    QCOMPARE(label.box(), QRectF(0, 0, 160, QFontMetrics(label.font()).lineSpacing() * (lines + 1)));
}

void TestLabel3D::anchorFollowsOwner()
{
    BareObject owner;
    QCOMPARE(owner.label()->owner(), &owner);
    QCOMPARE(owner.label()->frame()->referenceSystem(), owner.system());
    Camera camera;
    lookAtOrigin(camera);
    bool inFront = false;
    QPointF anchor = owner.label()->anchorPoint(&camera, &inFront);
    QVERIFY(inFront);
    QVERIFY(std::fabs(anchor.x() - 200) < 1e-6 && std::fabs(anchor.y() - 150) < 1e-6);

    owner.system()->setPosition(Vector3D(0.1, 0, 0));
    owner.label()->setOffset(QPointF(10, -20));
    const Vector3D projected = camera.projectedCoordinatesOf(Vector3D(0.1, 0, 0));
    anchor = owner.label()->anchorPoint(&camera, &inFront);
    QVERIFY(std::fabs(anchor.x() - (projected.x + 10)) < 1e-6);
    QVERIFY(std::fabs(anchor.y() - (projected.y - 20)) < 1e-6);

    owner.setLabelText(QStringLiteral("S1"));
    const QPoint inside = (anchor + QPointF(2, 2)).toPoint();
    QCOMPARE(owner.labelAt(inside, &camera), owner.label());
    QVERIFY(!owner.labelAt((anchor - QPointF(2, 2)).toPoint(), &camera));
    owner.label()->setVisible(false);
    QVERIFY(!owner.labelAt(inside, &camera));
}

void TestLabel3D::dragOnlyWithLeftButton_data()
{
    QTest::addColumn<int>("buttons");
    QTest::addColumn<bool>("moves");
    QTest::newRow("left") << int(Qt::LeftButton) << true;
    QTest::newRow("right") << int(Qt::RightButton) << false;
    QTest::newRow("left and right") << int(Qt::LeftButton | Qt::RightButton) << false;
    QTest::newRow("none") << int(Qt::NoButton) << false;
}

void TestLabel3D::dragOnlyWithLeftButton()
{
    QFETCH(int, buttons);
    QFETCH(bool, moves);
    Label3D label;
    label.setOffset(QPointF(5, 5));
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(100, 100), Qt::LeftButton,
                      Qt::MouseButtons(buttons), Qt::NoModifier);
    label.mousePressEvent(&press);
    for (const QPointF &to : {QPointF(110, 90), QPointF(130, 95)}) {
        QMouseEvent move(QEvent::MouseMove, to, Qt::NoButton, Qt::MouseButtons(buttons), Qt::NoModifier);
        label.mouseMoveEvent(&move, nullptr);
    }
    QCOMPARE(label.offset(), moves ? QPointF(35, 0) : QPointF(5, 5));
}

void TestLabel3D::xml()
{
    Label3D label;
    label.setText(QStringLiteral("Zulauf <DN 300> & mehr"));
    label.setOffset(QPointF(-12.5, 33.75));
    label.setVisible(false);
    label.setFontSize(20);
    QDomDocument document;
    const QDomElement element = label.domElement(QStringLiteral("Label"), document);
    QCOMPARE(element.tagName(), QStringLiteral("Label"));
    QCOMPARE(element.attribute(QStringLiteral("Visible")), QStringLiteral("false"));
    document.appendChild(element);
    QDomDocument reread;
    QVERIFY(reread.setContent(document.toString()));

    Label3D copy;
    copy.initFromDOMElement(reread.documentElement());
    QCOMPARE(copy.text(), label.text());
    QCOMPARE(copy.offset(), label.offset());
    QVERIFY(!copy.isVisible());
    // The font is not stored; the box follows the text in the reader's font.
    QCOMPARE(copy.font().pointSize(), 8);
    QCOMPARE(copy.box().width(), QFontMetrics(copy.font()).horizontalAdvance(copy.text()) + 6.0);

    // Without attributes: visible at no offset; the last "Text" wins.
    QVERIFY(reread.setContent(QStringLiteral("<Label><Text>eins</Text><Text>zwei</Text></Label>")));
    copy.initFromDOMElement(reread.documentElement());
    QVERIFY(copy.isVisible());
    QCOMPARE(copy.offset(), QPointF(0, 0));
    QCOMPARE(copy.text(), QStringLiteral("zwei"));
}

void TestLabel3D::painting()
{
    BareObject owner;
    Camera camera;
    lookAtOrigin(camera);
    Label3D &label = *owner.label();
    // Nothing without text.
    QVERIFY(blank(painted(label, camera), QRect(0, 0, 400, 300)));

    label.setText(QStringLiteral("Schacht 1"));
    label.setBackground(Qt::black);
    // The box starts at the anchor (200, 150); with no offset the anchor lies in the box, so
    // no pointer.
    QImage image = painted(label, camera);
    QCOMPARE(image.pixelColor(205, 152), QColor(Qt::black));
    QVERIFY(blank(image, QRect(0, 0, 190, 300)));

    // Moved away, the pointer reaches back to the anchor.
    label.setOffset(QPointF(60, 60));
    image = painted(label, camera);
    QVERIFY(blank(image, QRect(0, 0, 190, 300)));
    QCOMPARE(image.pixelColor(262, 212), QColor(Qt::black));
    QVERIFY(!blank(image, QRect(205, 155, 6, 6)));
    label.setPointer(false);
    QVERIFY(blank(painted(label, camera), QRect(200, 150, 30, 30)));

    // A print picture twice as large as the window: the same label, half as large.
    label.setPointer(true);
    image = painted(label, camera, 2.0);
    QCOMPARE(image.pixelColor(132, 107), QColor(Qt::black));
    QVERIFY(blank(image, QRect(0, 0, 95, 300)));

    // Hidden, or beyond the far side of the view: nothing, though the label stays visible.
    label.setVisible(false);
    QVERIFY(blank(painted(label, camera), QRect(0, 0, 400, 300)));
    label.setVisible(true);
    owner.system()->setPosition(Vector3D(0, 0, -1000));
    bool inFront = true;
    label.anchorPoint(&camera, &inFront);
    QVERIFY(!inFront);
    QVERIFY(blank(painted(label, camera), QRect(0, 0, 400, 300)));
    QVERIFY(label.isVisible());
}

QTEST_MAIN(TestLabel3D)
#include "tst_label3d.moc"
