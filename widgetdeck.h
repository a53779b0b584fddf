#ifndef WIDGETDECK_H
#define WIDGETDECK_H

// Umbrella header: every public class of the library.

#include "widgetdeck_export.h"
#include "widgetdecktypes.h"

// Confirmation and messages
#include "qokcancel.h"
#include "qmymessagebox.h"

#endif // WIDGETDECK_H
