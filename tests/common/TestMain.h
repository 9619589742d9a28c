#pragma once
// Test entry points: the C locale is pinned so that number formatting never depends on the machine.

#include <QApplication>
#include <QCoreApplication>
#include <QLocale>
#include <QTest>
#include <clocale>

#define GALBIX_TEST_MAIN(TestClass)                                  \
    int main(int argc, char** argv)                                  \
    {                                                                \
        std::setlocale(LC_ALL, "C");                                 \
        QCoreApplication app(argc, argv);                            \
        QLocale::setDefault(QLocale::c());                           \
        TestClass test;                                              \
        return QTest::qExec(&test, argc, argv);                      \
    }

#define GALBIX_GUI_TEST_MAIN(TestClass)                              \
    int main(int argc, char** argv)                                  \
    {                                                                \
        std::setlocale(LC_ALL, "C");                                 \
        qputenv("QT_QPA_PLATFORM", "offscreen");                     \
        QApplication app(argc, argv);                                \
        QLocale::setDefault(QLocale::c());                           \
        TestClass test;                                              \
        return QTest::qExec(&test, argc, argv);                      \
    }
