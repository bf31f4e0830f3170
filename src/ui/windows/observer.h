#pragma once

#include <cstdint>
#include <map>
#include <vector>

namespace ui {

template <typename ReturnT, typename ParamT>
class ReceiverImplBase;

// Announces changes to the receivers registered with it, in the order they registered.
template <typename ReturnT, typename ParamT>
class ObserverImplBase {
public:
    virtual ~ObserverImplBase() = default;
    virtual void AddReceiver(ReceiverImplBase<ReturnT, ParamT>* receiver) = 0;
    virtual void RemoveReceiver(ReceiverImplBase<ReturnT, ParamT>* receiver) = 0;
    virtual ReturnT Broadcast(ParamT param) = 0;
    virtual ReturnT NotifyReceivers(ParamT param) = 0;
};

template <typename ReturnT, typename ParamT>
class ReceiverImplBase {
public:
    virtual ~ReceiverImplBase() = default;
    virtual void AddObserver(ObserverImplBase<ReturnT, ParamT>* observer) = 0;
    virtual void RemoveFromObservers() = 0;
    virtual ReturnT Receive(ParamT param) = 0;
    virtual ReturnT Respond(ParamT param, ObserverImplBase<ReturnT, ParamT>* observer) = 0;
};

template <typename ReturnT, typename ParamT>
class ObserverImpl : public ObserverImplBase<ReturnT, ParamT> {
public:
    using Receiver = ReceiverImplBase<ReturnT, ParamT>;

    // A null receiver is ignored.
    void AddReceiver(Receiver* receiver) override {
        if (receiver == nullptr) {
            return;
        }
        receivers_[count_] = receiver;
        receiver->AddObserver(this);
        ++count_;
    }

    void RemoveReceiver(Receiver* receiver) override {
        for (auto it = receivers_.begin(); it != receivers_.end(); ++it) {
            if (it->second == receiver) {
                receivers_.erase(it);
                return;
            }
        }
    }

    // Each receiver gets its own copy of the parameter.
    ReturnT Broadcast(ParamT param) override {
        for (Receiver* receiver : Snapshot()) {
            receiver->Receive(param);
        }
        return 0;
    }

    ReturnT NotifyReceivers(ParamT param) override {
        for (Receiver* receiver : Snapshot()) {
            receiver->Respond(param, this);
        }
        return 0;
    }

private:
    // A receiver may unregister while it is being called.
    std::vector<Receiver*> Snapshot() const {
        std::vector<Receiver*> receivers;
        for (const auto& entry : receivers_) {
            receivers.push_back(entry.second);
        }
        return receivers;
    }

    int32_t count_ = 0;
    std::map<int32_t, Receiver*> receivers_;
};

template <typename ReturnT, typename ParamT>
class ReceiverImpl : public ReceiverImplBase<ReturnT, ParamT> {
public:
    using Observer = ObserverImplBase<ReturnT, ParamT>;

    ReceiverImpl() = default;
    // A receiver that goes away must not stay in an observer that outlives it.
    ~ReceiverImpl() override { RemoveFromObservers(); }
    ReceiverImpl(const ReceiverImpl&) = delete;
    ReceiverImpl& operator=(const ReceiverImpl&) = delete;

    void AddObserver(Observer* observer) override {
        observers_[count_] = observer;
        ++count_;
    }

    void RemoveFromObservers() override {
        for (const auto& entry : observers_) {
            entry.second->RemoveReceiver(this);
        }
        observers_.clear();
    }

    ReturnT Receive(ParamT) override { return 0; }
    ReturnT Respond(ParamT, Observer*) override { return 0; }

private:
    int32_t count_ = 0;
    std::map<int32_t, Observer*> observers_;
};

}  // namespace ui
