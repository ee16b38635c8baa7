// The engine gives today's answers bit for bit: every figure and every
// message of a large set of seeded random cases (typical, extreme and
// failing) against hashes made by the engine as it stood before its speed
// work. Regenerate only for an intended change of results:
//   TETHRIX_WRITE_REFERENCE=1 engine_tests --gtest_filter='EngineIdentity*'
#include "tests/engine/RandomCases.h"

#include <gtest/gtest.h>

#include <cinttypes>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <vector>

namespace {

const std::string ReferencePath = std::string(TETHRIX_TEST_DATA) + "/reference-outcomes.txt";

std::string Hex(uint64_t v)
{
    char buf[20];
    std::snprintf(buf, sizeof buf, "%016" PRIx64, v);
    return buf;
}

TEST(EngineIdentity, every_figure_and_message_matches_the_reference_bit_for_bit)
{
    using namespace randomcases;
    const Outcomes outcomes = AllOutcomes();
    std::vector<std::string> listed;
    for (uint64_t h : outcomes.listed)
        listed.push_back(Hex(h));

    if (std::getenv("TETHRIX_WRITE_REFERENCE") != nullptr) {
        std::ofstream out(ReferencePath);
        out << "# Outcome hashes of seeded random cases (tests/engine/RandomCases.h), one per line,\n"
               "# then one over the next " << SummedCases << " cases and one over the edge cases.\n";
        for (const std::string &h : listed)
            out << h << "\n";
        out << "sum " << Hex(outcomes.sum) << "\n";
        out << "edges " << Hex(outcomes.edges) << "\n";
        GTEST_SKIP() << "reference written to " << ReferencePath;
    }

    std::ifstream in(ReferencePath);
    ASSERT_TRUE(in) << ReferencePath;
    std::string line;
    std::vector<std::string> expected;
    std::string expectedSum, expectedEdges;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#')
            continue;
        if (line.rfind("sum ", 0) == 0)
            expectedSum = line.substr(4);
        else if (line.rfind("edges ", 0) == 0)
            expectedEdges = line.substr(6);
        else
            expected.push_back(line);
    }
    ASSERT_EQ(expected.size(), listed.size());
    int mismatches = 0;
    for (size_t i = 0; i < listed.size(); ++i)
        if (listed[i] != expected[i] && ++mismatches <= 10)
            ADD_FAILURE() << "case " << i << " differs from the reference";
    EXPECT_EQ(mismatches, 0);
    EXPECT_EQ(Hex(outcomes.sum), expectedSum) << "the summed cases differ from the reference";
    EXPECT_EQ(Hex(outcomes.edges), expectedEdges) << "the edge cases differ from the reference";
}

}  // namespace
