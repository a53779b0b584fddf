#include "numericlogging_p.h"

Q_LOGGING_CATEGORY(lcWidgetDeckNumeric, "widgetdeck.numeric")
