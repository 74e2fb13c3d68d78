#pragma once

#include "support/model/inspections.h"
#include "support/model/observations.h"
#include "project/project.h"

#include <QColor>
#include <QDir>
#include <QImage>
#include <QString>
#include <QtTest>

// A project for the report tests: folder "<root>/<name>" with two inspections of different
// standards, each with observations and two photos, opened once so that its "project.xml" exists. "H1.xml" is EN 13508-2 (section "Nord 1",
// client "Stadt Nord"), "H2.lh" ISYBAU 2001 (section "Süd 2"). Returns the "project.xml" path.
namespace PrintFixture {

inline void writePhoto(const QString &path, const QColor &color)
{
    QImage image(160, 128, QImage::Format_RGB32);
    image.fill(color);
    QVERIFY(image.save(path, "JPG"));
}

inline void saveInspection(const QString &projectFolder, int normKind, const QString &fileName,
                           const QString &section, const QString &client, const QColor &photoColor)
{
    const QString base = fileName.left(fileName.lastIndexOf(QLatin1Char('.')));
    const QString sub = projectFolder + QLatin1Char('/') + base;
    QVERIFY(QDir().mkpath(sub));
    auto inspection = makeInspection(normKind);
    inspection->setFolder(sub);
    inspection->setFileName(fileName);
    InspectionHeader &h = inspection->mutableMainData();
    h.sectionName = section;
    h.client = client;
    h.town = QStringLiteral("Musterstadt");
    h.street = QStringLiteral("Hauptstraße");
    h.startNode = QStringLiteral("S1");
    h.endNode = QStringLiteral("S2");
    h.inspectionLength = 20;
    h.date = QDate(2024, 5, 6);
    ObservationRecord first = observation(3.5, normKind == NormEN135082 ? QStringLiteral("BAB") : QStringLiteral("RL"));
    first.videoTime = QTime(0, 1, 5);
    // Photos are named as the capture names them, which the fixed-column files rely on.
    first.photoFile = QStringLiteral("img_000105_1.jpg");
    ObservationRecord second = observation(12.25, normKind == NormEN135082 ? QStringLiteral("BAF") : QStringLiteral("OB"));
    second.videoTime = QTime(0, 3, 10);
    second.photoFile = QStringLiteral("img_000310_2.jpg");
    inspection->mutableObservations() << first << second;
    writePhoto(sub + QLatin1Char('/') + first.photoFile, photoColor);
    writePhoto(sub + QLatin1Char('/') + second.photoFile, photoColor.darker());
    QVERIFY(inspection->save());
}

inline QString makeProject(const QString &root, const QString &name = QStringLiteral("P"))
{
    const QString folder = root + QLatin1Char('/') + name;
    [&] {
        QVERIFY(QDir().mkpath(folder));
        saveInspection(folder, NormEN135082, QStringLiteral("H1.xml"), QStringLiteral("Nord 1"),
                       QStringLiteral("Stadt Nord"), QColor(200, 40, 40));
        saveInspection(folder, NormIsybau2001, QStringLiteral("H2.lh"), QStringLiteral("Süd 2"),
                       QStringLiteral("Stadt Süd"), QColor(40, 40, 200));
    }();
    const QString file = folder + QStringLiteral("/project.xml");
    Project(file).save();
    return file;
}

} // namespace PrintFixture

namespace PrintFixture {

// A project of count EN 13508-2 inspections "E1.xml", "E2.xml", ... without photos, each with
// one observation, opened once. Returns the "project.xml" path.
inline QString makePlainProject(const QString &root, int count, const QString &name = QStringLiteral("Viele"))
{
    const QString folder = root + QLatin1Char('/') + name;
    [&] {
        QVERIFY(QDir().mkpath(folder));
        for (int i = 1; i <= count; ++i) {
            const QString sub = folder + QStringLiteral("/E%1").arg(i);
            QVERIFY(QDir().mkpath(sub));
            auto inspection = makeInspection(NormEN135082);
            inspection->setFolder(sub);
            inspection->setFileName(QStringLiteral("E%1.xml").arg(i));
            inspection->mutableMainData().sectionName = QStringLiteral("Strang %1").arg(i);
            inspection->mutableMainData().inspectionLength = 10;
            inspection->mutableObservations() << observation(2.0, QStringLiteral("BAB"));
            QVERIFY(inspection->save());
        }
    }();
    const QString file = folder + QStringLiteral("/project.xml");
    Project(file).save();
    return file;
}

} // namespace PrintFixture
