#include "run/AnalysisRun.h"

#include <sys/stat.h>

#include <cstdio>
#include <cstdlib>
#include <new>

#include "common/Array.h"
#include "common/DataError.h"
#include "common/FloatingPoint.h"
#include "common/FolderLock.h"
#include "common/ResultSet.h"
#include "common/StepWatch.h"
#include "common/WriteError.h"
#include "input/FieldReader.h"
#include "input/StructureInput.h"
#include "loads/Loads.h"
#include "results/InternalForces.h"
#include "results/NumberFormat.h"
#include "results/Results.h"
#include "run/BandWarning.h"
#include "run/RunMemory.h"
#include "stiffness/Stiffness.h"

namespace spanwise {
namespace {

std::string FolderOf(const std::string& path) {
  const std::size_t slash = path.find_last_of('/');
  return slash == std::string::npos ? "." : path.substr(0, slash == 0 ? 1 : slash);
}

// Room in the memory estimate for what the stages after the report keep per
// member (the design's values).
constexpr double kLaterBytesPerMember = 512;

// Size of the input file, which the run holds in memory; 0 for a pipe.
double InputBytes(const std::string& F) {
  struct stat status {};
  return ::stat(F.c_str(), &status) == 0 && S_ISREG(status.st_mode)
             ? static_cast<double>(status.st_size)
             : 0;
}

// The run's steps. Every array is created here, zero-filled, sized from the
// counts, and handed by reference to the stages in a fixed order.
void Run(const std::string& F, const RunOptions& options, RunOutcome& outcome) {
  StepWatch watch(options.progress, options.cancel);
  const double input_bytes = InputBytes(F);

  // 1-2. Floating-point faults are caught from here on; the report format.
  ClearFloatingPointFaults();
  const DecimFormat decim(JoinDecim(2));

  // 3-4. Count the sections.
  long NJ = 0, NS = 0, NMT = 0, NXS = 0, NM = 0, NLB = 0, NLJ = 0;
  watch.Step("reading the input", 0, 1);
  Numberof(F, NJ, NS, NMT, NXS, NM, NLB, NLJ);
  // Before the first array: the narrowest band any member can give.
  CheckRunMemory({NJ, NMT, NXS, NM}, 3, input_bytes, kLaterBytesPerMember, nullptr);

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

  // 7. Stiffness and result arrays, once the run is known to fit in memory.
  const long TotDOF = 2 * NJ;
  const long HalfBand = BandMatrix::HalfBandwidth(NM, JN);
  CheckRunMemory({NJ, NMT, NXS, NM}, HalfBand, input_bytes, kLaterBytesPerMember, &JN);
  Array3 KP11("KP11", {NM, 2, 2}), KP12("KP12", {NM, 2, 2});
  Array3 KP21("KP21", {NM, 2, 2}), KP22("KP22", {NM, 2, 2});
  Array3 LoMemK("LoMemK", {NM, 4, 4});
  BandMatrix GlStK("GlStK", TotDOF, HalfBand);
  Array3 GloMemK11("GloMemK11", {NM, 2, 2}), GloMemK12("GloMemK12", {NM, 2, 2});
  Array3 GloMemK21("GloMemK21", {NM, 2, 2}), GloMemK22("GloMemK22", {NM, 2, 2});
  Array1 TempDisp("TempDisp", {TotDOF});
  Array3 GloDisp("GloDisp", {NM, 4, 1}), LoDisp("LoDisp", {NM, 4, 1});
  Array3 LoForce("LoForce", {NM, 4, 1}), GloForce("GloForce", {NM, 4, 1});

  // 8-9. Member stiffness and the structure stiffness matrix.
  for (long I = 1; I <= NM; ++I) {
    if (I % 4096 == 0) watch.Step("member stiffness", I, NM);
    LocalStiffness(I, JN, XCoord, YM, MI, Property, KP11, KP12, KP21, KP22);
    GlobalStiffness(I, GloMemK11, GloMemK12, GloMemK21, GloMemK22, KP11, KP12, KP21, KP22, JN,
                    XCoord);
  }
  const std::string band_warning = BandWarning(NJ, NM, JN, XCoord, HalfBand);
  if (!band_warning.empty()) outcome.warnings.push_back(band_warning);
  watch.Step("assembling the stiffness matrix", 0, 1);
  StructuralStiffness(NJ, NM, JN, GlStK, GloMemK11, GloMemK12, GloMemK21, GloMemK22);

  // 10-11. Loads, supports, solution.
  Array2 LoExtLoad("LoExtLoad", {NM, 4});
  Array1 GloExtLoad("GloExtLoad", {TotDOF});
  watch.Step("reading the loads", 0, 1);
  InputVolatileData(NM, JN, XCoord, TotDOF, LoExtLoad, GloExtLoad, Channel1);
  BoundaryConditions(NJ, FixFy, FixMz, GlStK, GloExtLoad);
  CheckStability(NJ, NM, JN, Property, XCoord, YM, MI, FixFy, FixMz);
  watch.Step("solving the equations", 0, 1);
  Gauss(GloExtLoad, GlStK, TempDisp, TotDOF, &watch);

  // 12. The report and the diagram files, written whole or not at all.
  watch.Step("writing the results", 0, 1);
  ResultSet results(options.sync);
  OutputFile& Channel99 = results.Open(outcome.report_path);
  OutputFile& Channel91 = results.Open(outcome.bm_path);
  OutputFile& Channel92 = results.Open(outcome.sf_path);

  // 13-14. Member results and internal forces along the members.
  OutputGlobalDisp(NM, JN, TempDisp, GloDisp, Channel99, decim);
  LoDispToGloDisp(NM, LoDisp, GloDisp, JN, XCoord);
  CombineLocalK(NM, KP11, KP12, KP21, KP22, LoMemK);
  OutputLocalForces(NM, LoForce, LoMemK, LoDisp, LoExtLoad, Channel99, decim);
  OutputGlobalForces(NM, GloForce, LoForce, JN, XCoord, Channel99, decim);
  InternalForces(F, XCoord, JN, NM, LoForce, decim, Channel99, Channel91, Channel92);

  // 15. Close the files and put them in place of the old ones.
  watch.Step("writing the results", 1, 1);
  results.Commit();
}

bool SyncAsked(const RunOptions& options) {
  const char* sync = std::getenv("SPANWISE_SYNC");
  return options.sync || (sync != nullptr && std::string(sync) == "1");
}

}  // namespace

RunOutcome AnalysisRun(const std::string& F, const RunOptions& given) {
  RunOptions options = given;
  options.sync = SyncAsked(given);
  RunOutcome outcome;
  const std::string folder = FolderOf(F);
  outcome.report_path = F.substr(0, F.size() >= 3 ? F.size() - 3 : 0) + "txt";
  outcome.bm_path = folder + "/BM.TXT";
  outcome.sf_path = folder + "/SF.TXT";
  outcome.design_path = folder + "/Design.txt";
  // The single handler: any fault of any stage ends the run here, and the
  // files that were open are closed by then.
  try {
    // Runs in one folder take turns; a killed run's temporaries go.
    const FolderLock lock = FolderLock::ForRun(
        folder,
        [&] {
          std::fprintf(stderr, "spanwise: waiting for another run in %s to finish\n",
                       folder.c_str());
        },
        options.cancel);
    RemoveLeftoverTemporaries(folder);
    Run(F, options, outcome);
    outcome.ok = true;
  } catch (const WriteError& error) {
    outcome.fault = RunFault::kWrite;
    outcome.reason = error.what();
  } catch (const RunCancelled& cancelled) {
    outcome.fault = RunFault::kCancelled;
    outcome.reason = cancelled.what();
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
