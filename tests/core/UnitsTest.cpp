// The UNITS block: each quantity's unit, and where the units appear. The
// report, BM.TXT and SF.TXT never change (tests/data/bad: units-block.sma);
// without the block every file is byte for byte the golden one (RunTest).
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <string>

#include "common/Units.h"
#include "tests/support/Files.h"
#include "tests/support/Spawn.h"

using namespace spanwise::test;
using spanwise::Dimension;

namespace {

TEST(Units, EachQuantityHasItsUnit) {
  const spanwise::Units kN_m{"kN", "m"};
  const struct {
    Dimension dimension;
    const char* unit;
  } table[] = {{Dimension::kForce, "kN"},         {Dimension::kLength, "m"},
               {Dimension::kMoment, "kN\u00B7m"}, {Dimension::kRotation, "rad"},
               {Dimension::kLoad, "kN/m"},        {Dimension::kModulus, "kN/m\u00B2"},
               {Dimension::kInertia, "m\u2074"}};
  ASSERT_EQ(std::size(table), spanwise::kDimensions.size());
  for (const auto& row : table) {
    EXPECT_EQ(spanwise::UnitOf(kN_m, row.dimension), row.unit);
    EXPECT_EQ(spanwise::UnitOf({}, row.dimension), "");
  }
}

// Design.txt's headings, the JSON's units object and Design.csv carry them,
// also for one load case alone; UNITS may stand between CASES and
// COMBINATIONS.
TEST(Units, TheDesignFilesCarryThem) {
  ScratchFolder folder("units");
  std::string model = Slurp(kData / "golden/cases/Beam.sma");
  model.insert(model.find("COMBINATIONS"), "UNITS, kN, m, job units\r\n");
  const fs::path input = folder.Write(model);
  const fs::path out = folder.path() / "out.json";
  ASSERT_EQ(Analyse({"--json", "--csv", input.string()}, out), 0);
  const auto json = nlohmann::ordered_json::parse(Slurp(out));
  EXPECT_EQ(json["units"].dump(),
            "{\"force\":\"kN\",\"length\":\"m\",\"moment\":\"kN\u00B7m\",\"rotation\":\"rad\","
            "\"load\":\"kN/m\",\"modulus\":\"kN/m\u00B2\",\"inertia\":\"m\u2074\"}");
  EXPECT_EQ(json["combinations"].size(), 2u);
  EXPECT_EQ(Slurp(folder.path() / "Design.csv").substr(0, 66),
            "combination,member,quantity,unit,max,x of max (m),min,x of min (m)");
  ASSERT_EQ(Analyse({"--case", "2", input.string()}), 0);
  const std::string design = Slurp(folder.path() / "Design.txt");
  for (const char* heading :
       {"Forces in kN, lengths in m.", "Joint  X (m)", "Mz (kN\u00B7m)", "Length (m)",
        "M max (kN\u00B7m)", "V min (kN)", "v max (m)", "reactions", "Fy (kN)"})
    EXPECT_NE(design.find(heading), std::string::npos) << heading;
}

}  // namespace
