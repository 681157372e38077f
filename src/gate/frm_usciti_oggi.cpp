#include "gate/frm_usciti_oggi.h"

#include "gate/day_lists.h"

kit::ListSettings TfrmUscitiOggi::settings() { return gate::dayListSettings(gate::DayList::ExitedToday); }

TfrmUscitiOggi::TfrmUscitiOggi(QWidget* owner) : kit::SearchWindow(owner, settings()) {}
