#include "foundation/infodialog.h"
#include "foundation/version.h"

#include <QLabel>
#include <QPushButton>
#include <QTranslator>
#include <QtTest>

#include <vlc/vlc.h>

namespace {

const QString Link =
    QStringLiteral("<a target=\"_blank\" href=\"https://www.gnu.org/licenses/lgpl-3.0.html\">LGPL</a>");

} // namespace

class TestInfoDialog : public QObject
{
    Q_OBJECT

private slots:
    void form();
    void textOrder();
    void licenceLinks();
    void closes();
    void oneDisclaimerPerLanguage_data();
    void oneDisclaimerPerLanguage();
};

void TestInfoDialog::form()
{
    InfoDialog dialog;
    auto *widget = dialog.findChild<QWidget *>("widget");
    auto *picture = dialog.findChild<QLabel *>("label");
    auto *text = dialog.findChild<QLabel *>("text");
    auto *close = dialog.findChild<QPushButton *>("close");
    QVERIFY(widget && picture && text && close);

    QCOMPARE(dialog.objectName(), QStringLiteral("InfoDialog"));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("über ZOZOrure"));
    QVERIFY(dialog.windowFlags() & Qt::CustomizeWindowHint);
    QVERIFY(!(dialog.windowFlags() & Qt::WindowCloseButtonHint));
    QCOMPARE(close->text(), QStringLiteral("Schließen"));
    QCOMPARE(picture->geometry(), QRect(350, 30, 171, 301));
    QCOMPARE(text->geometry(), QRect(10, 0, 551, 491));
    QVERIFY(picture->hasScaledContents());
    const QPixmap pixmap = picture->pixmap(Qt::ReturnByValue);
    QVERIFY(!pixmap.isNull());
    QCOMPARE(pixmap.size(), QSize(171, 301));
    // The text lies above the picture.
    const QObjectList stacking = widget->children();
    QVERIFY(stacking.indexOf(text) > stacking.indexOf(picture));
    QCOMPARE(text->textFormat(), Qt::RichText);
}

void TestInfoDialog::textOrder()
{
    InfoDialog dialog;
    const QString text = dialog.findChild<QLabel *>("text")->text();

    const QStringList parts{
        "font-size:12pt",
        "ZOZOrure",
        "Version: " ZZ_VERSION,
        "ZOZOrure nutzt:",
        "Qt " + QString::fromLatin1(qVersion()) + " (" + Link + "), BE: " + QT_VERSION_STR
            + "<br/>libvlc " + QString::fromUtf8(libvlc_get_version()) + " (" + Link + ")<br/>",
        "Haftungsausschluss: Für Datenverluste",
        "keine Haftung",
        "Disclaimer: No liability",
    };
    int from = 0;
    for (const QString &part : parts) {
        const int at = text.indexOf(part, from);
        QVERIFY2(at >= 0, qPrintable("missing or out of order: " + part));
        from = at + part.size();
    }
    QVERIFY(QString::fromUtf8(libvlc_get_version()).startsWith(QLatin1Char('3')));
    QCOMPARE(text.count(QStringLiteral("align=\"justify\"")), 2);
}

void TestInfoDialog::licenceLinks()
{
    InfoDialog dialog;
    const QString text = dialog.findChild<QLabel *>("text")->text();

    QCOMPARE(text.count(Link), 2);
    QCOMPARE(text.count(QStringLiteral("<a ")), 2);
    QCOMPARE(text.count(QStringLiteral("LGPL")), 2);
    // Turning the links back into the word leaves the library line as it was assembled.
    QString plain = text;
    plain.replace(Link, QStringLiteral("LGPL"));
    QVERIFY(plain.contains("Qt " + QString::fromLatin1(qVersion()) + " (LGPL), BE: "
                           + QT_VERSION_STR + "<br/>libvlc "
                           + QString::fromUtf8(libvlc_get_version()) + " (LGPL)<br/>"));
    QVERIFY(!plain.contains(QStringLiteral("href")));
}

void TestInfoDialog::closes()
{
    InfoDialog dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QSignalSpy finished(&dialog, &QDialog::finished);
    QTest::mouseClick(dialog.findChild<QPushButton *>("close"), Qt::LeftButton);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(finished.count(), 1);
}

void TestInfoDialog::oneDisclaimerPerLanguage_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QStringList>("disclaimers");
    QTest::newRow("de") << QString() << QStringList{"Haftungsausschluss:", "Disclaimer:"};
    QTest::newRow("en") << "en" << QStringList{"Disclaimer:"};
    QTest::newRow("fr") << "fr" << QStringList{"Clause de non-responsabilité", "Disclaimer:"};
}

// The user's language first, then the English one; in English it stands once.
void TestInfoDialog::oneDisclaimerPerLanguage()
{
    QFETCH(QString, language);
    QFETCH(QStringList, disclaimers);
    QTranslator translator;
    if (!language.isEmpty()) {
        QVERIFY(translator.load(QStringLiteral(ZZ_APP_DIR "/data/ZOZOrureLibrary_%1.qm").arg(language)));
        QVERIFY(QCoreApplication::installTranslator(&translator));
    }
    InfoDialog dialog;
    const QString text = dialog.findChild<QLabel *>("text")->text();
    QCoreApplication::removeTranslator(&translator);
    QCOMPARE(text.count(QStringLiteral("align=\"justify\"")), disclaimers.size());
    int from = 0;
    for (const QString &disclaimer : disclaimers) {
        const int at = text.indexOf(disclaimer, from);
        QVERIFY2(at >= 0, qPrintable(disclaimer));
        from = at + disclaimer.size();
    }
    QCOMPARE(text.count(QStringLiteral("Disclaimer:")), 1);
}

QTEST_MAIN(TestInfoDialog)
#include "tst_infodialog.moc"
