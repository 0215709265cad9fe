#include "core/shell/prioritaet.h"

#include <sys/resource.h>

#include <cerrno>

namespace
{
// The niceness before the priority was raised; valid while `erhoeht`.
int vorher = 0;
bool erhoeht = false;
constexpr int Hoch = -10;
} // namespace

void Prozessprioritaet_hoch()
{
    if (erhoeht)
        return;
    errno = 0;
    const int jetzt = getpriority(PRIO_PROCESS, 0);
    if (errno != 0 || jetzt <= Hoch)
        return;
    if (setpriority(PRIO_PROCESS, 0, Hoch) == 0) {
        vorher = jetzt;
        erhoeht = true;
    }
}

void Prozessprioritaet_normal()
{
    if (!erhoeht)
        return;
    setpriority(PRIO_PROCESS, 0, vorher);
    erhoeht = false;
}
