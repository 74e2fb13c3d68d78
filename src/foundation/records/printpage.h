#pragma once

#include "foundation/records/printelement.h"

#include <QCoreApplication>
#include <QFont>
#include <QPicture>
#include <QPointF>
#include <QString>
#include <QVector>

class QGraphicsScene;
class QPainter;

// One page of a report: its drawing records, size in page pixels, number in the report, and
// whether the note that all dimensions are approximate belongs on it (shown in the preview).
class PrintPage
{
    Q_DECLARE_TR_FUNCTIONS(PrintPage)

public:
    // A4 portrait in page pixels, as the reports use it.
    static constexpr int A4Width = 793;
    static constexpr int A4Height = 1123;

    PrintPage(int width, int height);

    int width() const { return m_width; }
    int height() const { return m_height; }
    int pageNumber() const { return m_pageNumber; }
    void setPageNumber(int pageNumber) { m_pageNumber = pageNumber; }
    bool approximateNote() const { return m_approximateNote; }
    void setApproximateNote(bool show) { m_approximateNote = show; }
    QFont font() const { return m_font; }

    const QVector<PrintElement> &elements() const { return m_elements; }
    void addElement(const PrintElement &element) { m_elements.append(element); }
    // The first element with this id, changeable in place; null when none has it.
    PrintElement *findElement(const QString &id);

    // Pages before firstNumberedPage (cover, contents) carry no number; 0 numbers no page.
    QPicture toPicture(int firstNumberedPage) const;
    // Paints the page straight onto a painter in page pixels, as toPicture records it. Printing
    // paints this way: images replayed from pictures reach a PDF as one copy per page.
    void paint(QPainter *painter, int firstNumberedPage) const;
    void addToScene(QGraphicsScene *scene, const QPointF &offset, int firstNumberedPage) const;

private:
    QString shownNumber(int firstNumberedPage) const;

    int m_width;
    int m_height;
    int m_pageNumber = 0;
    bool m_approximateNote = true;
    QFont m_font;
    QVector<PrintElement> m_elements;
};
