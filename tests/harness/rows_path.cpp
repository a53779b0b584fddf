// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

// Rows of the path family: folder-name editors and their validator.
#include "harness.h"

#include "qfolderedit.h"
#include "qfoldervalidator.h"
#include "qpathlineedit.h"

namespace {
using namespace harness;

const Rows registered{
    {"QFolderEdit", make<QFolderEdit>(), {}, {}, {}, {"QFolderEdit"}, {}, {}, betweenHostEditors},
    {"QPathLineEdit", make<QPathLineEdit>(), {}, {}, {}, {"QPathLineEdit"}, {}, {}, betweenHostEditors},
    {"QFolderValidator", make<QFolderValidator>()},
};
} // namespace
