#include "gate/frm_entrati_oggi.h"

#include "gate/day_lists.h"

kit::ListSettings TfrmEntratiOggi::settings() { return gate::dayListSettings(gate::DayList::EnteredToday); }

TfrmEntratiOggi::TfrmEntratiOggi(QWidget* owner) : kit::SearchWindow(owner, settings()) {}
