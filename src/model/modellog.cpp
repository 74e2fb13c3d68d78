#include "model/modellog.h"

Q_LOGGING_CATEGORY(lcModel, "zz.model", QtInfoMsg)
