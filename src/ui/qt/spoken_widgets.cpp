#include "spoken_widgets.h"

#include <QAccessibleWidget>

namespace payvanta::ui::qt {

namespace {

// A widget heard in a role of its own, by its accessible name.
class RoleOnly : public QAccessibleWidget {
public:
    RoleOnly(QWidget* widget, QAccessible::Role role) : QAccessibleWidget(widget, role) {}

    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? widget()->accessibleName() : QString();
    }
};

QAccessibleInterface* spokenWidgetRole(const QString& key, QObject* object) {
    if (key == QLatin1String(SpokenNotice::staticMetaObject.className())) {
        return new RoleOnly(static_cast<QWidget*>(object), QAccessible::Notification);
    }
    if (key == QLatin1String(DividingLine::staticMetaObject.className())) {
        return new RoleOnly(static_cast<QWidget*>(object), QAccessible::Separator);
    }
    return nullptr;
}

void installRoles() {
    static const bool installed = [] {
        QAccessible::installFactory(spokenWidgetRole);
        return true;
    }();
    (void)installed;
}

} // namespace

SpokenNotice::SpokenNotice(QWidget* parent) : QWidget(parent) {
    installRoles();
    setObjectName(QStringLiteral("spokenNotice"));
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(0, 0, 1, 1);
    hide();
}

void SpokenNotice::say(const QString& text) {
    // A screen reader says a notification as it shows.
    hide();
    setAccessibleName(text);
    show();
}

DividingLine::DividingLine(QWidget* parent) : QFrame(parent) {
    installRoles();
    setFrameShape(QFrame::HLine);
    setFrameShadow(QFrame::Sunken);
}

} // namespace payvanta::ui::qt
