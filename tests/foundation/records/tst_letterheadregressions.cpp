#include "foundation/records/printelement.h"

#include <QDir>
#include <QGraphicsScene>
#include <QImage>
#include <QPainter>
#include <QtTest>

// Letterhead bytes that once crashed, hung or misread; each is read, painted and written again.
class TestLetterheadRegressions : public QObject
{
    Q_OBJECT

private slots:
    void inputs_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("valid");
        // Expected validity by name prefix: "bad-" and "far-" inputs must be refused.
        const QDir dir(QStringLiteral(ZZ_TEST_SOURCE_DIR "/regressions/letterhead"));
        const QStringList names = dir.entryList(QDir::Files, QDir::Name);
        QVERIFY(!names.isEmpty());
        for (const QString &name : names) {
            const bool valid = !name.startsWith(QLatin1String("bad-")) && !name.startsWith(QLatin1String("far-"));
            QTest::newRow(qPrintable(name)) << dir.filePath(name) << valid;
        }
    }
    void inputs()
    {
        QFETCH(QString, path);
        QFETCH(bool, valid);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        PrintElement element;
        QCOMPARE(element.fromByteArray(file.readAll()), valid);
        QImage image(64, 64, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::white);
        {
            QPainter painter(&image);
            element.paint(&painter);
        }
        QGraphicsScene scene;
        element.toGraphicsItems(&scene);
        PrintElement again;
        QVERIFY(again.fromByteArray(element.toByteArray()));
        QCOMPARE(again.toByteArray(), element.toByteArray());
    }
};

QTEST_MAIN(TestLetterheadRegressions)
#include "tst_letterheadregressions.moc"
