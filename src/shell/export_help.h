#pragma once
// The help and the logo of the program's export windows. Every archive export says the
// same of its grid and its file after a first paragraph of its own.
#include <QString>

#include "kit/spreadsheet.h"

namespace shell {

// The help window of the program and its logo, for an export or grid window.
void useProgramHelp(kit::ExportSettings& settings);

// The help of an archive export: `title`, then `opening` (what the export transfers)
// and the two paragraphs every archive export shares; shown in the program's help
// window, with the program's logo.
void setArchiveExportHelp(kit::ExportSettings& settings, const QString& title, const QString& opening);

}  // namespace shell
