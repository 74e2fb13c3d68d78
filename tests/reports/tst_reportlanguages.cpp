// An inspection report printed in each language of the program carries that language's header
// labels, as a reader of the PDF sees them. Polish takes the English texts of the reports.
#include "foundation/config.h"
#include "foundation/global.h"
#include "reports/printer.h"
#include "support/reportpdf.h"

#include <QTemporaryDir>
#include <QtTest>

class TestReportLanguages : public QObject
{
    Q_OBJECT

private slots:
    void headerLabels_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QStringList>("labels");
        const auto row = [](const char *name, int language, const QStringList &labels) {
            QTest::newRow(name) << language << labels;
        };
        row("de", 0, {"Haltungs-Bericht:", "Material", "Reinigung", "Kunde"});
        row("da", 1, {"Ledningsrapport:", "Materiale", "Rensning", "Kunde"});
        row("en", 2, {"Pipe section report:", "Material", "Cleaning", "Client"});
        row("es", 3, {"Informe del tramo:", "Material", "Limpieza", "Cliente"});
        row("fi", 4, {"Putkiosuusraportti:", "Materiaali", "Puhdistus", "Asiakas"});
        row("fr", 5, {"Rapport de tronçon :", "Matériau", "Nettoyage", "Client"});
        row("hr", 6, {"Izvješće o dionici:", "Materijal", "Čišćenje", "Naručitelj"});
        row("nb", 7, {"Ledningsrapport:", "Materiale", "Rengjøring", "Kunde"});
        row("pl", 8, {"Pipe section report:", "Material", "Cleaning", "Client"});
        row("ru", 9, {"Отчёт по участку:", "Материал", "Очистка", "Заказчик"});
    }
    void headerLabels()
    {
        QFETCH(int, language);
        QFETCH(QStringList, labels);
        Global::instance()->config()->setLanguage(language);

        QStringList header{QStringLiteral("EN_13508_2")};
        for (int i = 0; i <= 20; ++i)
            header << QStringLiteral("w%1").arg(i);
        Printer printer;
        printer.setLetterhead(QImage(), QStringLiteral("Adresse"), QStringLiteral("Kontakt"));
        printer.setNormHeader(header);
        printer.setSectionData(QStringLiteral("S1"), QStringLiteral("S2"), 0, QStringLiteral("H7"), 30.0, 1);
        printer.createPipeReport({}, true);

        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString path = dir.filePath(QStringLiteral("report.pdf"));
        QVERIFY(ReportPdf::write(path, printer.pages()));
        // One-word labels: longer ones wrap within their column.
        const QString text = ReportPdf::layoutText(path, 1).simplified();
        for (const QString &label : labels)
            QVERIFY2(text.contains(label), qPrintable(label + QStringLiteral(" missing in:\n") + text));
    }

    void cleanupTestCase() { Global::instance()->config()->setLanguage(0); }
};

QTEST_MAIN(TestReportLanguages)
#include "tst_reportlanguages.moc"
