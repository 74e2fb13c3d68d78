#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QWindow>

// Counts the frames a window was asked for: renderLater posts one update request, however often
// it is called before the request is delivered.
class RenderRequests : public QObject
{
public:
    explicit RenderRequests(QWindow *window) : m_window(window) { window->installEventFilter(this); }

    // Delivers what is pending, then gives the number of requests so far and starts again at 0.
    int take()
    {
        QCoreApplication::sendPostedEvents(m_window, QEvent::UpdateRequest);
        const int n = m_count;
        m_count = 0;
        return n;
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::UpdateRequest)
            ++m_count;
        return false;
    }

private:
    QWindow *m_window;
    int m_count = 0;
};
