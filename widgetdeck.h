#ifndef WIDGETDECK_H
#define WIDGETDECK_H

// Umbrella header: every public class of the library.

#include "widgetdeck_export.h"
#include "widgetdecktypes.h"
#include "widgetdeck_version.h"

// Confirmation and messages
#include "qokcancel.h"
#include "qmymessagebox.h"

// Measurement cursors

// Numeric and hexadecimal entry

// Network address entry and adapter configuration

// Progress and value dialogs

// Path entry and validation

// Selection, navigation and decorated buttons

// Input wrappers

#endif // WIDGETDECK_H
