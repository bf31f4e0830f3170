#include "automation/sim_requests.h"

#include <charconv>
#include <map>
#include <span>

#include "automation/request_args.h"
#include "devsim/simulator.h"

namespace automation {

namespace {

using Handler = Json (*)(devsim::SimDevice&, const Json&);

devsim::SimDevice& DeviceOf(devsim::Simulator& simulator, const Json& request) {
    const std::string& name = RequiredString(request, "device");
    const devsim::DeviceModel* model = devsim::FindModel(name);
    if (model == nullptr) {
        throw RequestError("unknown device \"" + name + "\" (mouse, keyboard or pad)");
    }
    return simulator.device(model->kind);
}

// A product id as a number or as hexadecimal text ("1003"); 0 when absent.
uint16_t ProductOf(const Json& request) {
    const Json* product = request.Find("product");
    if (product == nullptr || product->AsString() == nullptr) {
        return static_cast<uint16_t>(OptionalInt(request, "product", 0, 0xFFFF).value_or(0));
    }
    const std::string& text = *product->AsString();
    unsigned value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, 16);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() ||
        value > 0xFFFF) {
        throw RequestError("\"product\" must be a hexadecimal product id, e.g. \"1003\"");
    }
    return static_cast<uint16_t>(value);
}

Json IdentityOf(const devsim::SimDevice& device) {
    const devsim::Identity identity = device.identity();
    return Json::Object()
        .Set("plugged", device.plugged())
        .Set("vendor", identity.vendorId)
        .Set("product", identity.productId);
}

Json Plug(devsim::SimDevice& device, const Json& request) {
    try {
        device.Plug(ProductOf(request));
    } catch (const std::invalid_argument& error) {
        throw RequestError(error.what());
    }
    return IdentityOf(device);
}

Json Unplug(devsim::SimDevice& device, const Json&) {
    device.Unplug();
    return IdentityOf(device);
}

Json Notice(devsim::SimDevice& device, const Json& request) {
    const auto usage = static_cast<uint16_t>(RequiredInt(request, "usage", 1, 0xFFFF));
    if (!device.SendNotice(usage)) {
        throw RequestError("the device is not plugged in or has no consumer-control collection");
    }
    return Json::Object();
}

std::span<const uint8_t> AreaOf(const devsim::DeviceMemory& memory, const std::string& name) {
    const std::map<std::string, std::span<const uint8_t>, std::less<>> areas = {
        {"info", memory.info},
        {"params", memory.params},
        {"keys", memory.keyTables},
        {"default", memory.defaultTable},
        {"macro", memory.macroArea}};
    const auto found = areas.find(name);
    if (found == areas.end()) {
        throw RequestError("unknown memory area \"" + name +
                           "\" (info, params, keys, default or macro)");
    }
    return found->second;
}

Json Memory(devsim::SimDevice& device, const Json& request) {
    const devsim::DeviceMemory memory = device.memory();
    const std::span<const uint8_t> area =
        AreaOf(memory, OptionalString(request, "area").value_or("params"));
    const auto size = static_cast<int64_t>(area.size());
    const int64_t offset = OptionalInt(request, "offset", 0, size).value_or(0);
    const int64_t length = OptionalInt(request, "length", 0, size - offset).value_or(size - offset);
    return Json::Object()
        .Set("size", size)
        .Set("offset", offset)
        .Set("data", ToHex(area.subspan(static_cast<size_t>(offset), static_cast<size_t>(length))));
}

Json Log(devsim::SimDevice& device, const Json& request) {
    Json entries = Json::Array();
    for (const devsim::ExchangeRecord& record : device.log()) {
        entries.Push(Json::Object()
                         .Set("command", record.command)
                         .Set("offset", record.offset)
                         .Set("length", record.length)
                         .Set("data", ToHex(record.data))
                         .Set("checksumOk", record.checksumOk)
                         .Set("status", record.answerStatus ? Json(*record.answerStatus) : Json()));
    }
    if (OptionalBool(request, "clear", false)) {
        device.ClearLog();
    }
    return Json::Object().Set("entries", std::move(entries));
}

Json ClearLog(devsim::SimDevice& device, const Json&) {
    device.ClearLog();
    return Json::Object();
}

devsim::Fault FaultOf(const Json& request) {
    const std::string& kind = RequiredString(request, "kind");
    devsim::Fault fault;
    if (kind == "noanswer") {
        fault = devsim::Fault::NoAnswer();
    } else if (kind == "late") {
        fault = devsim::Fault::LateAnswer(
            static_cast<uint32_t>(RequiredInt(request, "delay", 0, 60000)));
    } else if (kind == "status") {
        fault = devsim::Fault::Status(static_cast<uint8_t>(RequiredInt(request, "status", 0, 255)));
    } else if (kind == "writefails") {
        fault = devsim::Fault::WriteFails();
    } else {
        throw RequestError("unknown fault kind \"" + kind +
                           "\" (noanswer, late, status or writefails)");
    }
    if (const auto command = OptionalInt(request, "command", 0, 255)) {
        fault = fault.OnCommand(static_cast<uint8_t>(*command));
    }
    if (const auto offset = OptionalInt(request, "offset", 0, 0xFFFF)) {
        fault = fault.AtOffset(static_cast<uint16_t>(*offset));
    }
    if (const auto times = OptionalInt(request, "times", 1, 1000000)) {
        fault = fault.Times(static_cast<int>(*times));
    }
    return fault;
}

Json AddFault(devsim::SimDevice& device, const Json& request) {
    device.AddFault(FaultOf(request));
    return Json::Object();
}

Json ClearFaults(devsim::SimDevice& device, const Json&) {
    device.ClearFaults();
    return Json::Object();
}

}  // namespace

std::optional<Json> RunSimulatorRequest(devsim::Simulator* simulator, std::string_view op,
                                        const Json& request) {
    static const std::map<std::string_view, Handler> kHandlers = {
        {"plug", Plug}, {"unplug", Unplug},     {"notice", Notice},  {"memory", Memory},
        {"log", Log},   {"clearlog", ClearLog}, {"fault", AddFault}, {"clearfaults", ClearFaults}};
    const auto found = kHandlers.find(op);
    if (found == kHandlers.end()) {
        return std::nullopt;
    }
    if (simulator == nullptr) {
        throw RequestError("\"" + std::string(op) + "\" needs simulated devices (--simulate)");
    }
    return found->second(DeviceOf(*simulator, request), request);
}

}  // namespace automation
