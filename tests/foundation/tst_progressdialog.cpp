#include "foundation/progressdialog.h"

#include <QLabel>
#include <QProgressBar>
#include <QtTest>

class TestProgressDialog : public QObject
{
    Q_OBJECT

private slots:
    void form();
    void carry_data();
    void carry();
    void totalStopsAtMaximum();
    void hideFineProgress();
};

void TestProgressDialog::form()
{
    ProgressDialog dialog;
    auto *caption = dialog.findChild<QLabel *>("label");
    auto *totalCaption = dialog.findChild<QLabel *>("label_2");
    auto *fine = dialog.findChild<QProgressBar *>("progressBarFine");
    auto *total = dialog.findChild<QProgressBar *>("progressBar");
    QVERIFY(caption && totalCaption && fine && total);

    QCOMPARE(dialog.objectName(), QStringLiteral("ProgressDialog"));
    QCOMPARE(dialog.windowTitle(), QStringLiteral(" "));
    QCOMPARE(caption->text(), QStringLiteral("TextLabel"));
    QCOMPARE(totalCaption->text(), QStringLiteral("Gesamt:"));
    QCOMPARE(dialog.progressBar(), fine);
    QCOMPARE(fine->alignment(), Qt::AlignCenter);
    QCOMPARE(total->alignment(), Qt::AlignCenter);
    // A fresh QProgressBar reports -1; both bars must start at 0.
    QCOMPARE(fine->value(), 0);
    QCOMPARE(total->value(), 0);
    QVERIFY(dialog.windowFlags() & Qt::CustomizeWindowHint);
    QVERIFY(dialog.windowFlags() & Qt::WindowTitleHint);
    QVERIFY(!(dialog.windowFlags() & Qt::WindowCloseButtonHint));

    dialog.setText(QStringLiteral("Kopiere..."));
    QCOMPARE(caption->text(), QStringLiteral("Kopiere..."));
}

// Each step is "f<n>" (the worker sets the item bar to n) or "t<n>" (the caller sets the
// total to n); "totals" holds the total bar after each step.
void TestProgressDialog::carry_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QList<int>>("totals");

    QTest::newRow("increments of the item bar")
        << QStringList{"f10", "f30", "f0", "f20"} << QList<int>{10, 30, 30, 50};
    QTest::newRow("setValue resets the carry")
        << QStringList{"f30", "t5", "f40"} << QList<int>{30, 5, 45};
    QTest::newRow("a restarted item counts from 0")
        << QStringList{"f50", "f0", "f50", "f0", "f25"} << QList<int>{50, 50, 100, 100, 125};
    QTest::newRow("negative item values only become the carry")
        << QStringList{"f-5", "f10"} << QList<int>{0, 15};
}

void TestProgressDialog::carry()
{
    QFETCH(QStringList, steps);
    QFETCH(QList<int>, totals);

    ProgressDialog dialog;
    auto *total = dialog.findChild<QProgressBar *>("progressBar");
    QVERIFY(total);
    dialog.setMaximum(1000);
    dialog.progressBar()->setRange(-100, 1000);

    for (int i = 0; i < steps.size(); ++i) {
        const int n = steps[i].mid(1).toInt();
        if (steps[i].startsWith('f'))
            dialog.progressBar()->setValue(n);
        else
            dialog.setValue(n);
        QCOMPARE(total->value(), totals[i]);
    }
}

void TestProgressDialog::totalStopsAtMaximum()
{
    ProgressDialog dialog;
    auto *total = dialog.findChild<QProgressBar *>("progressBar");
    QVERIFY(total);
    dialog.setMaximum(100);
    dialog.progressBar()->setRange(0, 500);

    dialog.progressBar()->setValue(90);
    QCOMPARE(total->value(), 90);
    // A worker whose units round up overshoots the total; the bar ends full, not stuck at 90.
    dialog.progressBar()->setValue(120);
    QCOMPARE(total->value(), 100);
}

void TestProgressDialog::hideFineProgress()
{
    ProgressDialog dialog;
    dialog.show();
    dialog.hideFineProgress();
    QVERIFY(dialog.findChild<QLabel *>("label")->isVisible());
    QVERIFY(dialog.findChild<QProgressBar *>("progressBar")->isVisible());
    QVERIFY(!dialog.findChild<QLabel *>("label_2")->isVisible());
    QVERIFY(!dialog.findChild<QProgressBar *>("progressBarFine")->isVisible());
}

QTEST_MAIN(TestProgressDialog)
#include "tst_progressdialog.moc"
