#include "platform/win32/single_instance.h"

#include <cstdint>
#include <cstring>

#include "platform/win32/wide.h"
#include "platform/win32/win32_misc.h"

namespace vtx::win32 {
namespace {

constexpr DWORD kRecordBytes = 8;
constexpr DWORD kGuardWaitMs = 5000;

struct Record {
    std::int32_t window = 0;  // low 32 bits of the HWND; window handles fit in them
    std::int32_t count = 0;
};
static_assert(sizeof(Record) == kRecordBytes);

// Holds the named guard mutex for a scope. When it cannot be had the record is used
// without it, which is no worse than having no guard at all.
class GuardLock {
public:
    explicit GuardLock(const std::string& name) noexcept : mutex_(CreateMutexW(nullptr, FALSE, Utf8ToWide(name).c_str())) {
        if (mutex_) {
            const DWORD r = WaitForSingleObject(mutex_.get(), kGuardWaitMs);
            owned_ = r == WAIT_OBJECT_0 || r == WAIT_ABANDONED;  // abandoned: its holder died, the record stands
        }
    }
    GuardLock(const GuardLock&) = delete;
    GuardLock& operator=(const GuardLock&) = delete;
    ~GuardLock() { if (owned_) ReleaseMutex(mutex_.get()); }

private:
    UniqueHandleH mutex_;
    bool owned_ = false;
};

HWND WindowFrom(std::int32_t low) noexcept {
    // Window handles are sign-extended from their 32 bits, as between 32- and 64-bit processes.
    return reinterpret_cast<HWND>(static_cast<INT_PTR>(low));
}

std::int32_t LowBitsOf(HWND window) noexcept {
    return static_cast<std::int32_t>(reinterpret_cast<INT_PTR>(window));
}

}  // namespace

SingleInstance::SingleInstance() : SingleInstance(RecordNameFor(ExecutablePath())) {}

SingleInstance::SingleInstance(std::string record_name, std::string guard_name)
    : name_(std::move(record_name)), guard_name_(std::move(guard_name)) {}

std::string SingleInstance::RecordNameFor(std::string_view exe_path) {
    std::string name;
    for (const char c : exe_path)
        if (c != '\\' && c != ' ') name.push_back(c);
    return name;
}

bool SingleInstance::Claim(HWND app_window) {
    if (counted_) return true;
    GuardLock guard(guard_name_);
    bool existed = true;
    if (!mapping_) {
        // The name holds the executable's folder, which may be in any script: a wide name
        // keeps two such folders apart where the code page would spell both as "?".
        mapping_.reset(CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, kRecordBytes,
                                          Utf8ToWide(name_).c_str()));
        existed = GetLastError() == ERROR_ALREADY_EXISTS;
        // Without the record there is no telling; run rather than refuse to start.
        if (!mapping_) return true;
    }
    UniqueView view(MapViewOfFile(mapping_.get(), FILE_MAP_READ | FILE_MAP_WRITE, 0, 0, kRecordBytes));
    if (!view) return true;

    Record record;  // a record this call created starts empty
    if (existed) std::memcpy(&record, view.get(), sizeof record);
    if (record.count < kMaxInstances) {
        record.window = LowBitsOf(app_window);
        record.count = record.count < 0 ? 1 : record.count + 1;
        std::memcpy(view.get(), &record, sizeof record);
        counted_ = true;
        return true;
    }
    const HWND first = WindowFrom(record.window);
    if (first && IsWindow(first)) first_ = first;
    return false;
}

UINT SingleInstance::SummonMessage() noexcept {
    static const UINT message = RegisterWindowMessageW(L"Vantrix.BringUpLauncher");
    return message;
}

void SingleInstance::SummonFirst() const noexcept {
    if (!first_) return;
    // This copy was started by the user and may hand the foreground on; the running one
    // could not take it by itself.
    DWORD pid = 0;
    GetWindowThreadProcessId(first_, &pid);
    if (pid) AllowSetForegroundWindow(pid);
    if (IsIconic(first_)) ShowWindow(first_, SW_RESTORE);
    PostMessageW(first_, SummonMessage(), 0, 0);
}

SingleInstance::~SingleInstance() {
    if (!counted_ || !mapping_) return;
    GuardLock guard(guard_name_);
    UniqueView view(MapViewOfFile(mapping_.get(), FILE_MAP_READ | FILE_MAP_WRITE, 0, 0, kRecordBytes));
    if (!view) return;
    Record record;
    std::memcpy(&record, view.get(), sizeof record);
    if (record.count > 0) --record.count;
    std::memcpy(view.get(), &record, sizeof record);
}

}  // namespace vtx::win32
