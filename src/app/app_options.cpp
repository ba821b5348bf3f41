#include "app_options.h"

#include <QDir>
#include <QFileInfo>

namespace payvanta::app {

AppOptions parseAppOptions(const QStringList& arguments, const QString& workingFolder) {
    AppOptions o;
    const QDir base(workingFolder);
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& a = arguments[i];
        if (a == QLatin1String("--no-splash")) {
            o.noSplash = true;
        } else if (a == QLatin1String("--folder")) {
            if (i + 1 >= arguments.size()) {
                o.error = QStringLiteral("--folder needs a folder");
                return o;
            }
            o.folder = QDir::cleanPath(base.absoluteFilePath(arguments[++i]));
        } else if (a.startsWith(QLatin1String("--"))) {
            o.error = QStringLiteral("unknown option \"%1\"").arg(a);
            return o;
        } else if (o.projectFile.isEmpty()) {
            o.projectFile = base.absoluteFilePath(a);
        }
    }
    return o;
}

} // namespace payvanta::app
