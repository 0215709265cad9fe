#include "core/shell/uhr.h"

#include "core/shell/programmstart.h"

#include <QElapsedTimer>

namespace
{

class Programmuhr : public Uhr
{
public:
    Programmuhr() { start_.start(); }
    void pause(int ms) override { LangePause(ms); }
    double jetzt_ms() const override { return double(start_.nsecsElapsed()) / 1e6; }

private:
    QElapsedTimer start_;
};

Uhr* eingesetzt = nullptr;

} // namespace

Uhr& uhr()
{
    static Programmuhr programmuhr;
    return eingesetzt ? *eingesetzt : programmuhr;
}

void uhr_setzen(Uhr* u)
{
    eingesetzt = u;
}
