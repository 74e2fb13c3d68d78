#include "foundation/buttonwidget.h"
#include "foundation/toolbox.h"

#include <QDoubleSpinBox>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <QtTest>

namespace {

ButtonWidget *header(ToolBox &box, const QString &title)
{
    for (ButtonWidget *w : box.findChildren<ButtonWidget *>()) {
        if (w->text() == title)
            return w;
    }
    return nullptr;
}

QPushButton *headerButton(ToolBox &box, const QString &title)
{
    ButtonWidget *w = header(box, title);
    return w ? w->findChild<QPushButton *>("mainButton") : nullptr;
}

// The main window's kind of panel: fixed sections, single buttons, a number field.
void fillPanel(ToolBox &box)
{
    box.addSection(QStringLiteral("Projekte"), {"Öffnen", "Neu"});
    box.addSection(QStringLiteral("Extras"), {"Neu", "Info"});
    box.addButton(QStringLiteral("Neu"));
    box.addButton(QStringLiteral("Schließen"));
    box.addSpinBox(QStringLiteral("Ausrichtung"), 0, 359.99);
    box.addStretch();
}

QStringList emitted(const QSignalSpy &spy)
{
    QStringList keys;
    for (const QList<QVariant> &args : spy)
        keys << args.at(0).toString();
    return keys;
}

} // namespace

class TestToolBox : public QObject
{
    Q_OBJECT

private slots:
    void keys_data();
    void keys();
    void numberField();
    void nonNumberKeys();
    void sameButtonTwice();
    void elementAccess();
    void headerForm();
    void fixedSections();
    void collapsibleSections();
};

void TestToolBox::keys_data()
{
    QTest::addColumn<QString>("key");
    QTest::newRow("section item") << "Projekte_Öffnen";
    QTest::newRow("same item in one section") << "Projekte_Neu";
    QTest::newRow("same item in another section") << "Extras_Neu";
    QTest::newRow("single button named like an item") << "Neu";
    QTest::newRow("single button") << "Schließen";
}

void TestToolBox::keys()
{
    QFETCH(QString, key);
    ToolBox box;
    fillPanel(box);
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    QSignalSpy spy(&box, &ToolBox::clicked);

    QPushButton *b = box.button(key);
    QVERIFY(b);
    QVERIFY(b->isVisible());
    QTest::mouseClick(b, Qt::LeftButton);
    QCOMPARE(emitted(spy), QStringList{key});
}

void TestToolBox::numberField()
{
    ToolBox box;
    fillPanel(box);
    box.show();
    QSignalSpy spy(&box, &ToolBox::clicked);

    auto *field = box.findChild<QDoubleSpinBox *>();
    QVERIFY(field);
    QCOMPARE(field->minimum(), 0.0);
    QCOMPARE(field->maximum(), 359.99);
    bool captioned = false;
    for (QLabel *l : box.findChildren<QLabel *>())
        captioned = captioned || l->text() == QLatin1String("Ausrichtung");
    QVERIFY(captioned);

    // Every change emits the caption, also one made by the owner.
    box.setValue(QStringLiteral("Ausrichtung"), 10);
    QCOMPARE(box.value(QStringLiteral("Ausrichtung")), 10.0);
    QCOMPARE(emitted(spy), QStringList{"Ausrichtung"});
    field->stepUp();
    QCOMPARE(emitted(spy), (QStringList{"Ausrichtung", "Ausrichtung"}));
    box.setValue(QStringLiteral("Ausrichtung"), 500);
    QCOMPARE(box.value(QStringLiteral("Ausrichtung")), 359.99);
}

void TestToolBox::nonNumberKeys()
{
    ToolBox box;
    fillPanel(box);
    box.setValue(QStringLiteral("Ausrichtung"), 42);
    QSignalSpy spy(&box, &ToolBox::clicked);

    for (const QString key : {"Projekte", "Projekte_Neu", "Schließen", "unbekannt", ""}) {
        QCOMPARE(box.value(key), 0.0);
        box.setValue(key, 7);
    }
    QCOMPARE(spy.count(), 0);
    QCOMPARE(box.value(QStringLiteral("Ausrichtung")), 42.0);
}

void TestToolBox::sameButtonTwice()
{
    ToolBox box;
    box.addButton(QStringLiteral("X"));
    box.addButton(QStringLiteral("X"));
    box.show();
    QSignalSpy spy(&box, &ToolBox::clicked);

    const QList<QPushButton *> buttons = box.findChildren<QPushButton *>();
    QCOMPARE(buttons.size(), 2);
    QCOMPARE(box.button(QStringLiteral("X")), buttons.at(1));
    QTest::mouseClick(buttons.at(0), Qt::LeftButton);
    QTest::mouseClick(buttons.at(1), Qt::LeftButton);
    QCOMPARE(emitted(spy), (QStringList{"X", "X"}));
}

void TestToolBox::elementAccess()
{
    ToolBox box;
    fillPanel(box);
    box.show();
    QSignalSpy spy(&box, &ToolBox::clicked);

    // A section header is no push button.
    QVERIFY(!box.button(QStringLiteral("Projekte")));
    QVERIFY(!box.button(QStringLiteral("Ausrichtung")));
    QVERIFY(!box.button(QStringLiteral("unbekannt")));
    QVERIFY(!box.isChecked(QStringLiteral("Projekte")));
    box.setChecked(QStringLiteral("Projekte"), false);
    QVERIFY(header(box, QStringLiteral("Projekte"))->isExpanded());
    box.setText(QStringLiteral("Projekte"), QStringLiteral("anders"));
    QCOMPARE(header(box, QStringLiteral("Projekte"))->text(), QStringLiteral("Projekte"));

    // Checking by key emits nothing; a re-captioned button keeps its key.
    box.setCheckable(QStringLiteral("Extras_Info"), true);
    box.setChecked(QStringLiteral("Extras_Info"), true);
    QVERIFY(box.isChecked(QStringLiteral("Extras_Info")));
    box.setText(QStringLiteral("Extras_Info"), QStringLiteral("3D"));
    QCOMPARE(box.button(QStringLiteral("Extras_Info"))->text(), QStringLiteral("3D"));
    QCOMPARE(spy.count(), 0);
    QTest::mouseClick(box.button(QStringLiteral("Extras_Info")), Qt::LeftButton);
    QCOMPARE(emitted(spy), QStringList{"Extras_Info"});
    QVERIFY(!box.isChecked(QStringLiteral("Extras_Info")));

    // A section key reaches the whole section.
    box.setEnabled(QStringLiteral("Projekte"), false);
    QVERIFY(!box.button(QStringLiteral("Projekte_Öffnen"))->isEnabled());
    QVERIFY(box.button(QStringLiteral("Extras_Neu"))->isEnabled());
    box.setEnabled(QStringLiteral("Projekte"), true);
    QVERIFY(box.button(QStringLiteral("Projekte_Öffnen"))->isEnabled());
    box.setVisible(QStringLiteral("Extras"), false);
    QVERIFY(!header(box, QStringLiteral("Extras"))->isVisible());
    QVERIFY(!box.button(QStringLiteral("Extras_Neu"))->isVisible());
    box.setVisible(QStringLiteral("Extras"), true);
    QVERIFY(box.button(QStringLiteral("Extras_Neu"))->isVisible());

    box.setEnabled(QStringLiteral("Ausrichtung"), false);
    QVERIFY(!box.findChild<QDoubleSpinBox *>()->isEnabled());
    box.setVisible(QStringLiteral("Schließen"), false);
    QVERIFY(!box.button(QStringLiteral("Schließen"))->isVisible());

    // Unknown keys change nothing.
    const int visible = box.findChildren<QWidget *>().size();
    box.setEnabled(QStringLiteral("unbekannt"), false);
    box.setVisible(QStringLiteral("unbekannt"), false);
    box.setChecked(QStringLiteral("unbekannt"), true);
    QVERIFY(!box.isChecked(QStringLiteral("unbekannt")));
    QVERIFY(box.isEnabled() && box.isVisible());
    QCOMPARE(box.findChildren<QWidget *>().size(), visible);
}

void TestToolBox::headerForm()
{
    ButtonWidget w(true);
    w.setText(QStringLiteral("Anlegen"));
    auto *mainButton = w.findChild<QPushButton *>("mainButton");
    auto *frame = w.findChild<QFrame *>("frame");
    QVERIFY(mainButton && frame);
    QCOMPARE(w.objectName(), QStringLiteral("ButtonWidget"));
    QCOMPARE(w.windowTitle(), QStringLiteral("Form"));
    QCOMPARE(mainButton->text(), QStringLiteral("Anlegen"));
    QVERIFY(mainButton->isCheckable());
    QVERIFY(!mainButton->isChecked());
    QCOMPARE(mainButton->focusPolicy(), Qt::NoFocus);
    QCOMPARE(w.box(), frame);
    QCOMPARE(frame->frameShape(), QFrame::StyledPanel);
    QCOMPARE(frame->frameShadow(), QFrame::Raised);
    QVERIFY(frame->isHidden());

    // Closed, only the header shows; open, the box below it too.
    auto *layout = new QVBoxLayout(w.box());
    layout->addWidget(new QPushButton(QStringLiteral("eins")));
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QCOMPARE(w.height(), mainButton->height());
    QSignalSpy activated(&w, &ButtonWidget::activate);
    w.setExpanded(true);
    QCOMPARE(activated.count(), 1);
    QVERIFY(mainButton->isChecked());
    QVERIFY(frame->isVisible());
    w.adjustSize();
    QVERIFY(w.height() > mainButton->height());
    w.setExpanded(false);
    QCOMPARE(activated.count(), 1);
    QVERIFY(!mainButton->isChecked());
    QVERIFY(!frame->isVisible());
    w.adjustSize();
    QCOMPARE(w.height(), mainButton->height());
}

void TestToolBox::fixedSections()
{
    ToolBox box;
    fillPanel(box);
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    QSignalSpy spy(&box, &ToolBox::clicked);

    for (const QString title : {"Projekte", "Extras"}) {
        QVERIFY(header(box, title)->isExpanded());
        // A fixed section cannot be closed by its header, and a header emits no key.
        QTest::mouseClick(headerButton(box, title), Qt::LeftButton);
        QVERIFY(header(box, title)->isExpanded());
        QVERIFY(headerButton(box, title)->isChecked());
        QVERIFY(header(box, title)->box()->isVisible());
    }
    QCOMPARE(spy.count(), 0);
}

void TestToolBox::collapsibleSections()
{
    ToolBox box;
    box.addSection(QStringLiteral("A"), {"1"}, true);
    box.addSection(QStringLiteral("B"), {"1"}, true);
    box.addSection(QStringLiteral("C"), {"1"}, true);
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    QSignalSpy spy(&box, &ToolBox::clicked);
    const auto openOnes = [&box] {
        QString open;
        for (const QString title : {"A", "B", "C"}) {
            if (header(box, title)->isExpanded())
                open += title;
        }
        return open;
    };

    // The first section added is open from the start.
    QCOMPARE(openOnes(), QStringLiteral("A"));
    QTest::mouseClick(headerButton(box, QStringLiteral("B")), Qt::LeftButton);
    QCOMPARE(openOnes(), QStringLiteral("B"));
    QVERIFY(box.button(QStringLiteral("B_1"))->isVisible());
    QVERIFY(!box.button(QStringLiteral("A_1"))->isVisible());
    QTest::mouseClick(headerButton(box, QStringLiteral("B")), Qt::LeftButton);
    QCOMPARE(openOnes(), QString());
    QTest::mouseClick(headerButton(box, QStringLiteral("C")), Qt::LeftButton);
    QCOMPARE(openOnes(), QStringLiteral("C"));

    // Showing a collapsible section by key opens it and closes the open one.
    box.setVisible(QStringLiteral("A"), true);
    QCOMPARE(openOnes(), QStringLiteral("A"));
    box.setVisible(QStringLiteral("A"), false);
    QVERIFY(!header(box, QStringLiteral("A"))->isVisible());
    QCOMPARE(openOnes(), QString());
    QCOMPARE(spy.count(), 0);

    // A fixed section added later does not take part.
    box.addSection(QStringLiteral("D"), {"1"});
    QTest::mouseClick(headerButton(box, QStringLiteral("B")), Qt::LeftButton);
    QCOMPARE(openOnes(), QStringLiteral("B"));
    QVERIFY(header(box, QStringLiteral("D"))->isExpanded());
}

QTEST_MAIN(TestToolBox)
#include "tst_toolbox.moc"
