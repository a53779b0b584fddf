#include "benchrunner.h"

#include "qmymessagebox.h"
#include "qokcancel.h"

#include <QDialogButtonBox>
#include <QMessageBox>

QList<Comparison> messageBenchmarks()
{
    Comparison box;
    box.ours = QStringLiteral("QMyMessageBox (question)");
    box.stock = QStringLiteral("QMessageBox (question)");
    box.runOurs = [] {
        auto *w = new QMyMessageBox;
        w->setTitle(QStringLiteral("Drive 3"));
        w->setContent(QStringLiteral("Restore the factory defaults?"));
        w->setImg(QStringLiteral(":/img/commonImge/question"));
        showPaintAndDelete(w);
    };
    box.runStock = [] {
        auto *w = new QMessageBox(QMessageBox::Question, QStringLiteral("Drive 3"),
                                  QStringLiteral("Restore the factory defaults?"),
                                  QMessageBox::Ok | QMessageBox::Cancel);
        showPaintAndDelete(w);
    };

    Comparison bar;
    bar.ours = QStringLiteral("QOkCancel (OK, Cancel)");
    bar.stock = QStringLiteral("QDialogButtonBox (Ok, Cancel)");
    bar.runOurs = [] { showPaintAndDelete(new QOkCancel); };
    bar.runStock = [] { showPaintAndDelete(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel)); };

    return {box, bar};
}
