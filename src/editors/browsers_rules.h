#pragma once
// The rules of "Define Browsers": four slots filled once from the browser list, "System
// Default", and the save that rebuilds the list from the slots and writes browsers.ini.

#include <array>
#include <string>
#include <string_view>

#include "app/app_session.h"

namespace vtx {

inline constexpr std::string_view kBrowsersHelp = "definebrowsers.htm";

struct BrowserSlot {
    std::string name, addr;
    bool operator==(const BrowserSlot&) const = default;
};
using BrowserSlots = std::array<BrowserSlot, 4>;

class BrowsersRules {
public:
    explicit BrowsersRules(AppSession& app) noexcept : app_(app) {}

    // Once, at start-up: slot k shows line k of the list (empty past its end).
    void FormCreate();
    // The slots as the window shows them; they keep what was typed between openings.
    [[nodiscard]] BrowserSlots& slots() noexcept { return slots_; }

    // The caller tag, set by the opener just before showing.
    void set_caller(std::string caller) { caller_ = std::move(caller); }
    [[nodiscard]] const std::string& caller() const noexcept { return caller_; }

    // "System Default": slot 1 takes the program that opens web pages.
    void SystemDefaultClick();
    // "OK": the list is rebuilt from the slots and written. Returns the caller whose
    // browser combo is refilled ("form2", "form5"; empty for none).
    [[nodiscard]] std::string OKBTNClick();
    // The log-on ends: the list is rebuilt from the slots; the session writes it.
    void StoreSlots();

private:
    AppSession& app_;
    BrowserSlots slots_;
    std::string caller_;
};

}  // namespace vtx
