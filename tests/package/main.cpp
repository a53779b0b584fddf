// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

// Host program: finds the installed library, installs its English translator, builds one
// widget of every family, checks that translated texts reach the screen and, given the
// installed designer plugin's path, that the plugin loads. Bare header names and the prefixed
// style (<WidgetDeck/...>, <FormCore/...>) are mixed in one program, as hosts write them.
#include <widgetdeck.h>

#include <FormCore/qbasedlg.h>
#include <WidgetDeck/qokcancel.h>
#include <WidgetDeck/qpathlineedit.h>
#include <WidgetDeck/widgetdeck.h>

#include <QApplication>
#include <QPluginLoader>
#include <QPushButton>
#include <QRadioButton>
#include <QTextStream>
#include <QTranslator>

namespace {
// Builds widgets through the prefixed headers; false when one fails to come up.
bool buildPrefixed()
{
    QBaseDlg dialog;
    auto *bar = new QOkCancel(&dialog);
    auto *path = new QPathLineEdit(&dialog);
    return bar->parent() == &dialog && path->parent() == &dialog
        && WIDGETDECK_VERSION >= WIDGETDECK_VERSION_CHECK(1, 0, 0);
}

template<typename Child>
QStringList textsOf(const QWidget *widget)
{
    QStringList texts;
    for (const Child *child : widget->findChildren<Child *>())
        texts << child->text();
    return texts;
}
} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QTextStream err(stderr);

    QTranslator translator;
    if (!translator.load(QStringLiteral(":/qm/tr_libwidgetdeck_en")) || !app.installTranslator(&translator)) {
        err << "cannot load the English catalogue\n";
        return 1;
    }

    // One of each family: confirmation, dialogs, cursor, numeric, network, path, buttons, inputs.
    auto *okCancel = new QOkCancel;
    auto *tiles = new QChooseWidget;
    auto *folder = new QFolderEdit;
    // Separate top-level windows; the process ends with them.
    const QList<QWidget *> widgets{okCancel, new QMyMessageBox, new QColorButton, new QCursorFrame,
                                   new QHexLineEdit(nullptr, 0, 255), new QEditIP, folder, tiles, new QPswEdit};
    for (QWidget *widget : widgets)
        widget->show();
    app.processEvents();

    const QStringList buttons = textsOf<QPushButton>(okCancel);
    const QStringList choices = textsOf<QRadioButton>(tiles);
    if (!buttons.contains(QStringLiteral("OK")) || !buttons.contains(QStringLiteral("Cancel"))
        || !choices.contains(QStringLiteral("Servo"))
        || !folder->toolTip().startsWith(QStringLiteral("A file name cannot"))) {
        err << "untranslated texts: " << buttons.join(QLatin1Char(',')) << " / " << choices.join(QLatin1Char(','))
            << " / " << folder->toolTip() << '\n';
        return 1;
    }

    if (!buildPrefixed()) {
        err << "prefixed includes build the wrong widgets\n";
        return 1;
    }

    if (argc > 1) {
        QPluginLoader plugin(QString::fromLocal8Bit(argv[1]));
        if (!plugin.instance()) {
            err << "designer plugin does not load: " << plugin.errorString() << '\n';
            return 1;
        }
    }
    QTextStream(stdout) << "consumer: WidgetDeck " << WIDGETDECK_VERSION_STRING << ", " << widgets.size()
                        << " widgets, translated" << (argc > 1 ? ", designer plugin loads" : "") << '\n';
    return 0;
}
