#include "link/HidTransport.h"

#include "link/ReportDescriptor.h"
#include "model/Text.h"

#include <hidapi/hidapi.h>

#include <fcntl.h>
#include <linux/hidraw.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <cwchar>
#include <optional>
#include <vector>

namespace tarvel {

namespace {

constexpr int kFallbackLength = 65; // 64 data bytes and the report ID

std::string narrow(const wchar_t* text)
{
    if (!text)
        return QT_TRANSLATE_NOOP("core", "error desconocido");
    std::string out;
    for (; *text; ++text)
        out += *text < 128 ? char(*text) : '?';
    return out;
}

// hidapi 0.13 cannot give the report descriptor; the hidraw node can. None when it cannot be read.
std::optional<ReportLengths> lengthsFromHidraw(const std::string& path)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    std::optional<ReportLengths> lengths;
    int size = 0;
    if (::ioctl(fd, HIDIOCGRDESCSIZE, &size) == 0 && size > 0 && size <= HID_MAX_DESCRIPTOR_SIZE) {
        hidraw_report_descriptor descriptor{};
        descriptor.size = std::uint32_t(size);
        if (::ioctl(fd, HIDIOCGRDESC, &descriptor) == 0)
            lengths = reportLengthsFromDescriptor({descriptor.value, descriptor.size});
    }
    ::close(fd);
    return lengths;
}

} // namespace

struct HidTransport::Device {
    hid_device* handle = nullptr;
};

HidTransport::HidTransport()
    : device_(std::make_unique<Device>())
{
    hid_init();
}

HidTransport::~HidTransport()
{
    close();
    hid_exit();
}

bool HidTransport::open()
{
    close();
    hid_device_info* list = hid_enumerate(kBrickVendorId, kBrickProductId);
    if (!list) {
        error_ = QT_TRANSLATE_NOOP("core", "No se encontro ningun Ladrillo (USB 04D8:0002)");
        return false;
    }
    const std::string path = list->path ? list->path : "";
    hid_free_enumeration(list);
    device_->handle = hid_open_path(path.c_str());
    if (!device_->handle) {
        error_ = "No se pudo abrir " + path + " (permisos: ver la regla udev del README)";
        return false;
    }
    // A device without an output report says so (length 0, and the link refuses it); a descriptor
    // that cannot be read at all gives the usual 64 data bytes.
    const ReportLengths lengths = lengthsFromHidraw(path).value_or(ReportLengths{kFallbackLength, kFallbackLength});
    inputLength_ = lengths.input;
    outputLength_ = lengths.output;
    return true;
}

bool HidTransport::devicePresent()
{
    // hidapi has no hotplug events: the enumeration of this one vendor and product is cheap.
    hid_device_info* list = hid_enumerate(kBrickVendorId, kBrickProductId);
    const bool present = list != nullptr;
    hid_free_enumeration(list);
    return present;
}

void HidTransport::close()
{
    if (device_->handle) {
        hid_close(device_->handle);
        device_->handle = nullptr;
    }
}

int HidTransport::write(const std::uint8_t* report, std::size_t length)
{
    if (!device_->handle)
        return -1;
    const int n = hid_write(device_->handle, report, length);
    if (n < 0)
        error_ = narrow(hid_error(device_->handle));
    return n;
}

int HidTransport::read(std::uint8_t* buffer, std::size_t length, int timeoutMs)
{
    if (!device_->handle || length < 2)
        return -1;
    // The brick does not number its reports: hidapi gives the data without the report ID.
    const int n = hid_read_timeout(device_->handle, buffer + 1, length - 1, timeoutMs);
    if (n < 0) {
        error_ = narrow(hid_error(device_->handle));
        return -1;
    }
    if (n == 0)
        return 0;
    buffer[0] = 0;
    return n + 1;
}

} // namespace tarvel
