#pragma once

#include <QApplication>
#include <QLocale>
#include <QTest>

namespace payvanta::test {

// The environment every widget test runs in: the offscreen platform (unless a run under a
// real display asks for another), United States English, 96 dots per inch.
inline void prepareQtTestEnvironment() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    QCoreApplication::setAttribute(Qt::AA_Use96Dpi);
}

} // namespace payvanta::test

// Like QTEST_MAIN, with the environment made before the application object.
#define PAYVANTA_QTEST_MAIN(TestObject)                                                            \
    int main(int argc, char** argv) {                                                              \
        payvanta::test::prepareQtTestEnvironment();                                                \
        QApplication app(argc, argv);                                                              \
        TestObject test;                                                                           \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
