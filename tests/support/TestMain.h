#pragma once

#include "platform/Application.h"

#include <QTest>

// Like QTEST_MAIN, with the game's application object, so that tests see the
// same exception handling and key tracking as the game.
#define ZUMBLO_TEST_MAIN_WITH(TestClass, ApplicationClass) \
    int main(int argc, char** argv)                        \
    {                                                      \
        ApplicationClass app(argc, argv);                  \
        app.setAttribute(Qt::AA_Use96Dpi, true);           \
        TestClass test;                                    \
        QTEST_SET_MAIN_SOURCE_PATH                         \
        return QTest::qExec(&test, argc, argv);            \
    }

#define ZUMBLO_TEST_MAIN(TestClass) ZUMBLO_TEST_MAIN_WITH(TestClass, platform::Application)
