#ifndef QFOLDEREDIT_H
#define QFOLDEREDIT_H

#include "widgetdeck_export.h"

#include <QLineEdit>

class QFolderValidator;

/// Line edit for a file or folder name: refuses the characters a file name cannot contain
/// and lists them in its tool tip.
class WIDGETDECK_EXPORT QFolderEdit : public QLineEdit
{
    Q_OBJECT
public:
    /// Builds the edit with its validator and tool tip.
    explicit QFolderEdit(QWidget *parent = nullptr);
    /// Destroys the widget together with the children it created.
    ~QFolderEdit() override;

private:
    QFolderValidator *m_validator;
};

#endif // QFOLDEREDIT_H
