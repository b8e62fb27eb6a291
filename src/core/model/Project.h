#pragma once
// The project of a main controller: what one intersection is made of. The main
// window holds one; creating, opening and New replace it as a whole.

#include <cstdint>
#include <memory>
#include <string>

#include "model/Controller.h"
#include "model/CycleList.h"
#include "model/ObjList.h"
#include "model/PhaseStorage.h"
#include "model/PlanLists.h"
#include "model/ProjectOptions.h"
#include "model/TrendEvents.h"
#include "model/TrendGroup.h"

namespace lir {

class TProject {
 public:
  static constexpr const char* kDefaultName = "Новый перекресток";
  static constexpr int kMaxControllers = 3;
  static constexpr int kDefaultAllRedTime = 3;
  // Project files and images keep the number of signal groups in one byte.
  static constexpr int kMaxGroups = 255;

  explicit TProject(int allRedTime = kDefaultAllRedTime);

  // Back to an empty project: no signal groups (each announced as destroyed),
  // no controllers, the default name and options, system number 1, the
  // given all-red duration and the phases of a new project. The object stays the same, so whatever holds a
  // reference to it (readers, pages, listeners) keeps working.
  void Reset(int allRedTime);

  std::string Name = kDefaultName;
  TProjectOptions Options = kNewProjectOptions;
  std::uint8_t AllRedTime;       // seconds
  std::uint8_t SystemNumber = 1;  // management-system number, 1..2

  bool HasOption(TProjectOption option) const { return (Options & option) != 0; }
  void SetOption(TProjectOption option, bool on);

  const TObjList<TController>& Controllers() const { return controllers_; }
  int ControllerCount() const { return controllers_.Count(); }
  // The first controller's model decides what the project may use; null
  // while the project has no controller.
  TLIRModel* FirstModel() const;
  // Any model for the first controller; further ones only of the first
  // model's family, both allowing several controllers, the first not
  // composite, up to kMaxControllers.
  bool CanAddController(const TLIRModel& model) const;
  // Also gives every signal group free outputs for its empty slots. The
  // caller asks CanAddController first.
  TController& AddController(TLIRModel& model);

  // Created, changed and destroyed signal groups are announced here.
  TTrendEventList& Events() { return events_; }

  // The phases, kept in step with the signal groups.
  TPhaseStg& Phases() { return phases_; }
  const TPhaseStg& Phases() const { return phases_; }

  // The work cycles and the fixed ЖМ and ОС programs.
  TWorkCycles& Cycles() { return cycles_; }
  const TWorkCycles& Cycles() const { return cycles_; }

  // The day plans, the week plans and the year plan; a new project has one
  // of each. Deleting a work cycle releases it from the day plans.
  TDayPlans& DayPlans() { return dayPlans_; }
  const TDayPlans& DayPlans() const { return dayPlans_; }
  TWeekPlans& WeekPlans() { return weekPlans_; }
  const TWeekPlans& WeekPlans() const { return weekPlans_; }
  TYearPlan& YearPlan() { return yearPlan_; }
  const TYearPlan& YearPlan() const { return yearPlan_; }
  // The user agreed to use the model: the plans lose what it cannot hold.
  void CutPlansDown(const TLIRModel& model) { CutPlansDownForModel(yearPlan_, weekPlans_, model); }

  // The signal groups in creation order.
  const TObjList<TTrendGroup>& Groups() const { return groups_; }
  int GroupCount() const { return groups_.Count(); }
  // Room for one more group and, once there is a controller, a free output.
  bool CanAddGroup() const;
  // A group of the menu entry's class (TrendKinds.h) with automatic outputs.
  // Answers the number of grid rows before it, where its first row will be;
  // -1 when the project already has kMaxGroups groups.
  int AddGroup(int menuTag);
  // A group of the class, with or without automatic outputs (a project being
  // read links its own); null when the project already has kMaxGroups groups.
  TTrendGroup* AddGroupOfClass(TGroupClass cls, bool assignOutputs = true);
  // A call group owned by the call phase list; null at kMaxGroups.
  TCall* AddCallGroup(const TObject& callList);
  // Removes the group owning the grid row's trend; false when there is none
  // or it is a call group still owned by its call list.
  bool RemoveGroup(int row);
  bool DeleteGroup(TTrendGroup& group);
  // The call list's own way to remove its group; false when the group
  // belongs to another list or to no project group.
  bool RemoveCallGroup(TCall& group, const TObject& callList);

  // The trends shown in the signal-group grid, group by group.
  int GridRowCount() const;
  // Null when row is out of range.
  TTrend* GridTrend(int row) const;
  // The editor's way to link an output (or none) to a slot of a grid row.
  void SetTrendOutput(int row, int slot, TControllerOutput* output);

  // "%d%s": the 1-based position of the trend's group and the kind's suffix
  // (for example 3Пм).
  std::string TrendName(const TTrend& trend) const;
  // The output's description, prefixed "%d-" with the 1-based controller
  // position when the project has several controllers that are not parts
  // of a composite model; empty for none.
  std::string OutputName(const TControllerOutput* output) const;

 private:
  void DestroyGroup(TTrendGroup& group);
  void ClearGroups();

  // Declared before the lists: groups report to it until they are gone, and
  // groups are destroyed before the controllers whose outputs they hold.
  TTrendEventList events_;
  TObjList<TController> controllers_{true};
  TObjList<TTrendGroup> groups_{true};
  // Last: it subscribes to events_ and reads the groups when created, and
  // goes before the groups whose trends its phases refer to.
  TPhaseStg phases_{*this};
  // After the phases: it listens to them, and its positions go before the
  // phases they run.
  TWorkCycles cycles_{*this};
  // After the cycles, each level after the one its items link to: items
  // release their links when destroyed, so the year plan goes first, the day
  // plans last.
  TDayPlans dayPlans_{cycles_.Off(), [this] { return static_cast<const TLIRModel*>(FirstModel()); }};
  TWeekPlans weekPlans_{dayPlans_, [this] { return static_cast<const TLIRModel*>(FirstModel()); }};
  TYearPlan yearPlan_{[this] { return static_cast<const TLIRModel*>(FirstModel()); }};
};

}  // namespace lir
