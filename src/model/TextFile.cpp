#include "model/TextFile.h"

#include "model/Cp1252.h"

#include <atomic>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tarvel {

namespace fs = std::filesystem;

namespace
{

constexpr std::string_view kTemporaryHead = ".tarvel-";
constexpr std::string_view kTemporaryTail = ".tmp";

// Why a call failed, as a sentence the user can act on.
std::string errnoReason(int error)
{
    switch (error) {
    case ENOENT: return QT_TRANSLATE_NOOP("core", "El archivo o su carpeta no existe.");
    case EACCES:
    case EPERM: return QT_TRANSLATE_NOOP("core", "No hay permiso para usar el archivo o su carpeta.");
    case EISDIR: return QT_TRANSLATE_NOOP("core", "Es una carpeta, no un archivo.");
    case ENOTDIR: return QT_TRANSLATE_NOOP("core", "Una parte de la ruta no es una carpeta.");
    case ENAMETOOLONG: return QT_TRANSLATE_NOOP("core", "El nombre del archivo es demasiado largo.");
    case ELOOP: return QT_TRANSLATE_NOOP("core", "La ruta tiene demasiados enlaces simbolicos.");
    case ENOSPC:
    case EDQUOT: return QT_TRANSLATE_NOOP("core", "No queda espacio en el disco.");
    case EROFS: return QT_TRANSLATE_NOOP("core", "El disco es de solo lectura.");
    case EIO: return QT_TRANSLATE_NOOP("core", "Error de entrada/salida del disco.");
    case EMFILE:
    case ENFILE: return QT_TRANSLATE_NOOP("core", "Hay demasiados archivos abiertos.");
    case ENOMEM: return QT_TRANSLATE_NOOP("core", "No queda memoria.");
    case EFBIG: return QT_TRANSLATE_NOOP("core", "El archivo es demasiado grande para el disco.");
    case ETXTBSY:
    case EBUSY: return QT_TRANSLATE_NOOP("core", "El archivo esta en uso.");
    case EXDEV: return QT_TRANSLATE_NOOP("core", "El archivo temporal quedo en otro disco.");
    default: return "Error del sistema " + std::to_string(error) + ".";
    }
}

std::string typeReason(mode_t mode)
{
    if (S_ISDIR(mode))
        return QT_TRANSLATE_NOOP("core", "Es una carpeta, no un archivo.");
    if (S_ISFIFO(mode))
        return QT_TRANSLATE_NOOP("core", "Es una tuberia (FIFO), no un archivo comun.");
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return QT_TRANSLATE_NOOP("core", "Es un dispositivo, no un archivo comun.");
    if (S_ISSOCK(mode))
        return QT_TRANSLATE_NOOP("core", "Es un socket, no un archivo comun.");
    return QT_TRANSLATE_NOOP("core", "No es un archivo comun.");
}

std::string tooLargeReason(std::uintmax_t maxBytes)
{
    return Text(QT_TRANSLATE_NOOP("core", "El archivo es demasiado grande para su tipo (mas de %1 bytes)."))
        .arg(std::to_string(maxBytes))
        .spanish();
}

class Descriptor
{
public:
    explicit Descriptor(int fd)
        : fd_(fd)
    {
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    int get() const { return fd_; }
    // Closes now; the error of close (a late write failure on some file systems) is returned.
    int close()
    {
        const int r = fd_ >= 0 ? ::close(fd_) : 0;
        fd_ = -1;
        return r;
    }

private:
    int fd_;
};

// A name no other run shares: the process, the time and a counter, mixed.
std::string temporaryName()
{
    static std::atomic<std::uint64_t> counter { 0 };
    std::uint64_t x = std::uint64_t(std::chrono::steady_clock::now().time_since_epoch().count())
        ^ (std::uint64_t(::getpid()) << 32) ^ (counter.fetch_add(1) * 0x9E3779B97F4A7C15ull);
    x ^= x >> 30;
    x *= 0xBF58476D1CE4E5B9ull;
    x ^= x >> 27;
    x *= 0x94D049BB133111EBull;
    x ^= x >> 31;
    char random[17];
    std::snprintf(random, sizeof random, "%016llx", static_cast<unsigned long long>(x));
    return std::string(kTemporaryHead) + std::to_string(::getpid()) + "-" + random + std::string(kTemporaryTail);
}

Text writeMessage(const fs::path& path, const std::string& reason)
{
    return Text::lines({Text(QT_TRANSLATE_NOOP("core", "No se Pudo Escribir el Archivo %1")).arg(pathText(path)),
                        Text::sentence(reason)});
}

void syncFolder(const fs::path& folder)
{
    // A folder that cannot be flushed (some file systems refuse) still has the rename.
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

std::string readRegularFile(const fs::path& path, std::string& bytes, std::uintmax_t maxBytes)
{
    // stat first: a device is not even opened (opening some has effects of its own).
    struct stat before {
    };
    if (::stat(path.c_str(), &before) != 0)
        return errno == ENOENT ? QT_TRANSLATE_NOOP("core", "El archivo no existe.") : errnoReason(errno);
    if (!S_ISREG(before.st_mode))
        return typeReason(before.st_mode);
    if (std::uintmax_t(before.st_size) > maxBytes)
        return tooLargeReason(maxBytes);
    // O_NONBLOCK: should the name have become a pipe since, the open does not wait for a writer.
    Descriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (fd.get() < 0)
        return errnoReason(errno);
    struct stat opened {
    };
    if (::fstat(fd.get(), &opened) != 0)
        return errnoReason(errno);
    if (!S_ISREG(opened.st_mode))
        return typeReason(opened.st_mode);
    // The size is only a hint (files under /proc say 0): the read itself stops past the bound.
    std::string read;
    if (std::uintmax_t(opened.st_size) <= maxBytes)
        read.reserve(std::size_t(opened.st_size));
    char buffer[65536];
    while (true) {
        const std::uintmax_t left = maxBytes - read.size();
        const std::size_t want = left >= sizeof buffer ? sizeof buffer : std::size_t(left) + 1; // one more tells
        const auto n = ::read(fd.get(), buffer, want);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return "No se puede leer el archivo: " + errnoReason(errno);
        }
        if (n == 0)
            break;
        read.append(buffer, std::size_t(n));
        if (read.size() > maxBytes)
            return tooLargeReason(maxBytes);
    }
    bytes = std::move(read);
    return {};
}

bool readWholeFile(const fs::path& path, std::string& bytes, std::uintmax_t maxBytes)
{
    return readRegularFile(path, bytes, maxBytes).empty();
}

PendingFile::~PendingFile()
{
    if (!temporary_.empty())
        ::unlink(temporary_.c_str());
}

Text PendingFile::prepare(const fs::path& path, std::string_view bytes)
{
    if (!temporary_.empty()) {
        ::unlink(temporary_.c_str());
        temporary_.clear();
    }
    shown_ = path;
    target_ = path;
    if (path.empty() || !path.has_filename())
        return writeMessage(path, QT_TRANSLATE_NOOP("core", "Falta el nombre del archivo."));

    // What is there now decides: a regular file is replaced keeping its permissions; a link is
    // followed so that the file it names is replaced, not the link; anything else is refused,
    // without opening it (a pipe would wait for a reader).
    struct stat st {
    };
    bool existing = false;
    if (::lstat(path.c_str(), &st) == 0) {
        if (S_ISLNK(st.st_mode)) {
            struct stat linked {
            };
            if (::stat(path.c_str(), &linked) == 0) {
                if (!S_ISREG(linked.st_mode))
                    return writeMessage(path, typeReason(linked.st_mode));
                std::error_code ec;
                const fs::path real = fs::canonical(path, ec);
                if (ec)
                    return writeMessage(path, errnoReason(ec.value()));
                target_ = real;
                st = linked;
                existing = true;
            } // a broken link is replaced by the file
        } else if (!S_ISREG(st.st_mode)) {
            return writeMessage(path, typeReason(st.st_mode));
        } else {
            existing = true;
        }
    } else if (errno != ENOENT) {
        return writeMessage(path, errnoReason(errno));
    }

    // The rename could replace a file its owner made read-only; that is the owner's word not to.
    if (existing && ::access(target_.c_str(), W_OK) != 0 && errno == EACCES)
        return writeMessage(path, QT_TRANSLATE_NOOP("core", "El archivo es de solo lectura."));

    const fs::path folder = target_.has_parent_path() ? target_.parent_path() : fs::path(".");
    int fd = -1;
    fs::path temporary;
    for (int attempt = 0; attempt < 16 && fd < 0; ++attempt) {
        temporary = folder / temporaryName();
        fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666);
        if (fd < 0 && errno != EEXIST)
            break;
    }
    if (fd < 0)
        return writeMessage(path, errno == ENOENT ? QT_TRANSLATE_NOOP("core", "La carpeta no existe.") : errnoReason(errno));
    temporary_ = temporary;
    Descriptor out(fd);
    if (existing) {
        // The new file is the old one's in all but its bytes. Only root can give it back its owner;
        // a file whose owner cannot be kept is written all the same.
        if (st.st_uid != ::geteuid() || st.st_gid != ::getegid()) [[maybe_unused]]
            const int owned = ::fchown(fd, st.st_uid, st.st_gid);
        ::fchmod(fd, st.st_mode & 07777);
    }
    auto failed = [&](int error) {
        out.close();
        ::unlink(temporary_.c_str());
        temporary_.clear();
        return writeMessage(path, errnoReason(error));
    };
    std::size_t written = 0;
    while (written < bytes.size()) {
        const auto n = ::write(fd, bytes.data() + written, bytes.size() - written);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return failed(errno);
        }
        if (n == 0)
            return failed(ENOSPC);
        written += std::size_t(n);
    }
    if (::fsync(fd) != 0 && errno != EINVAL && errno != EROFS)
        return failed(errno);
    if (out.close() != 0 && errno != EINTR)
        return failed(errno);
    return {};
}

Text PendingFile::commit()
{
    if (temporary_.empty())
        return writeMessage(shown_, QT_TRANSLATE_NOOP("core", "No se preparo el archivo."));
    if (::rename(temporary_.c_str(), target_.c_str()) != 0) {
        const int error = errno;
        ::unlink(temporary_.c_str());
        temporary_.clear();
        return Text::lines({Text(QT_TRANSLATE_NOOP("core", "No se Pudo Reemplazar el Archivo %1")).arg(pathText(shown_)),
                            Text::sentence(errnoReason(error))});
    }
    temporary_.clear();
    syncFolder(target_.has_parent_path() ? target_.parent_path() : fs::path("."));
    return {};
}

Text writeFileReplacing(const fs::path& path, std::string_view bytes)
{
    PendingFile file;
    if (Text error = file.prepare(path, bytes); !error.empty())
        return error;
    return file.commit();
}

bool isTemporaryName(std::string_view name, long& pid)
{
    if (name.size() <= kTemporaryHead.size() + kTemporaryTail.size() + 2 || !name.starts_with(kTemporaryHead)
        || !name.ends_with(kTemporaryTail))
        return false;
    name.remove_prefix(kTemporaryHead.size());
    name.remove_suffix(kTemporaryTail.size());
    const auto dash = name.find('-');
    if (dash == 0 || dash == std::string_view::npos || dash > 10 || dash + 1 == name.size())
        return false;
    long value = 0;
    for (std::size_t i = 0; i < dash; ++i) {
        if (name[i] < '0' || name[i] > '9')
            return false;
        value = value * 10 + (name[i] - '0');
    }
    for (char c : name.substr(dash + 1))
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f')))
            return false;
    if (value <= 0)
        return false;
    pid = value;
    return true;
}

void removeStaleTemporaries(const fs::path& folder)
{
    std::error_code ec;
    for (fs::directory_iterator it(folder.empty() ? fs::path(".") : folder, ec), end; !ec && it != end;
         it.increment(ec)) {
        long pid = 0;
        if (!isTemporaryName(it->path().filename().native(), pid) || pid == long(::getpid()))
            continue;
        std::error_code typeError;
        if (!it->is_regular_file(typeError) || it->is_symlink(typeError))
            continue;
        // EPERM: the process runs under another user; only a process that is gone leaves it behind.
        if (::kill(pid_t(pid), 0) == -1 && errno == ESRCH)
            ::unlink(it->path().c_str());
    }
}

std::string pathText(const fs::path& path)
{
    return utf8ToCp1252(path.native());
}

} // namespace tarvel
