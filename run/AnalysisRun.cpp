#include "run/AnalysisRun.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <new>
#include <string>
#include <string_view>
#include <vector>

#include "common/Array.h"
#include "common/DataError.h"
#include "common/FloatingPoint.h"
#include "common/FolderLock.h"
#include "common/InternalError.h"
#include "common/MemoryBudget.h"
#include "common/OutputFile.h"
#include "common/PathParts.h"
#include "common/ResultSet.h"
#include "common/StepWatch.h"
#include "common/WriteError.h"
#include "design/DesignStage.h"
#include "design/EnvelopeSource.h"
#include "input/FieldReader.h"
#include "input/InputBytes.h"
#include "input/StructureInput.h"
#include "loads/Loads.h"
#include "results/InternalForces.h"
#include "results/NumberFormat.h"
#include "results/Results.h"
#include "run/BandWarning.h"
#include "run/FactoredModel.h"
#include "run/GroupEffects.h"
#include "run/RunMemory.h"
#include "stiffness/Stiffness.h"

namespace spanwise {
namespace {

// Room in the memory estimate for what the stages after the report keep per
// member (the design's values).
constexpr double kLaterBytesPerMember = 512;

// The run's steps over Input, the bytes of the input file F read once (or
// the factored model of one load case or combination): every pass reads
// these bytes, so the passes see one model even when the file is replaced
// meanwhile, and a FIFO works. Every array is created here, zero-filled,
// sized from the counts, and handed by reference to the stages in a fixed
// order. Lines out: where the records stand, for the reason of a fault
// found later.
void Run(const std::string& F, std::string_view Input, const RunOptions& options,
         const FactoredPlaces& places, RunOutcome& outcome, RecordLines& Lines) {
  StepWatch watch(options.progress, options.cancel);

  // 1-2. Floating-point faults are caught from here on; the report format.
  ClearFloatingPointFaults();
  const DecimFormat decim(JoinDecim(2));

  // 3-4. The counts.
  long NJ = 0, NS = 0, NMT = 0, NXS = 0, NM = 0, NLB = 0, NLJ = 0;
  watch.Step("reading the input", 0, 1);
  Numberof(Input, NJ, NS, NMT, NXS, NM, NLB, NLJ);
  const double input_bytes = static_cast<double>(Input.size());
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
  InputData(Input, XCoord, FixFy, FixMz, YM, MI, JN, Property, Lines, Channel1);

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
  const bool design = options.design || options.keep_design;
  LoadRecords records;  // kept for the design stage
  LoadCases cases;      // the block after the joint loads, checked in every run
  watch.Step("reading the loads", 0, 1);
  InputVolatileData(NM, JN, XCoord, TotDOF, LoExtLoad, GloExtLoad, outcome.warnings, Channel1,
                    design ? &records : nullptr, &cases);
  BoundaryConditions(NJ, FixFy, FixMz, GlStK, GloExtLoad);
  CheckStability(NJ, NM, JN, Property, XCoord, YM, MI, FixFy, FixMz);
  // The envelopes of load combinations solve once per load group with one
  // factorised copy of the matrix (Gauss reduces its own in place).
  bool envelopes = design && cases.present;
  BandMatrix factored("GlStKFactored", 0, 0);
  std::vector<long> pivots;
  if (envelopes) {
    CheckMemoryBudget(BandMatrix::Bytes(TotDOF, HalfBand),
                      "the factorised copy of the stiffness matrix for the envelopes");
    factored = BandMatrix("GlStKFactored", TotDOF, HalfBand);
    StructuralStiffness(NJ, NM, JN, factored, GloMemK11, GloMemK12, GloMemK21, GloMemK22);
    Array1 unused("GloExtLoad", {TotDOF});
    BoundaryConditions(NJ, FixFy, FixMz, factored, unused);
    FactorBand(factored, pivots);
  }
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
  if (options.between_passes) options.between_passes();
  InternalForces(Input, XCoord, JN, NM, LoForce, decim, Channel99, Channel91, Channel92);

  // 15-16. The design values from the solved model, and Design.txt. The
  // stiffness arrays go first: the peak memory of a long beam stays where it was.
  if (design) {
    auto source = std::make_shared<EnvelopeSource>();
    if (envelopes) {
      watch.Step("solving the load groups", 0, 1);
      std::vector<LoadGroup> groups;
      MakeLoadGroups(records, cases, JN, XCoord, groups);
      StartEnvelopeSource(groups, cases, NJ, NM, XCoord, FixFy, FixMz, YM, MI, JN, Property,
                          *source);
      envelopes =
          SolveGroups(NJ, NM, JN, XCoord, FixFy, FixMz, factored, pivots, LoMemK, watch, *source);
      factored = BandMatrix("GlStKFactored", 0, 0);
    }
    GlStK = BandMatrix("GlStK", 0, 0);
    for (Array3* done : {&KP11, &KP12, &KP21, &KP22, &LoMemK, &GloMemK11, &GloMemK12, &GloMemK21,
                         &GloMemK22, &GloDisp})
      *done = Array3(done->name(), {0, 0, 0});
    auto values = std::make_shared<DesignValues>();
    DesignStage(Lines, records, NJ, NM, XCoord, FixFy, FixMz, YM, MI, JN, Property, TempDisp,
                LoDisp, LoForce, GloForce, options.keep_design, *values);
    if (envelopes) {
      CheckMemoryBudget(EnvelopeBytes(*source),
                        "the envelopes of " + std::to_string(source->combinations.size()) +
                            " combinations of " + std::to_string(source->groups.size()) +
                            " load groups");
      Envelopes(*source, &watch, *values);
      // The window shows cases alone and the envelopes' bands from it.
      if (options.keep_design) values->source = std::move(source);
    } else if (cases.present) {
      values->warnings.push_back(
          "the load groups' solutions overflow; Design.txt holds no envelopes");
    }
    WriteDesignFile(*values, NameOf(F), results.Open(outcome.design_path));
    outcome.warnings.insert(outcome.warnings.end(), values->warnings.begin(),
                            values->warnings.end());
    if (options.before_commit) {
      std::vector<std::string> warnings = outcome.warnings;
      for (std::string& warning : warnings) {
        int unused = 0;
        warning = InInputFile(warning, places, unused);
      }
      const std::string failed = options.before_commit(*values, warnings);
      if (!failed.empty()) throw WriteError(failed);
    }
    if (options.keep_design) outcome.design = std::move(values);
  }

  // 17. Close the files and put them in place of the old ones, the report last.
  watch.Step("writing the results", 1, 1);
  results.Commit();
}

bool SyncAsked(const RunOptions& options) {
  const char* sync = std::getenv("SPANWISE_SYNC");
  return options.sync || (sync != nullptr && std::string(sync) == "1");
}

// Why the input file F cannot be read, "" when it can: checked before the
// folder's lock is taken, so that a mistyped path leaves nothing behind. A
// FIFO or a device is not opened here (that would take a writer's bytes).
std::string InputFault(const std::string& F) {
  struct stat status {};
  int error = 0;
  if (::stat(F.c_str(), &status) != 0) {
    error = errno;
  } else if (S_ISDIR(status.st_mode)) {
    error = EISDIR;
  } else if (S_ISREG(status.st_mode)) {
    const int fd = ::open(F.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) error = errno;
    if (fd >= 0) ::close(fd);
  }
  return error == 0 ? "" : "cannot read the input file " + F + ": " + std::strerror(error);
}

// The report of F would bear the name of BM.TXT, SF.TXT or Design.txt (on a
// file system that ignores case, the same file): a fault of the data.
void CheckReportName(const std::string& F, const std::string& report_path) {
  const auto lower = [](std::string text) {
    for (char& c : text) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c);
    return text;
  };
  for (const char* other : {"BM.TXT", "SF.TXT", "Design.txt"})
    if (lower(NameOf(report_path)) == lower(other))
      throw DataError("the report of " + NameOf(F) + " would be " + NameOf(report_path) +
                      ", the name of the run's " + other + ": give the input file another name");
}

// A fault of the program: never shown as an error in the data.
void InternalFault(RunOutcome& outcome, const char* what) {
  outcome.fault = RunFault::kInternal;
  outcome.reason = std::string("Internal error: ") + what +
                   ". This is a fault of the program, not of your data: please send this "
                   "message with the Beam.sma that caused it to the developers.";
  outcome.line = 0;
  outcome.field = 0;
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
  RecordLines Lines;
  FactoredPlaces places;  // of a run of one load case or combination
  try {
    const std::string unreadable = InputFault(F);
    if (!unreadable.empty()) {
      outcome.fault = RunFault::kInput;
      outcome.reason = unreadable;
      return outcome;
    }
    CheckReportName(F, outcome.report_path);
    // Runs in one folder take turns; a killed run's temporaries go.
    const FolderLock lock = FolderLock::ForRun(
        folder,
        [&] {
          std::fprintf(stderr, "spanwise: waiting for another run in %s to finish\n",
                       folder.c_str());
        },
        options.cancel);
    RemoveLeftoverTemporaries(folder);
    InputBytes Input = ReadInputFile(F);
    // One load case or combination: the run analyses its factored model.
    std::string factored;
    if (options.load_case != 0 || options.by_combination) {
      if (options.load_case < 0 ||
          !FactoredModel(Input.view(), options.load_case, options.combination, factored, places)) {
        outcome.fault = RunFault::kUsage;
        outcome.reason = options.by_combination
                             ? "the input has no combination labelled " + options.combination
                             : "the input has no load case " + std::to_string(options.load_case);
        return outcome;
      }
      Input = InputBytes();
    }
    Run(F, factored.empty() ? Input.view() : std::string_view(factored), options, places, outcome,
        Lines);
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
    outcome.field = error.field();
    // A fault found after reading names its record; the reason gains its line.
    const std::string place = outcome.line == 0 ? Lines.Place(error.about()) : "";
    if (!place.empty()) {
      outcome.reason = place + ": " + outcome.reason;
      outcome.line = Lines.Line(error.about());
    }
  } catch (const std::bad_alloc&) {
    outcome.fault = RunFault::kData;
    outcome.reason = "the model is too large for the memory of this machine";
  } catch (const InternalError& error) {
    InternalFault(outcome, error.what());
  } catch (const std::exception& error) {  // nothing escapes the run
    InternalFault(outcome, error.what());
  } catch (...) {
    InternalFault(outcome, "an exception of no standard type");
  }
  // A factored model's load records are named where they stand in F.
  outcome.reason = InInputFile(outcome.reason, places, outcome.line);
  for (std::string& warning : outcome.warnings) {
    int unused = 0;
    warning = InInputFile(warning, places, unused);
  }
  ClearFloatingPointFaults();
  return outcome;
}

}  // namespace spanwise
