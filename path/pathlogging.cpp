#include "pathlogging_p.h"

Q_LOGGING_CATEGORY(lcWidgetDeckPath, "widgetdeck.path")
