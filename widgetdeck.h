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
#include "qcursorframe.h"

// Numeric and hexadecimal entry
#include "qhexspinbox.h"
#include "qmultihexspinbox.h"
#include "qhexvalidator.h"
#include "qhexlineedit.h"
#include "qintlineedit.h"
#include "qhexdlg.h"

// Network address entry and adapter configuration
#include "qiplineedit.h"
#include "qeditip.h"
#include "qwebsetclient.h"

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
#include "qclickimglabel.h"
#include "qclickradiobutton.h"
#include "qimgradiobutton.h"
#include "qchoosewidget.h"
#include "qtopwizard.h"
#include "qtopsidewidget.h"
#include "qedgewidget.h"
#include "qrotatepushbutton.h"
#include "qmenubutton.h"
#include "qcustompushbutton.h"
#include "qcustombutton.h"
#include "qindustryitem.h"

// Input wrappers
#include "qextendcombobox.h"
#include "qextenddoublespinbox.h"
#include "qnowheelcombobox.h"
#include "qnowheeldatetimeedit.h"
#include "qnowheeldouspinbox.h"
#include "qmycombobox.h"
#include "qitemcombobox.h"
#include "qaxiscomboxwidget.h"
#include "qcustomlineedit.h"
#include "qcustomdatetimeedit.h"
#include "qpswedit.h"
#include "qtranslatedtextedit.h"
#include "qhideableheaderview.h"
#include "qpresslabel.h"

#endif // WIDGETDECK_H
