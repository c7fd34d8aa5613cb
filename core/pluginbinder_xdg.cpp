// The plug-in binder's platform part for ELF systems: the file is checked
// against its own headers before dlopen() sees it (a file cut short by an
// interrupted update would otherwise fault inside the loader), and it is
// loaded by its absolute path with dlopen() itself, so that no search of
// the library path or of hardware-capability subfolders takes place.

#include "core/pluginbinder.h"

#include <QFile>
#include <QFileInfo>

#include <dlfcn.h>
#include <elf.h>
#include <link.h>
#include <sys/stat.h>

#include <cstring>

namespace {

constexpr qint64 MaxPluginSize = 256 * 1024 * 1024;

using Header = ElfW(Ehdr);
using ProgramHeader = ElfW(Phdr);

#if Q_BYTE_ORDER == Q_LITTLE_ENDIAN
constexpr unsigned char HostData = ELFDATA2LSB;
#else
constexpr unsigned char HostData = ELFDATA2MSB;
#endif
constexpr unsigned char HostClass = sizeof(void *) == 8 ? ELFCLASS64 : ELFCLASS32;

bool readHeader(QFile &file, Header *header)
{
    return file.read(reinterpret_cast<char *>(header), sizeof(Header)) == qint64(sizeof(Header));
}

// The machine this program was built for, read from its own file; 0 when
// that cannot be read (the check is then skipped).
int hostMachine()
{
    static const int machine = [] {
        QFile self(QStringLiteral("/proc/self/exe"));
        Header header;
        if (!self.open(QIODevice::ReadOnly) || !readHeader(self, &header)
            || std::memcmp(header.e_ident, ELFMAG, SELFMAG) != 0)
            return 0;
        return int(header.e_machine);
    }();
    return machine;
}

// True when [offset, offset + length) lies inside a file of size bytes.
bool inside(quint64 offset, quint64 length, quint64 size)
{
    return offset <= size && length <= size - offset;
}

} // namespace

QString PluginBinder::fileProblem(const QString &filePath)
{
    const QFileInfo info(filePath);
    if (!info.exists())
        return QStringLiteral("no such file");
    if (!info.isFile())
        return QStringLiteral("not a regular file");
    const qint64 size = info.size();
    if (size < qint64(sizeof(Header)))
        return QStringLiteral("too small to be a shared library (%1 bytes)").arg(size);
    if (size > MaxPluginSize)
        return QStringLiteral("too large to be a plug-in (%1 bytes)").arg(size);

    QFile file(filePath);
    if (!file.open(QIODevice::ReadOnly))
        return file.errorString();
    Header header;
    if (!readHeader(file, &header))
        return QStringLiteral("cannot read its header");
    if (std::memcmp(header.e_ident, ELFMAG, SELFMAG) != 0)
        return QStringLiteral("not an ELF file");
    if (header.e_ident[EI_CLASS] != HostClass || header.e_ident[EI_DATA] != HostData
        || header.e_ident[EI_VERSION] != EV_CURRENT)
        return QStringLiteral("an ELF file of another word size or byte order");
    if (header.e_type != ET_DYN)
        return QStringLiteral("not a shared library");
    if (hostMachine() != 0 && header.e_machine != hostMachine())
        return QStringLiteral("built for another machine");

    const quint64 fileSize = quint64(size);
    if (header.e_phnum == 0 || header.e_phentsize != sizeof(ProgramHeader)
        || !inside(header.e_phoff, quint64(header.e_phnum) * sizeof(ProgramHeader), fileSize))
        return QStringLiteral("its program headers are missing or cut off");
    if (header.e_shoff != 0
        && !inside(header.e_shoff, quint64(header.e_shnum) * header.e_shentsize, fileSize))
        return QStringLiteral("cut short: its section headers lie past its end");

    if (!file.seek(qint64(header.e_phoff)))
        return QStringLiteral("cannot read its program headers");
    for (int i = 0; i < header.e_phnum; ++i) {
        ProgramHeader segment;
        if (file.read(reinterpret_cast<char *>(&segment), sizeof segment) != qint64(sizeof segment))
            return QStringLiteral("cannot read its program headers");
        // Every part the loader maps must be in the file: a part past the
        // end faults (SIGBUS) when it is touched.
        if ((segment.p_type == PT_LOAD || segment.p_type == PT_DYNAMIC)
            && !inside(segment.p_offset, segment.p_filesz, fileSize))
            return QStringLiteral("cut short: a segment lies past its end");
    }
    return QString();
}

QFunctionPointer PluginBinder::loadAndResolve(const QString &filePath, const char *symbol, QString *error)
{
    // The path has a slash, so dlopen() takes the file as named. The
    // handle is kept: the plug-in stays loaded for the whole run.
    const QByteArray path = QFile::encodeName(filePath);
    void *handle = dlopen(path.constData(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
        const char *reason = dlerror();
        *error = reason ? QString::fromLocal8Bit(reason) : QStringLiteral("dlopen failed");
        return nullptr;
    }
    dlerror();
    void *address = dlsym(handle, symbol);
    if (!address) {
        *error = QStringLiteral("no symbol %1").arg(QLatin1String(symbol));
        return nullptr;
    }
    return reinterpret_cast<QFunctionPointer>(address);
}

QString PluginBinder::writableByOthers(const QString &filePath)
{
    const QFileInfo info(filePath);
    struct stat status;
    const QByteArray folder = QFile::encodeName(info.absolutePath());
    if (stat(folder.constData(), &status) == 0 && (status.st_mode & (S_IWGRP | S_IWOTH))
        && !(status.st_mode & S_ISVTX))
        return QStringLiteral("the plug-in folder %1 may be written by other users").arg(info.absolutePath());
    const QByteArray file = QFile::encodeName(info.absoluteFilePath());
    if (stat(file.constData(), &status) == 0 && (status.st_mode & (S_IWGRP | S_IWOTH)))
        return QStringLiteral("the plug-in %1 may be written by other users").arg(info.absoluteFilePath());
    return QString();
}
