#include "entry/observationentry.h"

#include "foundation/messagedialog.h"
#include "model/investigation.h"
#include "model/records.h"

#include <QAbstractSpinBox>
#include <QCoreApplication>

#include <cmath>

QString photoFileName(const Investigation &inspection, const ObservationRecord &incoming, const QTime &videoTime)
{
    if (!incoming.photoFile.isEmpty())
        return incoming.photoFile;
    const qint64 number = qint64(inspection.lastPhotoNumber()) + 1;
    return QStringLiteral("img_%1_%2.jpg").arg(videoTime.toString(QStringLiteral("hhmmss"))).arg(number);
}

bool confirmDistance(double distance, QAbstractSpinBox &distanceField, QWidget *parent)
{
    if (std::abs(distance) > 1e-12)
        return true;
    MessageDialog question(QCoreApplication::translate("ENDamageDataDialog",
                                                       "Es wurde der Meterwert 0.00m eingegeben.\nMöchten Sie dies so belassen?"),
                           MessageDialog::Yes | MessageDialog::No, -1, parent);
    if (question.exec() == MessageDialog::Yes)
        return true;
    distanceField.selectAll();
    distanceField.setFocus();
    return false;
}
