#pragma once

#include <QLoggingCategory>

// Debug output of the model library: catalogue reading, file decoding, print-job building.
// Quiet by default; "zz.model.debug=true" in QT_LOGGING_RULES turns it on. Warnings show.
Q_DECLARE_LOGGING_CATEGORY(lcModel)
