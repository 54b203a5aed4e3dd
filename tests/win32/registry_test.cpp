#include "platform/win32/win32_registry.h"

#include <gtest/gtest.h>

#include "platform/win32/wide.h"
#include "platform/win32/windows_api.h"

namespace vtx::win32 {
namespace {

std::string ValueName() { return "vtx-test-" + std::to_string(GetCurrentProcessId()); }

// Reads a Run value directly, to see what the code under test stored.
std::string RawRunValue(HKEY root, const std::string& name, DWORD& type) {
    wchar_t data[512] = {};
    DWORD size = sizeof data - sizeof(wchar_t);
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, Win32Registry::kRunKey, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) return "<no key>";
    const LSTATUS r =
        RegQueryValueExW(key, Utf8ToWide(name).c_str(), nullptr, &type, reinterpret_cast<BYTE*>(data), &size);
    RegCloseKey(key);
    return r == ERROR_SUCCESS ? WideToUtf8(data) : "<no value>";
}

class RunKeyTest : public ::testing::TestWithParam<Hive> {
protected:
    HKEY Root() const { return GetParam() == Hive::LocalMachine ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER; }
    void TearDown() override { (void)registry.DeleteRunValue(GetParam(), name); }
    Win32Registry registry;
    std::string name = ValueName();
};

TEST_P(RunKeyTest, WritesFindsAndDeletesAStringValue) {
    const Hive hive = GetParam();
    EXPECT_FALSE(registry.RunValueExists(hive, name));
    EXPECT_FALSE(registry.DeleteRunValue(hive, name));

    const std::string data = "C:\\Program Files\\Vantrix\\vantrix.exe ns";
    ASSERT_TRUE(registry.WriteRunValue(hive, name, data));
    EXPECT_TRUE(registry.RunValueExists(hive, name));
    DWORD type = 0;
    EXPECT_EQ(RawRunValue(Root(), name, type), data);
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));

    ASSERT_TRUE(registry.WriteRunValue(hive, name, "other"));  // rewriting replaces
    EXPECT_EQ(RawRunValue(Root(), name, type), "other");

    const std::string unicode = "\"C:\\Программы\\中文 😀\\vantrix.exe\" ns";  // stored whole
    ASSERT_TRUE(registry.WriteRunValue(hive, name, unicode));
    EXPECT_EQ(RawRunValue(Root(), name, type), unicode);
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));

    EXPECT_TRUE(registry.DeleteRunValue(hive, name));
    EXPECT_FALSE(registry.RunValueExists(hive, name));
}

INSTANTIATE_TEST_SUITE_P(BothHives, RunKeyTest, ::testing::Values(Hive::CurrentUser, Hive::LocalMachine),
                         [](const auto& info) {
                             return info.param == Hive::LocalMachine ? "LocalMachine" : "CurrentUser";
                         });

// A file-type key made for one test and removed after it.
class ScratchClassKey {
public:
    explicit ScratchClassKey(const char* what)
        : name_(std::string("vtx-test-") + what + "-" + std::to_string(GetCurrentProcessId())) {
        HKEY key = nullptr;
        if (RegCreateKeyExA(HKEY_CLASSES_ROOT, name_.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr) ==
            ERROR_SUCCESS)
            key_ = key;
    }
    ScratchClassKey(const ScratchClassKey&) = delete;
    ScratchClassKey& operator=(const ScratchClassKey&) = delete;
    ~ScratchClassKey() {
        if (key_) RegCloseKey(key_);
        RegDeleteKeyA(HKEY_CLASSES_ROOT, name_.c_str());
    }
    [[nodiscard]] bool made() const { return key_ != nullptr; }
    void SetDefault(DWORD type, const std::string& data) {
        RegSetValueExA(key_, nullptr, 0, type, reinterpret_cast<const BYTE*>(data.data()),
                       static_cast<DWORD>(data.size()));  // stored without a terminating NUL on purpose
    }
    [[nodiscard]] const std::string& name() const { return name_; }

private:
    std::string name_;
    HKEY key_ = nullptr;
};

TEST(Win32Registry, ReadsFileTypeDefaults) {
    Win32Registry registry;
    EXPECT_EQ(registry.ClassesRootDefault(".lnk"), std::optional<std::string>("lnkfile"));
    EXPECT_EQ(registry.ClassesRootDefault(".vtx-no-such-type"), std::nullopt);
    EXPECT_EQ(registry.ClassesRootDefault(""), std::nullopt);  // not the root itself
}

TEST(Win32Registry, ReadsDefaultsOfEveryShape) {
    Win32Registry registry;
    ScratchClassKey key("shapes");
    ASSERT_TRUE(key.made());
    EXPECT_EQ(registry.ClassesRootDefault(key.name()), std::optional<std::string>(""));  // no default value

    key.SetDefault(REG_SZ, "txtfile");
    EXPECT_EQ(registry.ClassesRootDefault(key.name()), std::optional<std::string>("txtfile"));

    // A DefaultIcon-like value with an environment variable in it.
    key.SetDefault(REG_EXPAND_SZ, std::string("%SystemRoot%\\icons.dll,-3") + '\0');
    char root[MAX_PATH] = {};
    ASSERT_GT(GetEnvironmentVariableA("SystemRoot", root, MAX_PATH), 0u);
    EXPECT_EQ(registry.ClassesRootDefault(key.name()),
              std::optional<std::string>(std::string(root) + "\\icons.dll,-3"));

    key.SetDefault(REG_DWORD, std::string(4, '\1'));  // not text
    EXPECT_EQ(registry.ClassesRootDefault(key.name()), std::optional<std::string>(""));
}

}  // namespace
}  // namespace vtx::win32
