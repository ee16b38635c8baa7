// The identity check without a test framework, for builds that have none
// (the WebAssembly engine under Node): prints the outcome hash of every
// listed case, then "sum" and "edges" lines, as the reference file has them.
#include "RandomCases.h"

#include <cinttypes>
#include <cstdio>

int main()
{
    using namespace randomcases;
    Random r(Seed);
    for (int i = 0; i < ListedCases; ++i)
        std::printf("%016" PRIx64 "\n", Outcome(MakeCase(r)));
    Digest sum, edges;
    for (int i = 0; i < SummedCases; ++i) {
        const uint64_t h = Outcome(MakeCase(r));
        sum.bytes(&h, sizeof h);
    }
    EdgeCases([&](const FlightCase &fc) {
        const uint64_t h = Outcome(fc);
        edges.bytes(&h, sizeof h);
    });
    std::printf("sum %016" PRIx64 "\nedges %016" PRIx64 "\n", sum.value(), edges.value());
    return 0;
}
