// Peak memory of loading a catalogue, for the load benchmark's memory figure.
//   pilecorr_load_probe write FILE   writes the synthetic benchmark catalogue
//   pilecorr_load_probe load FILE    loads FILE and prints the peak resident
//                                    size above the size before loading
// Run `load` under /usr/bin/time -v for an outside view of the same peak.

#include "catalogue/catalogue_reader.h"
#include "catalogue/catalogue_writer.h"
#include "catalogue/name_codec.h"
#include "synthetic_catalogue.h"

#include <QFile>
#include <QFileInfo>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>

namespace {

// A field of /proc/self/status in kB ("VmHWM", "VmRSS"); -1 when unknown.
long statusKb(const char *field)
{
    std::ifstream in("/proc/self/status");
    std::string line;
    const size_t n = std::strlen(field);
    while (std::getline(in, line))
        if (line.compare(0, n, field) == 0 && line.size() > n && line[n] == ':')
            return std::stol(line.substr(n + 1));
    return -1;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 3) {
        std::fputs("usage: pilecorr_load_probe write|load FILE\n", stderr);
        return 2;
    }
    const QString path = QString::fromLocal8Bit(argv[2]);
    if (std::strcmp(argv[1], "write") == 0) {
        QFile f(path);
        const QByteArray bytes = pc::writeCatalogue(pc::bench::syntheticCatalogue());
        if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
            return 1;
        std::printf("wrote %lld bytes\n", static_cast<long long>(bytes.size()));
        return 0;
    }
    // The code page tables are built once per process; build them first so
    // that the baseline holds them.
    pc::decodeAnsi("A", 1);
    const long fileKb = static_cast<long>(QFileInfo(path).size() / 1024);
    const long baselineKb = statusKb("VmHWM");
    const auto c = pc::readCatalogueFile(path);
    const long peakKb = statusKb("VmHWM");
    if (!c) {
        std::fputs("the file does not load\n", stderr);
        return 1;
    }
    std::printf("sections %d, file %ld kB, peak before load %ld kB, peak after load %ld kB, "
                "growth %ld kB = %.2f x file size\n",
                c->SectionCount(), fileKb, baselineKb, peakKb, peakKb - baselineKb,
                fileKb > 0 ? double(peakKb - baselineKb) / double(fileKb) : 0.0);
    return 0;
}
