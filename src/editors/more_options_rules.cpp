#include "editors/more_options_rules.h"

#include "platform/ascii.h"
#include "platform/trace.h"

namespace vtx {

MoreOptionsForm MoreOptionsShow(ItemOptions& options) {
    Trace("Form14.Show");
    if (options.color.empty()) options.color = "None";
    MoreOptionsForm form;
    for (std::size_t i = 0; i < kColorLabels.size(); ++i)
        if (EqualsNoCaseAscii(kColorLabels[i].name, options.color)) form.color = static_cast<int>(i);
    form.state = options.swst == "SW_SHOWMAXIMIZED" ? 2 : options.swst == "SW_SHOWMINIMIZED" ? 1 : 0;
    form.invisible = options.vis == "0";
    return form;
}

void MoreOptionsClose(const MoreOptionsForm& form, ItemOptions& options) {
    Trace("Form14.Close");
    const bool has_color = form.color >= 0 && form.color < static_cast<int>(kColorLabels.size());
    options.color = has_color ? std::string(kColorLabels[static_cast<std::size_t>(form.color)].name) : std::string();
    static constexpr std::array<std::string_view, 3> kStates = {"SW_SHOWNORMAL", "SW_SHOWMINIMIZED", "SW_SHOWMAXIMIZED"};
    if (form.state >= 0 && form.state < static_cast<int>(kStates.size()))
        options.swst = kStates[static_cast<std::size_t>(form.state)];
    options.vis = form.invisible ? "0" : "1";
}

}  // namespace vtx
