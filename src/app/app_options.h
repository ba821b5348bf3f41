#pragma once

#include <QString>
#include <QStringList>

namespace payvanta::app {

// The desktop program's command line.
struct AppOptions {
    bool noSplash = false;
    QString folder;      // the program folder; empty: the folder of the program
    QString projectFile; // a .QVR file to open at start
    QString error;       // what is wrong with the command line, if anything
};

// Reads the arguments after the program name. Relative paths are taken from
// workingFolder, so that a copy started elsewhere can hand its line over.
AppOptions parseAppOptions(const QStringList& arguments, const QString& workingFolder);

} // namespace payvanta::app
