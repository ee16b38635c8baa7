// The identity check without a test framework, for builds that have none
// (the WebAssembly engine under Node): prints the outcome hash of every
// listed case, then "sum" and "edges" lines, as the reference file has them.
#include "tests/engine/RandomCases.h"

#include <cinttypes>
#include <cstdio>

int main()
{
    const randomcases::Outcomes o = randomcases::AllOutcomes();
    for (uint64_t h : o.listed)
        std::printf("%016" PRIx64 "\n", h);
    std::printf("sum %016" PRIx64 "\nedges %016" PRIx64 "\n", o.sum, o.edges);
    return 0;
}
