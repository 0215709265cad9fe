// Every harness starts in the same private folder set-up.
#include "fuzz_umgebung.h"

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzz_umgebung::einrichten();
    return 0;
}
