#include "networklogging_p.h"

Q_LOGGING_CATEGORY(lcNetwork, "widgetdeck.network")
