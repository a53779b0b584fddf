// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

// The same package through the prefixed include style hosts write: <WidgetDeck/...> and
// <FormCore/...>, mixed with bare names in one program.
#include <FormCore/qbasedlg.h>
#include <WidgetDeck/qpathlineedit.h>
#include <WidgetDeck/qokcancel.h>
#include <WidgetDeck/widgetdeck.h>

#include <memory>

// Builds one widget through each prefixed header; false when one fails to come up.
bool buildPrefixed()
{
    QBaseDlg dialog;
    auto *bar = new QOkCancel(&dialog);
    auto *path = new QPathLineEdit(&dialog);
    return bar->parent() == &dialog && path->parent() == &dialog
        && WIDGETDECK_VERSION >= WIDGETDECK_VERSION_CHECK(1, 0, 0);
}
