#include "foundation/meterratioobserver.h"

#include <QVariant>

#include <algorithm>
#include <cmath>

namespace {
const double kUnitFactor = 10000.0;
const double kUncalibrated = 1e-12;

bool fuzzyEqual(double a, double b)
{
    return std::fabs(a - b) * 1000000000000.0 <= std::min(std::fabs(a), std::fabs(b));
}
} // namespace

MeterRatioObserver::MeterRatioObserver(QObject *parent)
    : QObject(parent)
{
}

double MeterRatioObserver::toUnits(double value) const
{
    return value / (m_ratio * kUnitFactor);
}

double MeterRatioObserver::fromUnits(double value) const
{
    return m_ratio * kUnitFactor * value;
}

double MeterRatioObserver::inverseScale() const
{
    return 1.0 / (m_ratio * kUnitFactor);
}

void MeterRatioObserver::observe(const QSharedPointer<QObject> &plan)
{
    m_plan = plan;
    if (!plan)
        return;
    // One connection per plan, however often it is observed again.
    connect(plan.data(), SIGNAL(ratioChanged(double)), this, SLOT(setRatio(double)), Qt::UniqueConnection);
    setRatio(plan->property("ratio").toDouble());
}

void MeterRatioObserver::setRatio(double ratio)
{
    if (!std::isfinite(ratio) || std::fabs(ratio) <= kUncalibrated)
        return;
    if (fuzzyEqual(m_ratio, ratio))
        return;
    m_ratio = ratio;
    emit ratioChanged();
}
