#include "app/startup_entry.h"

#include "platform/trace.h"

namespace vtx {

// Quoted: Windows reads an unquoted path with blanks as a shorter program ("C:\Program.exe")
// with parameters, and the "ns" could be lost.
std::string StartupCommand(const std::string& exe_path) { return "\"" + exe_path + "\" ns"; }

void AddToStartup(Registry& registry, const std::string& exe_path) {
    Trace("Form1.AddToStartup");
    const std::string command = StartupCommand(exe_path);
    if (registry.WriteRunValue(Hive::LocalMachine, kRunValueName, command)) {
        // A copy left under the user's hive by an earlier run without rights would start a second instance.
        if (registry.RunValueExists(Hive::CurrentUser, kRunValueName))
            registry.DeleteRunValue(Hive::CurrentUser, kRunValueName);
        return;
    }
    if (!registry.WriteRunValue(Hive::CurrentUser, kRunValueName, command))
        Trace("Form1.AddToStartup: the Run key could not be written", 0);
}

void RemoveFromStartup(Registry& registry) {
    Trace("Form1.RemoveFromStartup");
    for (const Hive hive : {Hive::LocalMachine, Hive::CurrentUser})
        if (registry.RunValueExists(hive, kRunValueName)) registry.DeleteRunValue(hive, kRunValueName);
}

}  // namespace vtx
