#pragma once
// The fixed bytes of a spreadsheet export file, spelled out by hand so the tests do
// not take them from the program. Plain C++: the core tests use it too.
#include <string>
#include <string_view>

// Everything before the heading row, for a sheet named `sheetName` (as it stands in
// the file, already escaped).
inline std::string exportFileHead(std::string_view sheetName) {
  return "<html xmlns:o=\"urn:schemas-microsoft-com:office:office\" xmlns:x=\"urn:schemas-microsoft-com:office:excel\" "
         "xmlns=\"http://www.w3.org/TR/REC-html40\"><head><meta http-equiv=\"Content-Type\" content=\"text/html; "
         "charset=windows-1252\"><!--[if gte mso 9]><xml><x:ExcelWorkbook><x:ExcelWorksheets><x:ExcelWorksheet>"
         "<x:Name>" +
         std::string(sheetName) +
         "</x:Name><x:WorksheetOptions><x:Selected/><x:Panes><x:Pane><x:Number>1</x:Number>"
         "<x:ActiveRow>3</x:ActiveRow></x:Pane></x:Panes><x:ProtectContents>False</x:ProtectContents>"
         "<x:ProtectObjects>False</x:ProtectObjects><x:ProtectScenarios>False</x:ProtectScenarios>"
         "</x:WorksheetOptions></x:ExcelWorksheet></x:ExcelWorksheets></x:ExcelWorkbook></xml><![endif]-->"
         "</head><body><table x:str>";
}

// Everything after the last row.
inline const std::string kExportFileTail = "</table></body></html>";
