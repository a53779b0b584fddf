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
#include "qextendprogressdialog.h"
#include "qextendsliderdialog.h"
#include "qsearchprogress.h"
#include "qstyleinputdialog.h"
#include "qexporttypedlg.h"
#include "qmycolordlg.h"
#include "qcolorbutton.h"

// Path entry and validation
#include "qfoldervalidator.h"
#include "qfolderedit.h"
#include "qpathlineedit.h"

// Selection, navigation and decorated buttons

// Input wrappers

#endif // WIDGETDECK_H
