#include "cursorlogging_p.h"

Q_LOGGING_CATEGORY(lcWidgetDeckCursor, "widgetdeck.cursor")
