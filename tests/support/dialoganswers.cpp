#include "dialoganswers.h"

#include "formaccess.h"

#include <QAbstractItemView>
#include <QFileDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

namespace DialogAnswers {

ModalAnswerer::Action openProjectNamed(const QString &name)
{
    return [name](QWidget *dialog) {
        auto *list = formChild<QListWidget>(*dialog, "listWidget");
        const QList<QListWidgetItem *> found = list->findItems(name, Qt::MatchExactly);
        QVERIFY2(!found.isEmpty(), qPrintable(name));
        list->setCurrentItem(found.first());
        formChild<QPushButton>(*dialog, "accept")->click();
    };
}

ModalAnswerer::Action createProjectNamed(const QString &name)
{
    return [name](QWidget *dialog) {
        formChild<QLineEdit>(*dialog, "lineEdit")->setText(name);
        formChild<QPushButton>(*dialog, "accept")->click();
    };
}

ModalAnswerer::Action chooseFile(const QString &path)
{
    return [path](QWidget *w) {
        auto *dialog = qobject_cast<QFileDialog *>(w);
        QVERIFY(dialog);
        if (auto *list = dialog->findChild<QAbstractItemView *>(QStringLiteral("listView")))
            list->clearSelection();
        auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        QVERIFY(name);
        name->setText(path);
        static_cast<QDialog *>(dialog)->accept();
    };
}

} // namespace DialogAnswers
