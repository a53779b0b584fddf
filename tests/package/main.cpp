// Host program: finds the installed library, installs its English translator, builds one
// widget of every family and checks that a translated text reaches the screen.
#include <widgetdeck.h>

#include <QApplication>
#include <QPushButton>
#include <QTextStream>
#include <QTranslator>

#include <memory>
#include <vector>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QTextStream err(stderr);

    QTranslator translator;
    if (!translator.load(QStringLiteral(":/qm/tr_libwidgetdeck_en")) || !app.installTranslator(&translator)) {
        err << "cannot load the English catalogue\n";
        return 1;
    }

    std::vector<std::unique_ptr<QWidget>> widgets;
    widgets.emplace_back(new QOkCancel);
    widgets.emplace_back(new QMyMessageBox);
    for (const auto &widget : widgets)
        widget->show();
    app.processEvents();

    QStringList texts;
    for (QPushButton *button : widgets.front()->findChildren<QPushButton *>())
        texts << button->text();
    if (!texts.contains(QStringLiteral("OK")) || !texts.contains(QStringLiteral("Cancel"))) {
        err << "untranslated buttons: " << texts.join(QLatin1Char(',')) << '\n';
        return 1;
    }
    QTextStream(stdout) << "consumer: WidgetDeck " << WIDGETDECK_VERSION_STRING << ", "
                        << widgets.size() << " widgets, translated OK\n";
    return 0;
}
