#pragma once

#include "foundation/reporter.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// Points HOME and the XDG folders into a fresh temporary directory while it lives, so that
// nothing a test does reaches the real user's files.
class TestEnvironment
{
public:
    TestEnvironment();
    ~TestEnvironment();
    TestEnvironment(const TestEnvironment &) = delete;
    TestEnvironment &operator=(const TestEnvironment &) = delete;

    QString root() const { return m_dir.path(); }
    QString home() const;

private:
    QTemporaryDir m_dir;
    QHash<QByteArray, QByteArray> m_saved;
};

// Takes the messages sent through Reporter while it lives, instead of showing dialogs.
class ReporterCapture
{
public:
    ReporterCapture();
    ~ReporterCapture();
    ReporterCapture(const ReporterCapture &) = delete;
    ReporterCapture &operator=(const ReporterCapture &) = delete;

    QStringList notices() const;
    QStringList errors() const;
    void clear() { m_messages.clear(); }

private:
    QList<QPair<Reporter::Kind, QString>> m_messages;
    Reporter::Handler m_previous;
};
