#include "qfolderedit.h"

#include "qfoldervalidator.h"

QFolderEdit::QFolderEdit(QWidget *parent)
    : QLineEdit(parent)
    , m_validator(new QFolderValidator(this))
{
    m_validator->setObjectName(QStringLiteral("folderValidator"));
    setValidator(m_validator);
    setToolTip(tr("STR_FOLDER_INVALID_TIP"));
}

QFolderEdit::~QFolderEdit() = default;
