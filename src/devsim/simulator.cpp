#include "devsim/simulator.h"

#include <algorithm>
#include <charconv>

namespace devsim {
namespace {

std::optional<PluggedDevice> ParseListEntry(std::string_view entry) {
    const size_t colon = entry.find(':');
    const DeviceModel* model = FindModel(entry.substr(0, colon));
    if (!model) {
        return std::nullopt;
    }
    PluggedDevice plugged{model->kind, model->productIds.front()};
    if (colon != std::string_view::npos) {
        const std::string_view digits = entry.substr(colon + 1);
        const char* last = digits.data() + digits.size();
        const auto [end, error] = std::from_chars(digits.data(), last, plugged.productId, 16);
        if (digits.empty() || error != std::errc() || end != last ||
            !HasProductId(*model, plugged.productId)) {
            return std::nullopt;
        }
    }
    return plugged;
}

}  // namespace

Simulator::Simulator(std::span<const PluggedDevice> plugged) {
    for (const PluggedDevice& entry : plugged) {
        device(entry.kind).Plug(entry.productId);
    }
}

std::optional<std::vector<PluggedDevice>> ParseSimulateList(std::string_view list) {
    std::vector<PluggedDevice> plugged;
    if (list.empty()) {
        for (DeviceKind kind : kAllDeviceKinds) {
            plugged.push_back({kind, ModelOf(kind).productIds.front()});
        }
        return plugged;
    }
    for (;;) {
        const size_t comma = list.find(',');
        const std::optional<PluggedDevice> entry = ParseListEntry(list.substr(0, comma));
        if (!entry || std::any_of(plugged.begin(), plugged.end(),
                                  [&](const PluggedDevice& p) { return p.kind == entry->kind; })) {
            return std::nullopt;
        }
        plugged.push_back(*entry);
        if (comma == std::string_view::npos) {
            return plugged;
        }
        list.remove_prefix(comma + 1);
    }
}

}  // namespace devsim
