#pragma once
// The launcher's overview help, as data: its title and its hundred paragraphs, in
// order (the help window joins them with CR LF CR LF).
#include <array>
#include <cstddef>
#include <string_view>

namespace shell {

inline constexpr std::u16string_view kOverviewHelpTitle = u"Uno sguardo a Velmora 4.0";
inline constexpr std::size_t kOverviewHelpCount = 100;
extern const std::array<std::u16string_view, kOverviewHelpCount> kOverviewHelp;

}  // namespace shell
