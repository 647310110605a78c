// Builds the shipped stores of the program folder from the content sources.
//
//   contentbuilder <content folder> <program folder> [--language English|Spanish] [--cache <folder>]

#include "ContentBuilder.h"
#include "ContentError.h"
#include "platform/store/Store.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTextStream>

int main(int argc, char* argv[])
{
    // SVG pictures are rendered without a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTextStream err(stderr);
    QTextStream out(stdout);

    QCommandLineParser parser;
    parser.setApplicationDescription("Builds the shipped stores of the program folder from the content sources.");
    parser.addHelpOption();
    parser.addPositionalArgument("content", "The content folder (content/ of the sources).");
    parser.addPositionalArgument("program", "The program folder to write into.");
    parser.addOption({"language", "The edition's interface language, which names the folders.", "English|Spanish",
                      "English"});
    parser.addOption({"cache", "Where recordings and the record of made files are kept "
                               "(default: <program folder>.content-cache beside it).", "folder"});
    parser.process(app);
    const QStringList positional = parser.positionalArguments();
    if (positional.size() != 2) {
        err << "contentbuilder: give the content folder and the program folder\n" << parser.helpText();
        return 2;
    }

    try {
        contentbuilder::BuildOptions options;
        options.contentFolder = QDir::cleanPath(positional[0]);
        options.programFolder = QDir::cleanPath(positional[1]);
        options.language = contentbuilder::languageFromName(parser.value("language"));
        options.cacheFolder = parser.isSet("cache") ? QDir::cleanPath(parser.value("cache"))
                                                    : options.programFolder + ".content-cache";
        const contentbuilder::BuildReport report = contentbuilder::buildContent(options);
        out << "contentbuilder: " << report.filesMade << " files made, " << report.filesUpToDate << " up to date, "
            << report.filesRemoved << " removed; recordings: " << report.recordingsMade << " made, "
            << report.recordingsReused << " reused\n";
        return 0;
    } catch (const contentbuilder::ContentError& error) {
        err << "contentbuilder: error: " << error.text() << "\n";
    } catch (const platform::StoreException& error) {
        err << "contentbuilder: error: a store could not be written: " << error.text() << "\n";
    }
    return 1;
}
