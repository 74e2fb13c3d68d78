#include "foundation/messagedialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <functional>

namespace {

// Runs action once the dialog's modal loop is running, then returns exec()'s result.
int execWith(MessageDialog &dialog, std::function<void()> action, int delayMs = 0)
{
    QTimer::singleShot(delayMs, &dialog, action);
    return dialog.exec();
}

QPushButton *button(MessageDialog &dialog, const char *name)
{
    return dialog.findChild<QPushButton *>(QLatin1String(name));
}

} // namespace

class TestMessageDialog : public QObject
{
    Q_OBJECT

private slots:
    void buttonsShownInOrder_data()
    {
        QTest::addColumn<int>("flags");
        QTest::addColumn<QStringList>("captions");
        QTest::newRow("0") << 0 << QStringList{};
        QTest::newRow("1") << 1 << QStringList{"Ok"};
        QTest::newRow("3") << 3 << QStringList{"Ok", "Abbrechen"};
        QTest::newRow("7") << 7 << QStringList{"Ok", "Ja", "Abbrechen"};
        QTest::newRow("12") << 12 << QStringList{"Ja", "Nein"};
        QTest::newRow("14") << 14 << QStringList{"Ja", "Nein", "Abbrechen"};
        QTest::newRow("15") << 15 << QStringList{"Ok", "Ja", "Nein", "Abbrechen"};
    }
    void buttonsShownInOrder()
    {
        QFETCH(int, flags);
        QFETCH(QStringList, captions);
        MessageDialog dialog(QStringLiteral("Frage?"), flags, -1);
        dialog.show();
        auto *row = dialog.findChild<QWidget *>(QStringLiteral("buttonWidget"));
        QVERIFY(row);
        QCOMPARE(row->isVisible(), flags != 0);
        auto *layout = qobject_cast<QHBoxLayout *>(row->layout());
        QStringList shown;
        for (int i = 0; i < layout->count(); ++i) {
            auto *b = qobject_cast<QPushButton *>(layout->itemAt(i)->widget());
            if (b && b->isVisibleTo(&dialog))
                shown << b->text();
        }
        QCOMPARE(shown, captions);
        QVERIFY(!dialog.windowFlags().testFlag(Qt::WindowTitleHint));
    }

    void buttonReturnsItsFlag_data()
    {
        QTest::addColumn<int>("flags");
        QTest::addColumn<QString>("object");
        QTest::addColumn<int>("result");
        QTest::newRow("Ok") << 15 << "accept" << 1;
        QTest::newRow("Abbrechen") << 15 << "reject" << 2;
        QTest::newRow("Ja") << 14 << "yes" << 4;
        QTest::newRow("Nein") << 14 << "no" << 8;
    }
    void buttonReturnsItsFlag()
    {
        QFETCH(int, flags);
        QFETCH(QString, object);
        QFETCH(int, result);
        MessageDialog dialog(QStringLiteral("Änderungen am Projekt speichern?"), flags, -1);
        const int answer = execWith(dialog, [&] {
            QTest::mouseClick(button(dialog, object.toLatin1().constData()), Qt::LeftButton);
        });
        QCOMPARE(answer, result);
    }

    void escapeAnswers_data()
    {
        QTest::addColumn<int>("flags");
        QTest::addColumn<int>("escapeOverride");
        QTest::addColumn<int>("result");
        QTest::newRow("save question with Abbrechen cancels") << 14 << -1 << 2;
        QTest::newRow("Ok/Abbrechen cancels") << 3 << -1 << 2;
        QTest::newRow("yes/no answers nothing") << 12 << -1 << 0;
        QTest::newRow("Ok only") << 1 << -1 << 0;
        QTest::newRow("notice before its time-out") << 0 << -1 << 0;
        QTest::newRow("caller makes Escape say Nein") << 12 << 8 << 8;
    }
    void escapeAnswers()
    {
        QFETCH(int, flags);
        QFETCH(int, escapeOverride);
        QFETCH(int, result);
        MessageDialog dialog(QStringLiteral("Löschen?"), flags, flags == 0 ? 5000 : -1);
        if (escapeOverride >= 0)
            dialog.setEscapeResult(escapeOverride);
        const int answer = execWith(dialog, [&] { QTest::keyClick(&dialog, Qt::Key_Escape); });
        QCOMPARE(answer, result);
    }

    void timeoutClosesNoticeWithOk()
    {
        MessageDialog dialog(QStringLiteral("Erfolgreich abgeschlossen!"), 0, 100);
        QElapsedTimer timer;
        timer.start();
        QCOMPARE(dialog.exec(), 1);
        QVERIFY(timer.elapsed() >= 90);
    }

    void timeoutIgnoredWithButtons()
    {
        MessageDialog dialog(QStringLiteral("Weiter?"), 12, 50);
        const int answer = execWith(dialog, [&] {
            QVERIFY(dialog.isVisible());
            QTest::mouseClick(button(dialog, "no"), Qt::LeftButton);
        }, 300);
        QCOMPARE(answer, 8);
    }

    void setButtonText()
    {
        MessageDialog dialog(QStringLiteral("Plan?"), 7, -1);
        const QSize before = dialog.size();
        dialog.setButtonText(16, QStringLiteral("x"));
        dialog.setButtonText(0, QStringLiteral("x"));
        for (const char *name : {"accept", "reject", "yes", "no"})
            QVERIFY(button(dialog, name)->text() != QStringLiteral("x"));
        dialog.setButtonText(1, QStringLiteral("Laden"));
        dialog.setButtonText(4, QStringLiteral("Erstellen"));
        QCOMPARE(button(dialog, "accept")->text(), QStringLiteral("Laden"));
        QCOMPARE(button(dialog, "yes")->text(), QStringLiteral("Erstellen"));
        QCOMPARE(dialog.size(), before);
        const int answer = execWith(dialog, [&] { QTest::mouseClick(button(dialog, "accept"), Qt::LeftButton); });
        QCOMPARE(answer, 1);
    }

    void sizeFollowsTextAndButtons_data()
    {
        QTest::addColumn<int>("flags");
        QTest::addColumn<QString>("text");
        QTest::newRow("short, no buttons") << 0 << "Plan wird erstellt!";
        QTest::newRow("short, two buttons") << 12 << "Weiter?";
        QTest::newRow("short, four buttons") << 15 << "Weiter?";
        QTest::newRow("empty line not counted") << 1 << "Zeile eins\n\nZeile zwei";
        QTest::newRow("wide line") << 3 << QString(120, QLatin1Char('W'));
    }
    void sizeFollowsTextAndButtons()
    {
        QFETCH(int, flags);
        QFETCH(QString, text);
        MessageDialog dialog(text, flags, -1);
        auto *label = dialog.findChild<QLabel *>(QStringLiteral("label"));
        label->ensurePolished();
        const QFontMetrics fm(label->font());
        QCOMPARE(label->font().pixelSize(), 13);
        QVERIFY(label->font().weight() >= QFont::ExtraBold);

        const QStringList lines = text.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        int textWidth = 0;
        for (const QString &l : lines)
            textWidth = qMax(textWidth, fm.horizontalAdvance(l));
        const int buttons = (flags & 1 ? 160 : 0) + (flags & 2 ? 160 : 0) + (flags & 4 ? 160 : 0) + (flags & 8 ? 160 : 0);
        const int textHeight = (flags ? 40 : 0) + fm.lineSpacing() * lines.size();
        QSize expected;
        if (textWidth <= 500)
            expected = QSize(qMax(qMax(buttons, 50), textWidth) + 80, qMax(textHeight, 50) + 40);
        else
            expected = QSize(500, textHeight + fm.lineSpacing() * (textWidth / 500 + 5));
        QCOMPARE(dialog.size(), expected);
        QCOMPARE(dialog.minimumSize(), dialog.maximumSize());
        if (flags == 15)
            QCOMPARE(dialog.width(), 720);
        if (text.startsWith(QLatin1String("WWW")))
            QVERIFY(textWidth > 500);
        if (text.contains(QLatin1Char('\n')))
            QCOMPARE(lines.size(), 2);
    }

    void setTextKeepsCentre()
    {
        MessageDialog dialog(QStringLiteral("Plan wird erstellt!"), 0, -1);
        dialog.move(300, 300);
        dialog.show();
        const QPoint centre = dialog.geometry().center();
        dialog.setText(QStringLiteral("3D-Ansicht wird aktualisiert!\nBitte warten, das kann dauern."));
        QCOMPARE(dialog.text(), QStringLiteral("3D-Ansicht wird aktualisiert!\nBitte warten, das kann dauern."));
        QVERIFY((dialog.geometry().center() - centre).manhattanLength() <= 2);
    }
};

QTEST_MAIN(TestMessageDialog)
#include "tst_messagedialog.moc"
