#include "link/UsbLink.h"

#include "model/Text.h"

#include <algorithm>

namespace tarvel {

bool UsbLink::OpenBrick()
{
    deviceDetected = false;
    if (!transport_.open()) {
        lastError = transport_.lastError();
        return false;
    }
    deviceDetected = true;
    inputReportByteLength = std::min(transport_.inputReportLength(), kReportDataBytes + 1);
    outputReportByteLength = std::min(transport_.outputReportLength(), kReportDataBytes + 1);
    return true;
}

void UsbLink::CloseBrick()
{
    transport_.close();
    deviceDetected = false;
    brickConnected = false;
}

bool UsbLink::WriteReport()
{
    if (!deviceDetected || outputReportByteLength < 2)
        return false;
    std::vector<std::uint8_t> report(std::size_t(outputReportByteLength), 0);
    std::copy_n(outputBuffer.begin(), outputReportByteLength - 1, report.begin() + 1);
    sentReports.push_back(report);
    if (transport_.write(report.data(), report.size()) < 0)
        lastError = transport_.lastError(); // found out through the following read
    return true;
}

bool UsbLink::ReadReport(int timeoutMs)
{
    lastReadTimedOut = false;
    if (!deviceDetected || inputReportByteLength < 2)
        return false;
    std::vector<std::uint8_t> report(std::size_t(inputReportByteLength), 0);
    const int n = transport_.read(report.data(), report.size(), timeoutMs);
    if (n <= 0) {
        // No reply in time, or the device is gone (unplugged): either way the brick is lost, and
        // the link closes so that the tools switch off instead of staying half open.
        lastReadTimedOut = true;
        if (n < 0)
            lastError = transport_.lastError();
        std::fill(report.begin(), report.end(), 0);
        CloseBrick();
        if (events_.statusPanel)
            events_.statusPanel(StatusPanel::Brick, QT_TRANSLATE_NOOP("core", "Ladrillo: Ninguno"));
        if (events_.connectTool)
            events_.connectTool(false);
    }
    std::copy(report.begin() + 1, report.end(), inputBuffer.begin());
    return true;
}

void UsbLink::drainInput()
{
    if (!deviceDetected || inputReportByteLength < 2)
        return;
    std::vector<std::uint8_t> report(std::size_t(inputReportByteLength), 0);
    for (int guard = 0; guard < 64 && transport_.read(report.data(), report.size(), 0) > 0; ++guard) {
    }
}

} // namespace tarvel
