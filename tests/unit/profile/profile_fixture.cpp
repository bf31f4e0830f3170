#include "profile_fixture.h"

#include <numeric>

#include "platform/fs/file_ops.h"
#include "platform/fs/profile_string.h"

namespace profile {
namespace {

template <typename Bytes>
void Append(std::vector<uint8_t>& all, const Bytes& bytes) {
    all.insert(all.end(), bytes.begin(), bytes.end());
}

template <typename Bytes>
void Fill(Bytes& bytes, uint8_t& next) {
    for (auto& byte : bytes) {
        byte = next++;
    }
}

}  // namespace

ProfileTest::ProfileTest() {
    platform::fs::CreateFolder(folder_.path() + "program");
}

std::vector<uint8_t> ProfileTest::Snapshot() const {
    std::vector<uint8_t> all;
    Append(all, mouse_.keyPages[0]);
    for (const auto& record : mouse_.records) {
        Append(all, record);
    }
    Append(all, mouse_.block.Bytes());
    all.push_back(static_cast<uint8_t>(mouse_.pointerSpeed));
    all.push_back(static_cast<uint8_t>(mouse_.wheelLines));
    Append(all, keyboard_.keyPages[0]);
    for (const auto& record : keyboard_.records) {
        Append(all, record);
    }
    Append(all, keyboard_.block.Bytes());
    Append(all, keyboard_.extras);
    for (const auto& record : pad_.records) {
        Append(all, record);
    }
    Append(all, pad_.block.Bytes());
    return all;
}

void ProfileTest::FillState(uint8_t seed) {
    uint8_t next = seed;
    Fill(mouse_.keyPages[0], next);
    Fill(mouse_.records[0], next);
    Fill(keyboard_.keyPages[0], next);
    Fill(keyboard_.records[0], next);
    Fill(keyboard_.extras, next);
    Fill(pad_.records[0], next);
    for (size_t i = 0; i < mouse::MouseParamBlock::kSize; ++i) {
        mouse_.block.Set(i, next++);
    }
    for (size_t i = 0; i < keyboard::KeyboardParamBlock::kSize; ++i) {
        keyboard_.block.Set(i, next++);
        pad_.block.Set(i, next++);
    }
    mouse_.pointerSpeed = 1 + seed % 20;
    mouse_.wheelLines = 1 + seed % 100;
}

void ProfileTest::WriteList(DeviceKind kind, ProfileType type,
                            const std::vector<std::string>& names, int selected) {
    const ListSections sections = SectionsOf(kind, type);
    for (size_t i = 0; i < names.size(); ++i) {
        platform::fs::WritePrivateProfileString(sections.names, std::to_string(i), names[i],
                                                ListPath(kind));
    }
    platform::fs::WritePrivateProfileString(sections.select, kSelectKey, std::to_string(selected),
                                            ListPath(kind));
}

void ProfileTest::PutFile(const std::string& path, std::vector<uint8_t> header,
                          const std::vector<uint8_t>& payload) const {
    header.resize(16, 0);
    header.insert(header.end(), payload.begin(), payload.end());
    platform::fs::WriteFileAtomic(path, std::string(header.begin(), header.end()));
}

}  // namespace profile
