#pragma once
// The clock of the automatic calibration and the recording: their pauses and
// time limits go through it, so that a test can run them on a simulated
// clock that it steps itself. The program's clock waits with LangePause
// (the window system keeps working) and reads a monotonic timer.
class Uhr
{
public:
    virtual ~Uhr() = default;
    // Waits more than `ms` milliseconds while the window system keeps working.
    virtual void pause(int ms) = 0;
    // Milliseconds since some fixed moment; never decreases.
    virtual double jetzt_ms() const = 0;
};

// The installed clock; without one, the program's clock.
Uhr& uhr();
// Installs a clock (nullptr: the program's clock again). It must outlive its installation.
void uhr_setzen(Uhr* u);
