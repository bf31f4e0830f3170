#include "platform/hid/hidraw_sysfs.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string_view>

namespace platform::hid {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kNodePrefix = "hidraw";
constexpr std::string_view kHidIdKey = "HID_ID=";
constexpr std::string_view kCollectionTag = "&col";

std::optional<std::string> ReadFile(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) {
        return std::nullopt;
    }
    return bytes;
}

template <typename T>
std::optional<T> ParseNumber(std::string_view text, int base) {
    T value{};
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, base);
    if (error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

// "HID_ID=0003:0000260D:00001003": bus, vendor and product in hex.
std::optional<Attributes> ParseUevent(const std::string& uevent) {
    std::istringstream lines(uevent);
    std::string line;
    while (std::getline(lines, line)) {
        if (!line.starts_with(kHidIdKey)) {
            continue;
        }
        std::string_view id = std::string_view(line).substr(kHidIdKey.size());
        const size_t first = id.find(':');
        const size_t second = id.find(':', first + 1);
        if (first == std::string_view::npos || second == std::string_view::npos) {
            return std::nullopt;
        }
        auto vendor = ParseNumber<uint32_t>(id.substr(first + 1, second - first - 1), 16);
        auto product = ParseNumber<uint32_t>(id.substr(second + 1), 16);
        if (!vendor || !product) {
            return std::nullopt;
        }
        Attributes attributes;
        attributes.vendorId = static_cast<uint16_t>(*vendor);
        attributes.productId = static_cast<uint16_t>(*product);
        return attributes;
    }
    return std::nullopt;
}

// USB devices keep their release number two levels above the HID device (interface, device).
uint16_t ReadVersion(const fs::path& device) {
    std::optional<std::string> text = ReadFile(device / ".." / ".." / "bcdDevice");
    if (!text) {
        return 0;
    }
    std::string_view trimmed(*text);
    trimmed = trimmed.substr(0, trimmed.find_first_of(" \n"));
    return ParseNumber<uint16_t>(trimmed, 16).value_or(0);
}

std::optional<unsigned> NodeNumber(std::string_view name) {
    if (!name.starts_with(kNodePrefix)) {
        return std::nullopt;
    }
    return ParseNumber<unsigned>(name.substr(kNodePrefix.size()), 10);
}

}  // namespace

std::optional<HidrawNode> ReadHidrawNode(const std::string& sysfsRoot, const std::string& name) {
    const fs::path device = fs::path(sysfsRoot) / "class" / "hidraw" / name / "device";
    std::optional<std::string> uevent = ReadFile(device / "uevent");
    std::optional<std::string> descriptor = ReadFile(device / "report_descriptor");
    if (!uevent || !descriptor) {
        return std::nullopt;
    }
    std::optional<Attributes> attributes = ParseUevent(*uevent);
    if (!attributes) {
        return std::nullopt;
    }
    HidrawNode node;
    node.name = name;
    node.devNode = "/dev/" + name;
    node.attributes = *attributes;
    node.attributes.versionNumber = ReadVersion(device);
    node.descriptor.assign(descriptor->begin(), descriptor->end());
    return node;
}

bool ListHidrawNodes(const std::string& sysfsRoot, std::vector<HidrawNode>& nodes) {
    nodes.clear();
    const fs::path folder = fs::path(sysfsRoot) / "class" / "hidraw";
    std::error_code error;
    fs::directory_iterator entries(folder, error);
    if (error) {
        return error == std::errc::no_such_file_or_directory;
    }
    std::vector<std::pair<unsigned, std::string>> names;
    for (const fs::directory_entry& entry : entries) {
        std::string name = entry.path().filename().string();
        if (std::optional<unsigned> number = NodeNumber(name)) {
            names.emplace_back(*number, std::move(name));
        }
    }
    std::sort(names.begin(), names.end());
    for (const auto& [number, name] : names) {
        if (std::optional<HidrawNode> node = ReadHidrawNode(sysfsRoot, name)) {
            nodes.push_back(std::move(*node));
        }
    }
    return true;
}

std::string FormatHidrawPath(const Attributes& attributes, size_t collection,
                             size_t collectionCount, const std::string& devNode) {
    char identity[32];
    std::snprintf(identity, sizeof identity, "vid_%04x&pid_%04x", attributes.vendorId,
                  attributes.productId);
    std::string path = "hid#";
    path += identity;
    if (collectionCount > 1) {
        char tag[16];
        std::snprintf(tag, sizeof tag, "&col%02zu", collection + 1);
        path += tag;
    }
    return path + "#" + devNode;
}

std::optional<HidrawPath> ParseHidrawPath(const std::string& path) {
    const size_t separator = path.rfind('#');
    if (!path.starts_with("hid#") || separator == std::string::npos || separator < 4) {
        return std::nullopt;
    }
    HidrawPath parsed;
    parsed.devNode = path.substr(separator + 1);
    const size_t slash = parsed.devNode.rfind('/');
    parsed.nodeName = parsed.devNode.substr(slash == std::string::npos ? 0 : slash + 1);
    // Only hidraw device nodes are ever opened, whatever the path says.
    if (!NodeNumber(parsed.nodeName) || parsed.devNode != "/dev/" + parsed.nodeName) {
        return std::nullopt;
    }
    const std::string_view identity = std::string_view(path).substr(4, separator - 4);
    const size_t tag = identity.find(kCollectionTag);
    if (tag != std::string_view::npos) {
        std::optional<size_t> number =
            ParseNumber<size_t>(identity.substr(tag + kCollectionTag.size()), 10);
        if (!number || *number == 0) {
            return std::nullopt;
        }
        parsed.collection = *number - 1;
    }
    return parsed;
}

}  // namespace platform::hid
