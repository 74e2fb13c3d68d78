#pragma once

#include "support/dialoganswers.h"
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

using DialogAnswers::chooseFile;
