#pragma once

#include <QCoreApplication>
#include <QImage>
#include <QString>

// Turns the first page of a PDF document into a picture with the pdftocairo program of
// poppler-utils. The program writes into a private temporary folder, which goes with all it
// holds once the picture is read.
class PdfPageConverter
{
    Q_DECLARE_TR_FUNCTIONS(PdfPageConverter)

public:
    // A converter that has not ended after this long is stopped.
    static constexpr int DefaultTimeoutMs = 120000;

    // pdftocairo in the program's own folder, else on the PATH; empty when there is none.
    static QString findProgram();

    // The first page at the converter's resolution. Waits for the converter in a local event
    // loop, so the user interface keeps repainting (and handling events) meanwhile. On failure
    // (no converter, it cannot start, fails, times out or writes no picture) a null picture
    // and the reason in error.
    static QImage firstPage(const QString &pdfPath, QString *error, const QString &program,
                            int timeoutMs = DefaultTimeoutMs);
};
