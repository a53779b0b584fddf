// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#include "widgetdeckdesigner.h"

#include "widgetdeck.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QIcon>
#include <QPainter>
#include <QLocale>
#include <QPixmap>
#include <QTranslator>

// Everything the palette shows about one widget; the plugin is this table plus one generic
// interface class, so a new widget is one more row.
struct WidgetDeckDesignerEntry
{
    const char *className;
    const char *extends;   // nearest Qt class, for the property editor
    const char *group;
    const char *glyph;     // two characters drawn on the icon
    const char *toolTip;
    const char *whatsThis;
    int width;
    int height;
    QWidget *(*create)(QWidget *parent);
};

namespace {

const char kConfirmation[] = "WidgetDeck: Confirmation";
const char kCursors[] = "WidgetDeck: Cursors";
const char kNumeric[] = "WidgetDeck: Numeric Entry";
const char kNetwork[] = "WidgetDeck: Network";
const char kDialogs[] = "WidgetDeck: Value Dialogs";
const char kPaths[] = "WidgetDeck: Paths";
const char kButtons[] = "WidgetDeck: Selection and Navigation";
const char kInputs[] = "WidgetDeck: Input Wrappers";

// A few classes take no parent in their constructor; they are re-parented here.
template<typename W, typename... Args>
QWidget *adopt(QWidget *parent, Args... args)
{
    auto *widget = new W(args...);
    widget->setParent(parent);
    return widget;
}

const WidgetDeckDesignerEntry kEntries[] = {
    {"QOkCancel", "QWidget", kConfirmation, "OK", "Open / Default / OK / Cancel / Quit button row",
     "A row of confirmation buttons; the button type chooses which are shown. Emits SigOk, SigCancel, "
     "SigOpen and SigDefault.", 400, 48, [](QWidget *p) -> QWidget * { return new QOkCancel(p); }},

    {"QCursorFrame", "QWidget", kCursors, "\u2195", "Measurement cursors over a plot",
     "A transparent overlay laid over a plot: two vertical and two horizontal cursors that the user drags; "
     "positions are reported as fractions of the measure area.", 320, 200,
     [](QWidget *p) -> QWidget * { return new QCursorFrame(p); }},

    {"QHexSpinBox", "QSpinBox", kNumeric, "0x", "Hexadecimal spin box",
     "A spin box that shows and accepts upper-case hexadecimal digits and ignores the mouse wheel.", 100, 30,
     [](QWidget *p) { return adopt<QHexSpinBox>(p); }},
    {"QMultiHexSpinBox", "QWidget", kNumeric, "0x", "Four-digit hexadecimal fields joined by dashes",
     "A row of four-digit hexadecimal fields joined by \"-\" labels, set and read as one list of values.", 200, 30,
     [](QWidget *p) { return adopt<QMultiHexSpinBox>(p, 2); }},
    {"QHexLineEdit", "QLineEdit", kNumeric, "#h", "Range-checked hexadecimal line edit",
     "A line edit that accepts hexadecimal text within a minimum and maximum.", 160, 30,
     [](QWidget *p) -> QWidget * { return new QHexLineEdit(p); }},
    {"QIntLineEdit", "QLineEdit", kNumeric, "#d", "Range-checked decimal line edit",
     "A line edit that accepts decimal integers within a minimum and maximum.", 160, 30,
     [](QWidget *p) -> QWidget * { return new QIntLineEdit(p); }},

    {"QIPLineEdit", "QLineEdit", kNetwork, "IP", "IPv4 address in one line edit with four fields",
     "A line edit drawn as four octet fields; typing moves between them.", 150, 20,
     [](QWidget *p) -> QWidget * { return new QIPLineEdit(p); }},
    {"QEditIP", "QWidget", kNetwork, "IP", "Segmented IPv4 address editor",
     "Four segments of up to three digits in a rounded frame; a full segment hands the focus on.", 170, 28,
     [](QWidget *p) -> QWidget * { return new QEditIP(p); }},
    {"QWebSetClient", "QWidget", kNetwork, "NI", "Network adapter configuration panel",
     "Lists the computer's network adapters and switches one to DHCP or to a fixed address on a worker "
     "thread.", 630, 360, [](QWidget *p) -> QWidget * { return new QWebSetClient(p); }},

    {"QColorButton", "QPushButton", kDialogs, "Co", "Button showing a colour; a click opens the colour dialog",
     "A button filled with its colour. Clicking it opens the colour dialog and emits SigColorChanged with "
     "the chosen colour.", 32, 32, [](QWidget *p) -> QWidget * { return new QColorButton(p); }},

    {"QFolderEdit", "QLineEdit", kPaths, "Fo", "Line edit for a folder or file name",
     "Refuses the characters a file name cannot contain and lists them in its tool tip.", 200, 30,
     [](QWidget *p) -> QWidget * { return new QFolderEdit(p); }},
    {"QPathLineEdit", "QLineEdit", kPaths, "Pa", "Line edit for a path",
     "A folder-name edit that can also judge its whole text as a usable name.", 240, 30,
     [](QWidget *p) -> QWidget * { return new QPathLineEdit(p); }},

    {"QClickImgLabel", "QLabel", kButtons, "Im", "Label reporting clicks and double clicks",
     "A label, usually showing an image, that emits SigClicked on a left press and SigOk on a double click.",
     64, 64, [](QWidget *p) -> QWidget * { return new QClickImgLabel(p); }},
    {"QClickRadioButton", "QRadioButton", kButtons, "Ra", "Radio button reporting clicks and double clicks",
     "Reports a left press and a double click; its checked state changes only through setChecked().", 120, 22,
     [](QWidget *p) -> QWidget * { return new QClickRadioButton(p); }},
    {"QImgRadioButton", "QWidget", kButtons, "Ti", "Image tile with a radio button",
     "A selectable tile: an image above a radio button, highlighted when hovered or checked.", 120, 120,
     [](QWidget *p) -> QWidget * { return new QImgRadioButton(p); }},
    {"QChooseWidget", "QWidget", kButtons, "Ti", "Row of product choice tiles",
     "Three image tiles (VFD, servo, remote I/O) with one exclusive selection; a double click emits SigOk.", 520, 160,
     [](QWidget *p) -> QWidget * { return new QChooseWidget(p); }},
    {"QTopWizard", "QWidget", kButtons, "Wz", "Wizard step bar",
     "One checkable step button per wizard step, joined by arrow images, with exactly one step checked.", 420, 40,
     [](QWidget *p) -> QWidget * { return new QTopWizard(p); }},
    {"QTopSideWidget", "QWidget", kButtons, "Sd", "Title band of a side panel with hide and close buttons",
     "A panel title with a hide button pointing to its side and a close button.", 240, 30,
     [](QWidget *p) -> QWidget * { return new QTopSideWidget(p); }},
    {"QEdgeWidget", "QWidget", kButtons, "Ed", "Stand-in strip for a collapsed side panel",
     "A narrow strip with one tall button whose caption runs vertically; a click asks to show the panel.", 30, 200,
     [](QWidget *p) -> QWidget * { return new QEdgeWidget(p); }},
    {"QRotatePushButton", "QPushButton", kButtons, "Ro", "Tall push button with a vertical caption",
     "A narrow push button whose caption runs top to bottom, for edge strips.", 30, 150,
     [](QWidget *p) -> QWidget * { return new QRotatePushButton(p); }},
    {"QMenuButton", "QPushButton", kButtons, "Mn", "Self-painted menu entry",
     "A flat menu entry with an index, a hover shade and a sticky selected shade.", 120, 30,
     [](QWidget *p) -> QWidget * { return new QMenuButton(p); }},
    {"QCustomPushButton", "QWidget", kButtons, "St", "Push button with a status image and text",
     "A push button followed by an image and a text that report the outcome of the last action.", 260, 54,
     [](QWidget *p) -> QWidget * { return new QCustomPushButton(p); }},
    {"QCustomButton", "QPushButton", kButtons, "Bu", "Push button whose caption is also its tool tip",
     "A push button that repeats its caption as tool tip, so a clipped caption stays readable.", 100, 35,
     [](QWidget *p) -> QWidget * { return new QCustomButton(p); }},
    {"QIndustryItem", "QWidget", kButtons, "In", "Entry of an industry list with a close button",
     "A label and a small close button: clicking the entry asks to show it, the close button asks to remove it.", 140, 30,
     [](QWidget *p) -> QWidget * { return new QIndustryItem(p); }},

    {"QExtendComboBox", "QComboBox", kInputs, "Cb", "Combo box carrying host data",
     "A combo box holding one value of the host's that its change signals repeat.", 140, 30,
     [](QWidget *p) -> QWidget * { return new QExtendComboBox(p); }},
    {"QExtendDoubleSpinBox", "QDoubleSpinBox", kInputs, "1.", "Double spin box carrying host data",
     "A double spin box holding one value of the host's that its change signals repeat.", 100, 30,
     [](QWidget *p) -> QWidget * { return new QExtendDoubleSpinBox(p); }},
    {"QNoWheelComboBox", "QComboBox", kInputs, "Cb", "Combo box that ignores the mouse wheel",
     "Scrolling a form over it never changes its value.", 140, 30,
     [](QWidget *p) -> QWidget * { return new QNoWheelComboBox(p); }},
    {"QNoWheelDateTimeEdit", "QDateTimeEdit", kInputs, "Dt", "Date-time edit that ignores the mouse wheel",
     "Scrolling a form over it never changes its value.", 220, 30,
     [](QWidget *p) -> QWidget * { return new QNoWheelDateTimeEdit(p, QDateTime::currentDateTime()); }},
    {"QNoWheelDouSpinBox", "QDoubleSpinBox", kInputs, "1.", "Double spin box that ignores the mouse wheel",
     "Scrolling a form over it never changes its value.", 100, 30,
     [](QWidget *p) -> QWidget * { return new QNoWheelDouSpinBox(p); }},
    {"QMyCombobox", "QComboBox", kInputs, "Cb", "Combo box reporting when its popup closes",
     "A combo box that emits sigHidePopup when its list closes.", 140, 30,
     [](QWidget *p) -> QWidget * { return new QMyCombobox(p); }},
    {"QItemComboBox", "QComboBox", kInputs, "Cb", "Wheel-less combo box on its own item model",
     "Every entry shows its text as tool tip; the drop-down list can be widened to fit the longest entry.", 160, 30,
     [](QWidget *p) -> QWidget * { return new QItemComboBox(p); }},
    {"QAxisComBoxWidget", "QWidget", kInputs, "Ax", "Axis selector",
     "Offers \"X\", or \"X\", \"Y\" and \"Z\" for devices with several axes.", 160, 30,
     [](QWidget *p) -> QWidget * { return new QAxisComBoxWidget(p); }},
    {"QCustomLineEdit", "QWidget", kInputs, "Le", "Line edit with a unit label",
     "A line edit followed by a fixed-width unit label: a value with its unit.", 240, 48,
     [](QWidget *p) -> QWidget * { return new QCustomLineEdit(p); }},
    {"QCustomDateTimeEdit", "QWidget", kInputs, "Dt", "Date-time edit with a push button",
     "A wheel-less date-time editor followed by a push button that the host connects.", 290, 30,
     [](QWidget *p) { return adopt<QCustomDateTimeEdit>(p, QDateTime::currentDateTime(), QString()); }},
    {"QPswEdit", "QLineEdit", kInputs, "**", "Password edit with a show/hide button",
     "A line edit that masks its text; its button switches between masked and readable text.", 200, 30,
     [](QWidget *p) -> QWidget * { return new QPswEdit(p); }},
    {"QTranslatedTextEdit", "QTextEdit", kInputs, "Tx", "Text edit with a translated context menu",
     "A text edit whose context menu offers translated Copy and Select all.", 240, 120,
     [](QWidget *p) -> QWidget * { return new QTranslatedTextEdit(p); }},
    {"QPressLabel", "QLabel", kInputs, "Lb", "Label reporting a press",
     "A label that emits a signal when it is pressed.", 100, 24,
     [](QWidget *p) -> QWidget * { return new QPressLabel(p); }},
};

// "QIPLineEdit" -> "ipLineEdit", "QOkCancel" -> "okCancel".
QString objectNameFor(const QString &className)
{
    QString name = className.mid(1);
    int upper = 0;
    while (upper < name.size() && name.at(upper).isUpper())
        ++upper;
    const int lower = (upper > 1 && upper < name.size()) ? upper - 1 : upper;
    for (int i = 0; i < lower; ++i)
        name[i] = name.at(i).toLower();
    return name;
}

QColor groupColour(const char *group)
{
    const char *const groups[] = {kConfirmation, kCursors, kNumeric, kNetwork, kDialogs, kPaths, kButtons, kInputs};
    const QColor colours[] = {"#2e7d32", "#6a1b9a", "#1565c0", "#00838f", "#ad1457", "#8d6e63", "#ef6c00", "#455a64"};
    for (int i = 0; i < 8; ++i)
        if (group == groups[i])
            return colours[i];
    return Qt::gray;
}

} // namespace

WidgetDeckDesignerWidget::WidgetDeckDesignerWidget(const WidgetDeckDesignerEntry &entry, QObject *parent)
    : QObject(parent)
    , m_entry(entry)
{
}

QString WidgetDeckDesignerWidget::name() const
{
    return QLatin1String(m_entry.className);
}

QString WidgetDeckDesignerWidget::group() const
{
    return QLatin1String(m_entry.group);
}

QString WidgetDeckDesignerWidget::toolTip() const
{
    return QLatin1String(m_entry.toolTip);
}

QString WidgetDeckDesignerWidget::whatsThis() const
{
    return QLatin1String(m_entry.whatsThis);
}

QString WidgetDeckDesignerWidget::includeFile() const
{
    return name().toLower() + QLatin1String(".h");
}

// Drawn rather than shipped: a rounded square in the family's colour with a short glyph.
QIcon WidgetDeckDesignerWidget::icon() const
{
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(groupColour(m_entry.group));
    painter.drawRoundedRect(QRectF(1, 1, 30, 30), 6, 6);
    QFont font = painter.font();
    font.setBold(true);
    font.setPixelSize(14);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(pixmap.rect(), Qt::AlignCenter, QString::fromUtf8(m_entry.glyph));
    painter.end();
    return QIcon(pixmap);
}

bool WidgetDeckDesignerWidget::isContainer() const
{
    return false;
}

QWidget *WidgetDeckDesignerWidget::createWidget(QWidget *parent)
{
    return m_entry.create(parent);
}

bool WidgetDeckDesignerWidget::isInitialized() const
{
    return m_initialized;
}

void WidgetDeckDesignerWidget::initialize(QDesignerFormEditorInterface *core)
{
    Q_UNUSED(core)
    m_initialized = true;
}

QString WidgetDeckDesignerWidget::domXml() const
{
    return QStringLiteral("<ui language=\"c++\">\n"
                          " <widget class=\"%1\" name=\"%2\">\n"
                          "  <property name=\"geometry\">\n"
                          "   <rect><x>0</x><y>0</y><width>%3</width><height>%4</height></rect>\n"
                          "  </property>\n"
                          " </widget>\n"
                          " <customwidgets>\n"
                          "  <customwidget>\n"
                          "   <class>%1</class>\n"
                          "   <extends>%5</extends>\n"
                          "  </customwidget>\n"
                          " </customwidgets>\n"
                          "</ui>\n")
        .arg(name(), objectNameFor(name()))
        .arg(m_entry.width)
        .arg(m_entry.height)
        .arg(QLatin1String(m_entry.extends));
}

WidgetDeckDesignerPlugin::WidgetDeckDesignerPlugin(QObject *parent)
    : QObject(parent)
{
    for (const WidgetDeckDesignerEntry &entry : kEntries)
        m_widgets.append(new WidgetDeckDesignerWidget(entry, this));

    // Previews show the catalogue's texts, not its keys: the library's catalogue for Designer's
    // language (English unless that is Chinese) stays installed while the plugin is loaded.
    // The translator is a child of the plugin, so unloading the plugin removes it again.
    auto *translator = new QTranslator(this);
    translator->setObjectName(QStringLiteral("widgetDeckDesignerTranslator"));
    const bool chinese = QLocale().language() == QLocale::Chinese;
    const QString catalogue = chinese ? QStringLiteral(":/qm/tr_libwidgetdeck_zh_CN")
                                      : QStringLiteral(":/qm/tr_libwidgetdeck_en");
    if (translator->load(catalogue) || translator->load(QStringLiteral(":/qm/tr_libwidgetdeck_en")))
        QCoreApplication::installTranslator(translator);
}

QList<QDesignerCustomWidgetInterface *> WidgetDeckDesignerPlugin::customWidgets() const
{
    return m_widgets;
}
