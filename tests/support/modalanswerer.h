#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>

class MessageDialog;

#include <functional>
#include <queue>

// Answers modal dialogs that a test's action opens, one after the other, in the order they were
// expected. A timer looks at QApplication::activeModalWidget(): when a new modal widget of the
// expected class is on top, the step's action runs on it (check its text, press a button, type).
// Steps that never came are reported by pending(); a modal widget of another class than the one
// expected fails the step (unexpected() names it) and is rejected, so the test never blocks.
// Modal widgets already open when the answerer is made are left alone, as are those ignore()d.
//
//     ModalAnswerer answer;
//     answer.message(MessageDialog::No);          // the next MessageDialog: answer "Nein"
//     QTest::mouseClick(accept, Qt::LeftButton);  // opens it and returns once it is answered
//     QCOMPARE(answer.texts(), QStringList{"..."});
//     QVERIFY(answer.done());
class ModalAnswerer : public QObject
{
    Q_OBJECT

public:
    using Action = std::function<void(QWidget *)>;

    explicit ModalAnswerer(QObject *parent = nullptr);
    ~ModalAnswerer() override;

    // The next modal widget that inherits className: run action on it.
    void expect(const char *className, Action action);
    // The next MessageDialog: remember its text and close it with the given button flag.
    void message(int button);
    // The next MessageDialog: remember its text, leave it to close by its own time-out.
    void watchMessage();
    // The next modal dialog of className: reject it.
    void reject(const char *className);
    // A modal widget the test opened itself (the dialog under test): never answered.
    void ignore(QWidget *widget) { m_ignored << widget; }

    // True when every expected step ran and nothing unexpected came.
    bool done() const { return m_steps.empty() && m_unexpected.isEmpty(); }
    int pending() const { return int(m_steps.size()); }
    // Texts of the MessageDialogs answered, in order.
    QStringList texts() const { return m_texts; }
    // Whether each MessageDialog answered or watched showed any button.
    QList<bool> buttonsShown() const { return m_buttonsShown; }
    // Class names of modal widgets that came when another class (or nothing) was expected.
    QStringList unexpected() const { return m_unexpected; }

private:
    struct Step
    {
        QString className;
        Action action;
    };

    void poll();

    std::queue<Step> m_steps;
    void record(MessageDialog *box);

    QStringList m_texts;
    QList<bool> m_buttonsShown;
    QList<QPointer<QWidget>> m_ignored;
    QStringList m_unexpected;
    QPointer<QWidget> m_last;
    int m_timer = 0;

protected:
    void timerEvent(QTimerEvent *) override { poll(); }
};
