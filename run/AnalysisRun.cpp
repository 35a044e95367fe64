#include "run/AnalysisRun.h"

#include <memory>
#include <new>

#include "common/Array.h"
#include "common/DataError.h"
#include "common/FloatingPoint.h"
#include "common/MemoryBudget.h"
#include "common/OutputFile.h"
#include "design/DesignStage.h"
#include "input/FieldReader.h"
#include "input/StructureInput.h"
#include "loads/Loads.h"
#include "results/InternalForces.h"
#include "results/NumberFormat.h"
#include "results/Results.h"
#include "run/FactoredModel.h"
#include "run/GroupEffects.h"
#include "stiffness/Stiffness.h"

namespace spanwise {
namespace {

std::string FolderOf(const std::string& path) {
  const std::size_t slash = path.find_last_of('/');
  return slash == std::string::npos ? "." : path.substr(0, slash == 0 ? 1 : slash);
}

std::string NameOf(const std::string& path) {
  const std::size_t slash = path.find_last_of('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

// Design.txt beside the three files.
void WriteDesign(const std::string& F, const DesignValues& design, RunOutcome& outcome) {
  OutputFile Channel93;
  Channel93.Open(outcome.design_path);
  WriteDesignFile(design, NameOf(F), Channel93);
  Channel93.Close();
}

// The run's steps. Every array is created here, zero-filled, sized from the
// counts, and handed by reference to the stages in a fixed order.
void Run(const std::string& F, const RunOptions& options, RunOutcome& outcome) {
  // 1-2. Floating-point faults are caught from here on; the report format.
  ClearFloatingPointFaults();
  const DecimFormat decim(JoinDecim(2));

  // 3-4. Count the sections.
  long NJ = 0, NS = 0, NMT = 0, NXS = 0, NM = 0, NLB = 0, NLJ = 0;
  Numberof(F, NJ, NS, NMT, NXS, NM, NLB, NLJ);

  // 5-6. The structure.
  Array1 XCoord("XCoord", {NJ});
  Array1 FixFy("FixFy", {NJ});
  Array1 FixMz("FixMz", {NJ});
  Array1 YM("YM", {NMT});
  Array1 MI("MI", {NXS});
  Array2 JN("JN", {NM, 2});
  Array2 Property("Property", {NM, 2});
  FieldReader Channel1("");
  InputData(F, XCoord, FixFy, FixMz, YM, MI, JN, Property, Channel1);

  // 7. Stiffness and result arrays.
  Array3 KP11("KP11", {NM, 2, 2}), KP12("KP12", {NM, 2, 2});
  Array3 KP21("KP21", {NM, 2, 2}), KP22("KP22", {NM, 2, 2});
  Array3 LoMemK("LoMemK", {NM, 4, 4});
  const long TotDOF = 2 * NJ;
  const long HalfBand = BandMatrix::HalfBandwidth(NM, JN);
  CheckMemoryBudget(BandMatrix::Bytes(TotDOF, HalfBand), "the stiffness matrix");
  BandMatrix GlStK("GlStK", TotDOF, HalfBand);
  Array3 GloMemK11("GloMemK11", {NM, 2, 2}), GloMemK12("GloMemK12", {NM, 2, 2});
  Array3 GloMemK21("GloMemK21", {NM, 2, 2}), GloMemK22("GloMemK22", {NM, 2, 2});
  Array1 TempDisp("TempDisp", {TotDOF});
  Array3 GloDisp("GloDisp", {NM, 4, 1}), LoDisp("LoDisp", {NM, 4, 1});
  Array3 LoForce("LoForce", {NM, 4, 1}), GloForce("GloForce", {NM, 4, 1});

  // 8-9. Member stiffness and the structure stiffness matrix.
  for (long I = 1; I <= NM; ++I) {
    LocalStiffness(I, JN, XCoord, YM, MI, Property, KP11, KP12, KP21, KP22);
    GlobalStiffness(I, GloMemK11, GloMemK12, GloMemK21, GloMemK22, KP11, KP12, KP21, KP22, JN,
                    XCoord);
  }
  StructuralStiffness(NJ, NM, JN, GlStK, GloMemK11, GloMemK12, GloMemK21, GloMemK22);

  // 10-11. Loads, supports, solution.
  Array2 LoExtLoad("LoExtLoad", {NM, 4});
  Array1 GloExtLoad("GloExtLoad", {TotDOF});
  const bool design = options.design || options.keep_design;
  LoadRecords records;  // kept for the design stage
  LoadCases cases;      // the block after the joint loads, checked in every run
  InputVolatileData(NM, JN, XCoord, TotDOF, LoExtLoad, GloExtLoad, Channel1,
                    design ? &records : nullptr, &cases);
  BoundaryConditions(NJ, FixFy, FixMz, GlStK, GloExtLoad);
  CheckStability(NJ, NM, JN, Property, XCoord, YM, MI, FixFy, FixMz);
  // The envelopes of load combinations solve once per load group with one
  // factorised copy of the matrix (Gauss reduces its own in place).
  bool envelopes = design && cases.present;
  BandMatrix factored("GlStKFactored", 0, 0);
  std::vector<long> pivots;
  if (envelopes) {
    CheckMemoryBudget(2 * BandMatrix::Bytes(TotDOF, HalfBand), "the stiffness matrix");
    factored = BandMatrix("GlStKFactored", TotDOF, HalfBand);
    StructuralStiffness(NJ, NM, JN, factored, GloMemK11, GloMemK12, GloMemK21, GloMemK22);
    Array1 unused("GloExtLoad", {TotDOF});
    BoundaryConditions(NJ, FixFy, FixMz, factored, unused);
    FactorBand(factored, pivots);
  }
  Gauss(GloExtLoad, GlStK, TempDisp, TotDOF);

  // 12. The report and the diagram files.
  OutputFile Channel99, Channel91, Channel92;
  Channel99.Open(outcome.report_path);
  Channel91.Open(outcome.bm_path);
  Channel92.Open(outcome.sf_path);

  // 13-14. Member results and internal forces along the members.
  OutputGlobalDisp(NM, JN, TempDisp, GloDisp, Channel99, decim);
  LoDispToGloDisp(NM, LoDisp, GloDisp, JN, XCoord);
  CombineLocalK(NM, KP11, KP12, KP21, KP22, LoMemK);
  OutputLocalForces(NM, LoForce, LoMemK, LoDisp, LoExtLoad, Channel99, decim);
  OutputGlobalForces(NM, GloForce, LoForce, JN, XCoord, Channel99, decim);
  InternalForces(F, XCoord, JN, NM, LoForce, decim, Channel99, Channel91, Channel92);

  // 15. Close the files.
  Channel99.Close();
  Channel91.Close();
  Channel92.Close();

  // 16-17. The design values from the solved model, and Design.txt. The
  // stiffness arrays go first: the peak memory of a long beam stays where it was.
  if (!design) return;
  std::vector<LoadGroup> groups;
  GroupEffects effects;
  if (envelopes) {
    MakeLoadGroups(records, cases, JN, XCoord, groups);
    envelopes =
        SolveGroups(groups, NJ, NM, JN, XCoord, FixFy, FixMz, factored, pivots, LoMemK, effects);
    factored = BandMatrix("GlStKFactored", 0, 0);
  }
  GlStK = BandMatrix("GlStK", 0, 0);
  for (Array3* done : {&KP11, &KP12, &KP21, &KP22, &LoMemK, &GloMemK11, &GloMemK12, &GloMemK21,
                       &GloMemK22, &GloDisp})
    *done = Array3(done->name(), {0, 0, 0});
  auto values = std::make_shared<DesignValues>();
  DesignStage(F, records, NJ, NM, XCoord, FixFy, FixMz, YM, MI, JN, Property, TempDisp, LoDisp,
              LoForce, GloForce, options.keep_design, *values);
  if (envelopes)
    Envelopes(groups, effects, cases, NJ, NM, XCoord, FixFy, FixMz, YM, MI, JN, Property, *values);
  else if (design && cases.present)
    values->warnings.push_back(
        "the load groups' solutions overflow; Design.txt holds no envelopes");
  WriteDesign(F, *values, outcome);
  outcome.warnings.insert(outcome.warnings.end(), values->warnings.begin(), values->warnings.end());
  if (options.keep_design) outcome.design = std::move(values);
}

}  // namespace

RunOutcome AnalysisRun(const std::string& F, const RunOptions& options) {
  RunOutcome outcome;
  const std::string folder = FolderOf(F);
  outcome.report_path = F.substr(0, F.size() >= 3 ? F.size() - 3 : 0) + "txt";
  outcome.bm_path = folder + "/BM.TXT";
  outcome.sf_path = folder + "/SF.TXT";
  outcome.design_path = folder + "/Design.txt";
  // The single handler: any fault of any stage ends the run here, and the
  // files that were open are closed by then.
  std::unique_ptr<InputSubstitute> factored;  // read by the handler too
  try {
    if (options.load_case != 0 || options.by_combination) {
      std::string bytes;
      if (options.load_case < 0 ||
          !FactoredModel(F, options.load_case, options.combination, bytes)) {
        outcome.fault = RunFault::kUsage;
        outcome.reason = options.by_combination
                             ? "the input has no combination labelled " + options.combination
                             : "the input has no load case " + std::to_string(options.load_case);
        return outcome;
      }
      factored = std::make_unique<InputSubstitute>(F, std::move(bytes));
    }
    Run(F, options, outcome);
    outcome.ok = true;
  } catch (const DataError& error) {
    outcome.fault = RunFault::kData;
    outcome.reason = error.what();
    outcome.line = error.line();
    // A fault found after reading names its record; the reason gains its line.
    const std::string place = outcome.line == 0 ? PlaceOfRecord(F, error.about()) : "";
    if (!place.empty()) {
      outcome.reason = place + ": " + outcome.reason;
      outcome.line = std::stoi(place.substr(5));
    }
  } catch (const std::bad_alloc&) {
    outcome.fault = RunFault::kData;
    outcome.reason = "the model is too large for the memory of this machine";
  }
  ClearFloatingPointFaults();
  return outcome;
}

}  // namespace spanwise
