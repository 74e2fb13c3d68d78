#include "foundation/inputlistdialog.h"
#include "plan/autoitems.h"
#include "plan/dialogs/createplandialog.h"
#include "plan/floorplan.h"
#include "plan/graphicsscene.h"
#include "plan/graphicsview.h"
#include "plan/selectableboxitem.h"
#include "plan/selectablelineitem.h"
#include "plan/selectablepixmapitem.h"
#include "plan/selectabletextitem.h"
#include "plantestdata.h"
#include "sceneevents.h"
#include "support/formaccess.h"
#include "support/modalanswerer.h"
#include "support/testenv.h"
#include "support/testfiles.h"

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

class TestCreatePlanDialog : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void newElementShowsItsGroups_data();
    void newElementShowsItsGroups();
    void sizeFieldsInMetresReachTheElement_data();
    void sizeFieldsInMetresReachTheElement();
    void thicknessAndFrameReachTheElement();
    void handleResizeShowsTheSize();
    void symbolsAreOfferedInOrder();
    void cancelledChoicesAddNothing();
    void unreadablePictureGivesAnEmptyOne();
    void onlyPicturesTurn();
    void removeAndZoom();
    void newElementIsTheOneSelected();
    void rejectionFreesThePlan_data();
    void rejectionFreesThePlan();
    void acceptHandsOverThePlan();

private:
    template<class T>
    T *child(const char *name) const { return formChild<T>(*m_dialog, name); }
    void click(const char *name) { QTest::mouseClick(child<QPushButton>(name), Qt::LeftButton); }
    GraphicsScene *scene() const { return child<GraphicsView>("graphicsView")->graphicsScene(); }
    SelectableItem *selected() const { return scene()->selectedElement(); }
    // Selects the element as a click on it does.
    static void select(SelectableItem *element)
    {
        element->setSelected(true);
        emit element->selected();
    }
    QList<bool> groupsShown() const;
    // Adds an element of the kind: "line", "rect", "text", "image" (a 300 x 200 picture) or
    // "symbol" (the shower); returns it.
    SelectableItem *add(const QString &kind);
    QString pictureFile(int width, int height);
    // Types the number into the spin box as a user does, in the box's locale.
    void type(QDoubleSpinBox *box, const QString &number);

    QScopedPointer<TestEnvironment> m_environment;
    QScopedPointer<QTemporaryDir> m_dir;
    QScopedPointer<CreatePlanDialog> m_dialog;
};

void TestCreatePlanDialog::initTestCase()
{
    m_environment.reset(new TestEnvironment);
}

void TestCreatePlanDialog::init()
{
    m_dir.reset(new QTemporaryDir);
    m_dialog.reset(new CreatePlanDialog);
    m_dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_dialog.data()));
}

void TestCreatePlanDialog::cleanup()
{
    m_dialog.reset();
}

QList<bool> TestCreatePlanDialog::groupsShown() const
{
    QList<bool> shown;
    for (const char *name : {"frameWidget", "thicknessWidget", "lengthWidget", "widthWidget"})
        shown << !child<QWidget>(name)->isHidden();
    return shown;
}

QString TestCreatePlanDialog::pictureFile(int width, int height)
{
    const QString path = m_dir->filePath(QStringLiteral("picture %1x%2.png").arg(width).arg(height));
    if (!markedImage(width, height).save(path))
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

SelectableItem *TestCreatePlanDialog::add(const QString &kind)
{
    ModalAnswerer answer;
    if (kind == QLatin1String("image"))
        answer.expect("QFileDialog", chooseFile(pictureFile(300, 200)));
    if (kind == QLatin1String("symbol")) {
        answer.expect("InputListDialog", [](QWidget *w) {
            auto *list = formChild<QListWidget>(*w, "listWidget");
            list->setCurrentItem(list->findItems(QStringLiteral("Dusche"), Qt::MatchExactly).value(0));
            static_cast<QDialog *>(w)->accept();
        });
    }
    const int before = m_dialog->plan()->elements().size();
    const QString button = kind == QLatin1String("line") ? QStringLiteral("addLine")
                           : kind == QLatin1String("rect") ? QStringLiteral("addRect")
                           : kind == QLatin1String("text") ? QStringLiteral("addText")
                           : kind == QLatin1String("image") ? QStringLiteral("addImage")
                                                            : QStringLiteral("addObject");
    QTest::mouseClick(child<QPushButton>(qPrintable(button)), Qt::LeftButton);
    if (!answer.done())
        qWarning() << "unanswered:" << answer.pending() << answer.unexpected();
    const QList<SelectableItem *> elements = m_dialog->plan()->elements();
    return elements.size() == before + 1 ? elements.constLast() : nullptr;
}

void TestCreatePlanDialog::type(QDoubleSpinBox *box, const QString &number)
{
    box->setFocus();
    box->selectAll();
    QString text = number;
    text.replace(QLatin1Char('.'), box->locale().decimalPoint());
    QTest::keyClicks(box, text);
}

void TestCreatePlanDialog::newElementShowsItsGroups_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QList<bool>>("shown"); // frame, thickness, length, width
    QTest::addColumn<int>("thickness");
    QTest::addColumn<double>("length");
    QTest::addColumn<double>("width");
    QTest::addColumn<bool>("frame");
    // A line's size is its length by 0: the width field shows its minimum.
    QTest::newRow("line") << "line" << QList<bool>{false, true, true, false} << 20 << 2.0 << 0.1 << false;
    QTest::newRow("rectangle") << "rect" << QList<bool>{false, true, true, true} << 30 << 10.0 << 10.0 << true;
    QTest::newRow("text") << "text" << QList<bool>{true, false, true, true} << 1 << 0.93 << 0.93 << false;
    QTest::newRow("picture") << "image" << QList<bool>{true, false, true, true} << 1 << 2.93 << 1.93 << false;
    QTest::newRow("symbol") << "symbol" << QList<bool>{true, false, true, true} << 1 << 2.49 << 2.49 << false;
}

void TestCreatePlanDialog::newElementShowsItsGroups()
{
    QFETCH(QString, kind);
    QFETCH(QList<bool>, shown);
    QFETCH(int, thickness);
    QFETCH(double, length);
    QFETCH(double, width);
    QFETCH(bool, frame);
    QCOMPARE(groupsShown(), (QList<bool>{false, false, false, false}));
    SelectableItem *element = add(kind);
    QVERIFY(element);
    QCOMPARE(selected(), element);
    QCOMPARE(groupsShown(), shown);
    QCOMPARE(child<QSpinBox>("lineThickness")->value(), thickness);
    QCOMPARE(element->thickness(), double(thickness));
    QCOMPARE(child<QDoubleSpinBox>("width")->value(), length);
    QCOMPARE(child<QDoubleSpinBox>("height")->value(), width);
    QCOMPARE(child<QCheckBox>("frame")->isChecked(), frame);
}

void TestCreatePlanDialog::sizeFieldsInMetresReachTheElement_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("line") << "line";
    QTest::newRow("rectangle") << "rect";
    QTest::newRow("text") << "text";
    QTest::newRow("picture") << "image";
}

void TestCreatePlanDialog::sizeFieldsInMetresReachTheElement()
{
    QFETCH(QString, kind);
    SelectableItem *element = add(kind);
    QVERIFY(element);
    auto *length = child<QDoubleSpinBox>("width");
    auto *width = child<QDoubleSpinBox>("height");
    type(length, QStringLiteral("2.5"));
    QCOMPARE(length->value(), 2.5);
    if (auto *line = qobject_cast<SelectableLineItem *>(element)) {
        QCOMPARE(line->end(), QPointF(250, 0));
        return;
    }
    auto *box = qobject_cast<SelectableBoxItem *>(element);
    QVERIFY(box);
    QCOMPARE(box->size().width(), 250.0);
    type(width, QStringLiteral("3.75"));
    QCOMPARE(width->value(), 3.75);
    QCOMPARE(box->size(), QSizeF(250, 375));
    QCOMPARE(box->outerSize(), QSizeF(257, 382));
}

void TestCreatePlanDialog::thicknessAndFrameReachTheElement()
{
    SelectableItem *line = add(QStringLiteral("line"));
    child<QSpinBox>("lineThickness")->setValue(45);
    QCOMPARE(line->thickness(), 45.0);

    auto *text = qobject_cast<SelectableTextItem *>(add(QStringLiteral("text")));
    QVERIFY(text);
    QCOMPARE(text->showBox(), 1);
    child<QCheckBox>("frame")->setChecked(true);
    QCOMPARE(text->showBox(), 0);
    QCOMPARE(text->drawBox(), 0);
    child<QCheckBox>("frame")->setChecked(false);
    QCOMPARE(text->showBox(), 1);
    QCOMPARE(text->drawBox(), 1);
    // The line kept its thickness while the text was shown.
    QCOMPARE(line->thickness(), 45.0);
}

void TestCreatePlanDialog::handleResizeShowsTheSize()
{
    auto *box = qobject_cast<SelectableBoxItem *>(add(QStringLiteral("rect")));
    QVERIFY(box);
    // A resize the dialog did not start (a handle drag) reaches the fields too.
    box->setWidth(420);
    QCOMPARE(child<QDoubleSpinBox>("width")->value(), 4.2);
    box->setHeight(5);
    QCOMPARE(child<QDoubleSpinBox>("height")->value(), 0.1);
    QCOMPARE(box->size(), QSizeF(420, 5));
}

void TestCreatePlanDialog::symbolsAreOfferedInOrder()
{
    QStringList offered;
    QString title;
    ModalAnswerer answer;
    answer.expect("InputListDialog", [&](QWidget *w) {
        title = w->windowTitle();
        auto *list = formChild<QListWidget>(*w, "listWidget");
        for (int i = 0; i < list->count(); ++i)
            offered << list->item(i)->text();
        list->setCurrentRow(offered.indexOf(QStringLiteral("WC")));
        static_cast<QDialog *>(w)->accept();
    });
    click("addObject");
    QVERIFY(answer.done());
    QCOMPARE(title, QStringLiteral("neues Objekt einfügen"));
    QCOMPARE(offered, (QStringList{QStringLiteral("Badewanne"), QStringLiteral("Dusche"), QStringLiteral("Urinal"),
                                   QStringLiteral("WC"), QStringLiteral("Waschbecken")}));
    auto *symbol = qobject_cast<SelectablePixmapItem *>(selected());
    QVERIFY(symbol);
    // 256 pixels: 2.56 m square.
    QCOMPARE(symbol->outerSize(), QSizeF(256, 256));
    QCOMPARE(symbol->image(), QImage(QStringLiteral(":/images/toilette.png")));

    for (const char *name : {"toilette", "basin", "shower", "bath", "urinal"}) {
        const QImage image(QStringLiteral(":/images/%1.png").arg(QLatin1String(name)));
        QCOMPARE(image.size(), QSize(256, 256));
    }
}

void TestCreatePlanDialog::cancelledChoicesAddNothing()
{
    ModalAnswerer answer;
    answer.reject("QFileDialog");
    answer.reject("InputListDialog");
    click("addImage");
    click("addObject");
    QVERIFY(answer.done());
    QVERIFY(m_dialog->plan()->elements().isEmpty());
    QCOMPARE(groupsShown(), (QList<bool>{false, false, false, false}));
}

void TestCreatePlanDialog::unreadablePictureGivesAnEmptyOne()
{
    const QString broken = m_dir->filePath(QStringLiteral("broken.png"));
    TestFiles::writeFile(broken, "not a picture");
    ModalAnswerer answer;
    answer.expect("QFileDialog", chooseFile(broken));
    click("addImage");
    QVERIFY(answer.done());
    auto *picture = qobject_cast<SelectablePixmapItem *>(selected());
    QVERIFY(picture);
    QVERIFY(picture->image().isNull());
}

void TestCreatePlanDialog::onlyPicturesTurn()
{
    auto *line = qobject_cast<SelectableLineItem *>(add(QStringLiteral("line")));
    auto *rect = qobject_cast<SelectableBoxItem *>(add(QStringLiteral("rect")));
    auto *text = qobject_cast<SelectableTextItem *>(add(QStringLiteral("text")));
    auto *picture = qobject_cast<SelectablePixmapItem *>(add(QStringLiteral("image")));
    QVERIFY(line && rect && text && picture);
    const QString html = text->html();
    for (SelectableItem *element : QList<SelectableItem *>{line, rect, text, picture}) {
        select(element);
        click("rotateRight");
    }
    QCOMPARE(line->end(), QPointF(200, 0));
    QCOMPARE(rect->outerSize(), QSizeF(1007, 1007));
    QCOMPARE(text->outerSize(), QSizeF(100, 100));
    QCOMPARE(text->html(), html);
    QCOMPARE(picture->outerSize(), QSizeF(200, 300));
    QCOMPARE(picture->image().size(), QSize(200, 300));
    click("rotateLeft");
    QCOMPARE(picture->image().convertToFormat(QImage::Format_RGB32), markedImage(300, 200));
}

void TestCreatePlanDialog::removeAndZoom()
{
    SelectableItem *line = add(QStringLiteral("line"));
    SelectableItem *rect = add(QStringLiteral("rect"));
    const QPointer<SelectableItem> removed(rect);
    click("remove");
    QVERIFY(!removed);
    QCOMPARE(m_dialog->plan()->elements(), QList<SelectableItem *>{line});
    QVERIFY(!selected());
    QCOMPARE(groupsShown(), (QList<bool>{false, false, false, false}));
    // Nothing selected: the editing commands leave everything alone.
    click("remove");
    click("rotateLeft");
    QCOMPARE(m_dialog->plan()->elements().size(), 1);

    GraphicsView *view = child<GraphicsView>("graphicsView");
    const double scale = view->transform().m11();
    click("zoomIn");
    QCOMPARE(view->transform().m11(), scale * 1.15);
    click("zoomOut");
    QCOMPARE(view->transform().m11(), scale);
}

// A new element sits in the middle of the view and is the only one marked, as after a click.
void TestCreatePlanDialog::newElementIsTheOneSelected()
{
    // The first rectangle brings up its groups, which may change the view's size.
    SelectableItem *first = add(QStringLiteral("rect"));
    QCoreApplication::processEvents();
    GraphicsView *view = child<GraphicsView>("graphicsView");
    const QPointF centre = view->mapToScene(QPoint(view->width() / 2, view->height() / 2));
    SelectableItem *rect = add(QStringLiteral("rect"));
    QVERIFY((rect->sceneBoundingRect().center() - centre).manhattanLength() < 1);
    QVERIFY(rect->selectedFlag());
    QVERIFY(!first->selectedFlag());
    SelectableItem *text = add(QStringLiteral("text"));
    QVERIFY(text->selectedFlag());
    QVERIFY(!rect->selectedFlag());
    // A click on the rectangle's frame selects it again and shows its groups.
    const QPointF edge = rect->mapToScene(QPointF(rect->boundingRect().left() + 3.5, rect->boundingRect().center().y()));
    SceneEvents::press(scene(), edge);
    SceneEvents::release(scene(), edge);
    QCOMPARE(selected(), rect);
    QVERIFY(!text->selectedFlag());
    QCOMPARE(groupsShown(), (QList<bool>{false, true, true, true}));
}

void TestCreatePlanDialog::rejectionFreesThePlan_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("Abbrechen") << "cancel";
    QTest::newRow("Escape") << "escape";
    QTest::newRow("window's close button") << "close";
}

void TestCreatePlanDialog::rejectionFreesThePlan()
{
    QFETCH(QString, how);
    m_dialog->hide();
    const QPointer<FloorPlan> plan(m_dialog->plan().data());
    const QPointer<SelectableItem> line(add(QStringLiteral("line")));
    QVERIFY(line);
    QTimer::singleShot(0, m_dialog.data(), [this, how] {
        if (how == QLatin1String("cancel"))
            click("cancel");
        else if (how == QLatin1String("escape"))
            QTest::keyClick(m_dialog.data(), Qt::Key_Escape);
        else
            m_dialog->close();
    });
    QCOMPARE(m_dialog->exec(), int(QDialog::Rejected));
    QVERIFY(!m_dialog->plan());
    QVERIFY(!plan);
    QVERIFY(!line);
    // The view keeps its scene, now empty of plan elements.
    QVERIFY(scene());
    QCOMPARE(child<GraphicsView>("graphicsView")->scene(), scene());
}

void TestCreatePlanDialog::acceptHandsOverThePlan()
{
    m_dialog->hide();
    add(QStringLiteral("line"));
    add(QStringLiteral("rect"));
    add(QStringLiteral("text"));
    add(QStringLiteral("symbol"));
    QTimer::singleShot(0, m_dialog.data(), [this] { click("accept"); });
    QCOMPARE(m_dialog->exec(), int(QDialog::Accepted));

    const QSharedPointer<FloorPlan> plan = m_dialog->plan();
    QVERIFY(plan);
    QCOMPARE(plan->ratio(), 0.01);
    const QList<SelectableItem *> elements = plan->elements();
    QCOMPARE(elements.size(), 4);
    for (SelectableItem *element : elements) {
        QVERIFY(!element->selectedFlag());
        QCOMPARE(element->scene(), plan->scene());
    }
    QVERIFY(!plan->scene()->selectedElement());
    // The scene left the view and went with the plan.
    QPointer<GraphicsScene> planScene(plan->scene());
    QVERIFY(!child<GraphicsView>("graphicsView")->scene());
    QVERIFY(!planScene->parent());
    QVERIFY(plan->ownsScene());
    QCOMPARE(groupsShown(), (QList<bool>{false, false, false, false}));

    m_dialog.reset();
    QVERIFY(planScene);
    QCOMPARE(plan->elements().size(), 4);
    QCOMPARE(planScene->items().contains(elements.at(0)), true);
}

QTEST_MAIN(TestCreatePlanDialog)
#include "tst_createplandialog.moc"
