#include "gate/frm_non_usciti.h"

#include "gate/day_lists.h"

kit::ListSettings TfrmNonUsciti::settings() { return gate::dayListSettings(gate::DayList::NotYetOut); }

TfrmNonUsciti::TfrmNonUsciti(QWidget* owner) : kit::SearchWindow(owner, settings()) {}
