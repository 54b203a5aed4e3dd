#pragma once
// Folders the fake system reports, and golden files of tests/data.

#include <fstream>
#include <sstream>
#include <string>

namespace vtx::fake {

inline const std::string kDataFolder = "C:\\Users\\tester\\AppData\\Roaming\\Orvane\\VTX\\";
inline const std::string kProgramFolder = "C:\\Program Files\\Vantrix\\";

#ifdef VTX_TEST_DATA
// The bytes of a golden file, exactly as stored.
inline std::string Golden(const std::string& name) {
    std::ifstream in(std::string(VTX_TEST_DATA) + "/" + name, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}
#endif

}  // namespace vtx::fake
