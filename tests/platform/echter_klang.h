#pragma once
// What the tests of the real audio stack share: a Qt application for the
// recorder's and player's signals, the sound server they need (skipped
// without one, a failure in CI, CI=true), and waiting with the event loop.
#include "platform/audio/portaudio_sitzung.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

class Echter_Klang : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        static int argc = 1;
        static char name[] = "vazozez_audio_test";
        static char* argv[] = {name, nullptr};
        if (!QCoreApplication::instance())
            new QCoreApplication(argc, argv); // lives until the process ends
    }

    // Derived fixtures call this first and return when it skipped or failed.
    void SetUp() override
    {
        if (!Ausgabegeraet_vorhanden() || !Eingabegeraet_vorhanden()) {
            const char* ci = std::getenv("CI");
            if (ci && std::string(ci) == "true")
                FAIL() << "no audio server reachable in CI: start tools/audio-server.sh with XDG_RUNTIME_DIR "
                          "set";
            GTEST_SKIP()
                << "no audio server reachable (start tools/audio-server.sh with XDG_RUNTIME_DIR set)";
        }
    }
    bool ohne_Klang() const { return IsSkipped() || HasFailure(); }

    static void warten(int ms)
    {
        QElapsedTimer t;
        t.start();
        while (t.elapsed() < ms) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
            QThread::msleep(1);
        }
    }
};
