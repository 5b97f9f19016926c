#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace velmora {

using Bytes = std::vector<std::uint8_t>;

// A byte channel to the controller: a serial port, the simulator exchange files or an
// in-process loopback. Received bytes arrive through the handler, on the caller's thread.
class Link {
public:
    using ReceiveHandler = std::function<void(const Bytes&)>;

    virtual ~Link() = default;

    virtual bool open() = 0;
    virtual void close() = 0;
    virtual bool isOpen() const = 0;
    // False when the bytes could not be written.
    virtual bool write(const Bytes& bytes) = 0;
    // Why the last open or write failed, for the user.
    virtual std::string lastError() const = 0;

    void onReceive(ReceiveHandler handler) { receive_ = std::move(handler); }

protected:
    void deliver(const Bytes& bytes) {
        if (receive_) {
            receive_(bytes);
        }
    }

private:
    ReceiveHandler receive_;
};

} // namespace velmora
