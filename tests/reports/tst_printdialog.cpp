#include "foundation/config.h"
#include "foundation/global.h"
#include "reports/printdialog.h"
#include "project/project.h"
#include "support/formaccess.h"
#include "support/pagecontent.h"
#include "support/filesizelimit.h"
#include "support/reportpdf.h"
#include "support/testfiles.h"
#include "support/testenv.h"

#include "printfixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGraphicsSimpleTextItem>
#include <QGraphicsView>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QScrollBar>
#include <QSet>
#include <QSettings>
#include <QSpinBox>
#include <QToolButton>
#include <QtTest>

#include <memory>

namespace {

QSettings &settings()
{
    return *Global::instance()->settings();
}

QString pdfInfo(const QString &path, const QString &field)
{
    QProcess process;
    process.start(QStringLiteral("pdfinfo"), {path});
    if (!process.waitForFinished(60000))
        return QString();
    for (const QString &line : QString::fromUtf8(process.readAllStandardOutput()).split(QLatin1Char('\n'))) {
        if (line.startsWith(field + QLatin1Char(':')))
            return line.mid(field.size() + 1).trimmed();
    }
    return QString();
}

// Per drawn image of the file: its size ("641x113") and the PDF object that holds its pixels.
QVector<QPair<QString, QString>> imageUses(const QString &path)
{
    QProcess process;
    process.start(QStringLiteral("pdfimages"), {QStringLiteral("-list"), path});
    if (!process.waitForFinished(60000))
        return {};
    QVector<QPair<QString, QString>> uses;
    const QStringList lines = QString::fromUtf8(process.readAllStandardOutput()).split(QLatin1Char('\n'));
    for (const QString &line : lines.mid(2)) {
        const QStringList f = line.simplified().split(QLatin1Char(' '));
        if (f.size() >= 12)
            uses.append({f.at(3) + QLatin1Char('x') + f.at(4), f.at(10)});
    }
    return uses;
}

// The page numbers printed at the foot of each page of the file, "" for a page without one.
QStringList footNumbers(const QString &path)
{
    const ReportPdf::Layout layout = ReportPdf::layout(path);
    QStringList numbers;
    for (int page = 1; page <= layout.pageSizes.size(); ++page) {
        QString number;
        for (const ReportPdf::Word &word : layout.wordsOn(page)) {
            // The number band lies below 1047 page pixels; nothing else of a report page does.
            if (word.box.top() > 1047 * ReportPdf::PointsPerPixel)
                number += word.text;
        }
        numbers << number;
    }
    return numbers;
}

// The footer numbers the preview shows, "" for a page without one.
QStringList previewNumbers(PrintDialog &dialog)
{
    const QGraphicsView *view = formChild<QGraphicsView>(dialog, "graphicsView");
    const double pitch = PrintDialog::PageGap + PrintPage::A4Height;
    QStringList numbers;
    for (int i = 0; i < dialog.pages().size(); ++i)
        numbers << QString();
    for (QGraphicsItem *item : view->scene()->items()) {
        auto *text = dynamic_cast<QGraphicsSimpleTextItem *>(item);
        if (!text || text->text().contains(QLatin1Char('*')))
            continue;
        const int page = int((text->pos().y() - PrintDialog::PageGap) / pitch);
        const double inPage = text->pos().y() - PrintDialog::PageGap - page * pitch;
        if (inPage > 1040 && page < numbers.size())
            numbers[page] = text->text();
    }
    return numbers;
}

QStringList listTexts(const QListWidget *list)
{
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts << list->item(i)->text();
    return texts;
}

QListWidgetItem *itemNamed(QListWidget *list, const QString &text)
{
    const QList<QListWidgetItem *> found = list->findItems(text, Qt::MatchExactly);
    return found.isEmpty() ? nullptr : found.first();
}

} // namespace

class TestPrintDialog : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        env.reset(new TestEnvironment);
        ReporterCapture firstStart; // the first start tells where the projects go
        Global::instance();
    }
    void init()
    {
        capture.reset(new ReporterCapture);
        dir.reset(new QTemporaryDir);
        root = dir->path() + QStringLiteral("/Projekte");
        QVERIFY(QDir().mkpath(root));
        Global::instance()->config()->setProjectPath(root);
        Global::instance()->config()->setProximateHint(true);
        Global::instance()->config()->setMakeTextReport(true);
        Global::instance()->config()->setFotoStyle(2);
        for (const char *group : {"printer", "printer3d", "print"})
            settings().remove(QLatin1String(group));
    }
    void cleanup()
    {
        capture.reset();
        dir.reset();
    }

    // The destructor writes every choice; a new dialog starts from them. Defaults stand where
    // nothing was written.
    void settingsAreKept()
    {
        {
            PrintDialog dialog;
            QCOMPARE(formChild<QComboBox>(dialog, "pageNumbers")->currentIndex(), 0);
            QVERIFY(!formChild<QCheckBox>(dialog, "graphicalDamages")->isChecked());
            QCOMPARE(formChild<QComboBox>(dialog, "scale")->currentText(), QStringLiteral("50"));
            for (const char *name : {"paperSize", "format", "firmdata", "legend"})
                QCOMPARE(formChild<QComboBox>(dialog, name)->currentIndex(), 0);
            QCOMPARE(formChild<QDateEdit>(dialog, "date_bd")->date(), QDate::currentDate());

            formChild<QComboBox>(dialog, "pageNumbers")->setCurrentIndex(2);
            formChild<QCheckBox>(dialog, "graphicalDamages")->setChecked(true);
            formChild<QComboBox>(dialog, "scale")->setCurrentText(QStringLiteral("275"));
            formChild<QComboBox>(dialog, "paperSize")->setCurrentIndex(1);
            formChild<QComboBox>(dialog, "format")->setCurrentIndex(1);
            formChild<QComboBox>(dialog, "firmdata")->setCurrentIndex(6);
            formChild<QComboBox>(dialog, "legend")->setCurrentIndex(1);
            formChild<QLineEdit>(dialog, "title_bd")->setText(QStringLiteral("Bestand"));
            formChild<QLineEdit>(dialog, "commentary_bd")->setText(QStringLiteral("vorläufig"));
        }
        QCOMPARE(settings().value(QStringLiteral("printer/pageNumbers")).toInt(), 2);
        QCOMPARE(settings().value(QStringLiteral("printer/graphicalDamages")).toBool(), true);
        QCOMPARE(settings().value(QStringLiteral("printer3d/scale")).toString(), QStringLiteral("275"));
        QCOMPARE(settings().value(QStringLiteral("printer3d/paperSize")).toInt(), 1);
        QCOMPARE(settings().value(QStringLiteral("printer3d/paperOrientation")).toInt(), 1);
        QCOMPARE(settings().value(QStringLiteral("printer3d/firmData")).toInt(), 6);
        QCOMPARE(settings().value(QStringLiteral("printer3d/legend")).toInt(), 1);
        QCOMPARE(settings().value(QStringLiteral("printer3d/BDTitle")).toString(), QStringLiteral("Bestand"));
        QCOMPARE(settings().value(QStringLiteral("printer3d/BDCommentary")).toString(), QStringLiteral("vorläufig"));

        // Values that the boxes do not offer fall back to the defaults.
        settings().setValue(QStringLiteral("printer/pageNumbers"), 7);
        settings().setValue(QStringLiteral("printer3d/scale"), QStringLiteral("0"));
        PrintDialog again;
        QCOMPARE(formChild<QComboBox>(again, "pageNumbers")->currentIndex(), 0);
        QCOMPARE(formChild<QComboBox>(again, "scale")->currentText(), QStringLiteral("50"));
        QVERIFY(formChild<QCheckBox>(again, "graphicalDamages")->isChecked());
        QCOMPARE(formChild<QComboBox>(again, "firmdata")->currentIndex(), 6);
    }

    // Folders before projects; below the root the title names the folder and ".." leads back.
    void projectBrowser()
    {
        QVERIFY(QDir().mkpath(root + QStringLiteral("/Sub/Tief")));
        PrintFixture::makePlainProject(root + QStringLiteral("/Sub"), 1, QStringLiteral("Q"));
        PrintFixture::makeProject(root, QStringLiteral("P"));

        PrintDialog dialog;
        auto *box = formChild<QGroupBox>(dialog, "projectBox");
        auto *projects = formChild<QListWidget>(dialog, "projects");
        QCOMPARE(box->title(), QStringLiteral("Projekte:"));
        QCOMPARE(listTexts(projects), (QStringList{QStringLiteral("Sub"), QStringLiteral("P")}));
        QCOMPARE(projects->item(0)->data(Qt::UserRole).toBool(), false);
        QCOMPARE(projects->item(1)->data(Qt::UserRole).toBool(), true);

        dialog.on_projects_itemDoubleClicked(projects->item(0));
        QCOMPARE(box->title(), QStringLiteral("Projekte: Sub"));
        QCOMPARE(listTexts(projects), (QStringList{QStringLiteral(".."), QStringLiteral("Tief"), QStringLiteral("Q")}));
        dialog.on_projects_itemDoubleClicked(itemNamed(projects, QStringLiteral("Tief")));
        QCOMPARE(box->title(), QStringLiteral("Projekte: Sub/Tief"));
        QCOMPARE(listTexts(projects), QStringList{QStringLiteral("..")});
        dialog.on_projects_itemDoubleClicked(projects->item(0));
        dialog.on_projects_itemDoubleClicked(projects->item(0));
        QCOMPARE(box->title(), QStringLiteral("Projekte:"));

        auto *label = formChild<QLabel>(dialog, "projectLabel");
        QVERIFY(label->isHidden());
        dialog.on_projects_itemDoubleClicked(itemNamed(projects, QStringLiteral("P")));
        QVERIFY(dialog.project());
        QCOMPARE(label->text(), QStringLiteral("Projekt: P"));
        QVERIFY(!label->isHidden());
        auto *inspections = formChild<QListWidget>(dialog, "investigations");
        QCOMPARE(inspections->count(), 2);
        for (int i = 0; i < inspections->count(); ++i)
            QCOMPARE(inspections->item(i)->checkState(), Qt::Checked);
        const QString customer = formChild<QLineEdit>(dialog, "customer_bd")->text();
        QVERIFY(customer == QLatin1String("Stadt Nord") || customer == QLatin1String("Stadt Süd"));
        QCOMPARE(formChild<QLineEdit>(dialog, "city_bd")->text(), QStringLiteral("Musterstadt"));
        QVERIFY(formChild<QPushButton>(dialog, "create")->isEnabled());
    }

    void createButtonRules()
    {
        Project project(PrintFixture::makePlainProject(root, 2));
        PrintDialog dialog;
        dialog.setProject(&project);
        auto *create = formChild<QPushButton>(dialog, "create");
        auto *inspections = formChild<QListWidget>(dialog, "investigations");
        QVERIFY(create->isEnabled());

        formChild<QCheckBox>(dialog, "toc")->setChecked(false);
        formChild<QCheckBox>(dialog, "insp")->setChecked(false);
        QVERIFY(create->isEnabled());
        formChild<QCheckBox>(dialog, "foto")->setChecked(false);
        QVERIFY(!create->isEnabled());
        inspections->item(0)->setCheckState(Qt::Unchecked);
        inspections->item(0)->setCheckState(Qt::Checked);
        QVERIFY(create->isEnabled());

        inspections->item(0)->setCheckState(Qt::Unchecked);
        inspections->item(1)->setCheckState(Qt::Unchecked);
        QVERIFY(!create->isEnabled());
        formChild<QCheckBox>(dialog, "insp")->setChecked(true);
        QVERIFY(!create->isEnabled());
    }

    // Mode 2 leaves the contents unnumbered and starts at 1 after them; a later preview without
    // contents numbers from its first page.
    void pageNumbersAfterTheContents()
    {
        Project project(PrintFixture::makePlainProject(root, 6));
        PrintDialog dialog;
        dialog.setProject(&project);
        formChild<QComboBox>(dialog, "pageNumbers")->setCurrentIndex(2);
        formChild<QCheckBox>(dialog, "foto")->setChecked(false);
        formChild<QPushButton>(dialog, "create")->click();
        QCOMPARE(dialog.tocPageCount(), 2);
        QCOMPARE(dialog.firstNumberedPage(), 3);
        QCOMPARE(dialog.pages().size(), 2 + 6 * 2);
        QStringList expected{QString(), QString()};
        for (int i = 1; i <= 12; ++i)
            expected << QString::number(i);
        QCOMPARE(previewNumbers(dialog), expected);

        const QString pdf = dir->path() + QStringLiteral("/numbers.pdf");
        dialog.setSaveFileChooser([&](QWidget *, const QString &, const QString &, const QString &) { return pdf; });
        formChild<QToolButton>(dialog, "pdf")->click();
        QCOMPARE(footNumbers(pdf), expected);

        formChild<QCheckBox>(dialog, "toc")->setChecked(false);
        formChild<QPushButton>(dialog, "create")->click();
        QCOMPARE(dialog.tocPageCount(), 0);
        QCOMPARE(dialog.pages().size(), 12);
        QCOMPARE(previewNumbers(dialog), expected.mid(2));

        formChild<QComboBox>(dialog, "pageNumbers")->setCurrentIndex(0);
        formChild<QToolButton>(dialog, "pdf")->click();
        QCOMPARE(footNumbers(pdf), QVector<QString>(12).toList());
    }

    // A page counts as reached when 90 % of it has scrolled past the top of the view.
    void scrollShowsThePage_data()
    {
        QTest::addColumn<double>("fraction");
        QTest::addColumn<int>("shown");
        QTest::newRow("89 %") << 0.89 << 1;
        QTest::newRow("91 %") << 0.91 << 2;
    }
    void scrollShowsThePage()
    {
        QFETCH(double, fraction);
        QFETCH(int, shown);
        Project project(PrintFixture::makePlainProject(root, 2));
        PrintDialog dialog;
        dialog.setProject(&project);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        formChild<QPushButton>(dialog, "create")->click();
        auto *view = formChild<QGraphicsView>(dialog, "graphicsView");
        auto *spin = formChild<QSpinBox>(dialog, "spinBox");
        QCOMPARE(spin->suffix(), QStringLiteral("/%1").arg(dialog.pages().size()));
        QCOMPARE(spin->value(), 1);

        const double target = fraction * PrintPage::A4Height;
        QScrollBar *bar = view->verticalScrollBar();
        int value = bar->minimum();
        while (value < bar->maximum()) {
            bar->setValue(value + 1);
            if (view->mapToScene(QPoint(10, 10)).y() > target)
                break;
            ++value;
        }
        if (fraction < 0.9)
            bar->setValue(value);
        const double y = view->mapToScene(QPoint(10, 10)).y();
        QVERIFY2(std::abs(y - target) < 2, qPrintable(QString::number(y)));
        QCOMPARE(spin->value(), shown);

        // The spin box brings a page's top edge to the top of the view.
        spin->setValue(3);
        const double top = 3 * (PrintDialog::PageGap + PrintPage::A4Height) - PrintPage::A4Height;
        QVERIFY(std::abs(view->mapToScene(QPoint(0, 0)).y() - top) < 3);
    }

    // An inspection preview is A4 portrait, laid out as the report pages are, and the note on
    // approximate dimensions shows in the preview but not on paper.
    void inspectionPreviewToPdf()
    {
        Project project(PrintFixture::makeProject(root));
        Investigation *h1 = project.inspectionByName(QStringLiteral("H1.xml"));
        PrintDialog dialog;
        dialog.setInvestigation(h1);
        QVERIFY(formChild<QCheckBox>(dialog, "toc")->isHidden());
        QCOMPARE(listTexts(formChild<QListWidget>(dialog, "investigations")), QStringList{QStringLiteral("H1.xml")});
        formChild<QPushButton>(dialog, "create")->click();
        // Report and graphic, then the two photos in a 2 x 2 grid.
        QCOMPARE(dialog.pages().size(), 3);
        QVERIFY(formChild<QToolButton>(dialog, "print")->isEnabled());

        const QGraphicsView *view = formChild<QGraphicsView>(dialog, "graphicsView");
        int notes = 0;
        for (QGraphicsItem *item : view->scene()->items()) {
            auto *text = dynamic_cast<QGraphicsSimpleTextItem *>(item);
            if (text && text->text().contains(QStringLiteral("ca.-Angaben")))
                ++notes;
        }
        QCOMPARE(notes, 3);

        const QString pdf = dir->path() + QStringLiteral("/h1.pdf");
        dialog.setSaveFileChooser([&](QWidget *, const QString &, const QString &, const QString &) { return pdf; });
        formChild<QToolButton>(dialog, "pdf")->click();
        QCOMPARE(pdfInfo(pdf, QStringLiteral("Pages")), QStringLiteral("3"));
        QCOMPARE(pdfInfo(pdf, QStringLiteral("Page size")), QStringLiteral("595 x 842 pts (A4)"));
        for (int page = 1; page <= 3; ++page)
            QVERIFY(!ReportPdf::layoutText(pdf, page).contains(QStringLiteral("ca.-Angaben")));

        // Each word lands where the report pages put it: a page pixel is 0.75 pt whatever the
        // screen's resolution.
        const QString reference = dir->path() + QStringLiteral("/reference.pdf");
        QVERIFY(ReportPdf::write(reference, dialog.pages()));
        const ReportPdf::Layout got = ReportPdf::layout(pdf);
        const ReportPdf::Layout want = ReportPdf::layout(reference);
        for (const QString &word : {QStringLiteral("Haltungs-Bericht"), QStringLiteral("Nord")}) {
            const QRectF a = got.find(1, word).box;
            const QRectF b = want.find(1, word).box;
            QVERIFY2(!a.isNull() && !b.isNull(), qPrintable(word));
            QVERIFY2(std::abs(a.left() - b.left()) < 1 && std::abs(a.top() - b.top()) < 1,
                     qPrintable(QStringLiteral("%1: %2,%3 against %4,%5")
                                    .arg(word)
                                    .arg(a.left())
                                    .arg(a.top())
                                    .arg(b.left())
                                    .arg(b.top())));
        }
        QVERIFY(capture->errors().isEmpty());
    }

    // The page range of the print setup: pages 2 to 3 give exactly those two pages; a to-page
    // beyond the end is cut; from-page 0 means the whole document; a cancelled setup prints
    // nothing.
    void printRange_data()
    {
        QTest::addColumn<int>("fromPage");
        QTest::addColumn<int>("toPage");
        QTest::addColumn<QStringList>("numbers");
        QTest::newRow("2 to 3") << 2 << 3 << QStringList{QStringLiteral("2"), QStringLiteral("3")};
        QTest::newRow("4 to 9") << 4 << 9 << QStringList{QStringLiteral("4"), QStringLiteral("5")};
        QTest::newRow("all") << 0 << 0
                             << QStringList{QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"),
                                            QStringLiteral("4"), QStringLiteral("5")};
    }
    void printRange()
    {
        QFETCH(int, fromPage);
        QFETCH(int, toPage);
        QFETCH(QStringList, numbers);
        Project project(PrintFixture::makePlainProject(root, 2));
        PrintDialog dialog;
        dialog.setProject(&project);
        formChild<QComboBox>(dialog, "pageNumbers")->setCurrentIndex(1);
        formChild<QPushButton>(dialog, "create")->click();
        QCOMPARE(dialog.pages().size(), 5);

        const QString pdf = dir->path() + QStringLiteral("/range.pdf");
        dialog.setPrintSetup([&](QPrinter *printer, QWidget *parent) {
            if (parent != &dialog || printer->pageLayout().orientation() != QPageLayout::Portrait)
                return false;
            printer->setOutputFormat(QPrinter::PdfFormat);
            printer->setOutputFileName(pdf);
            if (fromPage > 0)
                printer->setFromTo(fromPage, toPage);
            return true;
        });
        formChild<QToolButton>(dialog, "print")->click();
        QCOMPARE(pdfInfo(pdf, QStringLiteral("Pages")), QString::number(numbers.size()));
        QCOMPARE(footNumbers(pdf), numbers);
        // Each printed page holds the texts of its preview page and nothing of its neighbours.
        for (int k = 0; k < numbers.size(); ++k) {
            const PrintPage &page = dialog.pages().at(numbers.at(k).toInt() - 1);
            const QString subtitle = PageContent::texts(page).value(1).text;
            const QString text = ReportPdf::layoutText(pdf, k + 1);
            QVERIFY2(text.contains(subtitle), qPrintable(subtitle + QLatin1String(" / ") + text));
        }

        QFile::remove(pdf);
        dialog.setPrintSetup([](QPrinter *, QWidget *) { return false; });
        formChild<QToolButton>(dialog, "print")->click();
        QVERIFY(!QFile::exists(pdf));
    }

    // The chosen file's folder is where the next file dialog starts; a cancelled dialog writes
    // nothing and keeps the folder.
    void pdfFolderIsKept()
    {
        Project project(PrintFixture::makePlainProject(root, 1));
        PrintDialog dialog;
        dialog.setProject(&project);
        formChild<QPushButton>(dialog, "create")->click();
        QStringList startFolders;
        QString answer = dir->path() + QStringLiteral("/out/a.pdf");
        QVERIFY(QDir().mkpath(dir->path() + QStringLiteral("/out")));
        dialog.setSaveFileChooser([&](QWidget *, const QString &title, const QString &folder, const QString &filter) {
            startFolders << folder;
            return title == QLatin1String("Datei speichern") && filter == QLatin1String("Adobe PDF (*.pdf)")
                ? answer
                : QString();
        });
        formChild<QToolButton>(dialog, "pdf")->click();
        QVERIFY(QFile::exists(answer));
        QCOMPARE(settings().value(QStringLiteral("print/pdf")).toString(), dir->path() + QStringLiteral("/out"));
        answer.clear();
        formChild<QToolButton>(dialog, "pdf")->click();
        QCOMPARE(startFolders, (QStringList{QString(), dir->path() + QStringLiteral("/out")}));
        QCOMPARE(settings().value(QStringLiteral("print/pdf")).toString(), dir->path() + QStringLiteral("/out"));

        // A file that cannot be written is reported.
        answer = dir->path() + QStringLiteral("/missing/b.pdf");
        formChild<QToolButton>(dialog, "pdf")->click();
        QCOMPARE(capture->errors().size(), 1);
    }

    // A PDF that the disk cannot take whole is reported and leaves the earlier file of that name
    // as it was, with nothing beside it; with room, it replaces that file.
    void pdfOnAFullDiskKeepsTheEarlierFile()
    {
        Project project(PrintFixture::makePlainProject(root, 2));
        PrintDialog dialog;
        dialog.setProject(&project);
        formChild<QPushButton>(dialog, "create")->click();
        const QString pdf = dir->path() + QStringLiteral("/bericht.pdf");
        const QByteArray earlier("%PDF-1.4 der Bericht von gestern\n%%EOF\n");
        TestFiles::writeFile(pdf, earlier);
        dialog.setSaveFileChooser([&](QWidget *, const QString &, const QString &, const QString &) { return pdf; });

        const int result = runWithFileSizeLimit(4096, [&] {
            formChild<QToolButton>(dialog, "pdf")->click();
            const QStringList errors = capture->errors();
            return errors.size() == 1 && errors.first().contains(pdf) ? 0 : 1;
        });
        QCOMPARE(result, 0);
        QCOMPARE(TestFiles::readAll(pdf), earlier);
        QCOMPARE(QDir(dir->path()).entryList({QStringLiteral("bericht.pdf*")}, QDir::Files | QDir::Hidden),
                 QStringList{QStringLiteral("bericht.pdf")});

        formChild<QToolButton>(dialog, "pdf")->click();
        QVERIFY(capture->errors().isEmpty());
        QCOMPARE(pdfInfo(pdf, QStringLiteral("Pages")), QString::number(dialog.pages().size()));
        QCOMPARE(QDir(dir->path()).entryList({QStringLiteral("bericht.pdf*")}, QDir::Files | QDir::Hidden),
                 QStringList{QStringLiteral("bericht.pdf")});
    }

    // A name typed without ".pdf" gets it; a name that has it, in any case, is kept.
    void pdfNameGetsItsSuffix_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("written");
        QTest::newRow("no suffix") << QStringLiteral("bericht") << QStringLiteral("bericht.pdf");
        QTest::newRow("another suffix") << QStringLiteral("bericht.v2") << QStringLiteral("bericht.v2.pdf");
        QTest::newRow("upper case") << QStringLiteral("BERICHT.PDF") << QStringLiteral("BERICHT.PDF");
    }
    void pdfNameGetsItsSuffix()
    {
        QFETCH(QString, typed);
        QFETCH(QString, written);
        Project project(PrintFixture::makePlainProject(root, 1));
        PrintDialog dialog;
        dialog.setProject(&project);
        formChild<QPushButton>(dialog, "create")->click();
        const QString folder = dir->path() + QStringLiteral("/out");
        QVERIFY(QDir().mkpath(folder));
        dialog.setSaveFileChooser(
            [&](QWidget *, const QString &, const QString &, const QString &) { return folder + QLatin1Char('/') + typed; });
        formChild<QToolButton>(dialog, "pdf")->click();
        QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList{written});
        QCOMPARE(pdfInfo(folder + QLatin1Char('/') + written, QStringLiteral("Pages")), QString::number(dialog.pages().size()));
    }

    // The plan's title and commentary are written into the project file, whether the dialog
    // opened the project itself or was given it.
    void planTextsAreSaved()
    {
        const QString file = PrintFixture::makeProject(root);
        {
            PrintDialog dialog;
            dialog.on_projects_itemDoubleClicked(itemNamed(formChild<QListWidget>(dialog, "projects"),
                                                           QStringLiteral("P")));
            QVERIFY(dialog.project());
            formChild<QLineEdit>(dialog, "title_bd")->setText(QStringLiteral("Netzplan"));
            formChild<QLineEdit>(dialog, "commentary_bd")->setText(QStringLiteral("Stand Mai"));
        }
        {
            Project project(file);
            QCOMPARE(project.printTitle(), QStringLiteral("Netzplan"));
            QCOMPARE(project.printCommentary(), QStringLiteral("Stand Mai"));
            PrintDialog dialog;
            dialog.setProject(&project);
            QCOMPARE(formChild<QLineEdit>(dialog, "title_bd")->text(), QStringLiteral("Netzplan"));
            formChild<QLineEdit>(dialog, "title_bd")->setText(QStringLiteral("Netzplan 2"));
        }
        QCOMPARE(Project(file).printTitle(), QStringLiteral("Netzplan 2"));
        QVERIFY(capture->errors().isEmpty());
    }

    // The fixture project from "Erstellen" to the PDF: contents, then per inspection its
    // report, graphic and photos, numbered from the first page.
    void projectToPdf()
    {
        Project project(PrintFixture::makeProject(root));
        project.setPrintTitle(QStringLiteral("Netz West"));
        PrintDialog dialog;
        dialog.setProject(&project);
        formChild<QComboBox>(dialog, "pageNumbers")->setCurrentIndex(1);
        formChild<QPushButton>(dialog, "create")->click();

        const QString pdf = dir->path() + QStringLiteral("/project.pdf");
        dialog.setSaveFileChooser([&](QWidget *, const QString &, const QString &, const QString &) { return pdf; });
        formChild<QToolButton>(dialog, "pdf")->click();

        QStringList expected{QStringLiteral("Inhaltsverzeichnis Netz West")};
        for (Investigation *inspection : project.inspections()) {
            const QString section = inspection->mainData().sectionName;
            expected << QStringLiteral("Haltungs-Bericht ") + section << QStringLiteral("Haltungs-Graphik ") + section
                     << QStringLiteral("Foto-Bericht ") + section;
        }
        QCOMPARE(pdfInfo(pdf, QStringLiteral("Pages")), QString::number(expected.size()));
        QStringList numbers;
        for (int page = 1; page <= expected.size(); ++page) {
            const QString text = ReportPdf::layoutText(pdf, page).simplified();
            const QStringList words = expected.at(page - 1).split(QLatin1Char(' '));
            QVERIFY2(text.contains(words.first() + QLatin1Char(' ') + words.mid(1).join(QLatin1Char(' '))),
                     qPrintable(QStringLiteral("page %1: %2").arg(page).arg(text)));
            numbers << QString::number(page);
        }
        QCOMPARE(footNumbers(pdf), numbers);
        // The contents name the first inspection's client and both sections.
        const QString contents = ReportPdf::layoutText(pdf, 1);
        QVERIFY(contents.contains(project.inspections().first()->mainData().client));
        QVERIFY(contents.contains(QStringLiteral("Nord 1")) && contents.contains(QStringLiteral("Süd 2")));
        // The letterhead's white ground is drawn on every page but stored in the file once.
        QSet<QString> groundObjects;
        int groundUses = 0;
        for (const auto &use : imageUses(pdf)) {
            if (use.first == QLatin1String("641x113")) {
                ++groundUses;
                groundObjects.insert(use.second);
            }
        }
        QCOMPARE(groundUses, expected.size());
        QCOMPARE(groundObjects.size(), 1);
        QVERIFY(capture->errors().isEmpty());
    }

private:
    std::unique_ptr<TestEnvironment> env;
    std::unique_ptr<ReporterCapture> capture;
    std::unique_ptr<QTemporaryDir> dir;
    QString root;
};

QTEST_MAIN(TestPrintDialog)
#include "tst_printdialog.moc"
