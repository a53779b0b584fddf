#include "dialogslogging_p.h"

Q_LOGGING_CATEGORY(lcWidgetDeckDialogs, "widgetdeck.dialogs")
