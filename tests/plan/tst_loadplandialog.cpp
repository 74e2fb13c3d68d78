#include "foundation/global.h"
#include "foundation/inputdoubledialog.h"
#include "foundation/messagedialog.h"
#include "plan/autoitems.h"
#include "plan/dialogs/loadplandialog.h"
#include "plan/dialogs/pdfpageconverter.h"
#include "plan/floorplan.h"
#include "plan/graphicsscene.h"
#include "plan/graphicsview.h"
#include "plan/selectablepixmapitem.h"
#include "plantestdata.h"
#include "support/modalanswerer.h"
#include "support/testenv.h"
#include "support/testfiles.h"

#include <QApplication>
#include <QDoubleSpinBox>
#include <QGraphicsPixmapItem>
#include <QGraphicsSimpleTextItem>
#include <QPainter>
#include <QPdfWriter>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

namespace {

// Two A4 pages: the first black in its top-left quarter only, the second black all over.
void writeTwoPagePdf(const QString &path)
{
    QPdfWriter writer(path);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    QPainter painter(&writer);
    const QRect page = painter.viewport();
    painter.fillRect(QRect(page.topLeft(), page.size() / 2), Qt::black);
    writer.newPage();
    painter.fillRect(page, Qt::black);
}

// Clicks the two points into the dialog's view once its measurement has started, as a user
// does while the dialog waits for them.
class PointClicker : public QObject
{
public:
    PointClicker(GraphicsView *view, const QPoint &first, const QPoint &second, bool move = true)
        : m_view(view)
        , m_first(first)
        , m_second(second)
        , m_move(move)
    {
        startTimer(10);
    }
    int clicks() const { return m_clicks; }

protected:
    void timerEvent(QTimerEvent *) override
    {
        if (m_view->measureState() == GraphicsView::WaitingForFirstPoint && m_clicks == 0) {
            send(QEvent::MouseButtonPress, m_first);
        } else if (m_view->measureState() == GraphicsView::WaitingForSecondPoint && m_clicks == 1) {
            if (m_move)
                send(QEvent::MouseMove, m_second);
            send(QEvent::MouseButtonPress, m_second);
        }
    }

private:
    void send(QEvent::Type type, const QPoint &pos)
    {
        const bool press = type == QEvent::MouseButtonPress;
        QMouseEvent event(type, pos, m_view->viewport()->mapToGlobal(pos), press ? Qt::LeftButton : Qt::NoButton,
                          press ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(m_view->viewport(), &event);
        if (press)
            ++m_clicks;
    }

    GraphicsView *m_view;
    QPoint m_first;
    QPoint m_second;
    bool m_move;
    int m_clicks = 0;
};

ModalAnswerer::Action enterDistance(double metres)
{
    return [metres](QWidget *w) {
        auto *input = static_cast<InputDoubleDialog *>(w);
        input->findChild<QDoubleSpinBox *>()->setValue(metres);
        input->accept();
    };
}

} // namespace

class TestLoadPlanDialog : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void refusalsBeforeAPlan();
    void calibratedPictureBecomesThePlan();
    void unreadablePictureIsRefused();
    void secondCalibrationAsksFirst();
    void zeroMetresIsNotCalibrated();
    void coincidentPointsAreNotCalibrated();
    void turningTheBasePlan();
    void turnedPictureReachesThePlan();
    void closingWhileMeasuringEndsTheWait();
    void pdfFirstPageBecomesTheBasePlan();
    void missingConverterIsSaid();
    void converterFailures_data();
    void converterFailures();

private:
    QPushButton *button(const char *name) const { return m_dialog->findChild<QPushButton *>(name); }
    GraphicsView *view() const { return m_dialog->findChild<GraphicsView *>(QStringLiteral("graphicsView")); }
    QGraphicsPixmapItem *basePlan() const;
    void loadPicture(const QImage &image);
    // Measures first to second (view positions) and enters the metres.
    void calibrate(const QPoint &first, const QPoint &second, double metres, int extraMessages = 0);

    QScopedPointer<TestEnvironment> m_environment;
    QScopedPointer<QTemporaryDir> m_dir;
    QScopedPointer<LoadPlanDialog> m_dialog;
};

void TestLoadPlanDialog::initTestCase()
{
    m_environment.reset(new TestEnvironment);
    ReporterCapture firstStartNotice;
    Global::instance();
}

void TestLoadPlanDialog::init()
{
    m_dir.reset(new QTemporaryDir);
    m_dialog.reset(new LoadPlanDialog);
    m_dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_dialog.data()));
}

void TestLoadPlanDialog::cleanup()
{
    m_dialog.reset();
}

QGraphicsPixmapItem *TestLoadPlanDialog::basePlan() const
{
    for (QGraphicsItem *item : view()->scene()->items()) {
        if (item->parentItem() == nullptr && item->type() == QGraphicsPixmapItem::Type && item->zValue() == 0)
            return static_cast<QGraphicsPixmapItem *>(item);
    }
    return nullptr;
}

void TestLoadPlanDialog::loadPicture(const QImage &image)
{
    const QString path = m_dir->filePath(QStringLiteral("plan.png"));
    QVERIFY(image.save(path));
    ModalAnswerer answer;
    answer.expect("QFileDialog", chooseFile(path));
    QTest::mouseClick(button("addImage"), Qt::LeftButton);
    QVERIFY(answer.done());
}

void TestLoadPlanDialog::calibrate(const QPoint &first, const QPoint &second, double metres, int extraMessages)
{
    ModalAnswerer answer;
    for (int i = 0; i < extraMessages; ++i)
        answer.message(MessageDialog::Yes);
    answer.message(MessageDialog::Ok);
    answer.expect("InputDoubleDialog", enterDistance(metres));
    PointClicker clicker(view(), first, second);
    QTest::mouseClick(button("measure"), Qt::LeftButton);
    QVERIFY2(answer.done(), qPrintable(answer.unexpected().join(QLatin1Char(' '))));
    QCOMPARE(clicker.clicks(), 2);
    QCOMPARE(answer.texts().last(), QStringLiteral("Bitte wählen Sie 2 Punkte zum Einmessen aus!"));
}

void TestLoadPlanDialog::refusalsBeforeAPlan()
{
    const auto messages = [this](const char *buttonName) {
        ModalAnswerer answer;
        answer.message(0);
        QTest::mouseClick(button(buttonName), Qt::LeftButton);
        return answer.texts();
    };
    QCOMPARE(messages("accept"), QStringList{QStringLiteral("Der Grundplan ist leer!")});
    QCOMPARE(messages("measure"), QStringList{QStringLiteral("Der Grundplan ist leer. Bitte zuerst ein Bild einfügen!")});
    QVERIFY(m_dialog->isVisible());

    loadPicture(markedImage(200, 100));
    QCOMPARE(messages("accept"), QStringList{QStringLiteral("Bitte den Plan erst einmessen!")});
    QVERIFY(m_dialog->isVisible());
    QVERIFY(!m_dialog->plan());

    QTest::mouseClick(button("cancel"), Qt::LeftButton);
    QCOMPARE(m_dialog->result(), int(QDialog::Rejected));
    QVERIFY(!m_dialog->plan());
}

void TestLoadPlanDialog::calibratedPictureBecomesThePlan()
{
    const QImage picture = markedImage(640, 480);
    loadPicture(picture);
    QCOMPARE(Global::instance()->settings()->value(QStringLiteral("file/image")).toString(), m_dir->path());
    QGraphicsPixmapItem *base = basePlan();
    QVERIFY(base);
    QCOMPARE(base->pixmap().size(), QSize(640, 480));
    // Centred in the view, one scene unit per pixel.
    const QPointF centre = view()->mapToScene(QPoint(view()->width() / 2, view()->height() / 2));
    QVERIFY((base->sceneBoundingRect().center() - centre).manhattanLength() <= 2);

    // 250 view pixels at the view's scale of 0.5 are 500 scene units.
    calibrate(QPoint(100, 100), QPoint(350, 100), 10.0);
    QCOMPARE(m_dialog->ratio(), 0.02);
    QCOMPARE(view()->measureItems().size(), 4);
    QCOMPARE(static_cast<QGraphicsSimpleTextItem *>(view()->measureItems().at(3))->text(), QStringLiteral("10.00m"));

    QTest::mouseClick(button("accept"), Qt::LeftButton);
    QCOMPARE(m_dialog->result(), int(QDialog::Accepted));
    const QSharedPointer<FloorPlan> plan = m_dialog->plan();
    QVERIFY(plan);
    QCOMPARE(plan->ratio(), 0.02);
    QVERIFY(plan->scene());
    QVERIFY(plan->ownsScene());
    QCOMPARE(plan->elements().size(), 1);
    auto *element = qobject_cast<SelectablePixmapItem *>(plan->elements().at(0));
    QVERIFY(element);
    QCOMPARE(element->scene(), plan->scene());
    QCOMPARE(element->image().convertToFormat(QImage::Format_RGB32), picture);
    // The picture in the plan has its pixel size, so the scale holds on the plan.
    const QRectF shown = element->content()->sceneBoundingRect();
    QCOMPARE(shown.size(), QSizeF(640, 480));

    // The plan outlives the dialog.
    m_dialog.reset();
    QCOMPARE(plan->elements().size(), 1);
}

void TestLoadPlanDialog::unreadablePictureIsRefused()
{
    loadPicture(markedImage(300, 200));
    const QString broken = m_dir->filePath(QStringLiteral("broken.png"));
    TestFiles::writeFile(broken, "not a picture");
    ModalAnswerer answer;
    answer.expect("QFileDialog", chooseFile(broken));
    answer.message(MessageDialog::Ok);
    QTest::mouseClick(button("addImage"), Qt::LeftButton);
    QVERIFY(answer.done());
    QVERIFY(answer.texts().at(0).contains(QStringLiteral("broken.png")));
    QCOMPARE(basePlan()->pixmap().size(), QSize(300, 200));
}

void TestLoadPlanDialog::secondCalibrationAsksFirst()
{
    loadPicture(markedImage(400, 400));
    calibrate(QPoint(100, 100), QPoint(350, 100), 10.0);
    {
        ModalAnswerer answer;
        answer.message(MessageDialog::No);
        QTest::mouseClick(button("measure"), Qt::LeftButton);
        QVERIFY(answer.done());
        QCOMPARE(answer.texts(), QStringList{QStringLiteral("Sie haben schon einen Maßstab festgelegt.\nSoll dieser überschrieben werden?")});
    }
    QCOMPARE(m_dialog->ratio(), 0.02);
    QCOMPARE(view()->measureItems().size(), 4);

    // Yes measures anew: 100 view pixels are 200 scene units.
    calibrate(QPoint(100, 100), QPoint(100, 200), 5.0, 1);
    QCOMPARE(m_dialog->ratio(), 0.025);
}

void TestLoadPlanDialog::zeroMetresIsNotCalibrated()
{
    loadPicture(markedImage(400, 400));
    calibrate(QPoint(100, 100), QPoint(350, 100), 0.0);
    QCOMPARE(m_dialog->ratio(), 0.0);
    ModalAnswerer answer;
    answer.message(0);
    QTest::mouseClick(button("accept"), Qt::LeftButton);
    QCOMPARE(answer.texts(), QStringList{QStringLiteral("Bitte den Plan erst einmessen!")});
    QVERIFY(!m_dialog->plan());
}

void TestLoadPlanDialog::coincidentPointsAreNotCalibrated()
{
    loadPicture(markedImage(400, 400));
    ModalAnswerer answer;
    answer.message(MessageDialog::Ok);
    answer.message(0);
    PointClicker clicker(view(), QPoint(200, 200), QPoint(200, 200), false);
    QTest::mouseClick(button("measure"), Qt::LeftButton);
    QVERIFY2(answer.done(), qPrintable(answer.unexpected().join(QLatin1Char(' '))));
    QVERIFY(answer.texts().at(1).contains(QStringLiteral("fallen zusammen")));
    QCOMPARE(m_dialog->ratio(), 0.0);
    QVERIFY(view()->measureItems().isEmpty());
    QVERIFY(button("accept")->isEnabled());
}

void TestLoadPlanDialog::turningTheBasePlan()
{
    // Turning without a picture only drops the scale.
    QTest::mouseClick(button("rotateLeft"), Qt::LeftButton);
    loadPicture(markedImage(400, 200));
    QGraphicsPixmapItem *base = basePlan();
    QTest::mouseClick(button("rotateLeft"), Qt::LeftButton);
    QCOMPARE(base->rotation(), 270.0);
    QCOMPARE(base->transformOriginPoint(), QPointF(200, 100));
    // A full turn is kept as 360, not as 0.
    QTest::mouseClick(button("rotateRight"), Qt::LeftButton);
    QCOMPARE(base->rotation(), 360.0);
    QTest::mouseClick(button("rotateRight"), Qt::LeftButton);
    QCOMPARE(base->rotation(), 90.0);
    QTest::mouseClick(button("rotateLeft"), Qt::LeftButton);
    QTest::mouseClick(button("rotateLeft"), Qt::LeftButton);
    QCOMPARE(base->rotation(), 270.0);

    calibrate(QPoint(100, 100), QPoint(350, 100), 10.0);
    QCOMPARE(m_dialog->ratio(), 0.02);
    QTest::mouseClick(button("rotateLeft"), Qt::LeftButton);
    QCOMPARE(m_dialog->ratio(), 0.0);
    QVERIFY(view()->measureItems().isEmpty());
    // Zooming keeps a scale.
    calibrate(QPoint(100, 100), QPoint(350, 100), 10.0);
    QTest::mouseClick(button("zoomIn"), Qt::LeftButton);
    QCOMPARE(view()->transform().m11(), 0.5 * 1.15);
    QTest::mouseClick(button("zoomOut"), Qt::LeftButton);
    QCOMPARE(view()->transform().m11(), 0.5);
    QCOMPARE(m_dialog->ratio(), 0.02);
}

void TestLoadPlanDialog::turnedPictureReachesThePlan()
{
    const QImage picture = markedImage(300, 200);
    loadPicture(picture);
    QTest::mouseClick(button("rotateRight"), Qt::LeftButton);
    calibrate(QPoint(100, 100), QPoint(350, 100), 10.0);
    QTest::mouseClick(button("accept"), Qt::LeftButton);
    QVERIFY(m_dialog->plan());
    auto *element = qobject_cast<SelectablePixmapItem *>(m_dialog->plan()->elements().value(0));
    QVERIFY(element);
    const QImage turned = element->image();
    QCOMPARE(turned.size(), QSize(200, 300));
    // Turned clockwise: the top-left mark is now top-right.
    QCOMPARE(QColor(turned.pixel(190, 10)), QColor(Qt::red));
    QCOMPARE(QColor(turned.pixel(10, 10)), QColor(Qt::blue));
}

void TestLoadPlanDialog::closingWhileMeasuringEndsTheWait()
{
    loadPicture(markedImage(400, 400));
    ModalAnswerer answer;
    answer.message(MessageDialog::Ok);
    QTimer closer;
    connect(&closer, &QTimer::timeout, this, [this] {
        if (view()->measureState() == GraphicsView::WaitingForFirstPoint)
            m_dialog->reject();
    });
    closer.start(10);
    QTest::mouseClick(button("measure"), Qt::LeftButton);
    QVERIFY(answer.done());
    QCOMPARE(view()->measureState(), int(GraphicsView::NotMeasuring));
    QCOMPARE(m_dialog->ratio(), 0.0);
    QVERIFY(button("accept")->isEnabled());
}

void TestLoadPlanDialog::pdfFirstPageBecomesTheBasePlan()
{
    const QString pdf = m_dir->filePath(QStringLiteral("Lageplan Straße #1.pdf"));
    writeTwoPagePdf(pdf);
    // The converter's temporary files go to a folder of this test, to see they are gone.
    QTemporaryDir temp;
    const QByteArray oldTemp = qgetenv("TMPDIR");
    qputenv("TMPDIR", QFile::encodeName(temp.path()));
    ModalAnswerer answer;
    answer.expect("QFileDialog", chooseFile(pdf));
    QTest::mouseClick(button("addPdf"), Qt::LeftButton);
    qputenv("TMPDIR", oldTemp);
    QVERIFY2(answer.done(), qPrintable(answer.unexpected().join(QLatin1Char(' '))));
    QVERIFY(QDir(temp.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden).isEmpty());

    QGraphicsPixmapItem *base = basePlan();
    QVERIFY(base);
    const QImage page = base->pixmap().toImage();
    // A4 at the converter's 150 dots per inch.
    QVERIFY2(qAbs(page.width() - 1240) <= 2 && qAbs(page.height() - 1754) <= 2,
             qPrintable(QStringLiteral("%1 x %2").arg(page.width()).arg(page.height())));
    QCOMPARE(qGray(page.pixel(page.width() / 10, page.height() / 10)), 0);
    QCOMPARE(qGray(page.pixel(page.width() * 3 / 4, page.height() * 3 / 4)), 255);
    QCOMPARE(m_dialog->ratio(), 0.0);
}

void TestLoadPlanDialog::missingConverterIsSaid()
{
    const QString pdf = m_dir->filePath(QStringLiteral("plan.pdf"));
    writeTwoPagePdf(pdf);
    const QByteArray oldPath = qgetenv("PATH");
    qputenv("PATH", QFile::encodeName(m_dir->path()));
    ModalAnswerer answer;
    answer.expect("QFileDialog", chooseFile(pdf));
    answer.message(MessageDialog::Ok);
    QTest::mouseClick(button("addPdf"), Qt::LeftButton);
    qputenv("PATH", oldPath);
    QVERIFY(answer.done());
    QVERIFY2(answer.texts().at(0).contains(QStringLiteral("pdftocairo")), qPrintable(answer.texts().at(0)));
    QVERIFY(!basePlan());
}

void TestLoadPlanDialog::converterFailures_data()
{
    QTest::addColumn<QString>("program"); // "<plain file>": a file that is no program
    QTest::addColumn<QString>("reason");
    QTest::newRow("none found") << QString() << QStringLiteral("nicht gefunden");
    QTest::newRow("cannot start") << QStringLiteral("<plain file>") << QStringLiteral("nicht gestartet");
    QTest::newRow("fails") << QStringLiteral("false") << QStringLiteral("Fehler (1)");
    QTest::newRow("writes nothing") << QStringLiteral("true") << QStringLiteral("kein Bild");
}

void TestLoadPlanDialog::converterFailures()
{
    QFETCH(QString, program);
    QFETCH(QString, reason);
    const QString pdf = m_dir->filePath(QStringLiteral("plan.pdf"));
    writeTwoPagePdf(pdf);
    if (program == QLatin1String("<plain file>")) {
        program = m_dir->filePath(QStringLiteral("pdftocairo"));
        TestFiles::writeFile(program, "#!/bin/sh\n"); // not executable
    } else if (!program.isEmpty()) {
        program = QStandardPaths::findExecutable(program);
        QVERIFY(!program.isEmpty());
    }
    // A picture someone left under a shared temporary name is neither shown nor removed.
    QTemporaryDir temp;
    const QString stale = temp.filePath(QStringLiteral("test.png"));
    QVERIFY(markedImage(30, 30).save(stale));
    const QByteArray oldTemp = qgetenv("TMPDIR");
    qputenv("TMPDIR", QFile::encodeName(temp.path()));
    QString error;
    const QImage page = PdfPageConverter::firstPage(pdf, &error, program);
    qputenv("TMPDIR", oldTemp);
    QVERIFY(page.isNull());
    QVERIFY2(error.contains(reason), qPrintable(error));
    QVERIFY(QFile::exists(stale));
    QCOMPARE(QDir(temp.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), QStringList{QStringLiteral("test.png")});
}

QTEST_MAIN(TestLoadPlanDialog)
#include "tst_loadplandialog.moc"
