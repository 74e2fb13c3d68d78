// The check that finds cut texts in the forms, on small forms that cut one text or give it room.
#include "support/textfit.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTableWidget>
#include <QtTest>

#include <functional>
#include <memory>

Q_DECLARE_METATYPE(std::function<void(QWidget *)>)

namespace {

const QString kLong = QStringLiteral("Projektverzeichnis wählen");

} // namespace

class TestTextFit : public QObject
{
    Q_OBJECT

private slots:
    void findsCutTexts_data()
    {
        QTest::addColumn<std::function<void(QWidget *)>>("build");
        QTest::addColumn<QString>("reported"); // the start of the one report, empty for none
        const auto add = [](const char *name, std::function<void(QWidget *)> build, const char *reported) {
            QTest::newRow(name) << build << QString::fromUtf8(reported);
        };
        add("label with room", [](QWidget *form) { (new QLabel(kLong, form))->adjustSize(); }, "");
        add("label too narrow", [](QWidget *form) { (new QLabel(kLong, form))->setFixedWidth(60); },
            "QLabel \"\" text \"Projektverzeichnis wählen\": needs");
        add("rich label too narrow", [](QWidget *form) {
            (new QLabel(QStringLiteral("<b>") + kLong + QStringLiteral("</b>"), form))->setFixedWidth(60);
        }, "QLabel \"\" text \"<b>");
        add("wrapped label too low", [](QWidget *form) {
            auto *label = new QLabel(kLong + QLatin1Char(' ') + kLong, form);
            label->setWordWrap(true);
            label->setFixedSize(80, 20);
        }, "QLabel");
        add("button with room", [](QWidget *form) { (new QPushButton(kLong, form))->adjustSize(); }, "");
        add("button too narrow", [](QWidget *form) {
            auto *button = new QPushButton(QStringLiteral("FOTO"), form);
            button->setObjectName(QStringLiteral("foto"));
            button->setFixedWidth(35);
        }, "QPushButton \"foto\" text \"FOTO\"");
        add("check box too narrow", [](QWidget *form) { (new QCheckBox(kLong, form))->setFixedWidth(70); },
            "QCheckBox");
        add("group box title under its field", [](QWidget *form) {
            auto *box = new QGroupBox(QStringLiteral("Projektverzeichnis"), form);
            box->setObjectName(QStringLiteral("projectBox"));
            box->resize(300, 80);
            (new QLineEdit(box))->setGeometry(0, 0, 300, 30);
        }, "QGroupBox \"projectBox\" title \"Projektverzeichnis\": lies under QLineEdit");
        add("group box title with room", [](QWidget *form) {
            auto *box = new QGroupBox(QStringLiteral("Projektverzeichnis"), form);
            auto *layout = new QHBoxLayout(box);
            layout->addWidget(new QLineEdit(box));
            box->resize(300, 80);
        }, "");
        add("header section too narrow", [](QWidget *form) {
            auto *table = new QTableWidget(1, 2, form);
            table->setHorizontalHeaderLabels({QStringLiteral("Entfernung"), QStringLiteral("Code")});
            table->setColumnWidth(0, 30);
            table->resize(300, 100);
        }, "QHeaderView \"\" section \"Entfernung\"");
        add("header sections with room", [](QWidget *form) {
            auto *table = new QTableWidget(1, 2, form);
            table->setHorizontalHeaderLabels({QStringLiteral("Entfernung"), QStringLiteral("Code")});
            table->setColumnWidth(0, 150);
            table->resize(400, 100);
        }, "");
        // Sized for the normal weight, drawn bold once selected: the last letters go.
        add("tab sized without the bold font", [](QWidget *form) {
            auto *bar = new QTabBar(form);
            bar->setStyleSheet(QStringLiteral("QTabBar::tab { padding: 0px; border: none; }"));
            bar->addTab(QStringLiteral("Untersuchungen"));
            bar->addTab(QStringLiteral("Feststellungen"));
            bar->adjustSize();
        }, "QTabBar \"\" tab \"Untersuchungen\"");
        add("tabs with room", [](QWidget *form) {
            auto *bar = new QTabBar(form);
            bar->setStyleSheet(QStringLiteral("QTabBar { font-weight: bold; }"));
            bar->addTab(QStringLiteral("Untersuchungen"));
            bar->addTab(QStringLiteral("Feststellungen"));
            bar->adjustSize();
        }, "");
    }
    void findsCutTexts()
    {
        QFETCH(std::function<void(QWidget *)>, build);
        QFETCH(QString, reported);
        QWidget form;
        form.resize(500, 300);
        build(&form);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        const QStringList found = TextFit::clippedTexts(&form);
        if (reported.isEmpty()) {
            QVERIFY2(found.isEmpty(), qPrintable(found.join(QLatin1Char('\n'))));
        } else {
            QVERIFY2(found.size() >= 1, "nothing reported");
            QVERIFY2(found.first().startsWith(reported), qPrintable(found.join(QLatin1Char('\n'))));
        }
    }
};

QTEST_MAIN(TestTextFit)
#include "tst_textfit.moc"
