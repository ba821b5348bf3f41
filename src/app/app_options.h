#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace payvanta::app {

// The desktop program's command line.
struct AppOptions {
    bool noSplash = false;
    QString folder;      // the program folder; empty: the folder of the program
    QString projectFile; // a .QVR file to open at start
    QString printToPdf;  // a folder that printing writes PDF files into, in place of a printer
    QString error;       // what is wrong with the command line, if anything
};

// Reads the arguments after the program name. Relative paths are taken from
// workingFolder, so that a copy started elsewhere can hand its line over.
AppOptions parseAppOptions(const QStringList& arguments, const QString& workingFolder);

// The text that --help or --version asks for, or nothing for any other command line.
// It is printed before the application object exists, which needs a display.
std::optional<QString> helpOrVersion(const QStringList& arguments);

// The usage line, also shown with a bad command line.
extern const char* const kAppUsage;

} // namespace payvanta::app
