#pragma once

#include <QString>

class QTextStream;

// Appends every Qt debug, warning, critical and fatal message to a text file while it runs, for
// support. Messages may come from any thread; they are written one whole line at a time.
class DebugLog
{
public:
    // The process-wide stream; its device is the log file while the log runs, none otherwise.
    static QTextStream &stream();
    static bool isOpen();

    // Opens the file for appending, writes the start line and takes over Qt's messages. Nothing
    // happens when the log already runs (true). When the file cannot be opened nothing is
    // installed, messages keep their usual way, and the result is false.
    static bool start(const QString &filePath);
    // Writes the closing line and an empty line, closes the file and gives the messages back to
    // the handler that had them before start. Nothing when the log does not run.
    static void stop();

private:
    DebugLog() = delete;
};
