#pragma once

#include "platform/Application.h"

#include <QTest>

// Like QTEST_MAIN, with the game's application object, so that tests see the
// same exception handling and key tracking as the game.
#define ZUMBLO_TEST_MAIN(TestClass)                    \
    int main(int argc, char** argv)                    \
    {                                                  \
        platform::Application app(argc, argv);         \
        app.setAttribute(Qt::AA_Use96Dpi, true);       \
        TestClass test;                                \
        QTEST_SET_MAIN_SOURCE_PATH                     \
        return QTest::qExec(&test, argc, argv);        \
    }
