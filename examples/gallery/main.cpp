// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

// WidgetDeck gallery: every widget of the library, page by page, in English or Chinese.
//   widgetdeck-gallery                     interactive window
//   widgetdeck-gallery --screenshots DIR   one PNG per page and language, then the same at twice
//                                          the density into DIR/2x, then exit
#include "gallerywindow.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFont>
#include <QProcess>
#include <QTextStream>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("widgetdeck-gallery"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Shows every widget of libWidgetDeck."));
    parser.addHelpOption();
    const QCommandLineOption shots(QStringLiteral("screenshots"),
                                   QStringLiteral("Write one PNG per page and language into <dir>, then exit."),
                                   QStringLiteral("dir"));
    const QCommandLineOption language(QStringLiteral("language"),
                                      QStringLiteral("Start in <language> (en or zh_CN)."),
                                      QStringLiteral("language"), QStringLiteral("en"));
    // The 2x set is drawn by a second run of the gallery on a screen scaled by Qt: layouts,
    // fonts and "@2x" images then come out as on a real high-density screen.
    QCommandLineOption oneScale(QStringLiteral("one-scale"),
                                QStringLiteral("With --screenshots: only at the screen's own scale."));
    oneScale.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(shots);
    parser.addOption(language);
    parser.addOption(oneScale);
    parser.process(app);
    if (parser.isSet(shots)) {
        // Reproducible images: one style and font whatever the desktop says, no blinking caret.
        QApplication::setStyle(QStringLiteral("Fusion"));
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPixelSize(12);
        font.setHintingPreference(QFont::PreferFullHinting);
        QApplication::setFont(font);
        QApplication::setCursorFlashTime(0);
        QApplication::setEffectEnabled(Qt::UI_AnimateCombo, false);
        QApplication::setEffectEnabled(Qt::UI_AnimateTooltip, false);
    }

    QList<GalleryPage> pages;
#ifdef GALLERY_HAS_MESSAGES
    pages << messagePages();
#endif
#ifdef GALLERY_HAS_NUMERIC
    pages << numericPages();
#endif
#ifdef GALLERY_HAS_NETWORK
    pages << networkPages();
#endif
#ifdef GALLERY_HAS_DIALOGS
    pages << dialogPages();
#endif
#ifdef GALLERY_HAS_BUTTONS
    pages << buttonPages();
#endif

    GalleryWindow window(pages);
    if (parser.isSet(shots)) {
        const QString dir = parser.value(shots);
        int written = 0;
        for (const QString &lang : {QStringLiteral("en"), QStringLiteral("zh_CN")}) {
            window.setLanguage(lang);
            written += window.writeScreenshots(dir);
        }
        QTextStream(stdout) << "Wrote " << written << " screenshots to "
                            << QDir(dir).absolutePath() << '\n';
        bool ok = written == 2 * pages.size();
        if (!parser.isSet(oneScale)) {
            QProcess twice;
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            env.insert(QStringLiteral("QT_SCALE_FACTOR"), QStringLiteral("2"));
            twice.setProcessEnvironment(env);
            twice.setProcessChannelMode(QProcess::ForwardedChannels);
            twice.start(QCoreApplication::applicationFilePath(),
                        {QStringLiteral("--one-scale"), QStringLiteral("--screenshots"), QDir(dir).filePath(QStringLiteral("2x"))});
            ok = twice.waitForFinished(-1) && twice.exitStatus() == QProcess::NormalExit && twice.exitCode() == 0 && ok;
        }
        return ok ? 0 : 1;
    }
    window.setLanguage(parser.value(language));
    window.show();
    return app.exec();
}
