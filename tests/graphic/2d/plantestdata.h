#pragma once

#include "support/modalanswerer.h"

#include <QAbstractItemView>
#include <QFileDialog>
#include <QLineEdit>
#include <QtTest>
#include <QImage>

// A picture with a red 20 x 20 mark in its top-left corner on blue, to see where it went.
inline QImage markedImage(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::blue);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x)
            image.setPixel(x, y, qRgb(255, 0, 0));
    return image;
}

// An answer for ModalAnswerer::expect("QFileDialog", ...): the user types the file's full path
// and accepts. Typed, not picked from the list: the dialog fills its list in the background,
// and what it has listed (and selected) so far would vary from run to run.
inline ModalAnswerer::Action chooseFile(const QString &path)
{
    return [path](QWidget *w) {
        auto *dialog = static_cast<QFileDialog *>(w);
        if (auto *list = dialog->findChild<QAbstractItemView *>(QStringLiteral("listView")))
            list->clearSelection();
        auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        QVERIFY(name);
        name->setText(path);
        static_cast<QDialog *>(dialog)->accept();
    };
}
