#pragma once

#include "support/modalanswerer.h"

#include <QFileDialog>

// An answer for ModalAnswerer::expect("QFileDialog", ...): the user picks the file.
inline ModalAnswerer::Action chooseFile(const QString &path)
{
    return [path](QWidget *w) {
        auto *dialog = static_cast<QFileDialog *>(w);
        dialog->selectFile(path);
        static_cast<QDialog *>(dialog)->accept();
    };
}
