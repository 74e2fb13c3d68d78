#pragma once

#include <QObject>
#include <QSharedPointer>

// The process-wide scale of the shown site plan, in metres per plan unit, with conversions
// between metres and plan units and a signal when the scale changes.
class MeterRatioObserver : public QObject
{
    Q_OBJECT

public:
    explicit MeterRatioObserver(QObject *parent = nullptr);

    double ratio() const { return m_ratio; }

    // Follows a site plan: holds it (which keeps it alive), adopts its scale at once and then
    // every scale it announces. The plan is any object with a readable "ratio" property and a
    // ratioChanged(double) signal, so the foundation needs no plan type. A null plan releases
    // the held one and keeps the ratio. A plan released here that lives on elsewhere goes on
    // passing its scale changes until it is destroyed.
    void observe(const QSharedPointer<QObject> &plan);
    QSharedPointer<QObject> observedPlan() const { return m_plan; }

    // Conversions with the fixed factor 10000 between the ratio and the plan's drawing units.
    double toUnits(double value) const;
    double fromUnits(double value) const;
    double inverseScale() const;

public slots:
    // Adopts a new ratio and emits ratioChanged() when it differs from the held one by more than
    // a relative 1e-12. A ratio that is not finite or whose magnitude is at most 1e-12 (a plan
    // that is not calibrated) is ignored, so the conversions never divide by zero.
    void setRatio(double ratio);

signals:
    void ratioChanged();

private:
    double m_ratio = 0.01;
    QSharedPointer<QObject> m_plan;
};
