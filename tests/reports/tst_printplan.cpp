// test-needs: x11
#include "foundation/global.h"
#include "foundation/meterratioobserver.h"
#include "view3d/camera.h"
#include "view3d/duct.h"
#include "view3d/manipulatedsystem3d.h"
#include "view3d/viewer3d.h"
#include "reports/printdialog.h"
#include "support/formaccess.h"
#include "support/leakcheck.h"
#include "support/reportpdf.h"
#include "support/testenv.h"

#include <QComboBox>
#include <QGraphicsPixmapItem>
#include <QGraphicsSceneMouseEvent>
#include <QGraphicsView>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QToolButton>
#include <QtTest>

#include <cmath>
#include <memory>

namespace {

QString pageSize(const QString &pdf)
{
    QProcess process;
    process.start(QStringLiteral("pdfinfo"), {pdf});
    process.waitForFinished(60000);
    for (const QString &line : QString::fromUtf8(process.readAllStandardOutput()).split(QLatin1Char('\n'))) {
        if (line.startsWith(QLatin1String("Page size:")))
            return line.mid(10).trimmed();
    }
    return QString();
}

bool isWhite(QRgb c)
{
    return qRed(c) > 245 && qGreen(c) > 245 && qBlue(c) > 245;
}

int nonWhite(const QImage &image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += isWhite(image.pixel(x, y)) ? 0 : 1;
    return count;
}

// The mean difference per channel of two images of one size, 0 to 255.
double meanDifference(const QImage &a, const QImage &b)
{
    double sum = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q));
        }
    }
    return sum / (3.0 * a.width() * a.height());
}

void sendMouse(QGraphicsScene *scene, QEvent::Type type, const QPointF &at, Qt::MouseButtons buttons)
{
    QGraphicsSceneMouseEvent event(type);
    event.setScenePos(at);
    event.setButton(type == QEvent::GraphicsSceneMousePress ? Qt::LeftButton : Qt::NoButton);
    event.setButtons(buttons);
    QApplication::sendEvent(scene, &event);
}

// The preview's picture of the pipe network.
QGraphicsPixmapItem *planItem(QGraphicsView *view)
{
    for (QGraphicsItem *i : view->scene()->items()) {
        if (i->data(0).toString() == PrintDialog::PlanElementId)
            return qgraphicsitem_cast<QGraphicsPixmapItem *>(i);
    }
    return nullptr;
}

} // namespace

class TestPrintPlan : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        env.reset(new TestEnvironment);
        ReporterCapture firstStart;
        Global::instance();
        // One metre is a tenth of a scene unit.
        Global::instance()->meterRatio()->setRatio(0.001);
    }
    void init()
    {
        dir.reset(new QTemporaryDir);
        viewer = std::make_unique<Viewer3D>();
        viewer->setShowFlags(0); // orthographic
        viewer->resize(400, 300);
        viewer->show();
        QVERIFY(QTest::qWaitForWindowExposed(viewer.get()));
        QTRY_VERIFY(viewer->context());
        viewer->toggleTopView();
        // A row of manholes 4 m apart, so that the plan shows something wherever it looks.
        for (int i = -6; i <= 6; ++i) {
            auto *duct = new Duct(1.0, 2.0);
            duct->system()->setPosition(Vector3D(i * 0.4, 0, (i % 3) * 0.3));
            duct->buildGeometry();
            viewer->addObject(duct);
        }
    }
    void cleanup()
    {
        viewer.reset();
        dir.reset();
    }

    // The plan page has the paper's size and orientation; A3 goes out as PDF only.
    void planPageSizes_data()
    {
        QTest::addColumn<int>("paper");
        QTest::addColumn<int>("orientation");
        QTest::addColumn<QSize>("pagePixels");
        QTest::addColumn<QString>("pdfSize");
        QTest::newRow("A4 portrait") << 0 << 0 << QSize(793, 1123) << QStringLiteral("595 x 842 pts (A4)");
        QTest::newRow("A4 landscape") << 0 << 1 << QSize(1123, 793) << QStringLiteral("842 x 595 pts (A4)");
        QTest::newRow("A3 landscape") << 1 << 1 << QSize(1586, 1123) << QStringLiteral("1191 x 842 pts (A3)");
    }
    void planPageSizes()
    {
        QFETCH(int, paper);
        QFETCH(int, orientation);
        QFETCH(QSize, pagePixels);
        QFETCH(QString, pdfSize);
        PrintDialog dialog;
        dialog.setViewer3D(viewer.get());
        formChild<QComboBox>(dialog, "paperSize")->setCurrentIndex(paper);
        formChild<QComboBox>(dialog, "format")->setCurrentIndex(orientation);
        formChild<QComboBox>(dialog, "legend")->setCurrentIndex(1);
        formChild<QPushButton>(dialog, "plan3D")->click();
        QCOMPARE(dialog.pages().size(), 1);
        QCOMPARE(QSize(dialog.pages().first().width(), dialog.pages().first().height()), pagePixels);
        QCOMPARE(formChild<QToolButton>(dialog, "print")->isEnabled(), paper == 0);
        QVERIFY(formChild<QToolButton>(dialog, "pdf")->isEnabled());

        PrintPage page = dialog.pages().first();
        const PrintElement *plan = page.findElement(PrintDialog::PlanElementId);
        QVERIFY(plan);
        QCOMPARE(plan->image().size(), Printer::planAreaSize(paper, orientation));
        QVERIFY(nonWhite(plan->image()) > 100);

        const QString pdf = dir->path() + QStringLiteral("/plan.pdf");
        dialog.setSaveFileChooser([&](QWidget *, const QString &, const QString &, const QString &) { return pdf; });
        formChild<QToolButton>(dialog, "pdf")->click();
        QCOMPARE(pageSize(pdf), pdfSize);
        QVERIFY(ReportPdf::layoutText(pdf, 1).contains(QStringLiteral("Maßstab 1 : 50")));
    }

    // A drag outside the plan image leaves the camera where it is; one over it moves the camera
    // and shows the view anew.
    void dragPansThePlan()
    {
        PrintDialog dialog;
        dialog.setViewer3D(viewer.get());
        formChild<QPushButton>(dialog, "plan3D")->click();
        auto *view = formChild<QGraphicsView>(dialog, "graphicsView");
        QGraphicsPixmapItem *item = planItem(view);
        QVERIFY(item);
        const QRectF bounds = item->sceneBoundingRect();
        const Vector3D before = viewer->camera()->position();
        const QImage shownBefore = item->pixmap().toImage();

        // Outside: in the page's margin.
        sendMouse(view->scene(), QEvent::GraphicsSceneMousePress, QPointF(10, 10), Qt::LeftButton);
        sendMouse(view->scene(), QEvent::GraphicsSceneMouseMove, QPointF(30, 40), Qt::LeftButton);
        QCOMPARE(viewer->camera()->position().x, before.x);
        QCOMPARE(viewer->camera()->position().z, before.z);

        // Inside, without the button held: nothing either.
        const QPointF start = bounds.center();
        sendMouse(view->scene(), QEvent::GraphicsSceneMousePress, start, Qt::LeftButton);
        sendMouse(view->scene(), QEvent::GraphicsSceneMouseMove, start + QPointF(100, 0), Qt::NoButton);
        QCOMPARE(viewer->camera()->position().x, before.x);

        sendMouse(view->scene(), QEvent::GraphicsSceneMousePress, start, Qt::LeftButton);
        sendMouse(view->scene(), QEvent::GraphicsSceneMouseMove, start + QPointF(200, 100), Qt::LeftButton);
        const Vector3D after = viewer->camera()->position();
        QVERIFY(std::abs(after.x - before.x - (-200.0 / 10000)) < 1e-9);
        QVERIFY(std::abs(after.z - before.z - (-100.0 / 10000)) < 1e-9);
        const QImage shownAfter = item->pixmap().toImage();
        QCOMPARE(shownAfter.size(), shownBefore.size());
        QVERIFY(shownAfter != shownBefore);
    }

    // What goes on paper is the part of the network the preview shows, at the same scale.
    void printShowsThePreviewedPart()
    {
        PrintDialog dialog;
        dialog.setViewer3D(viewer.get());
        formChild<QPushButton>(dialog, "plan3D")->click();
        auto *view = formChild<QGraphicsView>(dialog, "graphicsView");
        QGraphicsPixmapItem *item = planItem(view);
        QVERIFY(item);
        const QPointF start = item->sceneBoundingRect().center();
        sendMouse(view->scene(), QEvent::GraphicsSceneMousePress, start, Qt::LeftButton);
        sendMouse(view->scene(), QEvent::GraphicsSceneMouseMove, start + QPointF(1500, 700), Qt::LeftButton);
        const QImage previewed = item->pixmap().toImage().convertToFormat(QImage::Format_RGB32);

        const QString pdf = dir->path() + QStringLiteral("/plan.pdf");
        dialog.setSaveFileChooser([&](QWidget *, const QString &, const QString &, const QString &) { return pdf; });
        formChild<QToolButton>(dialog, "pdf")->click();

        // The print rendering is finer than the screen's and fills the plan's element.
        PrintPage page = dialog.pages().first();
        const PrintElement *plan = page.findElement(PrintDialog::PlanElementId);
        QVERIFY(plan->image().width() > previewed.width());
        QVERIFY(!plan->keepUnscaled());
        const QImage printed = plan->image()
                                   .scaled(previewed.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                                   .convertToFormat(QImage::Format_RGB32);
        QVERIFY(nonWhite(previewed) > 100);
        const double same = meanDifference(previewed, printed);
        // Against the view before the pan: clearly another part of the network.
        QImage other;
        viewer->moveCamera(QPointF(0.15, 0.07));
        viewer->renderToImage(other, previewed.width(), previewed.height());
        const double moved = meanDifference(previewed, other.convertToFormat(QImage::Format_RGB32));
        QVERIFY2(same < 8 && moved > 2 * same, qPrintable(QStringLiteral("%1 against %2").arg(same).arg(moved)));

        // The file shows it where the page puts the plan.
        const QImage rendered = ReportPdf::renderPage(pdf, 1, 96);
        const QRectF area = plan->rect();
        const QImage onPaper = rendered.copy(area.toAlignedRect())
                                   .scaled(previewed.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                                   .convertToFormat(QImage::Format_RGB32);
        const double paper = meanDifference(previewed, onPaper);
        QVERIFY2(paper < 12, qPrintable(QString::number(paper)));
    }

private:
    std::unique_ptr<TestEnvironment> env;
    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<Viewer3D> viewer;
};

ZZ_GL_TEST_MAIN(TestPrintPlan)
#include "tst_printplan.moc"
