#pragma once
// The real brick over USB HID, through hidapi.
#include "link/BrickTransport.h"

#include <memory>

namespace tarvel {

class HidTransport final : public BrickTransport {
public:
    HidTransport();
    ~HidTransport() override;

    bool open() override;
    void close() override;
    int inputReportLength() const override { return inputLength_; }
    int outputReportLength() const override { return outputLength_; }
    int write(const std::uint8_t* report, std::size_t length) override;
    int read(std::uint8_t* buffer, std::size_t length, int timeoutMs) override;
    std::string lastError() const override { return error_; }
    bool devicePresent() override;

private:
    struct Device;
    std::unique_ptr<Device> device_;
    int inputLength_ = 0;
    int outputLength_ = 0;
    std::string error_;
};

} // namespace tarvel
