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
#include "common/DecimalDigits.h"
#include "common/FloatingPoint.h"
#include "common/FolderLock.h"
#include "common/InternalError.h"
#include "common/MemberGeometry.h"
#include "common/MemoryBudget.h"
#include "common/OutputFile.h"
#include "common/PathParts.h"
#include "common/PlainNumber.h"
#include "common/ResultSet.h"
#include "common/StepWatch.h"
#include "common/Structure.h"
#include "common/WriteError.h"
#include "design/DesignCsv.h"
#include "design/DesignStage.h"
#include "design/EnvelopeSource.h"
#include "design/MemberInfluence.h"
#include "design/MovingCombination.h"
#include "design/VehicleLoads.h"
#include "input/CountSlip.h"
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
#include "run/InfluenceLines.h"
#include "run/MovingCases.h"
#include "run/RestraintWarning.h"
#include "run/RunMemory.h"
#include "stiffness/Stiffness.h"

namespace spanwise {
namespace {

// Room in the memory estimate for what the stages after the report keep per
// member (the design's values).
constexpr double kLaterBytesPerMember = 512;

// The model of one run, built step by step: each step below is a plain
// procedure over these structures.
struct RunModel {
  std::string_view Input;  // the bytes every pass reads
  RecordLines& Lines;      // where the records stand, for later faults
  Structure structure{};
  long HalfBand = 0;
  MemberStiffness k{0};
  BandMatrix GlStK{"GlStK", 0, 0};
  LoadSet loads{0, 0};
  FactoredStiffness factored{};  // for the load groups, when there are envelopes
  Solution solution{0, 0};
};

// 1. The structure, its arrays created once the counts show they fit.
void ReadTheStructure(RunModel& run, FieldReader& Channel1) {
  const StructureCounts counts = Numberof(run.Input);
  // Before the first array: the narrowest band any member can give.
  CheckRunMemory(counts, 3, static_cast<double>(run.Input.size()), kLaterBytesPerMember, nullptr);
  run.structure = Structure(counts);
  InputData(run.Input, run.structure, run.Lines, Channel1);
  run.HalfBand = BandMatrix::HalfBandwidth(counts.NM, run.structure.JN);
  CheckRunMemory(counts, run.HalfBand, static_cast<double>(run.Input.size()), kLaterBytesPerMember,
                 &run.structure.JN);
}

// 3. Every member's stiffness (released ends condensed), assembled into the band.
void AssembleTheStiffness(RunModel& run, StepWatch& watch, std::vector<std::string>& warnings) {
  Structure& structure = run.structure;
  run.k = MemberStiffness(structure.NM);
  run.GlStK = BandMatrix("GlStK", 2 * structure.NJ, run.HalfBand);
  for (long I = 1; I <= structure.NM; ++I) {
    if (I % 4096 == 0) watch.Step("member stiffness", I, structure.NM);
    LocalStiffness(I, structure, run.k);
    GlobalStiffness(I, structure, run.k);
  }
  const std::string band_warning =
      BandWarning(structure.NJ, structure.NM, structure.JN, structure.XCoord, run.HalfBand);
  if (!band_warning.empty()) warnings.push_back(band_warning);
  watch.Step("assembling the stiffness matrix", 0, 1);
  StructuralStiffness(structure, run.k, run.GlStK);
}

// 4. Supports, the stability check and the solution; with envelopes to come,
// a factorised copy of the restrained matrix for the load groups first
// (Gauss reduces its own in place).
void SolveTheBeam(RunModel& run, bool envelopes, StepWatch& watch,
                  std::vector<std::string>& warnings) {
  const Structure& structure = run.structure;
  RestraintWarnings(structure, run.GlStK, warnings);
  BoundaryConditions(structure, run.GlStK, run.loads.GloExtLoad);
  PrescribeSettlements(run.loads.cases.settlements, 1, run.loads.GloExtLoad);
  CheckStability(structure);
  if (envelopes) {
    CheckMemoryBudget(BandMatrix::Bytes(2 * structure.NJ, run.HalfBand),
                      "the factorised copy of the stiffness matrix for the envelopes");
    FactorStiffness(structure, run.k, run.HalfBand, run.factored);
  }
  watch.Step("solving the equations", 0, 1);
  run.solution = Solution(structure.NJ, structure.NM);
  Gauss(run.loads.GloExtLoad, run.GlStK, run.solution.TempDisp, 2 * structure.NJ, &watch);
}

// 6. The design values and, with load cases, the envelopes of every
// combination from one solution per load group. The stiffness arrays go
// first: the peak memory of a long beam stays where it was.
std::shared_ptr<DesignValues> DesignTheMembers(RunModel& run, bool keep, bool full_reach,
                                               StepWatch& watch) {
  auto source = std::make_shared<EnvelopeSource>();
  bool envelopes = run.loads.cases.present;
  auto moving_model = std::make_shared<MovingLines>();
  std::vector<MovingEnvelope> moving;
  if (envelopes) {
    watch.Step("solving the load groups", 0, 1);
    std::vector<LoadGroup> groups;
    MakeLoadGroups(run.loads.records, run.loads.cases, run.structure.JN, run.structure.XCoord,
                   groups);
    StartEnvelopeSource(groups, run.loads.cases, run.structure, *source);
    envelopes = SolveGroups(run.structure, run.factored, run.k.LoMemK, full_reach, watch, *source);
    MovingEnvelopes(run.structure, run.factored, run.k.LoMemK, run.loads.cases, watch,
                    *moving_model, moving);
    run.factored = FactoredStiffness{};
  }
  run.GlStK = BandMatrix("GlStK", 0, 0);
  run.k = MemberStiffness(0);
  run.solution.GloDisp = Array3("GloDisp", {0, 0, 0});
  auto values = std::make_shared<DesignValues>();
  DesignStage(run.structure, run.Lines, run.loads.records, run.solution, keep, *values);
  values->moving = std::move(moving);
  for (const MovingEnvelope& envelope : values->moving)
    values->vehicles.push_back(
        run.loads.cases.cases.at(static_cast<std::size_t>(envelope.load_case - 2)).vehicle);
  if (envelopes) {
    CheckMemoryBudget(EnvelopeBytes(*source),
                      "the envelopes of " + std::to_string(source->combinations.size()) +
                          " combinations of " + std::to_string(source->groups.size()) +
                          " load groups");
    MovingSource moving_source{&moving_model->members,
                               moving_model->xmin,
                               moving_model->xmax,
                               &values->moving,
                               &values->vehicles,
                               {},
                               {},
                               static_cast<long>(source->groups.size())};
    for (const Combination& combination : run.loads.cases.combinations) {
      moving_source.adverse.emplace_back();
      moving_source.favourable.emplace_back();
      for (const MovingEnvelope& envelope : values->moving) {
        const std::size_t k = static_cast<std::size_t>(envelope.load_case - 1);
        moving_source.adverse.back().push_back(combination.adverse.at(k));
        moving_source.favourable.back().push_back(combination.favourable.at(k));
      }
    }
    Envelopes(*source, values->moving.empty() ? nullptr : &moving_source, &watch, *values);
    // The window shows cases alone and the envelopes' bands from it.
    if (keep) values->source = std::move(source);
    if (keep && !values->moving.empty()) values->moving_lines = std::move(moving_model);
  } else if (run.loads.cases.present) {
    values->warnings.push_back(
        "the load groups' solutions overflow; Design.txt holds no envelopes");
  }
  return values;
}

// What the files hold when it is not the file's own loads, for Design.txt's
// header; empty for the plain run.
std::string LoadsHeld(const RunOptions& options) {
  if (options.by_combination)
    return "COMBINATION " + options.combination + " WITH EVERY CASE AT ITS ADVERSE FACTOR";
  if (options.load_case != 0)
    return "LOAD CASE " + std::to_string(options.load_case) + " ALONE" +
           (options.placed.empty() ? "" : ", " + options.placed);
  return "";
}

// The design values go to options.before_commit (when set) before the
// commit, with the warnings named at their lines in the input file, so that a
// failure to take them leaves the old set. Fault: WriteError.
void HandOver(const DesignValues& values, std::vector<std::string> warnings,
              const FactoredPlaces& places, const RunOptions& options) {
  if (!options.before_commit) return;
  for (std::string& warning : warnings) {
    int unused = 0;
    warning = InInputFile(warning, places, unused);
  }
  const std::string failed = options.before_commit(values, warnings);
  if (!failed.empty()) throw WriteError(failed);
}

// The run's steps over Input, the bytes of the input file F read once (or
// the factored model of one load case or combination): every pass reads
// these bytes, so the passes see one model even when the file is replaced
// meanwhile, and a FIFO works. Lines out: where the records stand, for the
// reason of a fault found later. Steps 0 and 7 (the lock, the commit) are
// the caller's and ResultSet's; numbered as in ARCHITECTURE.md.
void Run(const std::string& F, std::string_view Input, const RunOptions& options,
         const FactoredPlaces& places, RunOutcome& outcome, RecordLines& Lines) {
  StepWatch watch(options.progress, options.cancel);
  ClearFloatingPointFaults();  // floating-point faults are caught from here on
  const DecimFormat decim(JoinDecim(2));
  const bool design = options.design || options.keep_design;
  RunModel run{.Input = Input, .Lines = Lines};
  FieldReader Channel1("");

  watch.Step("reading the input", 0, 1);
  ReadTheStructure(run, Channel1);        // 1. input
  watch.Step("reading the loads", 0, 1);  // 2. loads, springs and releases
  run.loads = LoadSet(run.structure.NJ, run.structure.NM);
  InputVolatileData(run.structure, run.Lines, Channel1, design, run.loads, outcome.warnings);
  AssembleTheStiffness(run, watch, outcome.warnings);                             // 3. stiffness
  SolveTheBeam(run, design && run.loads.cases.present, watch, outcome.warnings);  // 4.

  watch.Step("writing the results", 0, 1);  // 5. results, written whole or not at all
  ResultSet results(options.sync, options.commit_step);
  OutputFile& Channel99 = results.Open(outcome.report_path);
  OutputFile& Channel91 = results.Open(outcome.bm_path);
  OutputFile& Channel92 = results.Open(outcome.sf_path);
  if (!design) results.Remove(outcome.design_path);  // no stale file beside a new set
  if (!design || !options.csv) results.Remove(outcome.csv_path);
  MemberResults(run.structure, run.k, run.loads, run.solution, decim, Channel99);
  if (options.between_passes) options.between_passes();
  InternalForces(Input, run.structure, run.solution.LoForce, decim, Channel99, Channel91,
                 Channel92);

  if (design) {  // 6. design values
    std::shared_ptr<DesignValues> values =
        DesignTheMembers(run, options.keep_design, options.full_reach, watch);
    values->model.units = run.loads.cases.units;
    WriteDesignFile(*values, NameOf(F), LoadsHeld(options), results.Open(outcome.design_path));
    if (options.csv) WriteDesignCsv(*values, results.Open(outcome.csv_path));
    outcome.warnings.insert(outcome.warnings.end(), values->warnings.begin(),
                            values->warnings.end());
    HandOver(*values, outcome.warnings, places, options);  // before the commit: --json
    if (options.keep_design) outcome.design = std::move(values);
  }
  watch.Step("writing the results", 1, 1);  // 7. the new set replaces the old one
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

// The run's one handler: the exception in flight (every fault of every
// stage) becomes the outcome.
void Handle(RunOutcome& outcome, const RecordLines& Lines, const InputBytes& Input) {
  try {
    throw;
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
    // A record that failed may be one left out or added before it.
    if (outcome.line > 0) {
      const std::string slip = CountSlip(Input.view());
      if (!slip.empty()) outcome.reason += ". " + slip;
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
}

// Why quantity names nothing of the beam, "" when it names something.
std::string InfluenceUsage(const Structure& structure, const InfluenceQuantity& quantity) {
  switch (quantity.kind) {
    case InfluenceKind::kReactionFy:
    case InfluenceKind::kReactionMz: {
      const std::string joint = "joint " + std::to_string(quantity.joint);
      if (quantity.joint < 1 || quantity.joint > structure.NJ)
        return "the beam has no " + joint + " (it has " + std::to_string(structure.NJ) + ")";
      const bool vertical = quantity.kind == InfluenceKind::kReactionFy;
      if (!structure.SupportOf(quantity.joint)
               .Holds(vertical ? Component::kVertical : Component::kRotation))
        return joint + " has no " + (vertical ? "vertical" : "rotational") +
               " support or spring, so no reaction " + (vertical ? "fy" : "mz");
      return "";
    }
    default: {
      const long m = quantity.member;
      if (m < 1 || m > structure.NM)
        return "the beam has no member " + std::to_string(m) + " (it has " +
               std::to_string(structure.NM) + ")";
      const double L = MemberLength(m, structure.JN, structure.XCoord);
      if (!(quantity.x >= 0 && quantity.x <= L))
        return "the section must lie on member " + std::to_string(m) +
               ": 0 <= x <= " + PlainNumber(L);
      return "";
    }
  }
}

}  // namespace

namespace {

// Whether F cannot be read as an input file; outcome then says why (kInput).
bool Unreadable(const std::string& F, RunOutcome& outcome) {
  outcome.reason = InputFault(F);
  if (outcome.reason.empty()) return false;
  outcome.fault = RunFault::kInput;
  return true;
}

}  // namespace

RunOutcome InfluenceRun(const std::string& F, const InfluenceQuantity& quantity,
                        InfluenceLine& line) {
  RunOutcome outcome;
  RecordLines Lines;
  InputBytes Input;
  line.clear();
  try {
    if (Unreadable(F, outcome)) return outcome;
    Input = ReadInputFile(F);
    ClearFloatingPointFaults();
    StepWatch watch({}, nullptr);
    RunModel run{.Input = Input.view(), .Lines = Lines};
    FieldReader Channel1("");
    ReadTheStructure(run, Channel1);
    run.loads = LoadSet(run.structure.NJ, run.structure.NM);
    InputVolatileData(run.structure, run.Lines, Channel1, false, run.loads, outcome.warnings);
    outcome.reason = InfluenceUsage(run.structure, quantity);
    if (!outcome.reason.empty()) {
      outcome.fault = RunFault::kUsage;
      return outcome;
    }
    AssembleTheStiffness(run, watch, outcome.warnings);
    CombineLocalK(run.structure.NM, run.k);  // LoMemK, as the results stage makes it
    RestraintWarnings(run.structure, run.GlStK, outcome.warnings);
    CheckStability(run.structure);
    run.GlStK = BandMatrix("GlStK", 0, 0);
    CheckMemoryBudget(BandMatrix::Bytes(2 * run.structure.NJ, run.HalfBand),
                      "the factorised stiffness matrix");
    FactorStiffness(run.structure, run.k, run.HalfBand, run.factored);
    InfluenceModel model(run.structure, run.factored, run.k.LoMemK);
    if (!QuantityInfluence(model, quantity, line)) {
      const Structure& s = run.structure;
      const bool stiff =
          quantity.kind != InfluenceKind::kDeflection ||
          s.YM(s.Property(quantity.member, 1)) * s.MI(s.Property(quantity.member, 2)) != 0;
      throw DataError(stiff ? "the influence line overflows: it has no value"
                            : "member " + std::to_string(quantity.member) +
                                  " has E*I = 0: its deflection has no value");
    }
    outcome.ok = true;
  } catch (...) {
    Handle(outcome, Lines, Input);
  }
  ClearFloatingPointFaults();
  return outcome;
}

// A moving case standing still where the largest |M| of the beam occurs
// (ties: the smallest member, then the smallest x): its axles and its lane
// on the lengths where that moment's line makes it worse, as member loads;
// where says so for Design.txt's header.
void PlaceVehicle(std::string_view Input, long load_case, RecordLines& Lines,
                  std::vector<MemberLoad>& loads, std::string& where) {
  StepWatch watch({}, nullptr);
  RunModel run{.Input = Input, .Lines = Lines};
  FieldReader Channel1("");
  std::vector<std::string> warnings;  // said by the run of the case
  ReadTheStructure(run, Channel1);
  run.loads = LoadSet(run.structure.NJ, run.structure.NM);
  InputVolatileData(run.structure, run.Lines, Channel1, true, run.loads, warnings);
  AssembleTheStiffness(run, watch, warnings);
  CombineLocalK(run.structure.NM, run.k);
  CheckStability(run.structure);
  run.GlStK = BandMatrix("GlStK", 0, 0);
  FactorStiffness(run.structure, run.k, run.HalfBand, run.factored);
  const LoadCase& moving_case = run.loads.cases.cases.at(static_cast<std::size_t>(load_case - 2));
  LoadCases alone;  // the one moving case
  alone.cases.push_back(moving_case);
  MovingLines model;
  std::vector<MovingEnvelope> envelopes;
  MovingEnvelopes(run.structure, run.factored, run.k.LoMemK, alone, watch, model, envelopes);
  const MovingExtreme* best = nullptr;
  long member = 0;
  for (const MovingEnvelope::Member& m : envelopes.at(0).members)
    for (const MovingExtreme* e : {&m.moment_max, &m.moment_min})
      if (e->present &&
          (best == nullptr || std::abs(e->value) > std::abs(best->value) ||
           (std::abs(e->value) == std::abs(best->value) && m.member == member && e->x < best->x)))
        best = e, member = m.member;
  if (best == nullptr)
    throw DataError("moving case " + std::to_string(load_case) + " has no moment");
  const InfluenceLine line = SectionInfluence(
      model.members.at(static_cast<std::size_t>(member - 1)), InfluenceKind::kMoment, best->x);
  VehicleLoads(run.structure, moving_case.vehicle, best->position, best->direction, line,
               best->value >= 0, loads);
  char buffer[3][32];
  const auto text = [&](int k, double v) {
    return std::string(buffer[k], SixDigits(buffer[k], buffer[k] + sizeof buffer[k], v));
  };
  where = "ITS VEHICLE AT X = " + text(0, best->position) +
          (best->direction == Direction::kIncreasingX ? " +x" : " -x") +
          " WHERE |M| IS LARGEST (MEMBER " + std::to_string(member) + ", x = " + text(1, best->x) +
          ")";
}

RunOutcome AnalysisRun(const std::string& F, const RunOptions& given) {
  RunOptions options = given;
  options.sync = SyncAsked(given);
  RunOutcome outcome;
  const std::string folder = FolderOf(F);
  outcome.report_path = F.substr(0, F.size() >= 3 ? F.size() - 3 : 0) + "txt";
  outcome.bm_path = folder + "/BM.TXT";
  outcome.sf_path = folder + "/SF.TXT";
  outcome.design_path = folder + "/Design.txt";
  outcome.csv_path = folder + "/Design.csv";
  // The single handler: any fault of any stage ends the run here, and the
  // files that were open are closed by then.
  RecordLines Lines;
  FactoredPlaces places;  // of a run of one load case or combination
  InputBytes Input;       // the input file's bytes, once read
  try {
    if (Unreadable(F, outcome)) return outcome;
    CheckReportName(F, outcome.report_path);
    // Runs in one folder take turns; a killed run's commit is rolled back,
    // its temporaries go.
    const FolderLock lock = FolderLock::ForRun(
        folder,
        [&] {
          std::fprintf(stderr, "spanwise: waiting for another run in %s to finish\n",
                       folder.c_str());
        },
        options.cancel);
    if (RepairFolder(folder)) outcome.warnings.push_back(RolledBackNotice(folder));
    Input = ReadInputFile(F);
    // One load case or combination: the run analyses its factored model.
    std::string factored;
    if (options.load_case != 0 || options.by_combination) {
      FactoredResult made = options.load_case < 0
                                ? FactoredResult::kNoSuch
                                : FactoredModel(Input.view(), options.load_case,
                                                options.combination, nullptr, factored, places);
      if (made == FactoredResult::kMoving) {
        std::vector<MemberLoad> placed;
        PlaceVehicle(Input.view(), options.load_case, Lines, placed, options.placed);
        Lines = RecordLines{};
        made = FactoredModel(Input.view(), options.load_case, options.combination, &placed,
                             factored, places);
      }
      if (made != FactoredResult::kDone) {
        outcome.fault = RunFault::kUsage;
        outcome.reason =
            made == FactoredResult::kHoldsMoving
                ? "combination " + options.combination +
                      " holds a moving case: a vehicle has no single arrangement (its envelope "
                      "is in Design.txt)"
            : options.by_combination
                ? "the input has no combination labelled " + options.combination
                : "the input has no load case " + std::to_string(options.load_case);
        return outcome;
      }
      Input = InputBytes();
    }
    Run(F, factored.empty() ? Input.view() : std::string_view(factored), options, places, outcome,
        Lines);
    outcome.ok = true;
  } catch (...) {
    Handle(outcome, Lines, Input);
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
